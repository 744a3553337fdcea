// The dish master, the category window and the recipe window driven like a user: the checks
// and questions of add, change and delete, trimmed names, the category window handing a
// category back, foods from the composition browser, the quantity conversion, and the roads
// from the menu and from the dish picker.

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
#include "f_zaiseibun01.h"
#include "flexgrid.h"
#include "guitest.h"
#include "ryouri_core.h"
#include "screens.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace mirte;
using namespace mirte::test;

namespace {

int rowOf(FlexGrid *g, int col, const QVariant &v)
{
    for (int r = 1; r < g->rows(); ++r)
        if (g->valueMatrix(r, col) == v || g->textMatrix(r, col) == v.toString())
            return r;
    return -1;
}

QVariant column(const QString &sql, const QVariant &key)
{
    return G_DB().scalar(sql, {key});
}

template <class T>
T *shownWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w); t && t->isVisible())
            return t;
    return nullptr;
}

const QString kSame = QStringLiteral("同じ名前の料理名が既に登録されています。");

} // namespace

class TstDishesWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDb> m_db;
    qint64 m_washoku = 0, m_youshoku = 0, m_kodomo = 0, m_empty = 0;
    qint64 m_nikujaga = 0, m_curry = 0, m_hamburg = 0, m_stew = 0;
    QPointer<F_RHen01> m_master;

    F_RHen01 *master()
    {
        m_master = new F_RHen01;
        m_master->show();
        return m_master;
    }
    F_RHenZai01 *recipeOf(qint64 dish)
    {
        F_RHen01 *w = master();
        w->vsGrid->setRow(rowOf(w->vsGrid, ryouri_col::Id, dish));
        click(w, QStringLiteral("Command5"));
        return w->recipeWindow();
    }
    // 選　択 in the browser on a food.
    void pick(qint64 food, int code = 3)
    {
        F_SeiKen01 *s = G_SeiKen();
        G_Yobidasi = code;
        s->setPickVisible(true);
        s->show();
        s->grid(0)->setRow(rowOf(s->grid(0), seiken_col::Id, food));
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
        addDish(m_kodomo, QStringLiteral("給食のあげパン"));
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

    void selectingADish()
    {
        F_RHen01 *w = master();
        FlexGrid *g = w->vsGrid;
        QCOMPARE(g->row(), 1);
        QCOMPARE(g->textMatrix(1, ryouri_col::Bunrui) + g->textMatrix(1, ryouri_col::Mei), QStringLiteral("和食肉じゃが"));
        QCOMPARE(G_Mst_Ryouri_ID, m_nikujaga);
        const int r = rowOf(g, ryouri_col::Id, m_curry);
        const auto [v, p] = g->cellPosition(r, ryouri_col::Mei);
        QTest::mouseClick(v, Qt::LeftButton, {}, p);
        QCOMPARE(w->Text1->text(), QStringLiteral("ママ's カレー"));
        QCOMPARE(w->DBCombo1->boundValue().toLongLong(), m_youshoku);
        QCOMPARE(G_Mst_Ryouri_ID, m_curry);
        QCOMPARE(G_Mst_Ryouri_Mei, QStringLiteral("ママ's カレー"));
        // A sort by the name column keeps the same dish in the boxes.
        g->sort(ryouri_col::Mei, Qt::DescendingOrder);
        QCOMPARE(g->valueMatrix(g->row(), ryouri_col::Id).toLongLong(), m_curry);
        QCOMPARE(w->Text1->text(), QStringLiteral("ママ's カレー"));
        // An empty catalogue selects nothing and clears what the last window chose.
        G_DB().exec(QStringLiteral("DELETE FROM 料理名"));
        delete w;
        w = master();
        QCOMPARE(G_Mst_Ryouri_ID, 0);
        QCOMPARE(G_Mst_Ryouri_Mei, QString());
        QVERIFY(!w->Command2->isEnabled() && !w->Command3->isEnabled() && !w->Command5->isEnabled());
    }

    void addingADish_data()
    {
        QTest::addColumn<bool>("category");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("boxAfter");
        QTest::newRow("no category") << false << "筑前煮"
                                     << "料理分類を指定してください。新規に作成する場合は、「編集」ボタンで作成してください。" << "筑前煮";
        QTest::newRow("blanks only") << true << "　  " << "料理名を入力してください。" << "";
        QTest::newRow("name of another category") << true << "ハンバーグ" << kSame << "ハンバーグ";
        QTest::newRow("taken after trimming") << true << "  肉じゃが　" << kSame << "肉じゃが";
        QTest::newRow("apostrophe taken") << true << "ママ's カレー" << kSame << "ママ's カレー";
        QTest::newRow("stored trimmed") << true << "  祖母の肉じゃが　" << "" << "祖母の肉じゃが";
        QTest::newRow("apostrophe stored") << true << "Grandma's 肉じゃが" << "" << "Grandma's 肉じゃが";
    }
    void addingADish()
    {
        QFETCH(bool, category);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, boxAfter);
        F_RHen01 *w = master();
        const int rows = w->vsGrid->rows();
        w->DBCombo1->setBoundValue(m_empty);
        if (!category)
            w->DBCombo1->setCurrentIndex(-1);
        typeInto(w, QStringLiteral("Text1"), typed);
        MsgRecorder rec;
        click(w, QStringLiteral("Command4"));
        QCOMPARE(rec.prompts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(w->Text1->text(), boxAfter);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 料理名 WHERE 料理分類ID = ?"), {m_empty}), message.isEmpty() ? 1 : 0);
        QCOMPARE(w->vsGrid->rows(), message.isEmpty() ? rows + 1 : rows);
        if (!message.isEmpty())
            return;
        // Appended as the last row and selected, not sorted in; the household's own.
        const qint64 id = G_Mst_Ryouri_ID;
        QCOMPARE(w->vsGrid->row(), rows);
        QCOMPARE(w->vsGrid->valueMatrix(rows, ryouri_col::Id).toLongLong(), id);
        QCOMPARE(w->vsGrid->textMatrix(rows, ryouri_col::Bunrui), QStringLiteral("空の分類"));
        QCOMPARE(column(QStringLiteral("SELECT 料理名 FROM 料理名 WHERE 料理名ID = ?"), id).toString(), boxAfter);
        QCOMPARE(column(QStringLiteral("SELECT 配布元 FROM 料理名 WHERE 料理名ID = ?"), id).toInt(), 1);
        click(w, QStringLiteral("Command4"));
        QCOMPARE(rec.last(), kSame);
    }

    void renameDish_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("otherCategory");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        const QString ask = QStringLiteral("「ハンバーグ」に上書きします。よろしいですか。");
        QTest::newRow("its own name") << "ハンバーグ" << false << int(vbOK) << ask << "ハンバーグ";
        QTest::newRow("own name, other category") << " ハンバーグ " << true << int(vbOK) << ask << "ハンバーグ";
        QTest::newRow("new name") << "煮込みハンバーグ" << false << int(vbOK) << ask << "煮込みハンバーグ";
        QTest::newRow("cancelled") << "煮込みハンバーグ" << true << int(vbCancel) << ask << "ハンバーグ";
        QTest::newRow("name of another dish") << "シチュー" << false << int(vbOK) << kSame << "ハンバーグ";
        QTest::newRow("apostrophe dish elsewhere") << "ママ's カレー" << false << int(vbOK) << kSame << "ハンバーグ";
    }
    void renameDish()
    {
        QFETCH(QString, typed);
        QFETCH(bool, otherCategory);
        QFETCH(int, answer);
        QFETCH(QString, message);
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
        QCOMPARE(rec.prompts(), QStringList{message});
        const bool written = answer == vbOK && message != kSame;
        const qint64 category = column(QStringLiteral("SELECT 料理分類ID FROM 料理名 WHERE 料理名ID = ?"), m_hamburg).toLongLong();
        QCOMPARE(column(QStringLiteral("SELECT 料理名 FROM 料理名 WHERE 料理名ID = ?"), m_hamburg).toString(), stored);
        QCOMPARE(category, written && otherCategory ? m_washoku : m_kodomo);
        QCOMPARE(column(QStringLiteral("SELECT 配布元 FROM 料理名 WHERE 料理名ID = ?"), m_hamburg).toInt(), written ? 1 : 0);
        QCOMPARE(w->vsGrid->textMatrix(r, ryouri_col::Mei), stored);
        QCOMPARE(w->vsGrid->textMatrix(r, ryouri_col::Bunrui), written && otherCategory ? QStringLiteral("和食") : QStringLiteral("子供の好物"));
    }

    void deleteDish_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goneMeanwhile");
        QTest::newRow("OK") << int(vbOK) << false;
        QTest::newRow("cancel") << int(vbCancel) << false;
        QTest::newRow("gone meanwhile") << int(vbOK) << true;
    }
    void deleteDish()
    {
        QFETCH(int, answer);
        QFETCH(bool, goneMeanwhile);
        const qint64 eaten = addEatenCopy(m_nikujaga, QStringLiteral("肉じゃが"), kJagaimo, 150);
        F_RHen01 *w = master();
        const int rows = w->vsGrid->rows();
        if (goneMeanwhile)
            G_DB().exec(QStringLiteral("DELETE FROM 料理名 WHERE 料理名ID = ?"), {m_nikujaga});
        MsgRecorder rec;
        rec.answer(answer);
        click(w, QStringLiteral("Command2"));
        QStringList prompts{QStringLiteral("料理を削除します。よろしいですか。")};
        if (goneMeanwhile)
            prompts << QStringLiteral("エラー：選択した料理名が見つかりません。");
        QCOMPARE(rec.prompts(), prompts);
        QCOMPARE(rec.shown().last().icon(), goneMeanwhile ? int(vbExclamation) : int(vbQuestion));
        const bool removed = answer == vbOK && !goneMeanwhile;
        QCOMPARE(Ryouri_Exists(m_nikujaga), answer != vbOK);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料 WHERE 料理名ID = ?"), {m_nikujaga}), answer == vbOK ? 0 : 2);
        QCOMPARE(w->vsGrid->rows(), removed ? rows - 1 : rows);
        QCOMPARE(w->vsGrid->row(), removed ? 0 : 1);
        QCOMPARE(w->Command5->isEnabled(), !removed);
        // The selected dish stays named until another row is chosen; the day keeps its copy.
        QCOMPARE(G_Mst_Ryouri_ID, m_nikujaga);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 摂取食品 WHERE 摂取料理ID = ?"), {eaten}), 1);
    }

    void doubleClickOpensTheRecipe()
    {
        F_RHen01 *w = master();
        const auto [v, p] = w->vsGrid->cellPosition(rowOf(w->vsGrid, ryouri_col::Id, m_curry), ryouri_col::Mei);
        QTest::mouseDClick(v, Qt::LeftButton, {}, p);
        QVERIFY(w->recipeWindow() && !w->isVisible());
        QCOMPARE(w->recipeWindow()->windowTitle(), QStringLiteral("料理マスタ編集-材料一覧    料理名：ママ's カレー"));
    }

    // ---- the category window ----

    void deleteCategory_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("gone");
        QTest::newRow("3 dishes, OK twice") << "子供の好物" << QList<int>{vbOK, vbOK} << 2 << true;
        QTest::newRow("3 dishes, cancel second") << "子供の好物" << QList<int>{vbOK, vbCancel} << 2 << false;
        QTest::newRow("3 dishes, cancel first") << "子供の好物" << QList<int>{vbCancel} << 1 << false;
        QTest::newRow("empty, one question") << "空の分類" << QList<int>{vbOK} << 1 << true;
        QTest::newRow("1 dish") << "和食" << QList<int>{vbOK, vbOK} << 2 << true;
    }
    void deleteCategory()
    {
        QFETCH(QString, category);
        QFETCH(QList<int>, answers);
        QFETCH(int, questions);
        QFETCH(bool, gone);
        const qint64 id = column(QStringLiteral("SELECT 料理分類ID FROM 料理分類 WHERE 料理分類 = ?"), category).toLongLong();
        const int dishesIn = Bunrui_DishCount(id);
        F_RHen01 *w = master();
        const int masterRows = w->vsGrid->rows();
        MsgRecorder rec;
        for (int a : answers)
            rec.answer(a);
        onModal([&](QWidget *m) {
            auto *c = static_cast<F_RyoBun01 *>(m);
            c->vsGrid->setRow(rowOf(c->vsGrid, 1, id));
            QCOMPARE(c->Text1->text(), category);
            click(m, QStringLiteral("Command2"));
            QCOMPARE(c->HenkouFlg, gone);
            QCOMPARE(c->Command5->isEnabled(), !gone);
            click(m, QStringLiteral("Command1"));
        }, w);
        click(w, QStringLiteral("Command6"));
        QStringList prompts{QStringLiteral("料理分類を削除します。よろしいですか。")};
        if (questions == 2)
            prompts << QStringLiteral("この分類に含まれる %1 個の料理名も一緒に削除されます。\r\n本当に削除してよろしいですか？。").arg(dishesIn);
        QCOMPARE(rec.prompts(), prompts);
        QCOMPARE(Bunrui_Exists(id), !gone);
        // The dish master reads its lists again when the category went.
        QCOMPARE(w->vsGrid->rows(), gone ? masterRows - dishesIn : masterRows);
        QCOMPARE(w->DBCombo1->findText(category) >= 0, !gone);
        QVERIFY(w->vsGrid->colHidden(ryouri_col::Id));
    }

    void categoryChecks_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<bool>("written");
        const QString empty = QStringLiteral("料理分類名を入力してください。");
        const QString same = QStringLiteral("同じ名前の料理分類が既に登録されています。");
        const QString ask = QStringLiteral("「和食」に上書きします。よろしいですか。");
        QTest::newRow("add empty") << "Command4" << "  " << empty << "" << false;
        QTest::newRow("add taken") << "Command4" << "洋食 " << same << "洋食" << false;
        QTest::newRow("add trimmed") << "Command4" << "　家庭の味 " << "" << "家庭の味" << true;
        QTest::newRow("add apostrophe") << "Command4" << "Mom's" << "" << "Mom's" << true;
        QTest::newRow("rename taken") << "Command3" << "洋食" << same << "洋食" << false;
        QTest::newRow("rename to itself") << "Command3" << "和食" << ask << "和食" << true;
        QTest::newRow("rename trimmed") << "Command3" << " 日本の味 " << ask << "日本の味" << true;
    }
    void categoryChecks()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, boxAfter);
        QFETCH(bool, written);
        F_RHen01 *w = master();
        MsgRecorder rec;
        F_RyoBun01 c(w);
        c.show();
        c.vsGrid->setRow(rowOf(c.vsGrid, 1, m_washoku));
        const int rows = c.vsGrid->rows();
        typeInto(&c, QStringLiteral("Text1"), typed);
        click(&c, button);
        QCOMPARE(rec.prompts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(c.Text1->text(), boxAfter);
        QCOMPARE(c.HenkouFlg, written);
        const bool added = written && button == QLatin1String("Command4");
        QCOMPARE(c.vsGrid->rows(), added ? rows + 1 : rows);
        QCOMPARE(Bunrui_NameExists(boxAfter), written || message.contains(QStringLiteral("同じ")));
        if (written)
            QCOMPARE(c.vsGrid->textMatrix(c.vsGrid->row(), 2), boxAfter);
    }

    // 選択 hands the category to the combo; the dish list shows the names changed meanwhile,
    // and the name the user had typed stays.
    void chooseSetsTheComboAndRereads()
    {
        F_RHen01 *w = master();
        w->vsGrid->setRow(rowOf(w->vsGrid, ryouri_col::Id, m_hamburg));
        typeInto(w, QStringLiteral("Text1"), QStringLiteral("祖母の肉じゃが"));
        MsgRecorder rec;
        qint64 added = 0;
        onModal([&](QWidget *m) {
            auto *c = static_cast<F_RyoBun01 *>(m);
            c->vsGrid->setRow(rowOf(c->vsGrid, 1, m_kodomo));
            typeInto(m, QStringLiteral("Text1"), QStringLiteral("子どもの好物"));
            click(m, QStringLiteral("Command3"));
            typeInto(m, QStringLiteral("Text1"), QStringLiteral("家庭の味"));
            click(m, QStringLiteral("Command4"));
            added = c->vsGrid->valueMatrix(c->vsGrid->row(), 1).toLongLong();
            click(m, QStringLiteral("Command5"));
        }, w);
        click(w, QStringLiteral("Command6"));
        QCOMPARE(w->DBCombo1->text(), QStringLiteral("家庭の味"));
        QCOMPARE(w->Text1->text(), QStringLiteral("祖母の肉じゃが"));
        QCOMPARE(w->vsGrid->textMatrix(w->vsGrid->row(), ryouri_col::Bunrui), QStringLiteral("子どもの好物"));
        QCOMPARE(G_Mst_Ryouri_ID, m_hamburg);
        QVERIFY(w->vsGrid->colHidden(ryouri_col::Id) && w->vsGrid->colHidden(ryouri_col::Haifu));
        click(w, QStringLiteral("Command4"));
        QCOMPARE(column(QStringLiteral("SELECT 料理分類ID FROM 料理名 WHERE 料理名 = ?"), QStringLiteral("祖母の肉じゃが")).toLongLong(), added);
    }

    void leavingTheCategories_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("閉じる") << "Command1";
        QTest::newRow("menu") << "mnTojiru";
        QTest::newRow("close box") << "closeBox";
        QTest::newRow("double click chooses") << "dclick";
    }
    void leavingTheCategories()
    {
        QFETCH(QString, how);
        F_RHen01 *w = master();
        w->vsGrid->setRow(rowOf(w->vsGrid, ryouri_col::Id, m_curry));
        onModal([&](QWidget *m) {
            auto *c = static_cast<F_RyoBun01 *>(m);
            QVERIFY(!c->Command5->isEnabled()); // nothing chosen when it opens
            if (how == QLatin1String("dclick")) {
                const int r = rowOf(c->vsGrid, 1, m_empty);
                c->vsGrid->setTopRow(r);
                QApplication::processEvents();
                const auto [v, p] = c->vsGrid->cellPosition(r, 2);
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
        F_RHenZai01 *r = recipeOf(withFoods ? m_nikujaga : m_stew);
        QVERIFY(r && r->isVisible() && !m_master->isVisible());
        QCOMPARE(r->vsGrid->rows() - 1, withFoods ? 2 : 0);
        for (int c : {zairyou_col::Gun, zairyou_col::Id, zairyou_col::SeiId, zairyou_col::TyouriId, zairyou_col::Meyasu})
            QVERIFY(r->vsGrid->colHidden(c));
        QCOMPARE(r->vsGrid->rowHeight(0), 270);
        QCOMPARE(r->Text1->text(), withFoods ? QStringLiteral("じゃがいも") : QString());
        QCOMPARE(r->Text3->text(), withFoods ? QStringLiteral("100") : QStringLiteral("0"));
        QCOMPARE(G_Sei_ID, withFoods ? kJagaimo : 0);
        QCOMPARE(r->SelectedZairyouID() > 0, withFoods);
        QCOMPARE(r->Command4->isEnabled(), withFoods);
        // The first food's method, or the default one (1) for an empty recipe.
        QCOMPARE(r->DBCombo1->boundValue().toInt(), 1);
    }

    void addingAFood_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("boxAfter");
        QTest::newRow("no food chosen") << 0 << "50" << "材料が入力されていません。" << "50";
        QTest::newRow("-5") << 3 << "-5" << "分量が無効な値です。" << "-5";
        QTest::newRow("abc is 0") << 3 << "abc" << "" << "0";
        QTest::newRow("12.50g") << 3 << "12.50g" << "" << "12.5";
        QTest::newRow("the picker's road") << 11 << "30" << "" << "30";
    }
    void addingAFood()
    {
        QFETCH(int, code);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, boxAfter);
        F_RHenZai01 *r = recipeOf(m_stew);
        if (code) {
            click(r, QStringLiteral("Command1"));
            QVERIFY(G_SeiKen()->isVisible());
            pick(kNinjin, code);
            QCOMPARE(r->Text1->text() + r->Text2->text() + r->Text9->text() + r->Text8->text(),
                     QStringLiteral("にんじん根 皮つき 生野菜類中1本＝150g"));
        }
        r->DBCombo1->setBoundValue(4);
        typeInto(r, QStringLiteral("Text3"), typed);
        MsgRecorder rec;
        click(r, QStringLiteral("Command5"));
        QCOMPARE(rec.prompts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(r->Text3->text(), boxAfter);
        const auto rs = G_DB().select(QStringLiteral("SELECT * FROM 材料 WHERE 料理名ID = ?"), {m_stew});
        QCOMPARE(rs.size(), message.isEmpty() ? 1 : 0);
        QCOMPARE(r->vsGrid->rows() - 1, int(rs.size()));
        if (!message.isEmpty())
            return;
        QCOMPARE(rs.value(0, QStringLiteral("分量")).toDouble(), Val(boxAfter));
        QCOMPARE(rs.value(0, QStringLiteral("成分表ID")).toLongLong(), kNinjin);
        QCOMPARE(rs.value(0, QStringLiteral("調理法ID")).toInt(), 4);
        QCOMPARE(r->SelectedZairyouID(), rs.value(0, QStringLiteral("材料ID")).toLongLong());
        QCOMPARE(r->vsGrid->row(), 1);
        QCOMPARE(r->vsGrid->textMatrix(1, zairyou_col::Tyouri), QStringLiteral("煮る"));
        // The same food may be added twice.
        click(r, QStringLiteral("Command5"));
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料 WHERE 料理名ID = ?"), {m_stew}), 2);
    }

    void changeFood_data()
    {
        QTest::addColumn<bool>("newFood");
        QTest::addColumn<QString>("typed");
        QTest::newRow("new food and quantity") << true << "75";
        QTest::newRow("quantity only") << false << "110.5";
    }
    void changeFood()
    {
        QFETCH(bool, newFood);
        QFETCH(QString, typed);
        F_RHenZai01 *r = recipeOf(m_nikujaga);
        const qint64 id = r->SelectedZairyouID();
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
        QCOMPARE(r->vsGrid->textMatrix(gr, zairyou_col::Tyouri), QStringLiteral("焼く"));
        // A refused quantity changes nothing.
        typeInto(r, QStringLiteral("Text3"), QStringLiteral("-5"));
        click(r, QStringLiteral("Command4"));
        QCOMPARE(rec.last(), QStringLiteral("分量が無効な値です。"));
        QCOMPARE(column(QStringLiteral("SELECT 分量 FROM 材料 WHERE 材料ID = ?"), id).toDouble(), Val(typed));
    }

    void deleteFood_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("OK") << int(vbOK);
        QTest::newRow("cancel") << int(vbCancel);
    }
    void deleteFood()
    {
        QFETCH(int, answer);
        F_RHenZai01 *r = recipeOf(m_nikujaga);
        r->vsGrid->setRow(2);
        const qint64 id = r->SelectedZairyouID();
        MsgRecorder rec;
        rec.answer(answer);
        click(r, QStringLiteral("Command3"));
        QCOMPARE(rec.prompts(), QStringList{QStringLiteral("材料を削除します。よろしいですか。")});
        const bool gone = answer == vbOK;
        QCOMPARE(Zairyou_Exists(id), !gone);
        QCOMPARE(r->vsGrid->rows() - 1, gone ? 1 : 2);
        QCOMPARE(r->vsGrid->row(), gone ? 0 : 2);
        QCOMPARE(r->SelectedZairyouID(), gone ? 0 : id);
        QCOMPARE(r->Command3->isEnabled(), !gone);
        QCOMPARE(r->Text1->text(), QStringLiteral("ぶた")); // the entry fields keep their contents
    }

    void conversion_data()
    {
        QTest::addColumn<qint64>("food");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("quantityAfter");
        QTest::newRow("no food gives the input back") << qint64(0) << QStringList{"50"} << "Command1" << "50.00";
        QTest::newRow("refuse 10 %") << kJagaimo << QStringList{"150"} << "Command1" << "135.00";
        QTest::newRow("refuse 3 %, two decimals") << kNinjin << QStringList{"33"} << "Command1" << "32.01";
        QTest::newRow("-1 first") << kJagaimo << QStringList{"-1", "100"} << "Command1" << "90.00";
        QTest::newRow("close box leaves it") << kNinjin << QStringList{"33"} << "closeBox" << "7";
        QTest::newRow("閉じる leaves it") << kNinjin << QStringList{"33"} << "Command2" << "7";
    }
    void conversion()
    {
        QFETCH(qint64, food);
        QFETCH(QStringList, inputs);
        QFETCH(QString, how);
        QFETCH(QString, quantityAfter);
        F_RHenZai01 *r = recipeOf(m_stew);
        if (food)
            pick(food);
        typeInto(r, QStringLiteral("Text3"), QStringLiteral("7"));
        MsgRecorder rec;
        bool stayed = true;
        onModal([&](QWidget *m) {
            for (const QString &in : inputs) {
                stayed = stayed && m->isVisible();
                typeInto(m, QStringLiteral("Text1"), in);
                if (how == QLatin1String("closeBox"))
                    m->close();
                else
                    click(m, how);
            }
        }, r);
        click(r, QStringLiteral("Command7"));
        QVERIFY(stayed);
        QCOMPARE(rec.prompts(), inputs.size() > 1 ? QStringList{QStringLiteral("０以上の数値を入れてください。")} : QStringList());
        QCOMPARE(r->Text3->text(), quantityAfter);
        // Nothing is stored until add or change.
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料 WHERE 料理名ID = ?"), {m_stew}), 0);
    }

    void closingTheRecipe_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("閉じる") << "Command2";
        QTest::newRow("menu") << "mnTojiru";
        QTest::newRow("close box") << "closeBox";
    }
    void closingTheRecipe()
    {
        QFETCH(QString, how);
        QPointer<F_RHenZai01> r = recipeOf(m_nikujaga);
        click(r, QStringLiteral("Command1"));
        if (how == QLatin1String("closeBox"))
            r->close();
        else if (how == QLatin1String("mnTojiru"))
            r->mnTojiru->trigger();
        else
            click(r, how);
        QTRY_VERIFY(!r);
        QVERIFY(!G_SeiKen()->isVisible());
        QVERIFY(m_master->isVisible());
    }

    // 成分表示: the table of the dish in the dish master, the foods added here included; it
    // takes the place of the recipe window and the browser, and gives it back when it closes.
    void nutrientTable()
    {
        F_RHenZai01 *r = recipeOf(m_nikujaga);
        pick(kTamanegi);
        typeInto(r, QStringLiteral("Text3"), QStringLiteral("50"));
        click(r, QStringLiteral("Command5"));
        QVERIFY(G_SeiKen()->isVisible());
        click(r, QStringLiteral("Command6"));
        QPointer<F_ZaiSeiBun01> t = r->dishDetail();
        QVERIFY(t && t->isVisible());
        QCOMPARE(t->YobiFlg, 1);
        QVERIFY(!r->isVisible() && !G_SeiKen()->isVisible());
        QCOMPARE(t->Label1->text(), QStringLiteral("料理名 ： 肉じゃが"));
        // Three foods and the total, the same table the dish's own routine gives.
        const SeibunHyou expected = Seibun_Master(m_nikujaga, QStringLiteral("肉じゃが"));
        QCOMPARE(t->table().rows[0].size(), 4);
        QCOMPARE(t->table().rows[0], expected.rows[0]);
        t->close();
        QTRY_VERIFY(!t);
        QVERIFY(r->isVisible());
    }

    // ---- the roads ----

    void menuRoad()
    {
        F_Menu01 menu;
        registerScreens(menu);
        menu.show();
        G_SeiKen()->setPickVisible(false);
        click(&menu, QStringLiteral("Command1_3"));
        QCOMPARE(G_Yobidasi, 3);
        QPointer<F_RHen01> w = shownWindow<F_RHen01>();
        QVERIFY(w && !menu.isVisible());
        QCOMPARE(w->YobidasiMoto, 1);
        QVERIFY(G_SeiKen()->pickVisible());
        click(w, QStringLiteral("Command5"));
        QPointer<F_RHenZai01> r = w->recipeWindow();
        QVERIFY(r && !w->isVisible());
        r->close();
        QTRY_VERIFY(!r);
        QVERIFY(w->isVisible() && !menu.isVisible());
        click(w, QStringLiteral("Command1"));
        QTRY_VERIFY(!w);
        QVERIFY(menu.isVisible());
    }

    // The picker's 料理マスタ編集: a new dish in a new category with its food, then back to the
    // day's dishes and the picker, which offer the dish at once.
    void pickerRoad()
    {
        const qint64 person = addPerson(QStringLiteral("花子"), QDate(1980, 4, 1), 2, true);
        G_KK_ID = G_DB().insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), person},
                                                                {QStringLiteral("日付"), QStringLiteral("2024-05-20")}});
        G_Simei_ID = person;
        std::unique_ptr<F_KJRNyu01> day(new F_KJRNyu01(DayHeader{QStringLiteral("花子"), QStringLiteral("2024年5月20日（月）"),
                                                                QDate(2024, 5, 20)}));
        day->show();
        click(day.get(), QStringLiteral("Command2"));
        F_KJRNyu01_Ken *ken = day->picker();
        // A filter that the list starts again from when the dish master has changed things.
        ken->Combo1->setCurrentIndex(ken->Combo1->findText(QStringLiteral("洋食")));
        ken->Command1_Click();
        G_SeiKen()->setPickVisible(false);

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
        pick(kJagaimo, 11);
        typeInto(r, QStringLiteral("Text3"), QStringLiteral("80"));
        click(r, QStringLiteral("Command5"));
        r->close();
        QTRY_VERIFY(!r);
        QVERIFY(rec.shown().isEmpty());
        w->close();
        QTRY_VERIFY(!w);

        QVERIFY(day->isVisible() && ken->isVisible());
        QCOMPARE(ken->Combo1->currentIndex(), 0);
        QVERIFY(ken->Combo1->findText(QStringLiteral("家庭の味")) > 0);
        // Read again at once, across every category.
        QVERIFY(rowOf(ken->vsGrid, 2, QStringLiteral("祖母の肉じゃが")) > 0);
        QVERIFY(rowOf(ken->vsGrid, 2, QStringLiteral("肉じゃが")) > 0);
        // Found by a katakana search of its hiragana name, and added with 1.5 servings.
        typeInto(ken->Text1, QStringLiteral("ジャガ"));
        click(ken, QStringLiteral("Command1"));
        ken->vsGrid->setRow(rowOf(ken->vsGrid, 2, QStringLiteral("祖母の肉じゃが")));
        typeInto(ken->Text3, QStringLiteral("1.5"));
        click(ken, QStringLiteral("Command2"));
        QCOMPARE(column(QStringLiteral("SELECT 料理分量 FROM 摂取料理 WHERE 摂取料理ID = ?"), G_SeR_ID).toDouble(), 1.5);
        QCOMPARE(column(QStringLiteral("SELECT 分量 FROM 摂取食品 WHERE 摂取料理ID = ?"), G_SeR_ID).toDouble(), 120.0);
    }
};

QTEST_MAIN(TstDishesWindows)
#include "tst_dishes_windows.moc"
