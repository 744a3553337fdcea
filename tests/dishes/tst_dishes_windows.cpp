// The dish master, the category window and the recipe window driven like a user: the checks
// and questions of add, change and delete, trimmed names, the category window handing a
// category back, foods from the composition browser, the quantity conversion, and the road
// from the menu and back.

#include "b_01.h"
#include "database.h"
#include "datacombo.h"
#include "dishes_fixture.h"
#include "f_kjrnyu01.h"
#include "f_kjrnyu01_ken.h"
#include "f_menu01.h"
#include "f_rhen01.h"
#include "f_rhenzai01.h"
#include "f_ryobun01.h"
#include "f_seiken01.h"
#include "flexgrid.h"
#include "guitest.h"
#include "ryouri_core.h"
#include "screens.h"
#include "statusbartext.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace mirte;
using namespace mirte::test;

namespace {

int rowOf(FlexGrid *g, int col, qint64 id)
{
    for (int r = 1; r < g->rows(); ++r)
        if (g->valueMatrix(r, col).toLongLong() == id)
            return r;
    return -1;
}

void clickCell(FlexGrid *g, int row, int col)
{
    g->setTopRow(row);
    const auto [w, p] = g->cellPosition(row, col);
    QVERIFY2(w, qPrintable(QStringLiteral("cell %1,%2").arg(row).arg(col)));
    QTest::mouseClick(w, Qt::LeftButton, {}, p);
}

void moveOver(FlexGrid *g, int row, int col)
{
    const auto [w, p] = g->cellPosition(row, col);
    QVERIFY(w);
    QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

QString dishName(qint64 id)
{
    return Ryouri_Mei(id).value_or(QString());
}

// The top-level window of a class that is showing.
template <class T>
T *shownWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w); t && t->isVisible())
            return t;
    return nullptr;
}

} // namespace

class TstDishesWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDb> m_db;
    qint64 m_washoku = 0, m_youshoku = 0, m_kodomo = 0, m_empty = 0;
    qint64 m_nikujaga = 0, m_curry = 0, m_hamburg = 0, m_stew = 0, m_kyuusyoku = 0;
    QPointer<F_RHen01> m_master;

    F_RHen01 *master()
    {
        m_master = new F_RHen01;
        m_master->show();
        return m_master;
    }
    // The recipe window of a dish, opened from the dish master.
    F_RHenZai01 *recipeOf(qint64 dish)
    {
        F_RHen01 *w = master();
        w->vsGrid->setRow(rowOf(w->vsGrid, ryouri_col::Id, dish));
        click(w, QStringLiteral("Command5"));
        return w->recipeWindow();
    }
    // 選　択 in the browser on a food, as on the dish master's road.
    void pick(qint64 food, int code = 3)
    {
        F_SeiKen01 *s = G_SeiKen();
        G_Yobidasi = code;
        s->setPickVisible(true);
        s->show();
        FlexGrid *g = s->grid(0);
        g->setRow(rowOf(g, seiken_col::Id, food));
        click(s, QStringLiteral("Command5"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Syoki_Settei());
        m_db = std::make_unique<TempDb>();
        copySeedReference();
        createSeiKen();
    }
    void init()
    {
        G_DB().exec(QStringLiteral("DELETE FROM 料理分類"));
        G_DB().exec(QStringLiteral("DELETE FROM 個人データ"));
        m_washoku = addCategory(QStringLiteral("和食"));
        m_youshoku = addCategory(QStringLiteral("洋食"));
        m_kodomo = addCategory(QStringLiteral("子供の好物"));
        m_empty = addCategory(QStringLiteral("空の分類"));
        m_nikujaga = addDish(m_washoku, QStringLiteral("肉じゃが"));
        m_curry = addDish(m_youshoku, QStringLiteral("ママ's カレー"));
        m_hamburg = addDish(m_kodomo, QStringLiteral("ハンバーグ"));
        m_stew = addDish(m_kodomo, QStringLiteral("シチュー"));
        m_kyuusyoku = addDish(m_kodomo, QStringLiteral("給食のあげパン"));
        addIngredient(m_nikujaga, kJagaimo, 100);
        addIngredient(m_nikujaga, kButa, 60, 4);
        G_Yobidasi = 3;
    }
    void cleanup()
    {
        delete m_master;
        // Deleting a window deletes its menus, which are top-level widgets too.
        QList<QPointer<F_RHenZai01>> recipes;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *r = qobject_cast<F_RHenZai01 *>(w))
                recipes << r;
        qDeleteAll(recipes);
        G_SeiKen()->hide();
        G_Sei_ID = 0;
    }
    void cleanupTestCase()
    {
        destroySeiKen();
        m_db.reset();
    }

    // ---- the dish master ----

    void loadingSelectsTheFirstDish()
    {
        F_RHen01 *w = master();
        QCOMPARE(w->windowTitle(), QStringLiteral("料理マスタ編集"));
        QCOMPARE(w->vsGrid->rows() - 1, 5);
        // By category name, then dish name; the identifiers and the mark are hidden.
        QStringList shown;
        for (int r = 1; r < w->vsGrid->rows(); ++r)
            shown << w->vsGrid->textMatrix(r, ryouri_col::Bunrui) + QLatin1Char('/') + w->vsGrid->textMatrix(r, ryouri_col::Mei);
        QStringList sorted = shown;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(shown, sorted);
        for (int c : {ryouri_col::Id, ryouri_col::BunruiId, ryouri_col::Haifu})
            QVERIFY(w->vsGrid->colHidden(c));
        QCOMPARE(w->vsGrid->row(), 1);
        QCOMPARE(w->Text1->text(), w->vsGrid->textMatrix(1, ryouri_col::Mei));
        QCOMPARE(w->DBCombo1->text(), w->vsGrid->textMatrix(1, ryouri_col::Bunrui));
        QCOMPARE(G_Mst_Ryouri_ID, w->vsGrid->valueMatrix(1, ryouri_col::Id).toLongLong());
        QCOMPARE(G_Mst_Ryouri_Mei, w->Text1->text());
        for (const char *b : {"Command2", "Command3", "Command5"})
            QVERIFY(child<QPushButton>(w, QString::fromLatin1(b))->isEnabled());
    }

    void emptyCatalogueSelectsNothing()
    {
        G_DB().exec(QStringLiteral("DELETE FROM 料理名"));
        G_Mst_Ryouri_ID = 77;
        G_Mst_Ryouri_Mei = QStringLiteral("前の料理");
        F_RHen01 *w = master();
        QCOMPARE(G_Mst_Ryouri_ID, 0);
        QCOMPARE(G_Mst_Ryouri_Mei, QString());
        QCOMPARE(w->Text1->text(), QString());
        for (const char *b : {"Command2", "Command3", "Command5"})
            QVERIFY(!child<QPushButton>(w, QString::fromLatin1(b))->isEnabled());
    }

    void clickingARowSelectsTheDish()
    {
        F_RHen01 *w = master();
        const int r = rowOf(w->vsGrid, ryouri_col::Id, m_curry);
        clickCell(w->vsGrid, r, ryouri_col::Mei);
        QCOMPARE(w->vsGrid->row(), r);
        QCOMPARE(w->Text1->text(), QStringLiteral("ママ's カレー"));
        QCOMPARE(w->DBCombo1->boundValue().toLongLong(), m_youshoku);
        QCOMPARE(G_Mst_Ryouri_ID, m_curry);
        // Sorting by name keeps the same dish selected in the boxes.
        QTest::mouseClick(w->vsGrid->cellPosition(0, ryouri_col::Mei).first, Qt::LeftButton, {},
                          w->vsGrid->cellPosition(0, ryouri_col::Mei).second);
        QCOMPARE(w->vsGrid->sortCol(), ryouri_col::Mei);
        QCOMPARE(w->vsGrid->valueMatrix(w->vsGrid->row(), ryouri_col::Id).toLongLong(), m_curry);
        QCOMPARE(G_Mst_Ryouri_ID, m_curry);
    }

    void addChecks_data()
    {
        QTest::addColumn<bool>("category");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("boxAfter");
        const QString noCategory = QStringLiteral("料理分類を指定してください。新規に作成する場合は、「編集」ボタンで作成してください。");
        const QString noName = QStringLiteral("料理名を入力してください。");
        const QString same = QStringLiteral("同じ名前の料理名が既に登録されています。");
        QTest::newRow("no category") << false << "筑前煮" << noCategory << "筑前煮";
        QTest::newRow("empty name") << true << "" << noName << "";
        QTest::newRow("blanks only") << true << "　  " << noName << "";
        QTest::newRow("name of another category") << true << "ハンバーグ" << same << "ハンバーグ";
        QTest::newRow("taken after trimming") << true << "  肉じゃが　" << same << "肉じゃが";
        QTest::newRow("apostrophe taken") << true << "ママ's カレー" << same << "ママ's カレー";
    }
    void addChecks()
    {
        QFETCH(bool, category);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, boxAfter);
        F_RHen01 *w = master();
        const int rows = w->vsGrid->rows();
        const int dishes = countOf(QStringLiteral("SELECT count(*) FROM 料理名"));
        w->DBCombo1->setBoundValue(m_washoku);
        if (!category)
            w->DBCombo1->setCurrentIndex(-1);
        typeInto(w, QStringLiteral("Text1"), typed);
        MsgRecorder rec;
        click(w, QStringLiteral("Command4"));
        QCOMPARE(rec.prompts(), QStringList{message});
        QCOMPARE(rec.shown().last().title, QStringLiteral("確認"));
        QCOMPARE(rec.shown().last().icon(), int(vbInformation));
        QCOMPARE(w->Text1->text(), boxAfter);
        QCOMPARE(w->vsGrid->rows(), rows);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 料理名")), dishes);
    }

    void addStoresTheTrimmedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("blanks around") << "  祖母の肉じゃが　" << "祖母の肉じゃが";
        QTest::newRow("apostrophe") << "Grandma's 肉じゃが" << "Grandma's 肉じゃが";
        QTest::newRow("quote trick") << "x' OR '1'='1" << "x' OR '1'='1";
    }
    void addStoresTheTrimmedName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        F_RHen01 *w = master();
        const int rows = w->vsGrid->rows();
        w->DBCombo1->setBoundValue(m_empty);
        typeInto(w, QStringLiteral("Text1"), typed);
        MsgRecorder rec;
        click(w, QStringLiteral("Command4"));
        QCOMPARE(rec.shown().size(), 0);
        QCOMPARE(w->Text1->text(), stored);
        const qint64 id = G_Mst_Ryouri_ID;
        QCOMPARE(dishName(id), stored);
        QCOMPARE(G_Mst_Ryouri_Mei, stored);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 配布元 FROM 料理名 WHERE 料理名ID = ?"), {id}).toInt(), 1);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 料理分類ID FROM 料理名 WHERE 料理名ID = ?"), {id}).toLongLong(), m_empty);
        // Appended as the last row and selected, not sorted in.
        QCOMPARE(w->vsGrid->rows(), rows + 1);
        QCOMPARE(w->vsGrid->row(), rows);
        QCOMPARE(w->vsGrid->valueMatrix(rows, ryouri_col::Id).toLongLong(), id);
        QCOMPARE(w->vsGrid->textMatrix(rows, ryouri_col::Bunrui), QStringLiteral("空の分類"));
        QCOMPARE(w->vsGrid->textMatrix(rows, ryouri_col::Mei), stored);
        QVERIFY(child<QPushButton>(w, QStringLiteral("Command5"))->isEnabled());
        // The same name again is refused now.
        click(w, QStringLiteral("Command4"));
        QCOMPARE(rec.last(), QStringLiteral("同じ名前の料理名が既に登録されています。"));
    }

    void rename_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("otherCategory");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QString>("stored");
        const QString ask = QStringLiteral("「ハンバーグ」に上書きします。よろしいですか。");
        QTest::newRow("its own name") << "ハンバーグ" << false << int(vbOK) << QStringList{ask} << "ハンバーグ";
        QTest::newRow("own name, other category") << " ハンバーグ " << true << int(vbOK) << QStringList{ask} << "ハンバーグ";
        QTest::newRow("new name") << "煮込みハンバーグ" << false << int(vbOK) << QStringList{ask} << "煮込みハンバーグ";
        QTest::newRow("cancelled") << "煮込みハンバーグ" << true << int(vbCancel) << QStringList{ask} << "ハンバーグ";
        QTest::newRow("name of another dish") << "シチュー" << false << int(vbOK)
                                             << QStringList{QStringLiteral("同じ名前の料理名が既に登録されています。")} << "ハンバーグ";
        QTest::newRow("apostrophe dish elsewhere") << "ママ's カレー" << false << int(vbOK)
                                                   << QStringList{QStringLiteral("同じ名前の料理名が既に登録されています。")} << "ハンバーグ";
    }
    void rename()
    {
        QFETCH(QString, typed);
        QFETCH(bool, otherCategory);
        QFETCH(int, answer);
        QFETCH(QStringList, prompts);
        QFETCH(QString, stored);
        F_RHen01 *w = master();
        const int r = rowOf(w->vsGrid, ryouri_col::Id, m_hamburg);
        w->vsGrid->setRow(r);
        if (otherCategory)
            w->DBCombo1->setBoundValue(m_washoku);
        typeInto(w, QStringLiteral("Text1"), typed);
        MsgRecorder rec;
        rec.answer(answer);
        click(w, QStringLiteral("Command3"));
        QCOMPARE(rec.prompts(), prompts);
        QCOMPARE(dishName(m_hamburg), stored);
        const bool written = answer == vbOK && prompts.size() == 1 && prompts.first().startsWith(QStringLiteral("「"));
        const qint64 category = G_DB().scalar(QStringLiteral("SELECT 料理分類ID FROM 料理名 WHERE 料理名ID = ?"), {m_hamburg}).toLongLong();
        QCOMPARE(category, written && otherCategory ? m_washoku : m_kodomo);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 配布元 FROM 料理名 WHERE 料理名ID = ?"), {m_hamburg}).toInt(), written ? 1 : 0);
        // The row shows what is stored.
        QCOMPARE(w->vsGrid->textMatrix(r, ryouri_col::Mei), stored);
        QCOMPARE(w->vsGrid->valueMatrix(r, ryouri_col::BunruiId).toLongLong(), category);
        QCOMPARE(w->vsGrid->textMatrix(r, ryouri_col::Bunrui), written && otherCategory ? QStringLiteral("和食") : QStringLiteral("子供の好物"));
        if (written)
            QCOMPARE(G_Mst_Ryouri_Mei, stored);
    }

    void deleteDish_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("OK") << int(vbOK);
        QTest::newRow("cancel") << int(vbCancel);
    }
    void deleteDish()
    {
        QFETCH(int, answer);
        const qint64 eaten = addEatenCopy(m_nikujaga, QStringLiteral("肉じゃが"), kJagaimo, 150);
        F_RHen01 *w = master();
        const int rows = w->vsGrid->rows();
        w->vsGrid->setRow(rowOf(w->vsGrid, ryouri_col::Id, m_nikujaga));
        MsgRecorder rec;
        rec.answer(answer);
        click(w, QStringLiteral("Command2"));
        QCOMPARE(rec.prompts(), QStringList{QStringLiteral("料理を削除します。よろしいですか。")});
        QCOMPARE(rec.shown().first().buttons(), int(vbOKCancel));
        const bool gone = answer == vbOK;
        QCOMPARE(Ryouri_Exists(m_nikujaga), !gone);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料 WHERE 料理名ID = ?"), {m_nikujaga}), gone ? 0 : 2);
        QCOMPARE(w->vsGrid->rows(), gone ? rows - 1 : rows);
        QCOMPARE(rowOf(w->vsGrid, ryouri_col::Id, m_nikujaga) > 0, !gone);
        QCOMPARE(w->vsGrid->row() == 0, gone);
        for (const char *b : {"Command2", "Command3", "Command5"})
            QCOMPARE(child<QPushButton>(w, QString::fromLatin1(b))->isEnabled(), !gone);
        // The selected dish stays named until another row is chosen; the day keeps its copy.
        QCOMPARE(G_Mst_Ryouri_ID, m_nikujaga);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 摂取食品 WHERE 摂取料理ID = ?"), {eaten}), 1);
    }

    void deletingADishGoneMeanwhileSaysSo()
    {
        F_RHen01 *w = master();
        w->vsGrid->setRow(rowOf(w->vsGrid, ryouri_col::Id, m_stew));
        G_DB().exec(QStringLiteral("DELETE FROM 料理名 WHERE 料理名ID = ?"), {m_stew});
        MsgRecorder rec;
        click(w, QStringLiteral("Command2"));
        QCOMPARE(rec.last(), QStringLiteral("エラー：選択した料理名が見つかりません。"));
        QCOMPARE(rec.shown().last().icon(), int(vbExclamation));
        QCOMPARE(rec.shown().last().title, QStringLiteral("確認"));
    }

    void hintsAndTips()
    {
        F_RHen01 *w = master();
        const QHash<QString, QString> tips{
            {QStringLiteral("Command1"), QStringLiteral("画面を閉じ、メニューに戻ります。")},
            {QStringLiteral("Command2"), QStringLiteral("選択されている料理名を削除します。")},
            {QStringLiteral("Command3"), QStringLiteral("選択されている料理名・分類を更新します。")},
            {QStringLiteral("Command4"), QStringLiteral("新しく料理名を追加します。")},
            {QStringLiteral("Command5"), QStringLiteral("選択されている料理の材料を編集します。")},
            {QStringLiteral("Command6"), QStringLiteral("料理分類を一覧から選択します。分類の新規追加もできます。")},
            {QStringLiteral("Text1"), QStringLiteral("追加・変更する料理名を指定します。")},
            {QStringLiteral("DBCombo1"), QStringLiteral("料理の分類を一覧から指定します。")},
            {QStringLiteral("Frame1"), QStringLiteral("料理の新規登録、既存料理の材料変更を行います。")},
        };
        for (auto it = tips.cbegin(); it != tips.cend(); ++it) {
            QWidget *c = child<QWidget>(w, it.key());
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(c, &enter);
            QCOMPARE(w->StBar->text(), it.value());
            if (it.key().startsWith(QStringLiteral("Command")) || it.key() == QStringLiteral("Text1"))
                QCOMPARE(c->toolTip(), it.value());
        }
        moveOver(w->vsGrid, 0, ryouri_col::Mei);
        QCOMPARE(w->vsGrid->toolTipText(), QStringLiteral("クリックでソートします。"));
        moveOver(w->vsGrid, 2, ryouri_col::Bunrui);
        QCOMPARE(w->vsGrid->toolTipText(), QStringLiteral("ダブルクリックで、材料入力画面へ行きます。"));
    }

    // ---- the category window ----

    void deleteCategory_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<bool>("gone");
        const QString first = QStringLiteral("料理分類を削除します。よろしいですか。");
        const QString second = QStringLiteral("この分類に含まれる 3 個の料理名も一緒に削除されます。\r\n本当に削除してよろしいですか？。");
        QTest::newRow("3 dishes, OK twice") << "子供の好物" << QList<int>{vbOK, vbOK} << QStringList{first, second} << true;
        QTest::newRow("3 dishes, cancel second") << "子供の好物" << QList<int>{vbOK, vbCancel} << QStringList{first, second} << false;
        QTest::newRow("3 dishes, cancel first") << "子供の好物" << QList<int>{vbCancel} << QStringList{first} << false;
        QTest::newRow("empty, one question") << "空の分類" << QList<int>{vbOK} << QStringList{first} << true;
        QTest::newRow("1 dish") << "和食" << QList<int>{vbOK, vbOK}
                                << QStringList{first, QStringLiteral("この分類に含まれる 1 個の料理名も一緒に削除されます。\r\n本当に削除してよろしいですか？。")}
                                << true;
    }
    void deleteCategory()
    {
        QFETCH(QString, category);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, prompts);
        QFETCH(bool, gone);
        const qint64 id = G_DB().scalar(QStringLiteral("SELECT 料理分類ID FROM 料理分類 WHERE 料理分類 = ?"), {category}).toLongLong();
        const int dishesIn = countOf(QStringLiteral("SELECT count(*) FROM 料理名 WHERE 料理分類ID = ?"), {id});
        const int dishes = countOf(QStringLiteral("SELECT count(*) FROM 料理名"));
        F_RHen01 *w = master();
        const int masterRows = w->vsGrid->rows();
        MsgRecorder rec;
        for (int a : answers)
            rec.answer(a);
        bool changed = false;
        int listRows = 0;
        onModal([&](QWidget *m) {
            auto *c = static_cast<F_RyoBun01 *>(m);
            listRows = c->vsGrid->rows();
            c->vsGrid->setRow(rowOf(c->vsGrid, 1, id));
            QCOMPARE(c->Text1->text(), category);
            click(m, QStringLiteral("Command2"));
            changed = c->HenkouFlg;
            QCOMPARE(c->vsGrid->rows(), gone ? listRows - 1 : listRows);
            QCOMPARE(c->Command5->isEnabled(), !gone);
            click(m, QStringLiteral("Command1"));
        }, w);
        click(w, QStringLiteral("Command6"));
        QCOMPARE(rec.prompts(), prompts);
        QCOMPARE(changed, gone);
        QCOMPARE(Bunrui_Exists(id), !gone);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 料理名")), gone ? dishes - dishesIn : dishes);
        // The dish master reads its lists again when the category went.
        QCOMPARE(w->vsGrid->rows(), gone ? masterRows - dishesIn : masterRows);
        QCOMPARE(w->DBCombo1->findText(category) >= 0, !gone);
        QVERIFY(w->vsGrid->colHidden(ryouri_col::Id));
    }

    void categoryAddAndRenameChecks_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<QString>("storedAs");
        const QString empty = QStringLiteral("料理分類名を入力してください。");
        const QString same = QStringLiteral("同じ名前の料理分類が既に登録されています。");
        const QString ask = QStringLiteral("「和食」に上書きします。よろしいですか。");
        QTest::newRow("add empty") << "Command4" << "  " << QStringList{empty} << "" << "";
        QTest::newRow("add taken") << "Command4" << "洋食 " << QStringList{same} << "洋食" << "";
        QTest::newRow("add trimmed") << "Command4" << "　家庭の味 " << QStringList{} << "家庭の味" << "家庭の味";
        QTest::newRow("add apostrophe") << "Command4" << "Mom's" << QStringList{} << "Mom's" << "Mom's";
        QTest::newRow("rename empty") << "Command3" << "" << QStringList{empty} << "" << "";
        QTest::newRow("rename taken") << "Command3" << "洋食" << QStringList{same} << "洋食" << "";
        QTest::newRow("rename to itself") << "Command3" << "和食" << QStringList{ask} << "和食" << "和食";
        QTest::newRow("rename trimmed") << "Command3" << " 日本の味 " << QStringList{ask} << "日本の味" << "日本の味";
    }
    void categoryAddAndRenameChecks()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QStringList, prompts);
        QFETCH(QString, boxAfter);
        QFETCH(QString, storedAs);
        F_RHen01 *w = master();
        const int categories = countOf(QStringLiteral("SELECT count(*) FROM 料理分類"));
        MsgRecorder rec;
        F_RyoBun01 c(w);
        c.show();
        c.vsGrid->setRow(rowOf(c.vsGrid, 1, m_washoku));
        const int rows = c.vsGrid->rows();
        typeInto(&c, QStringLiteral("Text1"), typed);
        click(&c, button);
        QCOMPARE(rec.prompts(), prompts);
        QCOMPARE(c.Text1->text(), boxAfter);
        const bool adding = button == QLatin1String("Command4");
        QCOMPARE(c.HenkouFlg, !storedAs.isEmpty());
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 料理分類")), categories + (adding && !storedAs.isEmpty() ? 1 : 0));
        QCOMPARE(c.vsGrid->rows(), rows + (adding && !storedAs.isEmpty() ? 1 : 0));
        if (!storedAs.isEmpty()) {
            QVERIFY(Bunrui_NameExists(storedAs));
            QCOMPARE(c.vsGrid->textMatrix(c.vsGrid->row(), 2), storedAs);
            QCOMPARE(Bunrui_Exists(m_washoku), true);
            if (!adding)
                QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 料理分類 FROM 料理分類 WHERE 料理分類ID = ?"), {m_washoku}).toString(), storedAs);
        }
    }

    // 選択 hands the category to the combo; the dish list shows the names changed meanwhile,
    // and what the user had typed stays.
    void chooseSetsTheComboAndRereads()
    {
        F_RHen01 *w = master();
        w->vsGrid->setRow(rowOf(w->vsGrid, ryouri_col::Id, m_hamburg));
        typeInto(w, QStringLiteral("Text1"), QStringLiteral("祖母の肉じゃが"));
        MsgRecorder rec;
        qint64 added = 0;
        onModal([&](QWidget *m) {
            auto *c = static_cast<F_RyoBun01 *>(m);
            QCOMPARE(c->windowTitle(), QStringLiteral("料理分類一覧"));
            c->vsGrid->setRow(rowOf(c->vsGrid, 1, m_kodomo));
            typeInto(m, QStringLiteral("Text1"), QStringLiteral("子どもの好物"));
            click(m, QStringLiteral("Command3"));
            typeInto(m, QStringLiteral("Text1"), QStringLiteral("家庭の味"));
            click(m, QStringLiteral("Command4"));
            added = c->vsGrid->valueMatrix(c->vsGrid->row(), 1).toLongLong();
            click(m, QStringLiteral("Command5"));
        }, w);
        click(w, QStringLiteral("Command6"));
        QVERIFY(added > 0);
        QCOMPARE(w->DBCombo1->boundValue().toLongLong(), added);
        QCOMPARE(w->DBCombo1->text(), QStringLiteral("家庭の味"));
        QCOMPARE(w->Text1->text(), QStringLiteral("祖母の肉じゃが"));
        const int r = rowOf(w->vsGrid, ryouri_col::Id, m_hamburg);
        QCOMPARE(w->vsGrid->row(), r);
        QCOMPARE(w->vsGrid->textMatrix(r, ryouri_col::Bunrui), QStringLiteral("子どもの好物"));
        QCOMPARE(G_Mst_Ryouri_ID, m_hamburg);
        for (int c : {ryouri_col::Id, ryouri_col::BunruiId, ryouri_col::Haifu})
            QVERIFY(w->vsGrid->colHidden(c));
        // The new dish goes into the category chosen.
        click(w, QStringLiteral("Command4"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 料理分類ID FROM 料理名 WHERE 料理名 = ?"), {QStringLiteral("祖母の肉じゃが")}).toLongLong(), added);
    }

    void closingWithoutChangeKeepsTheMaster_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("閉じる") << "Command1";
        QTest::newRow("menu") << "mnTojiru";
        QTest::newRow("close box") << "closeBox";
        QTest::newRow("double click") << "dclick";
    }
    void closingWithoutChangeKeepsTheMaster()
    {
        QFETCH(QString, how);
        F_RHen01 *w = master();
        w->vsGrid->setRow(rowOf(w->vsGrid, ryouri_col::Id, m_curry));
        bool choseEnabled = true;
        onModal([&](QWidget *m) {
            auto *c = static_cast<F_RyoBun01 *>(m);
            choseEnabled = c->Command5->isEnabled();
            if (how == QLatin1String("dclick")) {
                const int r = rowOf(c->vsGrid, 1, m_empty);
                c->vsGrid->setTopRow(r);
                QApplication::processEvents();
                const auto [v, p] = c->vsGrid->cellPosition(r, 2);
                QVERIFY(v);
                QTest::mouseDClick(v, Qt::LeftButton, {}, p);
            } else if (how == QLatin1String("mnTojiru")) {
                c->mnTojiru->trigger();
            } else if (how == QLatin1String("closeBox")) {
                c->close();
            } else {
                click(m, how);
            }
        }, w);
        click(w, QStringLiteral("Command6"));
        QVERIFY(!choseEnabled); // nothing chosen when it opens
        QCOMPARE(w->DBCombo1->boundValue().toLongLong(), how == QLatin1String("dclick") ? m_empty : m_youshoku);
        QCOMPARE(w->Text1->text(), QStringLiteral("ママ's カレー"));
    }

    // ---- the recipe window ----

    void recipeLoads_data()
    {
        QTest::addColumn<bool>("withFoods");
        QTest::newRow("dish with foods") << true;
        QTest::newRow("dish without foods") << false;
    }
    void recipeLoads()
    {
        QFETCH(bool, withFoods);
        const qint64 dish = withFoods ? m_nikujaga : m_stew;
        F_RHenZai01 *r = recipeOf(dish);
        QVERIFY(r && r->isVisible());
        QVERIFY(!m_master->isVisible());
        QCOMPARE(r->windowTitle(), QStringLiteral("料理マスタ編集-材料一覧    料理名：") + dishName(dish));
        QCOMPARE(r->vsGrid->rows() - 1, withFoods ? 2 : 0);
        for (int c : {zairyou_col::Gun, zairyou_col::Id, zairyou_col::SeiId, zairyou_col::TyouriId, zairyou_col::Meyasu})
            QVERIFY(r->vsGrid->colHidden(c));
        QCOMPARE(r->vsGrid->colWidth(zairyou_col::Mei), 2450);
        QCOMPARE(r->vsGrid->colWidth(zairyou_col::Tyouri), 1000);
        QCOMPARE(r->vsGrid->rowHeight(0), 270);
        if (withFoods) {
            QCOMPARE(r->vsGrid->rowHeight(1), 520);
            QCOMPARE(r->vsGrid->row(), 1);
            QCOMPARE(r->Text1->text(), QStringLiteral("じゃがいも"));
            QCOMPARE(r->Text9->text(), QStringLiteral("いも及びでん粉類"));
            QCOMPARE(r->Text3->text(), QStringLiteral("100"));
            QCOMPARE(r->Text8->text(), G_DB().scalar(QStringLiteral("SELECT 分量目安 FROM 成分表 WHERE 成分表ID = ?"), {kJagaimo}).toString());
            QCOMPARE(G_Sei_ID, kJagaimo);
            QVERIFY(r->SelectedZairyouID() > 0);
            QVERIFY(r->Command3->isEnabled() && r->Command4->isEnabled());
        } else {
            QCOMPARE(r->Text1->text(), QString());
            QCOMPARE(r->Text3->text(), QStringLiteral("0"));
            QCOMPARE(G_Sei_ID, 0);
            QCOMPARE(r->SelectedZairyouID(), 0);
            QVERIFY(!r->Command3->isEnabled() && !r->Command4->isEnabled());
        }
        // The default cooking method (1) when there is nothing to show.
        QCOMPARE(r->DBCombo1->boundValue().toInt(), 1);
        QCOMPARE(r->DBCombo1->text(), QStringLiteral("そのまま"));
    }

    void addWithoutFoodSaysSo()
    {
        F_RHenZai01 *r = recipeOf(m_stew);
        typeInto(r, QStringLiteral("Text3"), QStringLiteral("50"));
        MsgRecorder rec;
        click(r, QStringLiteral("Command5"));
        QCOMPARE(rec.prompts(), QStringList{QStringLiteral("材料が入力されていません。")});
        QCOMPARE(rec.shown().last().title, QStringLiteral("確認"));
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料 WHERE 料理名ID = ?"), {m_stew}), 0);
    }

    void addChosenFood_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("boxAfter");
        QTest::newRow("-5") << 3 << "-5" << true << 0.0 << "-5";
        QTest::newRow("abc is 0") << 3 << "abc" << false << 0.0 << "0";
        QTest::newRow("80") << 3 << "80" << false << 80.0 << "80";
        QTest::newRow("12.50g") << 11 << "12.50g" << false << 12.5 << "12.5";
        QTest::newRow("from the picker's road") << 11 << "30" << false << 30.0 << "30";
    }
    void addChosenFood()
    {
        QFETCH(int, code);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        QFETCH(double, stored);
        QFETCH(QString, boxAfter);
        F_RHenZai01 *r = recipeOf(m_stew);
        click(r, QStringLiteral("Command1"));
        QVERIFY(G_SeiKen()->isVisible());
        pick(kNinjin, code);
        QCOMPARE(G_Sei_ID, kNinjin);
        QCOMPARE(r->Text1->text(), QStringLiteral("にんじん"));
        QCOMPARE(r->Text2->text(), QStringLiteral("根 皮つき 生"));
        QCOMPARE(r->Text9->text(), QStringLiteral("野菜類"));
        QCOMPARE(r->Text8->text(), QStringLiteral("中1本＝150g"));
        r->DBCombo1->setBoundValue(4);
        typeInto(r, QStringLiteral("Text3"), typed);
        MsgRecorder rec;
        click(r, QStringLiteral("Command5"));
        QCOMPARE(rec.prompts(), refused ? QStringList{QStringLiteral("分量が無効な値です。")} : QStringList{});
        QCOMPARE(r->Text3->text(), boxAfter);
        const auto rs = G_DB().select(QStringLiteral("SELECT * FROM 材料 WHERE 料理名ID = ?"), {m_stew});
        QCOMPARE(rs.size(), refused ? 0 : 1);
        QCOMPARE(r->vsGrid->rows() - 1, refused ? 0 : 1);
        if (refused)
            return;
        QCOMPARE(rs.value(0, QStringLiteral("分量")).toDouble(), stored);
        QCOMPARE(rs.value(0, QStringLiteral("成分表ID")).toLongLong(), kNinjin);
        QCOMPARE(rs.value(0, QStringLiteral("調理法ID")).toInt(), 4);
        const qint64 id = rs.value(0, QStringLiteral("材料ID")).toLongLong();
        QCOMPARE(r->SelectedZairyouID(), id);
        QCOMPARE(r->vsGrid->row(), 1);
        QCOMPARE(r->vsGrid->valueMatrix(1, zairyou_col::Id).toLongLong(), id);
        QCOMPARE(r->vsGrid->textMatrix(1, zairyou_col::Mei), QStringLiteral("にんじん"));
        QCOMPARE(r->vsGrid->textMatrix(1, zairyou_col::Tyouri), QStringLiteral("煮る"));
        QCOMPARE(Val(r->vsGrid->textMatrix(1, zairyou_col::Bunryou)), stored);
        // The same food may be added twice.
        click(r, QStringLiteral("Command5"));
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料 WHERE 料理名ID = ? AND 成分表ID = ?"), {m_stew, kNinjin}), 2);
    }

    // Only the codes of the dish master's road fill the recipe window.
    void otherCallersDoNotFillTheRecipe()
    {
        F_RHenZai01 *r = recipeOf(m_stew);
        G_SeiKen()->show();
        pick(kGohan, 1);
        QCOMPARE(r->Text1->text(), QString());
    }

    void changeReplacesTheFood_data()
    {
        QTest::addColumn<bool>("newFood");
        QTest::addColumn<QString>("typed");
        QTest::newRow("new food and quantity") << true << "75";
        QTest::newRow("quantity only") << false << "110.5";
    }
    void changeReplacesTheFood()
    {
        QFETCH(bool, newFood);
        QFETCH(QString, typed);
        F_RHenZai01 *r = recipeOf(m_nikujaga);
        const qint64 id = r->SelectedZairyouID();
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 成分表ID FROM 材料 WHERE 材料ID = ?"), {id}).toLongLong(), kJagaimo);
        if (newFood)
            pick(kTamanegi);
        typeInto(r, QStringLiteral("Text3"), typed);
        r->DBCombo1->setBoundValue(5);
        MsgRecorder rec;
        click(r, QStringLiteral("Command4"));
        QCOMPARE(rec.shown().size(), 0);
        const auto row = G_DB().selectOne(QStringLiteral("SELECT * FROM 材料 WHERE 材料ID = ?"), {id});
        QVERIFY(row);
        const qint64 food = newFood ? kTamanegi : kJagaimo;
        QCOMPARE(row->value(QStringLiteral("成分表ID")).toLongLong(), food);
        QCOMPARE(row->value(QStringLiteral("分量")).toDouble(), Val(typed));
        QCOMPARE(row->value(QStringLiteral("調理法ID")).toInt(), 5);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料 WHERE 料理名ID = ?"), {m_nikujaga}), 2);
        const int gr = rowOf(r->vsGrid, zairyou_col::Id, id);
        QCOMPARE(r->vsGrid->valueMatrix(gr, zairyou_col::SeiId).toLongLong(), food);
        QCOMPARE(r->vsGrid->textMatrix(gr, zairyou_col::Mei), newFood ? QStringLiteral("たまねぎ") : QStringLiteral("じゃがいも"));
        QCOMPARE(r->vsGrid->textMatrix(gr, zairyou_col::Tyouri), QStringLiteral("焼く"));
        // A refused quantity changes nothing.
        typeInto(r, QStringLiteral("Text3"), QStringLiteral("-5"));
        click(r, QStringLiteral("Command4"));
        QCOMPARE(rec.last(), QStringLiteral("分量が無効な値です。"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 分量 FROM 材料 WHERE 材料ID = ?"), {id}).toDouble(), Val(typed));
    }

    void deleteIngredient_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("OK") << int(vbOK);
        QTest::newRow("cancel") << int(vbCancel);
    }
    void deleteIngredient()
    {
        QFETCH(int, answer);
        F_RHenZai01 *r = recipeOf(m_nikujaga);
        r->vsGrid->setRow(2);
        const qint64 id = r->SelectedZairyouID();
        const QString name = r->Text1->text();
        MsgRecorder rec;
        rec.answer(answer);
        click(r, QStringLiteral("Command3"));
        QCOMPARE(rec.prompts(), QStringList{QStringLiteral("材料を削除します。よろしいですか。")});
        const bool gone = answer == vbOK;
        QCOMPARE(Zairyou_Exists(id), !gone);
        QCOMPARE(r->vsGrid->rows() - 1, gone ? 1 : 2);
        QCOMPARE(r->Command3->isEnabled(), !gone);
        QCOMPARE(r->SelectedZairyouID(), gone ? 0 : id);
        QCOMPARE(r->Text1->text(), name); // the entry fields keep their contents
        if (gone) {
            // Nothing selected: change has no ingredient to overwrite.
            QCOMPARE(r->vsGrid->row(), 0);
            QVERIFY(r->vsGrid->colHidden(zairyou_col::Id));
            QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 配布元 FROM 料理名 WHERE 料理名ID = ?"), {m_nikujaga}).toInt(), 1);
        }
    }

    void conversion_data()
    {
        QTest::addColumn<qint64>("food");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("quantityAfter");
        QTest::newRow("no food gives the input back") << qint64(0) << "50" << "Command1" << "50.00";
        QTest::newRow("refuse 10 %") << kJagaimo << "150" << "Command1" << "135.00";
        QTest::newRow("refuse 3 %, two decimals") << kNinjin << "33" << "Command1" << "32.01";
        QTest::newRow("close box leaves it") << kNinjin << "33" << "closeBox" << "7";
        QTest::newRow("閉じる leaves it") << kNinjin << "33" << "Command2" << "7";
    }
    void conversion()
    {
        QFETCH(qint64, food);
        QFETCH(QString, input);
        QFETCH(QString, how);
        QFETCH(QString, quantityAfter);
        F_RHenZai01 *r = recipeOf(m_stew);
        if (food)
            pick(food);
        typeInto(r, QStringLiteral("Text3"), QStringLiteral("7"));
        QString caption;
        onModal([&](QWidget *m) {
            caption = m->windowTitle();
            typeInto(m, QStringLiteral("Text1"), input);
            if (how == QLatin1String("closeBox"))
                m->close();
            else
                click(m, how);
        }, r);
        click(r, QStringLiteral("Command7"));
        QCOMPARE(caption, QStringLiteral("分量の換算"));
        QCOMPARE(r->Text3->text(), quantityAfter);
        // Nothing is stored until add or change.
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料 WHERE 料理名ID = ?"), {m_stew}), 0);
    }

    void conversionRefusesANegativeInput()
    {
        F_RHenZai01 *r = recipeOf(m_stew);
        pick(kJagaimo);
        MsgRecorder rec;
        bool stayed = false;
        onModal([&](QWidget *m) {
            typeInto(m, QStringLiteral("Text1"), QStringLiteral("-1"));
            click(m, QStringLiteral("Command1"));
            stayed = m->isVisible();
            typeInto(m, QStringLiteral("Text1"), QStringLiteral("100"));
            click(m, QStringLiteral("Command1"));
        }, r);
        click(r, QStringLiteral("Command7"));
        QVERIFY(stayed);
        QCOMPARE(rec.prompts(), QStringList{QStringLiteral("０以上の数値を入れてください。")});
        QCOMPARE(r->Text3->text(), QStringLiteral("90.00"));
        click(r, QStringLiteral("Command5"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 分量 FROM 材料 WHERE 料理名ID = ?"), {m_stew}).toDouble(), 90.0);
    }

    void recipeTips()
    {
        F_RHenZai01 *r = recipeOf(m_stew);
        const QHash<QString, QString> tips{
            {QStringLiteral("Command1"), QStringLiteral("材料の一覧（成分表）から材料を指定します。")},
            {QStringLiteral("Command5"), QStringLiteral("画面（上）で選択した食品をこの料理の材料として、追加します。")},
            {QStringLiteral("Command4"), QStringLiteral("選択した材料を、画面（上）の内容に、変更します。")},
            {QStringLiteral("Command3"), QStringLiteral("選択した材料を削除します。")},
            {QStringLiteral("Command7"), QStringLiteral("加工前の分量から可食部の分量に換算します。（成分表の廃棄率を利用）")},
            {QStringLiteral("Command2"), QStringLiteral("画面を閉じ、前画面に戻ります。")},
            {QStringLiteral("Text9"), QStringLiteral("材料名です。「材料一覧」から選択します。")},
            {QStringLiteral("Text1"), QStringLiteral("材料名です。「材料一覧」から選択します。")},
            {QStringLiteral("Text2"), QStringLiteral("材料名です。「材料一覧」から選択します。")},
        };
        for (auto it = tips.cbegin(); it != tips.cend(); ++it)
            QCOMPARE(child<QWidget>(r, it.key())->toolTip(), it.value());
        QCOMPARE(r->StBar->text(), QStringLiteral("料理に使う材料とその分量を変更します。"));
    }

    void closingTheRecipeReturnsToTheMaster_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("閉じる") << "Command2";
        QTest::newRow("menu") << "mnTojiru";
        QTest::newRow("close box") << "closeBox";
    }
    void closingTheRecipeReturnsToTheMaster()
    {
        QFETCH(QString, how);
        QPointer<F_RHenZai01> r = recipeOf(m_nikujaga);
        click(r, QStringLiteral("Command1"));
        QVERIFY(G_SeiKen()->isVisible());
        if (how == QLatin1String("closeBox"))
            r->close();
        else if (how == QLatin1String("mnTojiru"))
            r->mnTojiru->trigger();
        else
            click(r, how);
        QTRY_VERIFY(!r);
        QVERIFY(!G_SeiKen()->isVisible());
        QVERIFY(m_master->isVisible());
        QCOMPARE(m_master->vsGrid->valueMatrix(m_master->vsGrid->row(), ryouri_col::Id).toLongLong(), m_nikujaga);
    }

    void doubleClickOpensTheRecipe()
    {
        F_RHen01 *w = master();
        const int row = rowOf(w->vsGrid, ryouri_col::Id, m_curry);
        const auto [v, p] = w->vsGrid->cellPosition(row, ryouri_col::Mei);
        QTest::mouseDClick(v, Qt::LeftButton, {}, p);
        QVERIFY(w->recipeWindow());
        QCOMPARE(w->recipeWindow()->windowTitle(), F_RHenZai01::captionFor(QStringLiteral("ママ's カレー")));
        QVERIFY(!w->isVisible());
    }

    // ---- the road from the menu ----

    void menuRoad()
    {
        F_Menu01 menu;
        registerScreens(menu);
        menu.show();
        G_SeiKen()->setPickVisible(false);
        click(&menu, QStringLiteral("Command1_3"));
        QCOMPARE(G_Yobidasi, 3);
        QPointer<F_RHen01> w = shownWindow<F_RHen01>();
        QVERIFY(w);
        QCOMPARE(w->YobidasiMoto, 1);
        QVERIFY(!menu.isVisible());
        QVERIFY(G_SeiKen()->pickVisible());
        // A dish in a new category, then its foods.
        onModal([&](QWidget *m) {
            typeInto(m, QStringLiteral("Text1"), QStringLiteral("家庭の味"));
            click(m, QStringLiteral("Command4"));
            click(m, QStringLiteral("Command5"));
        }, w);
        click(w, QStringLiteral("Command6"));
        typeInto(w, QStringLiteral("Text1"), QStringLiteral("祖母の肉じゃが"));
        click(w, QStringLiteral("Command4"));
        click(w, QStringLiteral("Command5"));
        QPointer<F_RHenZai01> r = w->recipeWindow();
        QVERIFY(r && r->isVisible() && !w->isVisible());
        click(r, QStringLiteral("Command1"));
        pick(kJagaimo);
        typeInto(r, QStringLiteral("Text3"), QStringLiteral("120"));
        click(r, QStringLiteral("Command5"));
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料 m JOIN 料理名 d ON d.料理名ID = m.料理名ID "
                                        "JOIN 料理分類 c ON c.料理分類ID = d.料理分類ID "
                                        "WHERE d.料理名 = '祖母の肉じゃが' AND c.料理分類 = '家庭の味'")),
                 1);
        r->close();
        QTRY_VERIFY(!r);
        QVERIFY(w->isVisible());
        w->close();
        QTRY_VERIFY(!w);
        QVERIFY(menu.isVisible());
    }

    // The picker's 料理マスタ編集: a new dish in a new category, its food, then back to the
    // day's dishes and the picker, which offer the dish at once.
    void pickerRoad()
    {
        const qint64 person = addPerson(QStringLiteral("花子"), QDate(1980, 4, 1), 2, true);
        G_KK_ID = G_DB().insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), person},
                                                                {QStringLiteral("日付"), QStringLiteral("2024-05-20")}});
        G_Simei_ID = person;
        QPointer<F_KJRNyu01> day = new F_KJRNyu01(DayHeader{QStringLiteral("花子"), QStringLiteral("2024年5月20日（月）"),
                                                            QDate(2024, 5, 20)});
        day->show();
        click(day, QStringLiteral("Command2"));
        F_KJRNyu01_Ken *ken = day->picker();
        QVERIFY(ken && ken->isVisible());
        // A filter that the categories changed by the dish master start again from.
        ken->Combo1->setCurrentIndex(ken->Combo1->findText(QStringLiteral("洋食")));
        ken->Command1_Click();
        G_SeiKen()->setPickVisible(false);

        QVERIFY(ken->mnMstHen->isEnabled());
        ken->mnMstHen->trigger();
        QPointer<F_RHen01> w = shownWindow<F_RHen01>();
        QVERIFY(w);
        QCOMPARE(w->YobidasiMoto, 2);
        QVERIFY(!ken->isVisible() && !day->isVisible());
        QVERIFY(G_SeiKen()->pickVisible());

        MsgRecorder rec;
        typeInto(w, QStringLiteral("Text1"), QStringLiteral("祖母の肉じゃが"));
        onModal([&](QWidget *m) {
            typeInto(m, QStringLiteral("Text1"), QStringLiteral("家庭の味"));
            click(m, QStringLiteral("Command4"));
            click(m, QStringLiteral("Command5"));
        }, w);
        click(w, QStringLiteral("Command6"));
        click(w, QStringLiteral("Command4"));
        click(w, QStringLiteral("Command5"));
        QPointer<F_RHenZai01> r = w->recipeWindow();
        QVERIFY(r);
        click(r, QStringLiteral("Command1"));
        pick(kJagaimo, 11);
        typeInto(r, QStringLiteral("Text3"), QStringLiteral("80"));
        click(r, QStringLiteral("Command5"));
        r->close();
        QTRY_VERIFY(!r);
        QVERIFY(rec.shown().isEmpty());
        w->close();
        QTRY_VERIFY(!w);

        QVERIFY(day->isVisible());
        QVERIFY(ken->isVisible());
        QCOMPARE(ken->Combo1->currentIndex(), 0);
        QVERIFY(ken->Combo1->findText(QStringLiteral("家庭の味")) > 0);
        // The list is read again at once, across every category.
        QStringList listed;
        for (int i = 1; i < ken->vsGrid->rows(); ++i)
            listed << ken->vsGrid->textMatrix(i, 2);
        QVERIFY(listed.contains(QStringLiteral("祖母の肉じゃが")));
        QVERIFY(listed.contains(QStringLiteral("肉じゃが")));
        // Found by a katakana search of its hiragana name, and added with 1.5 servings.
        typeInto(ken->Text1, QStringLiteral("ジャガ"));
        click(ken, QStringLiteral("Command1"));
        int found = -1;
        for (int i = 1; i < ken->vsGrid->rows(); ++i)
            if (ken->vsGrid->textMatrix(i, 2) == QStringLiteral("祖母の肉じゃが"))
                found = i;
        QVERIFY(found > 0);
        ken->vsGrid->setRow(found);
        QCOMPARE(ken->Text2->text(), QStringLiteral("祖母の肉じゃが"));
        typeInto(ken->Text3, QStringLiteral("1.5"));
        click(ken, QStringLiteral("Command2"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 料理分量 FROM 摂取料理 WHERE 摂取料理ID = ?"), {G_SeR_ID}).toDouble(), 1.5);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 分量 FROM 摂取食品 WHERE 摂取料理ID = ?"), {G_SeR_ID}).toDouble(), 120.0);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 成分表ID FROM 摂取食品 WHERE 摂取料理ID = ?"), {G_SeR_ID}).toLongLong(), kJagaimo);
        delete day;
    }
};

QTEST_MAIN(TstDishesWindows)
#include "tst_dishes_windows.moc"
