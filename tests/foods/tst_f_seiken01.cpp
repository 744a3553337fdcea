// The composition browser driven like a user over the shipped tables: tabs with their own
// conditions, the condition window, the fatty-acid basis, the fixed columns, dragging, the
// tooltips, choosing a food for each caller code, closing, and the menu's road.

#include "b_01.h"
#include "database.h"
#include "f_help.h"
#include "f_ken_sei.h"
#include "f_menu01.h"
#include "f_seiken01.h"
#include "flexgrid.h"
#include "foods_fixture.h"
#include "guitest.h"
#include "screens.h"
#include "statusbartext.h"
#include "tabcontrol.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTextBrowser>
#include <QtTest>

using namespace mirte;
using namespace mirte::test;

Q_DECLARE_METATYPE(mirte::FoodPick)

namespace {

QList<qint64> gridIds(FlexGrid *g)
{
    QList<qint64> out;
    for (int r = 1; r < g->rows(); ++r)
        out << g->valueMatrix(r, seiken_col::Id).toLongLong();
    return out;
}

QList<qint64> coreIds(SeibunKind kind, const QString &gun, const QString &text)
{
    QList<qint64> out;
    for (const QVariantList &r : seibunRows(kind, gun, text).rows)
        out << r.at(0).toLongLong();
    return out;
}

int rowOf(FlexGrid *g, qint64 id)
{
    for (int r = 1; r < g->rows(); ++r)
        if (g->valueMatrix(r, seiken_col::Id).toLongLong() == id)
            return r;
    return -1;
}

// 検索(&F): fills the condition window and presses 検索 (or 閉じる).
void search(F_SeiKen01 *s, const QString &gun, const QString &text, bool press = true)
{
    onModal([&](QWidget *m) {
        auto *combo = child<QComboBox>(m, QStringLiteral("Combo1"));
        combo->setCurrentIndex(combo->findText(gun));
        typeInto(m, QStringLiteral("Text1"), text);
        click(m, press ? QStringLiteral("Command1") : QStringLiteral("Command4"));
    });
    s->mnKensaku->trigger();
}

void moveOver(FlexGrid *g, int row, int col)
{
    const auto [w, p] = g->cellPosition(row, col);
    QVERIFY2(w, qPrintable(QStringLiteral("cell %1,%2").arg(row).arg(col)));
    QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void dragHeader(FlexGrid *g, int from, int to)
{
    const auto [w, p] = g->cellPosition(0, from);
    auto [w2, q] = g->cellPosition(0, to);
    QVERIFY(w && w2);
    q.rx() += from > to ? -10 : 10;
    QTest::mousePress(w, Qt::LeftButton, {}, p);
    for (int i = 1; i <= 10; ++i) {
        const QPoint at = p + (q - p) * i / 10;
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    QTest::mouseRelease(w, Qt::LeftButton, {}, q);
}

} // namespace

class TstFSeiKen01 : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDb> m_db;
    OddFoods m_odd;
    std::unique_ptr<F_SeiKen01> m_s;

    F_SeiKen01 *shown()
    {
        m_s = std::make_unique<F_SeiKen01>();
        m_s->show();
        if (!QTest::qWaitForWindowExposed(m_s.get()))
            qWarning("browser not exposed");
        return m_s.get();
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<mirte::FoodPick>();
        QVERIFY(Syoki_Settei());
        installHelpKey();
        m_db = std::make_unique<TempDb>();
        copySeedFoods();
        m_odd = addOddFoods();
        // An own food that has a serving guide and amino-acid and fatty-acid rows as well.
        G_DB().exec(QStringLiteral("INSERT INTO アミノ酸組成表 (成分表ID, 配布元) VALUES (?, 1)"), {m_odd.apostrophe});
        G_DB().exec(QStringLiteral("INSERT INTO 脂肪酸組成表 (成分表ID, 配布元, 脂肪酸・総量, 酪酸) VALUES (?, 1, 40, 2.5)"),
                    {m_odd.apostrophe});
    }
    void cleanup()
    {
        m_s.reset();
        G_Yobidasi = 0;
        G_Sei_ID = 0;
    }
    void cleanupTestCase() { m_db.reset(); }

    void loadsEveryTableUnfiltered()
    {
        F_SeiKen01 s;
        QCOMPARE(s.windowTitle(), QStringLiteral("成分表検索"));
        // Nothing is read until the window is looked at.
        for (int t = 0; t < kSeiKenTabs; ++t)
            QVERIFY(!s.tabLoaded(t));
        s.show();
        QVERIFY(s.tabLoaded(0));
        QVERIFY(!s.tabLoaded(1));
        QCOMPARE(s.SSTab1->tab(), 0);
        const QStringList tables{"成分表", "アミノ酸組成表", "脂肪酸組成表"};
        for (int t = 0; t < kSeiKenTabs; ++t) {
            s.SSTab1->setTab(t);
            QVERIFY(s.tabLoaded(t));
            const int n = G_DB().scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tables.at(t))).toInt();
            QCOMPARE(s.vsGrid[t]->rows() - 1, n);
            QCOMPARE(s.vsGrid[t]->fixedCols(), 6);
            QVERIFY(s.vsGrid[t]->colHidden(seiken_col::Id));
            QCOMPARE(s.vsGrid[t]->colWidth(seiken_col::Mei), 2000);
            QCOMPARE(s.vsGrid[t]->rowHeight(0), 800);
            QCOMPARE(s.vsGrid[t]->columnMoveRange(), std::make_pair(6, -1));
            QVERIFY2(s.vsGrid[t]->colHidden(s.vsGrid[t]->cols() - 1), // 配布元 / 分量目安 out of sight
                     qPrintable(s.vsGrid[t]->textMatrix(0, s.vsGrid[t]->cols() - 1)));
        }
        QCOMPARE(s.Label1->text(), QStringLiteral("脂肪酸組成表：脂肪酸総量１００ｇ当たり"));
        QVERIFY(s.gmSbo->isChecked());
        QVERIFY(!s.gmKas->isChecked());
        QVERIFY(s.gmRetuSai->isChecked());
        QCOMPARE(s.StBar->text(), F_SeiKen01::defaultStatusText());
        // Tab 0 keeps 分量目安, 備考, 補足 and 別名 in view and 配布元 out of it.
        FlexGrid *g = s.vsGrid[0];
        QCOMPARE(g->colWidth(g->findCol(QStringLiteral("分量目安"))), 1800);
        QCOMPARE(g->colWidth(g->findCol(QStringLiteral("備考"))), 2200);
        QVERIFY(g->colHidden(g->findCol(QStringLiteral("配布元"))));
        QCOMPARE(g->colWidth(g->findCol(QStringLiteral("エネルギー"))), 700);
    }

    void tabsKeepTheirOwnConditions()
    {
        F_SeiKen01 *s = shown();
        search(s, QStringLiteral("全食品"), QStringLiteral("にんじん"));
        const QList<qint64> carrots = gridIds(s->vsGrid[0]);
        QCOMPARE(carrots, coreIds(SeibunKind::Seibun, QString(), QStringLiteral("にんじん")));
        // Sort and position on tab 0 ...
        s->vsGrid[0]->sort(7, Qt::DescendingOrder);
        s->vsGrid[0]->setRow(3);
        const qint64 third = s->vsGrid[0]->valueMatrix(3, seiken_col::Id).toLongLong();

        s->SSTab1->setTab(1);
        search(s, QStringLiteral("野菜類"), QString());
        QCOMPARE(gridIds(s->vsGrid[1]), coreIds(SeibunKind::Amino, QStringLiteral("野菜類"), QString()));
        s->SSTab1->setTab(2);
        const int allFatty = s->vsGrid[2]->rows() - 1;
        QCOMPARE(allFatty, G_DB().scalar(QStringLiteral("SELECT COUNT(*) FROM 脂肪酸組成表")).toInt());

        // ... survive the other tabs' searches.
        s->SSTab1->setTab(0);
        QCOMPARE(s->vsGrid[0]->rows() - 1, carrots.size());
        QCOMPARE(s->vsGrid[0]->sortCol(), 7);
        QCOMPARE(s->vsGrid[0]->row(), 3);
        QCOMPARE(s->vsGrid[0]->valueMatrix(3, seiken_col::Id).toLongLong(), third);
        QCOMPARE(G_Kensaku_Jouken[0].text, QStringLiteral("にんじん"));
        QCOMPARE(G_Kensaku_Jouken[1].gun, QStringLiteral("野菜類"));
        QCOMPARE(G_Kensaku_Jouken[2].gun, QStringLiteral("全食品"));

        // The condition window opens with the current tab's condition.
        for (int t : {0, 1, 2}) {
            s->SSTab1->setTab(t);
            QString gun, text;
            onModal([&](QWidget *m) {
                gun = child<QComboBox>(m, QStringLiteral("Combo1"))->currentText();
                text = child<QLineEdit>(m, QStringLiteral("Text1"))->text();
                QCOMPARE(m->windowTitle(), QStringLiteral("食品名検索指定"));
                click(m, QStringLiteral("Command4"));
            });
            s->mnKensaku->trigger();
            QCOMPARE(gun, G_Kensaku_Jouken[t].gun);
            QCOMPARE(text, G_Kensaku_Jouken[t].text);
        }
        QVERIFY(s->Ken_Can_Flg);
    }

    void closingTheConditionWindowChangesNothing()
    {
        F_SeiKen01 *s = shown();
        const QList<qint64> before = gridIds(s->vsGrid[0]);
        search(s, QStringLiteral("藻類"), QStringLiteral("のり"), false);
        QVERIFY(s->Ken_Can_Flg);
        QCOMPARE(gridIds(s->vsGrid[0]), before);
        QCOMPARE(G_Kensaku_Jouken[0].gun, QStringLiteral("全食品"));
        QVERIFY(G_Kensaku_Jouken[0].text.isEmpty());
        // Back to everything after a narrow search.
        search(s, QStringLiteral("藻類"), QStringLiteral("のり"));
        QVERIFY(s->vsGrid[0]->rows() - 1 < before.size());
        search(s, QStringLiteral("全食品"), QString());
        QCOMPARE(gridIds(s->vsGrid[0]), before);
    }

    void searchesTypedByTheUser_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("gun");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qint64>>("mustFind");
        QTest::addColumn<bool>("only");      // nothing else is found
        QTest::newRow("apostrophe") << 0 << "全食品" << "'" << QList<qint64>{90001} << true;
        QTest::newRow("percent") << 0 << "調理加工食品類" << "50%" << QList<qint64>{90002} << true;
        QTest::newRow("percent everywhere") << 0 << "全食品" << "50%" << QList<qint64>{90002, 7033} << false;
        QTest::newRow("other group") << 0 << "野菜類" << "'" << QList<qint64>{} << true;
        QTest::newRow("にんじん") << 0 << "全食品" << "にんじん" << QList<qint64>{6212, 6214} << false;
        QTest::newRow("人参") << 0 << "全食品" << "人参" << QList<qint64>{6212, 6214} << false;
        QTest::newRow("人参 on fatty") << 2 << "全食品" << "人参" << QList<qint64>{6212} << false;
    }
    void searchesTypedByTheUser()
    {
        QFETCH(int, tab);
        QFETCH(QString, gun);
        QFETCH(QString, text);
        QFETCH(QList<qint64>, mustFind);
        QFETCH(bool, only);
        F_SeiKen01 *s = shown();
        s->SSTab1->setTab(tab);
        search(s, gun, text);
        const QList<qint64> ids = gridIds(s->vsGrid[tab]);
        for (qint64 id : mustFind)
            QVERIFY2(ids.contains(id), qPrintable(QString::number(id)));
        if (only)
            QCOMPARE(ids, mustFind);
        else
            QVERIFY(ids.size() > mustFind.size());
        // The same foods for every spelling of carrots.
        if (tab == 0 && mustFind.contains(6212))
            QCOMPARE(ids, coreIds(SeibunKind::Seibun, QString(), QStringLiteral("にんじん")));
    }

    void fattyAcidBasisAsksAndCancelChangesNothing()
    {
        MsgRecorder rec;
        F_SeiKen01 *s = shown();
        s->SSTab1->setTab(2);
        FlexGrid *g = s->vsGrid[2];
        const int row = rowOf(g, m_odd.apostrophe);
        QVERIFY(row > 0);
        const QString header = g->textMatrix(0, seiken_col::SibouFirst);
        const QString cell = g->textMatrix(row, seiken_col::SibouFirst);
        QCOMPARE(header, QStringLiteral("酪酸"));

        rec.answer(vbCancel);
        s->gmKas->trigger();
        QCOMPARE(rec.shown().size(), 1);
        QCOMPARE(rec.last(), QStringLiteral("可食部１００ｇ当たりの脂肪酸組成表に切り替えます。よろしいですか？"));
        QCOMPARE(rec.shown().last().title, QStringLiteral("確認"));
        QCOMPARE(rec.shown().last().buttons(), int(vbOKCancel));
        QVERIFY(!s->kasyokuBasis());
        QVERIFY(s->gmSbo->isChecked());
        QVERIFY(!s->gmKas->isChecked());
        QCOMPARE(s->Label1->text(), QStringLiteral("脂肪酸組成表：脂肪酸総量１００ｇ当たり"));
        QCOMPARE(g->textMatrix(row, seiken_col::SibouFirst), cell);
        QCOMPARE(g->textMatrix(0, seiken_col::SibouFirst), header);

        // Asked again next time; OK switches.
        s->gmKas->trigger();
        QCOMPARE(rec.shown().size(), 2);
        QVERIFY(s->kasyokuBasis());
        QVERIFY(s->gmKas->isChecked());
        QVERIFY(!s->gmSbo->isChecked());
        QCOMPARE(s->Label1->text(), QStringLiteral("脂肪酸組成表：可食部１００ｇ当たり"));
        const int row2 = rowOf(g, m_odd.apostrophe);
        QCOMPARE(g->textMatrix(0, seiken_col::SibouFirst), QStringLiteral("酪酸"));
        QCOMPARE(g->textMatrix(0, seiken_col::SibouLast), QStringLiteral("テトラコセン酸"));
        QCOMPARE(g->textMatrix(0, 33), QStringLiteral("リノレン酸n-3"));
        QCOMPARE(g->textMatrix(row2, seiken_col::SibouFirst), QStringLiteral("1.000")); // 2.5 × 40 / 100
        QVERIFY(g->textMatrix(row2, seiken_col::SibouFirst + 1).isEmpty()); // empty stays empty
        QCOMPARE(g->fixedCols(), 6);

        // The basis already shown asks nothing.
        s->gmKas->trigger();
        QCOMPARE(rec.shown().size(), 2);
        QVERIFY(s->gmKas->isChecked());

        // A search on the tab keeps the basis without asking.
        search(s, QStringLiteral("全食品"), QStringLiteral("ママ's"));
        QCOMPARE(rec.shown().size(), 2);
        QCOMPARE(g->rows(), 2);
        QCOMPARE(g->textMatrix(1, seiken_col::SibouFirst), QStringLiteral("1.000"));
        QCOMPARE(g->textMatrix(0, seiken_col::SibouFirst), QStringLiteral("酪酸"));

        rec.answer(vbOK);
        s->gmSbo->trigger();
        QCOMPARE(rec.last(), QStringLiteral("脂肪酸１００ｇ当たりの脂肪酸組成表に切り替えます。よろしいですか？"));
        QVERIFY(!s->kasyokuBasis());
        QCOMPARE(g->textMatrix(1, seiken_col::SibouFirst), QStringLiteral("2.5"));
        QCOMPARE(g->rows(), 2); // the tab's condition still applies
    }

    void fixedColumnSettings_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("fixed");
        QTest::newRow("食品番号のみ固定") << "gmRetuSyo" << 3;
        QTest::newRow("固定列なし") << "gmRetuNasi" << 1;
        QTest::newRow("細分まで固定") << "gmRetuSai" << 6;
    }
    void fixedColumnSettings()
    {
        QFETCH(QString, action);
        QFETCH(int, fixed);
        F_SeiKen01 *s = shown();
        auto *a = child<QAction>(s, action);
        for (int twice = 0; twice < 2; ++twice) { // the marked item again changes nothing
            a->trigger();
            QCOMPARE(s->fixedColsSetting(), fixed);
            for (QAction *other : {s->gmRetuSai, s->gmRetuSyo, s->gmRetuNasi})
                QCOMPARE(other->isChecked(), other == a);
            for (int t = 0; t < kSeiKenTabs; ++t)
                QCOMPARE(s->vsGrid[t]->fixedCols(), fixed);
        }
        // A re-query keeps the setting.
        search(s, QStringLiteral("全食品"), QStringLiteral("ママ"));
        QCOMPARE(s->vsGrid[0]->fixedCols(), fixed);
    }

    void columnsMoveOnlyFromTheSixth()
    {
        F_SeiKen01 *s = shown();
        FlexGrid *g = s->vsGrid[0];
        QCOMPARE(g->fixedCols(), 6); // dragging beside the fixed columns
        QCOMPARE(g->textMatrix(0, 6), QStringLiteral("廃棄率"));
        dragHeader(g, 7, 6);
        QCOMPARE(g->textMatrix(0, 6), QStringLiteral("エネルギー"));
        QCOMPARE(g->textMatrix(0, 7), QStringLiteral("廃棄率"));
        dragHeader(g, 8, 5); // nothing lands before column 6
        QCOMPARE(g->textMatrix(0, 5), QStringLiteral("細分"));
        QCOMPARE(g->textMatrix(0, 8), QStringLiteral("水分"));
        s->gmRetuNasi->trigger(); // the first columns scroll with the rest, and still stay
        dragHeader(g, 4, 8);
        QCOMPARE(g->textMatrix(0, 4), QStringLiteral("食品名"));
    }

    void tooltips()
    {
        F_SeiKen01 *s = shown();
        s->gmRetuNasi->trigger();
        FlexGrid *g = s->vsGrid[0];
        const int row = rowOf(g, 6212);
        g->setTopRow(row);
        moveOver(g, 0, 4);
        QCOMPARE(g->toolTipText(), QStringLiteral("クリックでソートします。"));
        moveOver(g, 0, 7);
        QCOMPARE(g->toolTipText(), QStringLiteral("クリックでソート。ドラッグで列を移動します。"));
        moveOver(g, row, 8);
        QCOMPARE(g->toolTipText(), QStringLiteral("にんじん  根 皮つき 生 [ 06212 ]"));
    }

    void chooseHandsTheFoodToItsCaller_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("handed");
        QTest::newRow("1 tab 0") << 1 << 0 << true;
        QTest::newRow("3 tab 1") << 3 << 1 << true;
        QTest::newRow("11 tab 2") << 11 << 2 << true;
        QTest::newRow("0") << 0 << 0 << false;
        QTest::newRow("2") << 2 << 1 << false;
        QTest::newRow("4") << 4 << 0 << false;
        QTest::newRow("12 (the picker's single food)") << 12 << 0 << true;
        QTest::newRow("13") << 13 << 2 << false;
    }
    void chooseHandsTheFoodToItsCaller()
    {
        QFETCH(int, code);
        QFETCH(int, tab);
        QFETCH(bool, handed);
        MsgRecorder rec;
        F_SeiKen01 *s = shown();
        s->setPickVisible(true);
        s->SSTab1->setTab(tab);
        FlexGrid *g = s->vsGrid[tab];
        g->setRow(rowOf(g, m_odd.apostrophe));
        G_Yobidasi = code;
        G_Sei_ID = 77;
        QSignalSpy spy(s, &F_SeiKen01::foodChosen);
        click(s, QStringLiteral("Command5"));
        if (!handed) {
            QCOMPARE(rec.last(), QStringLiteral("プログラムエラー"));
            QCOMPARE(spy.size(), 0);
            QCOMPARE(G_Sei_ID, qint64(77));
            return;
        }
        QVERIFY(rec.shown().isEmpty());
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), code);
        const auto pick = spy.at(0).at(1).value<FoodPick>();
        QCOMPARE(pick.seibunId, m_odd.apostrophe);
        QCOMPARE(G_Sei_ID, m_odd.apostrophe);
        QCOMPARE(pick.group, QStringLiteral("調理加工食品類"));
        QCOMPARE(pick.name, QStringLiteral("ママ's カレー"));
        QCOMPARE(pick.saibun, QStringLiteral("レトルト"));
        QCOMPARE(pick.guide, QStringLiteral("1袋＝200g"));
        QVERIFY(s->isVisible()); // the browser stays open
    }

    void servingGuideFollowsADraggedColumn_data()
    {
        QTest::addColumn<int>("to");
        QTest::newRow("to 6") << 6;
        QTest::newRow("to 20") << 20;
        QTest::newRow("to the end") << 48;
    }
    void servingGuideFollowsADraggedColumn()
    {
        QFETCH(int, to);
        F_SeiKen01 *s = shown();
        FlexGrid *g = s->vsGrid[0];
        const int from = g->findCol(QStringLiteral("分量目安"));
        g->moveColumn(from, to);
        QCOMPARE(g->findCol(QStringLiteral("分量目安")), to);
        g->setRow(rowOf(g, 6212));
        G_Yobidasi = 1;
        QSignalSpy spy(s, &F_SeiKen01::foodChosen);
        s->Command5_Click();
        QCOMPARE(spy.size(), 1);
        const QString expected = G_DB().scalar(QStringLiteral("SELECT 分量目安 FROM 成分表 WHERE 成分表ID = 6212")).toString();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(spy.at(0).at(1).value<FoodPick>().guide, expected);
    }

    void doubleClickChoosesOnlyWhileChooseIsShown()
    {
        F_SeiKen01 *s = shown();
        FlexGrid *g = s->vsGrid[0];
        G_Yobidasi = 3;
        QSignalSpy spy(s, &F_SeiKen01::foodChosen);
        const int row = rowOf(g, 6212);
        g->setTopRow(row);
        auto dclick = [&] {
            const auto [w, p] = g->cellPosition(row, 7);
            QVERIFY(w);
            QTest::mouseDClick(w, Qt::LeftButton, {}, p);
        };
        s->setPickVisible(false);
        QVERIFY(!s->Command5->isVisible());
        dclick();
        QCOMPARE(spy.size(), 0);
        s->setPickVisible(true);
        QVERIFY(s->Command5->isVisible());
        dclick();
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(1).value<FoodPick>().seibunId, qint64(6212));
    }

    void closingHidesAndTheMenuRoadSaysSo_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("backToMenu");
        for (int code : {1, 3, 11, 4, 0}) {
            for (const char *how : {"Command4", "mnTojiru", "closeBox"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(code).arg(how)))
                    << code << QString::fromLatin1(how) << (code == 4);
        }
    }
    void closingHidesAndTheMenuRoadSaysSo()
    {
        QFETCH(int, code);
        QFETCH(QString, how);
        QFETCH(bool, backToMenu);
        F_SeiKen01 *s = shown();
        QPointer<F_SeiKen01> alive(s);
        G_Yobidasi = code;
        QSignalSpy closed(s, &F_SeiKen01::closed);
        if (how == QLatin1String("Command4"))
            click(s, how);
        else if (how == QLatin1String("mnTojiru"))
            s->mnTojiru->trigger();
        else
            s->close();
        QVERIFY(alive);
        QVERIFY(!s->isVisible());
        QCOMPARE(closed.size(), backToMenu ? 1 : 0);
    }

    void menuRoadHidesChooseAndComesBack()
    {
        MsgRecorder rec;
        createSeiKen();
        F_SeiKen01 *s = G_SeiKen();
        QVERIFY(s);
        createSeiKen();
        QCOMPARE(G_SeiKen(), s); // one browser
        F_Menu01 menu;
        registerScreens(menu);
        menu.show();
        s->setPickVisible(true);
        click(&menu, QStringLiteral("Command1_4"));
        QCOMPARE(G_Yobidasi, 4);
        QVERIFY(s->isVisible());
        QVERIFY(!s->Command5->isVisible());
        QVERIFY(!menu.isVisible());
        click(s, QStringLiteral("Command4"));
        QVERIFY(!s->isVisible());
        QVERIFY(menu.isVisible());
        // Twice over: still one way back, and the same window.
        click(&menu, QStringLiteral("Command1_4"));
        QVERIFY(s->isVisible());
        s->close();
        QVERIFY(menu.isVisible());
        QCOMPARE(G_SeiKen(), s);
        // The daily road shows 選択 again.
        menu.Command1_Click(1);
        QCOMPARE(G_Yobidasi, 1);
        QVERIFY(s->pickVisible());
        // Gathered first: deleting the day window takes its own windows with it.
        QList<QPointer<QWidget>> days;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("F_KJNyuu01"))
                days << w;
        QVERIFY(!days.isEmpty());
        for (const QPointer<QWidget> &w : days)
            delete w.data();
        destroySeiKen();
        QVERIFY(!G_SeiKen());
    }

    void helpPages_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("topic");
        QTest::newRow("説明") << "mnSetu" << 15;
        QTest::newRow("成分表") << "tnSeiBun" << 20;
        QTest::newRow("アミノ酸組成表") << "tnAmino" << 21;
        QTest::newRow("脂肪酸組成表") << "tnSibou" << 22;
    }
    void helpPages()
    {
        QFETCH(QString, action);
        QFETCH(int, topic);
        MsgRecorder rec;
        F_SeiKen01 *s = shown();
        QCOMPARE(helpPageFor(s), helpTopicPage(15));
        child<QAction>(s, action)->trigger();
        QVERIFY2(rec.shown().isEmpty(), qPrintable(rec.last()));
        F_Help *help = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *h = qobject_cast<F_Help *>(w); h && h->isVisible())
                help = h;
        QVERIFY(help);
        QCOMPARE(help->strHelpFile, helpTopicPage(topic));
        QVERIFY(help->RText1->toPlainText().size() > 200);
        // F1 in the browser afterwards is the browser's own page again.
        QTest::keyClick(s->vsGrid[0]->view(), Qt::Key_F1);
        QCOMPARE(help->strHelpFile, helpTopicPage(15));
        help->close();
    }
};

QTEST_MAIN(TstFSeiKen01)
#include "tst_f_seiken01.moc"
