// The exercise windows driven like a user: the entry with its checks and questions, the picker,
// the diagnosis with its graph, copies and print, the advice and the detail table, and the way
// in from the day window.

#include "../assess/assess_fixture.h"
#include "b_01.h"
#include "database.h"
#include "datacombo.h"
#include "f_kjnyuu01.h"
#include "f_kjun_nyu01.h"
#include "f_kjun_nyu01_ken.h"
#include "f_kjun_sin01.h"
#include "f_kjun_sin01_adv.h"
#include "f_kjun_sin02.h"
#include "f_help.h"
#include "f_menu01.h"
#include "flexgrid.h"
#include "graph.h"
#include "guitest.h"
#include "screens.h"
#include "statusbartext.h"
#include "testsupport.h"
#include "uiutil.h"
#include "undou_sindan.h"

#include <QAction>
#include <QChartView>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace mirte;
using namespace mirte::test;

namespace {

const QDate kDay = QDate::currentDate();

void kind(qint64 id, const QString &name, double rmr)
{
    G_DB().insert(QStringLiteral("エネルギー消費量"), {{QStringLiteral("エネルギー消費量ID"), id},
                                                     {QStringLiteral("分類"), QStringLiteral("運動")},
                                                     {QStringLiteral("運動名称"), name},
                                                     {QStringLiteral("エネルギー代謝率"), rmr}});
}

qint64 addMinutes(qint64 kk, qint64 kindId, int minutes)
{
    return fx::activity(kk, kindId, minutes / 1440.0);
}

int storedMinutes(qint64 undouId)
{
    return int(std::llround(
        G_DB().scalar("SELECT 時間 FROM 運動時間 WHERE 運動時間ID = ?", {undouId}).toDouble() * 1440));
}

int rowCount()
{
    return G_DB().scalar("SELECT COUNT(*) FROM 運動時間").toInt();
}

void doubleClickCell(FlexGrid *g, int row, int col)
{
    const auto [w, pt] = g->cellPosition(row, col);
    QVERIFY(w);
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, pt);
}

void clickCell(FlexGrid *g, int row, int col)
{
    const auto [w, pt] = g->cellPosition(row, col);
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, pt);
}

void moveOver(FlexGrid *g, int row, int col)
{
    const auto [w, p] = g->cellPosition(row, col);
    QVERIFY(w);
    QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

class TstExerciseWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDb> m_db;
    std::unique_ptr<MsgRecorder> m_msg;
    QPointer<F_KJUn_Nyu01> m_w;
    qint64 m_person = 0;

    // A man of 40 on a 60 kg day, with the basal reference of his age.
    void setUpDay(int age = 40)
    {
        fx::basal(40, 1, 22.1);
        m_person = addPerson(QStringLiteral("太郎"), kDay.addYears(-age).addDays(-10), 1, true);
        G_Simei_ID = m_person;
        G_KK_ID = fx::record(m_person, kDay, 171, 60);
        G_Simei_Hyouji = QStringLiteral("氏名 ： 太郎");
        G_Day_Hyouji = QStringLiteral("日付 ： 2024年6月10日（月）");
        kind(1, QStringLiteral("歩行（普通）"), 2.0);
        kind(2, QStringLiteral("テニス"), 6.0);
        kind(3, QStringLiteral("家事（掃除）"), 1.4);
        kind(4, QStringLiteral("O'Brien体操"), 3.0);
    }

    F_KJUn_Nyu01 *open()
    {
        m_w = new F_KJUn_Nyu01(nullptr);
        m_w->show();
        QApplication::setActiveWindow(m_w);
        return m_w;
    }

    // Chooses an activity and types the duration, as a user would before a button.
    void enter(qint64 kindId, const QString &hours, const QString &minutes)
    {
        QVERIFY(m_w->DBCombo1->setBoundValue(kindId));
        typeInto(m_w, "Text3_0", hours);
        typeInto(m_w, "Text3_1", minutes);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }
    void init()
    {
        m_db = std::make_unique<TempDb>();
        m_msg = std::make_unique<MsgRecorder>();
        G_KK_ID = 0;
        G_Simei_ID = 0;
    }
    void cleanup()
    {
        delete m_w;
        m_msg.reset();
        m_db.reset();
    }

    // ---------------------------------------------------------------- entry

    void openingState_data()
    {
        QTest::addColumn<QString>("minutes");   // tennis, then walking
        QTest::addColumn<QStringList>("entry"); // combo, hours, minutes, total
        QTest::newRow("empty day") << "" << QStringList{"", "", "0", "計： 0 時間 0 分"};
        QTest::newRow("day with activities") << "95,30" << QStringList{"テニス", "1", "35", "計： 2 時間 5 分"};
    }
    void openingState()
    {
        QFETCH(QString, minutes);
        QFETCH(QStringList, entry);
        setUpDay();
        const QStringList m = minutes.split(',', Qt::SkipEmptyParts);
        for (int i = 0; i < m.size(); ++i)
            addMinutes(G_KK_ID, 2 - i, m.at(i).toInt());
        F_KJUn_Nyu01 *w = open();
        FlexGrid *g = w->vsGrid;
        QCOMPARE(g->rows(), int(m.size()) + 1);
        for (int c : {1, 2, 4})
            QVERIFY(g->colHidden(c));
        QCOMPARE(g->colWidth(3), 3600);
        // The first activity of the day, if any, stands in the entry.
        QCOMPARE(g->row(), m.isEmpty() ? 0 : 1);
        QCOMPARE(QStringList({w->DBCombo1->text(), w->Text3[0]->text(), w->Text3[1]->text(),
                              w->Label10->text()}),
                 entry);
        QCOMPARE(w->Command3->isEnabled(), !m.isEmpty());
        QCOMPARE(w->Command4->isEnabled(), !m.isEmpty());
        if (!m.isEmpty())
            QCOMPARE(g->textMatrix(1, 5), QStringLiteral("1：35"));
        QVERIFY(w->picker() && !w->picker()->isVisible());
        QCOMPARE(w->DBCombo1->count(), 4);
        QCOMPARE(helpPageFor(w->vsGrid), QStringLiteral("exercise.html"));
    }

    void addDurations_data()
    {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("stored");     // -1: refused
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("activity");
        const QString invalid = "時間の表記に誤りがあります。24時間未満の値を入力してください。";
        QTest::newRow("1 and empty") << "1" << "" << 60 << "" << "DBCombo1" << 3;
        QTest::newRow("empty and 45") << "" << "45" << 45 << "" << "DBCombo1" << 3;
        QTest::newRow("0 and 0") << "0" << "0" << 0 << "" << "DBCombo1" << 3;
        QTest::newRow("abc as 0") << "abc" << "20" << 20 << "" << "DBCombo1" << 3;
        QTest::newRow("full width") << "２" << "１５" << 135 << "" << "DBCombo1" << 3;
        QTest::newRow("24 hours") << "24" << "0" << -1 << invalid << "Text3_0" << 3;
        QTest::newRow("60 minutes") << "3" << "60" << -1 << invalid << "Text3_0" << 3;
        QTest::newRow("both empty") << "" << "" << -1 << "運動時間を入力してください。" << "Text3_0" << 3;
        QTest::newRow("no activity") << "1" << "" << -1 << "運動･動作名を選択してください。" << "DBCombo1" << 0;
    }
    void addDurations()
    {
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(int, stored);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(int, activity);
        setUpDay();
        F_KJUn_Nyu01 *w = open();
        if (activity)
            enter(activity, hours, minutes);
        else
            typeInto(w, "Text3_0", hours);
        click(w, "Command2");
        if (stored < 0) {
            QCOMPARE(m_msg->prompts(), QStringList{message});
            QCOMPARE(m_msg->shown().at(0).title, QStringLiteral("確認"));
            QCOMPARE(m_msg->shown().at(0).icon(), int(vbInformation));
            QCOMPARE(rowCount(), 0);
            QCOMPARE(w->vsGrid->rows(), 1);
        } else {
            QVERIFY(m_msg->shown().isEmpty());
            QCOMPARE(rowCount(), 1);
            const qint64 id = G_DB().scalar("SELECT MAX(運動時間ID) FROM 運動時間").toLongLong();
            QCOMPARE(storedMinutes(id), stored);
            QCOMPARE(w->vsGrid->rows(), 2);
            // The new row is the selected one.
            QCOMPARE(w->vsGrid->row(), 1);
            QCOMPARE(w->selectedId(), id);
            QVERIFY(w->Command3->isEnabled());
            QCOMPARE(w->vsGrid->textMatrix(1, 3), QStringLiteral("家事（掃除）"));
            QCOMPARE(child<QLabel>(w, "Label10")->text(),
                     QStringLiteral("計： %1 時間 %2 分").arg(stored / 60).arg(stored % 60));
        }
        QTRY_VERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void overwrite_data()
    {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("stored");     // -1: refused
        QTest::addColumn<QString>("message");
        QTest::newRow("changed") << "2" << "15" << 135 << "";
        QTest::newRow("minutes only") << "" << "5" << 5 << "";
        QTest::newRow("24 hours") << "24" << "" << -1 << "24時間未満の値を入力してください。";
        QTest::newRow("60 minutes") << "0" << "60" << -1 << "24時間未満の値を入力してください。";
        QTest::newRow("both empty") << "" << "" << -1 << "運動時間を入力してください。";
    }
    void overwrite()
    {
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(int, stored);
        QFETCH(QString, message);
        setUpDay();
        const qint64 first = addMinutes(G_KK_ID, 1, 30);
        const qint64 second = addMinutes(G_KK_ID, 2, 60);
        F_KJUn_Nyu01 *w = open();
        clickCell(w->vsGrid, 2, 3);
        QCOMPARE(w->selectedId(), second);
        enter(3, hours, minutes);
        click(w, "Command3");
        QCOMPARE(m_msg->shown().at(0).prompt, QStringLiteral("選択されている行に上書きします。"));
        QCOMPARE(m_msg->shown().at(0).buttons(), int(vbOKCancel));
        QCOMPARE(m_msg->shown().at(0).title, QStringLiteral("確認"));
        if (stored < 0) {
            QCOMPARE(m_msg->shown().size(), 2);
            QCOMPARE(m_msg->last(), message);
            QCOMPARE(storedMinutes(second), 60);
            QCOMPARE(G_DB().scalar("SELECT エネルギー消費量ID FROM 運動時間 WHERE 運動時間ID = ?", {second}).toInt(), 2);
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->Text3[0]));
        } else {
            QCOMPARE(m_msg->shown().size(), 1);
            QCOMPARE(storedMinutes(second), stored);
            QCOMPARE(G_DB().scalar("SELECT エネルギー消費量ID FROM 運動時間 WHERE 運動時間ID = ?", {second}).toInt(), 3);
            QCOMPARE(w->vsGrid->row(), 2);
            QCOMPARE(w->selectedId(), second);
            QCOMPARE(w->vsGrid->textMatrix(2, 3), QStringLiteral("家事（掃除）"));
            QCOMPARE(child<QLabel>(w, "Label10")->text(),
                     QStringLiteral("計： %1 時間 %2 分").arg((30 + stored) / 60).arg((30 + stored) % 60));
        }
        QCOMPARE(storedMinutes(first), 30);
    }

    void overwriteCancelled()
    {
        setUpDay();
        const qint64 id = addMinutes(G_KK_ID, 1, 30);
        F_KJUn_Nyu01 *w = open();
        enter(2, "5", "0");
        w->Text3[1]->setFocus();
        m_msg->answer(vbCancel);
        click(w, "Command3");
        QCOMPARE(m_msg->shown().size(), 1);
        QCOMPARE(storedMinutes(id), 30);
        QCOMPARE(G_DB().scalar("SELECT エネルギー消費量ID FROM 運動時間 WHERE 運動時間ID = ?", {id}).toInt(), 1);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->DBCombo1));
    }

    void overwriteOfAVanishedRow()
    {
        setUpDay();
        const qint64 id = addMinutes(G_KK_ID, 1, 30);
        F_KJUn_Nyu01 *w = open();
        G_DB().exec("DELETE FROM 運動時間 WHERE 運動時間ID = ?", {id});
        enter(2, "1", "0");
        click(w, "Command3");
        QCOMPARE(m_msg->last(), QStringLiteral("変更するレコードが見つかりません。"));
        QCOMPARE(m_msg->shown().last().title, QStringLiteral("エラー"));
        QCOMPARE(rowCount(), 0);
    }

    void deleteAsksAfterFinding_data()
    {
        QTest::addColumn<bool>("vanished");
        QTest::addColumn<int>("answer");
        QTest::newRow("deleted") << false << int(vbOK);
        QTest::newRow("cancelled") << false << int(vbCancel);
        QTest::newRow("row gone meanwhile") << true << int(vbOK);
    }
    void deleteAsksAfterFinding()
    {
        QFETCH(bool, vanished);
        QFETCH(int, answer);
        setUpDay();
        const qint64 keep = addMinutes(G_KK_ID, 1, 30);
        const qint64 gone = addMinutes(G_KK_ID, 2, 45);
        F_KJUn_Nyu01 *w = open();
        clickCell(w->vsGrid, 2, 3);
        if (vanished)
            G_DB().exec("DELETE FROM 運動時間 WHERE 運動時間ID = ?", {gone});
        m_msg->answer(answer);
        click(w, "Command4");
        if (vanished) {
            // No question about a row that is not there.
            QCOMPARE(m_msg->prompts(), QStringList{"選択した運動名が見つかりません。"});
            QCOMPARE(m_msg->shown().at(0).title, QStringLiteral("エラー"));
            return;
        }
        QCOMPARE(m_msg->prompts(), QStringList{"運動を削除します。よろしいですか。"});
        QCOMPARE(m_msg->shown().at(0).buttons(), int(vbOKCancel));
        const bool deleted = answer == vbOK;
        QCOMPARE(rowCount(), deleted ? 1 : 2);
        QCOMPARE(w->vsGrid->rows(), deleted ? 2 : 3);
        QVERIFY(G_DB().scalar("SELECT COUNT(*) FROM 運動時間 WHERE 運動時間ID = ?", {keep}).toInt() == 1);
        if (deleted) {
            QCOMPARE(w->vsGrid->row(), 0);
            QCOMPARE(w->selectedId(), 0);
            QVERIFY(!w->Command3->isEnabled() && !w->Command4->isEnabled());
            QCOMPARE(w->vsGrid->textMatrix(1, 5), QStringLiteral("0：30"));
            QCOMPARE(child<QLabel>(w, "Label10")->text(), QStringLiteral("計： 0 時間 30 分"));
            // The entry keeps what it showed.
            QCOMPARE(w->Text3[1]->text(), QStringLiteral("45"));
        } else {
            QCOMPARE(w->selectedId(), gone);
        }
    }

    void totalBeyondADay()
    {
        setUpDay();
        F_KJUn_Nyu01 *w = open();
        for (const auto &[h, m] : {std::pair{"10", "0"}, std::pair{"10", ""}, std::pair{"6", "5"}}) {
            enter(1, h, m);
            click(w, "Command2");
        }
        QVERIFY(m_msg->shown().isEmpty());
        QCOMPARE(rowCount(), 3);
        QCOMPARE(w->JikanKei(), QStringLiteral("計： 26 時間 5 分"));
        QCOMPARE(child<QLabel>(w, "Label10")->text(), QStringLiteral("計： 26 時間 5 分"));
        // The diagnosis reports it and still draws.
        click(w, "Command6");
        QCOMPARE(m_msg->prompts(), QStringList{"運動･動作時間の累計が24時間を超えています。"});
        F_KJUn_Sin01 *s = w->diagnosis();
        QVERIFY(s);
        QVERIFY(s->Gr->value(1, 1) > 0);
        QVERIFY(s->Gr->value(2, 1) > 0);
        QVERIFY(s->Command1->isEnabled());
    }

    void gridHeaderSortsAndKeepsLayout()
    {
        setUpDay();
        addMinutes(G_KK_ID, 1, 130);
        addMinutes(G_KK_ID, 2, 20);
        addMinutes(G_KK_ID, 3, 75);
        F_KJUn_Nyu01 *w = open();
        FlexGrid *g = w->vsGrid;
        moveOver(g, 0, 3);
        QCOMPARE(g->toolTipText(), QStringLiteral("クリックでソートします。"));
        moveOver(g, 1, 3);
        QCOMPARE(g->toolTipText(), QString());
        clickCell(g, 0, 5);
        QCOMPARE(g->textMatrix(1, 5), QStringLiteral("0：20"));
        QCOMPARE(g->textMatrix(3, 5), QStringLiteral("2：10"));
        for (int c : {1, 2, 4})
            QVERIFY(g->colHidden(c));
        // Selecting a sorted row fills the entry from that row.
        clickCell(g, 3, 3);
        QCOMPARE(w->DBCombo1->text(), QStringLiteral("歩行（普通）"));
        QCOMPARE(w->Text3[0]->text(), QStringLiteral("2"));
        QCOMPARE(w->Text3[1]->text(), QStringLiteral("10"));
        QCOMPARE(w->JikanKei(), QStringLiteral("計： 3 時間 45 分"));
    }

    // ---------------------------------------------------------------- picker

    void pickerSearchAndChoose()
    {
        setUpDay();
        F_KJUn_Nyu01 *w = open();
        click(w, "Command1");
        F_KJUn_Nyu01_Ken *k = w->picker();
        QVERIFY(k->isVisible());
        QCOMPARE(k->vsGrid->rows(), 5);
        QVERIFY(k->vsGrid->colHidden(1) && k->vsGrid->colHidden(4));
        QVERIFY(!k->Command2->isEnabled());

        typeInto(k, "Text1", "'");
        click(k, "Command1");
        QCOMPARE(k->vsGrid->rows(), 2);
        QCOMPARE(k->vsGrid->textMatrix(1, 3), QStringLiteral("O'Brien体操"));
        QVERIFY(!k->Command2->isEnabled());
        clickCell(k->vsGrid, 1, 3);
        QCOMPARE(k->chosenId(), 4);
        click(k, "Command2");
        QCOMPARE(w->DBCombo1->text(), QStringLiteral("O'Brien体操"));
        QCOMPARE(w->DBCombo1->boundValue().toInt(), 4);
        QVERIFY(k->isVisible());

        // A double click on the header fits the column and chooses nothing; on a row it chooses.
        typeInto(k, "Text1", "てにす");
        click(k, "Command1");
        QCOMPARE(k->vsGrid->rows(), 2);
        doubleClickCell(k->vsGrid, 0, 3);
        QCOMPARE(k->chosenId(), 0);
        QCOMPARE(w->DBCombo1->boundValue().toInt(), 4);
        doubleClickCell(k->vsGrid, 1, 3);
        QCOMPARE(w->DBCombo1->text(), QStringLiteral("テニス"));
        QVERIFY(k->isVisible());

        // Closing only hides it; the search text and the list stay.
        k->close();
        QVERIFY(!k->isVisible());
        click(w, "Command1");
        QCOMPARE(w->picker(), k);
        QCOMPARE(k->Text1->text(), QStringLiteral("てにす"));
        QCOMPARE(k->vsGrid->rows(), 2);
        click(k, "Command3");
        QVERIFY(!k->isVisible());
    }

    void pickerPlacement_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("room above and left") << 300 << 300;
        QTest::newRow("at the top left") << 10 << 20;
        QTest::newRow("at the bottom right") << 5000 << 5000;
    }
    void pickerPlacement()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        setUpDay();
        F_KJUn_Nyu01 *w = open();
        const QRect avail = w->screen()->availableGeometry();
        w->move(std::min(left, avail.right() - w->width()), std::min(top, avail.bottom() - w->height()));
        click(w, "Command1");
        F_KJUn_Nyu01_Ken *k = w->picker();
        const QRect f = w->frameGeometry();
        const QRect p = k->frameGeometry();
        QVERIFY2(avail.contains(p.topLeft()) && p.right() <= avail.right() + 1
                     && p.bottom() <= avail.bottom() + 1,
                 "picker off the screen");
        const int up = twipsToPixels(800, w), right = twipsToPixels(1600, w);
        if (f.top() >= avail.top() + up && p.height() + f.top() - up <= avail.bottom())
            QCOMPARE(p.top(), f.top() - up);
        if (f.top() < avail.top() + up)
            QCOMPARE(p.top(), avail.top());
        if (f.left() < avail.left() + right)
            QCOMPARE(p.left(), avail.left());
        else if (f.left() + right + p.width() <= avail.right() + 1)
            QCOMPARE(p.left(), f.left() + right);
    }

    // ---------------------------------------------------------------- diagnosis

    void diagnosisOfARealisticDay()
    {
        setUpDay();
        addMinutes(G_KK_ID, 1, 40);
        addMinutes(G_KK_ID, 3, 90);
        addMinutes(G_KK_ID, 2, 60);
        fx::food(1, {{"エネルギー", 356}});
        fx::food(2, {{"エネルギー", QVariant()}});
        const qint64 dish = fx::dish(G_KK_ID, "夕食");
        fx::eat(dish, G_KK_ID, 1, 250);
        fx::eat(dish, G_KK_ID, 2, 80);
        F_KJUn_Nyu01 *w = open();
        click(w, "Command1");
        click(w, "Command6");
        QVERIFY(m_msg->shown().isEmpty());
        QPointer<F_KJUn_Sin01> s = w->diagnosis();
        QVERIFY(s && s->isVisible());
        QVERIFY(!w->isVisible());
        QVERIFY(!w->picker()->isVisible());
        QCOMPARE(s->Label2->text(), G_Day_Hyouji);
        QCOMPARE(s->StBar->text(), QStringLiteral("一日の消費量と摂取エネルギーのグラフです。"));
        QCOMPARE(s->Gr->type(), Graph::Type::StackedBar);
        const double x = 0.9 * (1.2 + (2.0 * 40 + 1.4 * 90 + 6.0 * 60) / 1440.0) - 1;
        QVERIFY(qAbs(s->KatudouSisuu - x) < 1e-12);
        QVERIFY(qAbs(s->KisoTaisya - 22.1 * 60) < 1e-9); // 0.4 < X <= 0.65: no factor
        // The food without an energy adds nothing.
        QCOMPARE(s->SessyuEn, 890.0);
        QCOMPARE(s->Gr->value(1, 1), s->EnSyouhiRyou - s->KatudouTaisyaRyou);
        QCOMPARE(s->Gr->value(2, 1), s->KatudouTaisyaRyou);
        QCOMPARE(s->Gr->value(3, 2), 890.0);
        QCOMPARE(s->Gr->value(3, 1) + s->Gr->value(1, 2) + s->Gr->value(2, 2), 0.0);

        // A bar clicked tells its part; nothing else does.
        s->Gr_Click(1, 1);
        QCOMPARE(m_msg->last(), QStringLiteral("基礎代謝による消費エネルギーです。 ( ")
                                    + Kcal_Hyouji(s->EnSyouhiRyou - s->KatudouTaisyaRyou) + " kcal )");
        QCOMPARE(m_msg->shown().last().title, QStringLiteral("参考"));
        s->Gr_Click(2, 1);
        s->Gr_Click(3, 2);
        QCOMPARE(m_msg->last(), QStringLiteral("食事による摂取エネルギーです。 ( 890 kcal )"));
        const int shown = m_msg->shown().size();
        s->Gr_Click(3, 1);
        s->Gr_Click(1, 2);
        QCOMPARE(m_msg->shown().size(), shown);

        // Text copy: two lines, no line end after the values.
        s->otHyou->trigger();
        const QString text = QGuiApplication::clipboard()->text();
        const QStringList lines = text.split("\r\n");
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0), QStringLiteral("基礎代謝による消費エネルギー\t活動代謝による消費エネルギー\t摂取エネルギー"));
        QCOMPARE(lines.at(1).split('\t'),
                 QStringList({Kcal_Hyouji(s->Gr->value(1, 1)), Kcal_Hyouji(s->Gr->value(2, 1)), "890"}));
        QCOMPARE(m_msg->last(), QStringLiteral("クリップボードにテキスト形式でコピーしました。"));

        s->otGazou->trigger();
        QVERIFY(!QGuiApplication::clipboard()->pixmap().isNull());

        // Print: the question first; Cancel prints nothing. The page itself goes to a PDF here.
        m_msg->answer(vbCancel);
        s->otPrint->trigger();
        QCOMPARE(m_msg->last(), QStringLiteral("印刷を開始します。プリンタの準備はよろしいですか。"));
        QCOMPARE(s->printTitle(), QStringLiteral("      氏名 ： 太郎   日付 ： 2024年6月10日（月）"));
        QTemporaryDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("gr.pdf"));
        QVERIFY(s->printTo(printer));
        QVERIFY(QFileInfo(dir.filePath("gr.pdf")).size() > 1000);

        onModal([](QWidget *m) {
            QCOMPARE(m->windowTitle(), QStringLiteral("運動診断－アドバイス"));
            click(m, "Command1");
        }, s);
        click(s, "Command3");
        QVERIFY(!QApplication::activeModalWidget());

        // Closing comes back to the entry.
        click(s, "Command2");
        QTRY_VERIFY(!s);
        QVERIFY(w->isVisible());
    }

    void diagnosisThatStops_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("message");
        QTest::newRow("age 0") << "infant" << "0歳児のグラフ表示は判定できません。";
        QTest::newRow("before birth") << "minus" << "年齢がマイナス値になります。";
        QTest::newRow("no basal row") << "basal" << "基礎代謝基準値レコードが見つかりません。";
    }
    void diagnosisThatStops()
    {
        QFETCH(QString, what);
        QFETCH(QString, message);
        setUpDay();
        addMinutes(G_KK_ID, 2, 120);
        if (what == "infant")
            G_DB().exec("UPDATE 個人データ SET 生年月日 = ? WHERE 氏名ID = ?", {dateParam(kDay.addMonths(-5)), m_person});
        else if (what == "minus")
            G_DB().exec("UPDATE 個人データ SET 生年月日 = ? WHERE 氏名ID = ?", {dateParam(kDay.addDays(2)), m_person});
        else
            G_DB().exec("DELETE FROM 基礎代謝基準値");
        F_KJUn_Sin01 s;
        s.show();
        QCOMPARE(m_msg->prompts(), QStringList{message});
        for (int set = 1; set <= 3; ++set)
            QCOMPARE(s.Gr->value(set, 1) + s.Gr->value(set, 2), 0.0);
        // Nothing may be judged on values the computation did not reach.
        QVERIFY(!s.Command1->isEnabled());
        QVERIFY(!s.Command3->isEnabled());
        F_KJUn_Sin01_Adv adv(&s);
        QCOMPARE(adv.Text1->toPlainText(), F_KJUn_Sin01_Adv::hanteiFukaText());
        F_KJUn_Sin02 detail(&s);
        QVERIFY(detail.stopped());
        QCOMPARE(detail.vsGrid->rows(), 1);
        QVERIFY(!detail.Label4->text().contains("0.08"));
        // The text copy gives the zero bars, not the values reached.
        QCOMPARE(s.hyouText().section("\r\n", 1), QStringLiteral("0\t0\t0"));
    }

    void diagnosisOnABrokenFile()
    {
        setUpDay();
        G_DB().exec("DROP TABLE 摂取食品");
        F_KJUn_Sin01 s;
        QCOMPARE(m_msg->shown().size(), 1);
        QVERIFY(m_msg->last().startsWith(QStringLiteral("Error ")));
        QCOMPARE(m_msg->shown().at(0).title, QStringLiteral("エラー"));
        QVERIFY(!s.Command1->isEnabled() && !s.Command3->isEnabled());
        QCOMPARE(s.Gr->value(1, 1), 0.0);
    }

    // The edge days of the diagnosis, through its window, its advice and its detail table.
    void diagnosisEdges_data()
    {
        QTest::addColumn<double>("rmr");
        QTest::addColumn<QString>("minutes");   // activities of that rate
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("factor");
        QTest::addColumn<bool>("over");
        QTest::addColumn<QString>("advice");
        QTest::addColumn<QString>("total");     // the detail table's total duration
        const QString more300 = "★１日に、あと200～300kcal程度の運動をするように心掛けましょう。";
        const QString more200 = "★１日に、あと100～200kcal程度の運動をするように心掛けましょう。";
        const QString enough = "★運動量は足りています。日頃使わない筋肉を使う運動を行いましょう。";
        QTest::newRow("no activities") << 0.0 << "" << 0.08 << 0.98 << false << more300 << "24:00:00";
        QTest::newRow("X 0.4") << 16 / 15.0 << "480" << 0.4 << 0.98 << false << more200 << "24:00:00";
        QTest::newRow("X 0.65") << 1.9 << "240,240" << 0.65 << 1.0 << false << enough << "24:00:00";
        QTest::newRow("X 0.9") << 41 / 15.0 << "480" << 0.9 << 1.02 << false << enough << "24:00:00";
        QTest::newRow("exactly 24 hours") << 0.0 << "720,720" << 0.08 << 0.98 << false << more300
                                          << "00:00:00(+1日)";
        QTest::newRow("24 h 10 min") << 0.0 << "1000,450" << 0.9 * 1.2 * 1450 / 1440 - 1 << 0.98 << true
                                     << more300 << "00:10:00(+1日)";
        QTest::newRow("38 h 24 min") << 1.0 << "1200,1104" << 0.9 * 2.2 * 2304 / 1440 - 1 << 1.04 << true
                                     << enough << "14:24:00(+1日)";
    }
    void diagnosisEdges()
    {
        QFETCH(double, rmr);
        QFETCH(QString, minutes);
        QFETCH(double, x);
        QFETCH(double, factor);
        QFETCH(bool, over);
        QFETCH(QString, advice);
        QFETCH(QString, total);
        setUpDay();
        kind(9, QStringLiteral("運動"), rmr);
        for (const QString &m : minutes.split(',', Qt::SkipEmptyParts))
            addMinutes(G_KK_ID, 9, m.toInt());
        F_KJUn_Sin01 s;
        s.show();
        QCOMPARE(m_msg->prompts(), over ? QStringList{"運動･動作時間の累計が24時間を超えています。"} : QStringList{});
        QVERIFY(qAbs(s.KatudouSisuu - x) < 1e-9);
        QVERIFY(qAbs(s.KisoTaisya - 22.1 * 60 * factor) < 1e-9);
        // Drawn however long the day: basal and activity parts stacked, the intake beside.
        QVERIFY(qAbs(s.Gr->value(1, 1) + s.Gr->value(2, 1) - s.EnSyouhiRyou) < 1e-9);
        QVERIFY(s.Gr->value(1, 1) > 0);
        QVERIFY(s.Command1->isEnabled() && s.Command3->isEnabled());
        F_KJUn_Sin01_Adv adv(&s);
        QCOMPARE(adv.Text1->toPlainText(), advice);
        F_KJUn_Sin02 d(&s);
        FlexGrid *g = d.vsGrid;
        const int last = g->rows() - 1;
        QCOMPARE(g->textMatrix(last, 1), QStringLiteral("合計"));
        QCOMPARE(g->textMatrix(last, 2), total);
        const bool restRow = !total.contains("+");
        QCOMPARE(g->textMatrix(last - 1, 1) == QStringLiteral("その他（安静時）"), restRow);
        QCOMPARE(g->rows(), 1 + int(minutes.split(',', Qt::SkipEmptyParts).size()) + (restRow ? 2 : 1));
        if (rmr == 0)
            QCOMPARE(g->textMatrix(last, 3), QStringLiteral("0.00"));
        QCOMPARE(d.Label4->text(), QStringLiteral("生活活動指数（X) ： ") + Format(x, "##0.00"));
    }

    void detailTable()
    {
        setUpDay();
        addMinutes(G_KK_ID, 2, 90);
        addMinutes(G_KK_ID, 1, 30);
        kind(5, QStringLiteral("座位安静"), 0.0);
        addMinutes(G_KK_ID, 5, 60);
        fx::food(1, {{"エネルギー", 200}});
        fx::eat(fx::dish(G_KK_ID, "昼食"), G_KK_ID, 1, 1000);
        F_KJUn_Sin01 s;
        F_KJUn_Sin02 d(&s);
        d.show();
        // X = 0.9 × (1.2 + (6 × 90 + 2 × 30) / 1440) − 1 = 0.455: basal 22.1 × 60 = 1326 kcal.
        QCOMPARE(d.Label1->text(), QStringLiteral("摂取エネルギー ： 2000.00(Kcal)"));
        QCOMPARE(d.Label2->text(), QStringLiteral("消費エネルギー ： 2143.70(Kcal)"));
        QCOMPARE(d.Label3->text(), QStringLiteral("　 差　　　分 　　 ： -143.70(Kcal)"));
        QCOMPARE(d.Label4->text(), QStringLiteral("生活活動指数（X) ： 0.46"));
        QCOMPARE(d.Label3->toolTip(), QStringLiteral("摂取エネルギーから消費エネルギーを引いた値です。"));
        FlexGrid *g = d.vsGrid;
        QStringList rows;
        for (int r = 0; r < g->rows(); ++r)
            rows << g->textMatrix(r, 1) + '|' + g->textMatrix(r, 2) + '|' + g->textMatrix(r, 3);
        QCOMPARE(rows, QStringList({"行った運動･動作|時間|負荷エネルギー (Kcal)", "テニス|1:30:00|497.25",
                                    "歩行（普通）|0:30:00|55.25", "座位安静|1:00:00|0.00",
                                    "その他（安静時）|21:00:00|0.00", "合計|24:00:00|552.50"}));
        QVERIFY(g->colWidth(1) >= 2500 && g->colWidth(2) >= 1700 && g->colWidth(3) >= 1300);

        moveOver(g, 2, 3);
        QVERIFY(g->toolTipText().startsWith(QStringLiteral("※負荷エネルギー：")));
        moveOver(g, 2, 1);
        QCOMPARE(g->toolTipText(), QString());

        // The copy leaves the selector column out.
        onModal([](QWidget *m) {
            child<QRadioButton>(m, "Option1_1")->setChecked(true);
            click(m, "Command1");
        }, &d);
        d.otClip->trigger();
        const QStringList lines = QGuiApplication::clipboard()->text().split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines.at(0).startsWith(QStringLiteral("行った運動･動作\t時間\t")));
        QVERIFY(lines.at(5).startsWith(QStringLiteral("合計\t24:00:00\t")));
    }

    // ---------------------------------------------------------------- from the day window

    void openedFromTheDayWindow()
    {
        setUpDay();
        addMinutes(G_KK_ID, 2, 45);
        F_Menu01 menu;
        registerScreens(menu);
        auto *day = new F_KJNyuu01;
        QPointer<F_KJNyuu01> dayGuard(day);
        day->show();
        QVERIFY(day->Command6->isEnabled());
        click(day, "Command6");
        F_KJUn_Nyu01 *w = nullptr;
        for (QWidget *t : QApplication::topLevelWidgets()) {
            if (auto *e = qobject_cast<F_KJUn_Nyu01 *>(t))
                w = e;
        }
        QVERIFY(w);
        m_w = w;
        QVERIFY(w->isVisible());
        QVERIFY(!day->isVisible());
        QCOMPARE(w->Text1->text(), QStringLiteral("太郎"));
        QCOMPARE(w->Text2->text(), QStringLiteral("%1年%2月%3日").arg(kDay.year()).arg(kDay.month()).arg(kDay.day())
                                       + day->LabYoubi->text());
        QCOMPARE(w->vsGrid->rows(), 2);
        click(w, "Command7");
        QTRY_VERIFY(!m_w);
        QVERIFY(day->isVisible());
        delete dayGuard;
        F_KJNyuu01::setExerciseOpener({});
    }
};

QTEST_MAIN(TstExerciseWindows)
#include "tst_exercise_windows.moc"
