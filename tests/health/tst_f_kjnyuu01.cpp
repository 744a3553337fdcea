// The day window driven like a user: persons and days in a temporary database, clicks on the
// buttons, answers to the questions.

#include "b_01.h"
#include "b_t01.h"
#include "database.h"
#include "datacombo.h"
#include "f_kjnyuu01.h"
#include "f_kjnyuu01_tai.h"
#include "kenkou_core.h"
#include "guitest.h"
#include "testsupport.h"
#include "updown.h"
#include "windowrules.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>
#include <functional>

using namespace mirte;
using namespace mirte::test;

namespace {

const QDate kToday = QDate::currentDate();

qint64 addDay(qint64 person, const QDate &d, double height = 160, double weight = 55,
              const QString &memo = QString())
{
    KenkouRow r;
    r.simeiId = person;
    r.hiduke = d;
    r.sintyou = height;
    r.taijuu = weight;
    r.kenkou = QStringLiteral("妊娠前半期");
    r.kyoudo = 3;
    r.ketuatuSita = 72;
    r.ketuatuUe = 118;
    r.taion = 36.4;
    r.taisibou = 24.5;
    r.kettouti = 90;
    r.sinpaku = 66;
    r.hosuu = 8000;
    r.undouryou = 230;
    r.bikou = memo;
    return insertKenkouRow(G_DB(), r);
}

void typeDate(QWidget *w, const QDate &d)
{
    typeInto(w, "Text3_0", QString::number(d.year()));
    typeInto(w, "Text3_1", QString::number(d.month()));
    typeInto(w, "Text3_2", QString::number(d.day()));
    child<QLineEdit>(w, "Text5")->setFocus(); // leaving the day boxes takes the day
}

QDate shownDate(QWidget *w)
{
    return formDate(child<QLineEdit>(w, "Text3_0")->text(), child<QLineEdit>(w, "Text3_1")->text(),
                    child<QLineEdit>(w, "Text3_2")->text());
}

} // namespace

class TstF_KJNyuu01 : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDb> m_db;
    std::unique_ptr<test::MsgRecorder> m_msg;
    QPointer<F_KJNyuu01> m_w;

    F_KJNyuu01 *open()
    {
        m_w = new F_KJNyuu01;
        m_w->show();
        QApplication::setActiveWindow(m_w);
        return m_w;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }
    void init()
    {
        m_db = std::make_unique<test::TempDb>();
        m_msg = std::make_unique<test::MsgRecorder>();
        G_KK_ID = 0;
        G_Simei_ID = 0;
    }
    void cleanup()
    {
        delete m_w;
        m_msg.reset();
        m_db.reset();
    }

    void opensWithoutPerson()
    {
        addPerson("太郎", QDate(1980, 1, 1), 1);
        F_KJNyuu01 *w = open();
        QVERIFY(!child<QFrame>(w, "Frame1")->isEnabled());
        QVERIFY(!child<QPushButton>(w, "Command1")->isEnabled());
        QVERIFY(!child<QPushButton>(w, "Command11")->isEnabled());
        QVERIFY(child<QToolButton>(w, "Command7_0")->isHidden());
        QCOMPARE(G_Simei_ID, 0);
        QCOMPARE(shownDate(w), kToday);
        QCOMPARE(w->statusBar()->findChild<QLabel *>("StBarText")->text(),
                 F_KJNyuu01::defaultStatusText());
    }

    void emptyPersonListNotice()
    {
        F_KJNyuu01 *w = open();
        QTest::mouseClick(child<QWidget>(w, "DBCombo1"), Qt::LeftButton);
        QCOMPARE(m_msg->last(), QStringLiteral("健康管理する人の名前が一人も登録されていません。\r\n"
                                               "「新規／一覧」ボタンで名前を登録してください。"));
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, "Command4"));
    }

    void mainUserWithoutRows()
    {
        const qint64 p = addPerson("花子", kToday.addYears(-45), 2, true);
        F_KJNyuu01 *w = open();
        QCOMPARE(G_Simei_ID, p);
        QCOMPARE(child<QComboBox>(w, "DBCombo1")->currentText(), QStringLiteral("花子"));
        QCOMPARE(child<QLabel>(w, "LabTosi")->text(), QStringLiteral("45"));
        QCOMPARE(child<QLabel>(w, "LabSeiBetu")->text(), QStringLiteral("女"));
        QCOMPARE(G_Simei_Hyouji, QStringLiteral("氏名 ： 花子"));
        QVERIFY(child<QPushButton>(w, "Command1")->isEnabled());
        for (const char *n : {"Command2", "Command9", "Command5", "Command6", "Command11"})
            QVERIFY2(!child<QPushButton>(w, n)->isEnabled(), n);
        QVERIFY(child<QToolButton>(w, "Command7_0")->isHidden());
        QCOMPARE(child<QComboBox>(w, "Combo2")->currentText(), QStringLiteral("健康"));
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentText(), QStringLiteral("普通"));
        QCOMPARE(G_KK_ID, 0);
        QVERIFY(m_msg->shown().isEmpty());
    }

    void yesterdayCarriesOver()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        addDay(p, kToday.addDays(-1), 158.5, 52, "きのう");
        F_KJNyuu01 *w = open();
        QCOMPARE(shownDate(w), kToday);
        QCOMPARE(child<QLineEdit>(w, "Text5")->text(), QStringLiteral("158.5"));
        QCOMPARE(child<QLineEdit>(w, "Text6")->text(), QStringLiteral("52"));
        QCOMPARE(child<QComboBox>(w, "Combo2")->currentText(), QStringLiteral("妊娠前半期"));
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentText(), QStringLiteral("やや重い"));
        for (const char *n : {"Text7_0", "Text7_1", "Text8", "Text9", "Text10", "Text11", "Text1",
                              "Text2", "Text12"})
            QVERIFY2(child<QLineEdit>(w, n)->text().isEmpty(), n);
        QCOMPARE(G_KK_ID, 0);
        for (const char *n : {"Command2", "Command9", "Command5", "Command6"})
            QVERIFY2(!child<QPushButton>(w, n)->isEnabled(), n);
        QVERIFY(child<QPushButton>(w, "Command11")->isEnabled());
        QVERIFY(child<QToolButton>(w, "Command7_0")->isVisible());
    }

    void todaysRowLoaded()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        const qint64 id = addDay(p, kToday, 160, 55, "けさ");
        F_KJNyuu01 *w = open();
        QCOMPARE(G_KK_ID, id);
        QCOMPARE(child<QLineEdit>(w, "Text8")->text(), QStringLiteral("36.4"));
        QCOMPARE(child<QLineEdit>(w, "Text1")->text(), QStringLiteral("8000"));
        QCOMPARE(child<QLineEdit>(w, "Text12")->text(), QStringLiteral("けさ"));
        for (const char *n : {"Command2", "Command9", "Command11"})
            QVERIFY2(child<QPushButton>(w, n)->isEnabled(), n);
        QCOMPARE(child<QLineEdit>(w, "Text4_0")->text(), QString::number(kToday.year()));
        QCOMPARE(child<QLineEdit>(w, "Text4_3")->text(), youbiText(kToday));
        QCOMPARE(G_Day_Hyouji, dayHyoujiText(QString::number(kToday.year()),
                                             QString::number(kToday.month()),
                                             QString::number(kToday.day()), youbiText(kToday)));
    }

    void addChecks_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("pressure"); // 下/上 as typed into the two boxes
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("bad day") << "31" << "160" << "50" << "" << "日付を確認してください。" << "Text3_0";
        QTest::newRow("no height") << "" << "" << "50" << "" << "身長を入力してください。" << "Text5";
        QTest::newRow("height 0") << "" << "0" << "50" << "" << "身長を入力してください。" << "Text5";
        QTest::newRow("no weight") << "" << "160" << "abc" << "" << "体重を入力してください。" << "Text6";
        QTest::newRow("both missing: height first") << "" << "" << "" << "" << "身長を入力してください。" << "Text5";
        // Typed the Japanese way round (上/下), the pressure would be stored reversed.
        QTest::newRow("pressure 上/下") << "" << "160" << "50" << "122/78"
                                     << "血圧は、（下）→（上）の順に入力してください。" << "Text7_0";
        QTest::newRow("pressure 上/下, full-width") << "" << "160" << "50" << "１２２/７８"
                                     << "血圧は、（下）→（上）の順に入力してください。" << "Text7_0";
    }
    void addChecks()
    {
        QFETCH(QString, day);
        QFETCH(QString, height);
        QFETCH(QString, weight);
        QFETCH(QString, pressure);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        addPerson("花子", QDate(1980, 4, 1), 2, true);
        F_KJNyuu01 *w = open();
        if (!day.isEmpty()) {
            typeInto(w, "Text3_1", "2");
            typeInto(w, "Text3_2", day);
        }
        typeInto(w, "Text5", height);
        typeInto(w, "Text6", weight);
        if (!pressure.isEmpty()) {
            typeInto(w, "Text7_0", pressure.section('/', 0, 0));
            typeInto(w, "Text7_1", pressure.section('/', 1, 1));
        }
        click(w, "Command1");
        QCOMPARE(m_msg->last(), message);
        QCOMPARE(m_msg->shown().last().title, QStringLiteral("確認"));
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, focus.toLatin1().constData()));
        QCOMPARE(G_DB().scalar("SELECT COUNT(*) FROM 健康状態管理").toInt(), 0);
    }

    void addStoresEmptyAsZero()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        F_KJNyuu01 *w = open();
        typeInto(w, "Text5", "161.5");
        typeInto(w, "Text6", "53");
        typeInto(w, "Text12", "はじめて");
        click(w, "Command1");
        QVERIFY2(m_msg->shown().isEmpty(), qPrintable(m_msg->last()));
        const QList<KenkouRow> rows = loadKenkouRows(G_DB(), p);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(G_KK_ID, rows.at(0).id);
        QCOMPARE(rows.at(0).hiduke, kToday);
        QCOMPARE(*rows.at(0).taion, 0.0);
        QCOMPARE(rows.at(0).kyoudo, 2);
        for (const char *n : {"Command2", "Command9", "Command11"})
            QVERIFY2(child<QPushButton>(w, n)->isEnabled(), n);
        QVERIFY(child<QToolButton>(w, "Command7_0")->isVisible());

        // Loaded again, a measure not entered is an empty box, not "0".
        delete m_w;
        w = open();
        QCOMPARE(child<QLineEdit>(w, "Text8")->text(), QString());
        QCOMPARE(child<QLineEdit>(w, "Text7_1")->text(), QString());
        QCOMPARE(child<QLineEdit>(w, "Text12")->text(), QStringLiteral("はじめて"));
    }

    void duplicateDayRefused()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        addDay(p, kToday);
        F_KJNyuu01 *w = open();
        click(w, "Command1");
        QCOMPARE(m_msg->last(), longDateText(kToday) + "の健康状態は既に記録されているので、追加できません。");
        QCOMPARE(G_DB().scalar("SELECT COUNT(*) FROM 健康状態管理").toInt(), 1);
    }

    void moveRowToFreeDay_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("moved");
        QTest::newRow("OK") << int(vbOK) << true;
        QTest::newRow("Cancel") << int(vbCancel) << false;
    }
    void moveRowToFreeDay()
    {
        QFETCH(int, answer);
        QFETCH(bool, moved);
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        const qint64 id = addDay(p, QDate(2001, 1, 5));
        F_KJNyuu01 *w = open();
        click(w, "Command7_0"); // the latest saved row
        m_msg->clear();
        QCOMPARE(G_KK_ID, id);
        typeDate(w, QDate(2001, 1, 9));
        m_msg->answer(answer);
        click(w, "Command2");
        QCOMPARE(m_msg->prompts(), QStringList{"[2001/01/05]の記録を[2001/01/09]に移します。"
                                               "この日の食事と運動の記録も一緒に移ります。よろしいですか？"});
        QCOMPARE(loadKenkouRow(G_DB(), id)->hiduke, moved ? QDate(2001, 1, 9) : QDate(2001, 1, 5));
        if (moved)
            QCOMPARE(child<QLineEdit>(w, "Text4_2")->text(), QStringLiteral("9"));
    }

    void moveRowOntoTakenDayRefused()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        addDay(p, QDate(2001, 1, 4));
        const qint64 id = addDay(p, QDate(2001, 1, 5));
        F_KJNyuu01 *w = open();
        click(w, "Command7_0");
        typeDate(w, QDate(2001, 1, 4));
        m_msg->clear();
        click(w, "Command2");
        QCOMPARE(m_msg->prompts(),
                 (QStringList{redateQuestion(QDate(2001, 1, 5), QDate(2001, 1, 4)),
                              "2001年1月4日の健康状態は既に記録されているので、追加できません。"}));
        QCOMPARE(loadKenkouRow(G_DB(), id)->hiduke, QDate(2001, 1, 5));
    }

    void updateWritesFields()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        const qint64 id = addDay(p, kToday);
        F_KJNyuu01 *w = open();
        typeInto(w, "Text6", "54.2");
        typeInto(w, "Text9", "");
        click(w, "Command2");
        QVERIFY2(m_msg->shown().isEmpty(), qPrintable(m_msg->last()));
        const auto r = loadKenkouRow(G_DB(), id);
        QCOMPARE(*r->taijuu, 54.2);
        QCOMPARE(*r->taisibou, 0.0);
        // Saved: nothing left to ask about when closing.
        QVERIFY(w->close());
        QVERIFY(m_msg->shown().isEmpty());
    }

    void upDownBounds()
    {
        addPerson("花子", QDate(1900, 1, 1), 2, true);
        F_KJNyuu01 *w = open();
        auto *ud = child<UpDown>(w, "UpDown1");
        QTest::mouseClick(ud->upButton(), Qt::LeftButton);
        QCOMPARE(w->ThisDate, kToday);
        QCOMPARE(shownDate(w), kToday);
        QTest::mouseClick(ud->downButton(), Qt::LeftButton);
        QCOMPARE(w->ThisDate, kToday.addDays(-1));
        QCOMPARE(child<QLabel>(w, "LabYoubi")->text(), youbiText(kToday.addDays(-1)));
        QTest::mouseClick(ud->upButton(), Qt::LeftButton);
        QTest::mouseClick(ud->upButton(), Qt::LeftButton);
        QCOMPARE(w->ThisDate, kToday);

        typeDate(w, QDate(1900, 1, 2));
        QCOMPARE(w->ThisDate, QDate(1900, 1, 2));
        QTest::mouseClick(ud->downButton(), Qt::LeftButton);
        QCOMPARE(w->ThisDate, QDate(1900, 1, 1));
        QTest::mouseClick(ud->downButton(), Qt::LeftButton);
        QCOMPARE(w->ThisDate, QDate(1900, 1, 1));
        QCOMPARE(shownDate(w), QDate(1900, 1, 1));
        // A day typed into a box that still has the focus is the one the arrows start from.
        typeDate(w, QDate(2020, 3, 10));
        typeInto(w, "Text3_2", "20");
        QCOMPARE(w->ThisDate, QDate(2020, 3, 10));
        QTest::mouseClick(ud->downButton(), Qt::LeftButton);
        QCOMPARE(w->ThisDate, QDate(2020, 3, 19));
        QCOMPARE(shownDate(w), QDate(2020, 3, 19));
        QCOMPARE(child<QLabel>(w, "LabYoubi")->text(), youbiText(QDate(2020, 3, 19)));

        // A typed day may lie in the future.
        typeDate(w, kToday.addDays(3));
        QCOMPARE(w->ThisDate, kToday.addDays(3));
        QCOMPARE(G_KK_ID, 0);
    }

    // The arrows, 暦 and 今日 go to a day: its record, or a new day carrying the body measures
    // of the day before; the record shown before never moves with them.
    void arrowsAndTodayGoToTheDay()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        const qint64 older = addDay(p, kToday.addDays(-5), 160, 51);
        const qint64 recent = addDay(p, kToday.addDays(-2), 160, 53);
        F_KJNyuu01 *w = open();
        auto *ud = child<UpDown>(w, "UpDown1");
        auto *weight = child<QLineEdit>(w, "Text6");
        QTest::mouseClick(ud->downButton(), Qt::LeftButton);
        QCOMPARE(G_KK_ID, 0); // yesterday: nothing stored
        QTest::mouseClick(ud->downButton(), Qt::LeftButton);
        QCOMPARE(G_KK_ID, recent);
        QCOMPARE(child<QLineEdit>(w, "Text8")->text(), QStringLiteral("36.4"));
        QVERIFY(child<QPushButton>(w, "Command2")->isEnabled());
        QCOMPARE(child<QLineEdit>(w, "Text4_2")->text(), QString::number(kToday.addDays(-2).day()));
        QTest::mouseClick(ud->downButton(), Qt::LeftButton);
        QCOMPARE(G_KK_ID, 0);
        QCOMPARE(weight->text(), QStringLiteral("51")); // carried from five days ago
        QCOMPARE(child<QLineEdit>(w, "Text8")->text(), QString());
        QVERIFY(!child<QPushButton>(w, "Command2")->isEnabled());
        QVERIFY(m_msg->shown().isEmpty());

        // Typed entries are asked about; Cancel keeps the day and the entries.
        typeInto(weight, "52");
        m_msg->answer(vbCancel);
        QTest::mouseClick(ud->upButton(), Qt::LeftButton);
        QCOMPARE(m_msg->shown().size(), 1);
        QCOMPARE(w->ThisDate, kToday.addDays(-3));
        QCOMPARE(shownDate(w), kToday.addDays(-3));
        QCOMPARE(weight->text(), QStringLiteral("52"));
        QTest::mouseClick(ud->upButton(), Qt::LeftButton); // OK
        QCOMPARE(G_KK_ID, recent);
        QCOMPARE(weight->text(), QStringLiteral("53"));

        m_msg->clear();
        click(child<QWidget>(w, "DatePick1"), "CmdToday");
        QVERIFY(m_msg->shown().isEmpty());
        QCOMPARE(w->ThisDate, kToday);
        QCOMPARE(G_KK_ID, 0);
        QCOMPARE(weight->text(), QStringLiteral("53"));
        QVERIFY(!child<QPushButton>(w, "Command5")->isEnabled());
        QCOMPARE(loadKenkouRow(G_DB(), recent)->hiduke, kToday.addDays(-2));
        QCOMPARE(loadKenkouRow(G_DB(), older)->hiduke, kToday.addDays(-5));
    }

    void birthdayMessageAndChartNotice()
    {
        addPerson("花子", kToday.addYears(-30), 2, true);
        F_KJNyuu01 *w = open();
        QCOMPARE(child<QLabel>(w, "LabTosi")->text(), QStringLiteral("30"));
        typeDate(w, kToday.addYears(-31));
        QCOMPARE(m_msg->last(), QStringLiteral("誕生日より昔の記録です。"));
        QVERIFY(child<QLabel>(w, "LabTosi")->text().isEmpty());

        // A blank age counts as under 20: the notice, then the 20–29 chart.
        typeInto(w, "Text5", "158");
        typeInto(w, "Text6", "50");
        m_msg->clear();
        QString title;
        onModal([&](QWidget *m) { title = m->windowTitle(); });
        click(w, "Command10");
        QCOMPARE(m_msg->prompts(), QStringList{"表示されるグラフは、２０歳～２９歳用となります。"});
        QCOMPARE(title, QStringLiteral("肥満とやせの判定図［２０歳～２９歳・女］"));
    }

    void chartButtonChecks_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("notices");
        QTest::addColumn<QString>("title");
        QTest::newRow("45, pregnant") << 45 << "妊娠後半期"
                                      << QStringList{"表示されるグラフは、通常時（妊娠中でない）のグラフです。"}
                                      << "肥満とやせの判定図［４０歳～４９歳・女］";
        QTest::newRow("19, nursing") << 19 << "授乳期"
                                     << QStringList{"表示されるグラフは、２０歳～２９歳用となります。"}
                                     << "肥満とやせの判定図［２０歳～２９歳・女］";
        QTest::newRow("19, early pregnancy")
            << 19 << "妊娠前半期"
            << QStringList{"表示されるグラフは、２０歳～２９歳用となります。",
                           "表示されるグラフは、通常時（妊娠中でない）のグラフです。"}
            << "肥満とやせの判定図［２０歳～２９歳・女］";
        QTest::newRow("60") << 60 << "健康" << QStringList{} << "肥満とやせの判定図［６０歳～・女］";
    }
    void chartButtonChecks()
    {
        QFETCH(int, age);
        QFETCH(QString, state);
        QFETCH(QStringList, notices);
        QFETCH(QString, title);
        addPerson("花子", kToday.addYears(-age), 2, true);
        F_KJNyuu01 *w = open();
        auto *combo = child<QComboBox>(w, "Combo2");
        combo->setCurrentIndex(combo->findText(state));
        typeInto(w, "Text5", "158");
        typeInto(w, "Text6", "50");
        QString shown;
        onModal([&](QWidget *m) { shown = m->windowTitle(); });
        click(w, "Command10");
        QCOMPARE(m_msg->prompts(), notices);
        QCOMPARE(shown, title);
    }

    void chartRangeEdges_data()
    {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<bool>("hLine");
        QTest::addColumn<bool>("wLine");
        QTest::newRow("130 cm / 30 kg") << "130" << "30" << true << true;
        QTest::newRow("190 cm / 100 kg") << "190" << "100" << true << true;
        QTest::newRow("200 cm / 70 kg") << "200" << "70" << false << true;
        QTest::newRow("129.9 cm / 100.1 kg") << "129.9" << "100.1" << false << false;
    }
    void chartRangeEdges()
    {
        QFETCH(QString, height);
        QFETCH(QString, weight);
        QFETCH(bool, hLine);
        QFETCH(bool, wLine);
        addPerson("花子", kToday.addYears(-45), 2, true);
        F_KJNyuu01 *w = open();
        typeInto(w, "Text5", height);
        typeInto(w, "Text6", weight);
        ChartMarks marks;
        QString comment;
        onModal([&](QWidget *m) {
            auto *tai = qobject_cast<F_KJNyuu01_Tai *>(m);
            QVERIFY(tai);
            marks = tai->Picture1->marks();
            comment = tai->comment();
        });
        click(w, "Command10");
        QVERIFY(m_msg->shown().isEmpty());
        QCOMPARE(marks.heightLine, hLine);
        QCOMPARE(marks.weightLine, wLine);
        QCOMPARE(marks.point, hLine && wLine);
        QCOMPARE(comment.startsWith(QStringLiteral("　身長：表示範囲外です。")), !hLine);
        QCOMPARE(comment.contains(QStringLiteral("　体重：表示範囲外です。")), !wLine);
        QVERIFY(comment.contains(QStringLiteral("　　") + height + QStringLiteral(" (cm)")));
        QVERIFY(comment.endsWith(QStringLiteral("　　") + weight + QStringLiteral(" (kg)")));
    }

    void chartNeedsHeightAndWeight()
    {
        addPerson("花子", kToday.addYears(-40), 2, true);
        F_KJNyuu01 *w = open();
        typeInto(w, "Text5", "");
        typeInto(w, "Text6", "50");
        click(w, "Command10");
        QCOMPARE(m_msg->last(), QStringLiteral("身長を入力してください。"));
        typeInto(w, "Text5", "150");
        typeInto(w, "Text6", "-3");
        click(w, "Command10");
        QCOMPARE(m_msg->last(), QStringLiteral("体重を入力してください。"));
        QCOMPARE(m_msg->shown().size(), 2);
    }

    void deleteLastRow()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        const qint64 id = addDay(p, kToday, 160, 55, "消す");
        G_DB().exec("INSERT INTO エネルギー消費量 (エネルギー消費量ID, 運動名称) VALUES (1, '歩行')");
        G_DB().insert("運動時間", {{"健康状態管理ID", id}, {"エネルギー消費量ID", 1}, {"時間", 0.05}});
        F_KJNyuu01 *w = open();
        click(w, "Command9");
        QCOMPARE(m_msg->last(), longDateText(kToday) + "の健康状態の記録を削除します。よろしいですか。");
        QCOMPARE(G_DB().scalar("SELECT COUNT(*) FROM 健康状態管理").toInt(), 0);
        QCOMPARE(G_DB().scalar("SELECT COUNT(*) FROM 運動時間").toInt(), 0);
        QCOMPARE(G_KK_ID, 0);
        QCOMPARE(shownDate(w), kToday);
        QVERIFY(child<QLineEdit>(w, "Text5")->text().isEmpty());
        QVERIFY(child<QLineEdit>(w, "Text12")->text().isEmpty());
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentText(), QStringLiteral("普通"));
        QVERIFY(child<QToolButton>(w, "Command7_0")->isHidden());
        QVERIFY(!child<QPushButton>(w, "Command2")->isEnabled());
        QVERIFY(!child<QPushButton>(w, "Command9")->isEnabled());
        QVERIFY(child<QPushButton>(w, "Command11")->isEnabled());
        // The emptied list opens and its 選択 does no harm.
        onModal([](QWidget *m) { QTest::mouseClick(child<QPushButton>(m, "Command2"), Qt::LeftButton); });
        click(w, "Command11");
        QCOMPARE(G_KK_ID, 0);
    }

    void deleteGoesToPreviousRow()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        const qint64 a = addDay(p, QDate(2020, 1, 1), 160, 50);
        addDay(p, QDate(2020, 1, 2), 160, 51);
        const qint64 c = addDay(p, QDate(2020, 1, 3), 160, 52);
        F_KJNyuu01 *w = open();
        click(w, "Command7_0"); // 1/3
        click(w, "Command7_0"); // 1/2
        m_msg->answer(vbCancel);
        click(w, "Command9");
        QCOMPARE(G_DB().scalar("SELECT COUNT(*) FROM 健康状態管理").toInt(), 3);
        click(w, "Command9");
        QCOMPARE(G_KK_ID, a);
        QCOMPARE(shownDate(w), QDate(2020, 1, 1));
        QCOMPARE(child<QLineEdit>(w, "Text6")->text(), QStringLiteral("50"));
        // The first row: nothing before it, the next one becomes current.
        click(w, "Command9");
        QCOMPARE(G_KK_ID, c);
        QCOMPARE(shownDate(w), QDate(2020, 1, 3));
    }

    void navigation()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        const qint64 a = addDay(p, QDate(2020, 1, 1), 160, 50);
        const qint64 b = addDay(p, QDate(2020, 1, 2), 160, 51);
        F_KJNyuu01 *w = open();
        // Unsaved today, earlier rows exist: the change check asks even though nothing was typed.
        m_msg->answer(vbCancel);
        click(w, "Command7_1");
        QCOMPARE(m_msg->prompts(),
                 QStringList{"内容が変更されています。更新する場合は、キャンセルし「変更」ボタンを押してください。"});
        m_msg->clear();
        click(w, "Command7_1");
        QCOMPARE(m_msg->last(), QStringLiteral("データは、ありません。"));
        QCOMPARE(G_KK_ID, 0);

        m_msg->clear();
        click(w, "Command7_0"); // jumps to the latest row
        QCOMPARE(G_KK_ID, b);
        QCOMPARE(shownDate(w), QDate(2020, 1, 2));
        QVERIFY(child<QPushButton>(w, "Command2")->isEnabled());
        QVERIFY(child<QPushButton>(w, "Command9")->isEnabled());
        QCOMPARE(child<QLineEdit>(w, "Text4_2")->text(), QStringLiteral("2"));

        m_msg->clear();
        click(w, "Command7_1");
        QCOMPARE(m_msg->prompts(), QStringList{"データは、ありません。"}); // no question: unchanged
        QCOMPARE(G_KK_ID, b);
        click(w, "Command7_0");
        QCOMPARE(G_KK_ID, a);
        QCOMPARE(child<QLineEdit>(w, "Text6")->text(), QStringLiteral("50"));
        m_msg->clear();
        click(w, "Command7_0");
        QCOMPARE(m_msg->prompts(), QStringList{"データは、ありません。"});
        QCOMPARE(G_KK_ID, a);

        // A typed change makes the buttons ask; OK throws it away.
        typeInto(w, "Text6", "70");
        m_msg->clear();
        click(w, "Command7_1");
        QCOMPARE(m_msg->shown().size(), 1);
        QCOMPARE(G_KK_ID, b);
        QCOMPARE(child<QLineEdit>(w, "Text6")->text(), QStringLiteral("51"));
    }

    void closeAsksOnUnsavedDay()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        addDay(p, kToday.addDays(-1));
        F_KJNyuu01 *w = open();
        QSignalSpy closed(w, &F_KJNyuu01::closed);
        m_msg->answer(vbCancel);
        click(w, "Command3");
        QCOMPARE(m_msg->shown().size(), 1);
        QVERIFY(w->isVisible());
        QCOMPARE(closed.count(), 0);
        click(w, "Command3");
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY(m_w.isNull()); // the window goes away once closed
    }

    void listAsksThenOpens()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        addDay(p, kToday.addDays(-1));
        F_KJNyuu01 *w = open();
        m_msg->answer(vbCancel);
        bool opened = false;
        click(w, "Command11");
        QVERIFY(!opened);
        QCOMPARE(m_msg->shown().size(), 1);
        onModal([&](QWidget *m) { opened = m->objectName() == "F_KJNyuu01_Iti"; });
        click(w, "Command11");
        QVERIFY(opened);
    }

    void lightIntensityNotice()
    {
        addPerson("花子", QDate(1980, 4, 1), 2, true);
        F_KJNyuu01 *w = open();
        auto *combo = child<QComboBox>(w, "Combo1");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Up); // 普通 -> 軽い, as chosen by the user
        QCOMPARE(combo->currentText(), QStringLiteral("軽い"));
        QCOMPARE(m_msg->shown().size(), 1);
        QCOMPARE(m_msg->shown().at(0).title, QStringLiteral("確認：生活強度について"));
        QVERIFY(m_msg->last().startsWith("　「軽い」は、病気や入院等で運動できない場合に選択してください。\r\n\r\n　"));
        QCOMPARE(m_msg->last().split("\r\n").size(), 4);
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(m_msg->shown().size(), 1);
    }

    void mealsAndExerciseButtons()
    {
        const qint64 p = addPerson("花子", kToday.addYears(-45), 2, true);
        G_DB().exec("UPDATE 個人データ SET エネルギー = 1800, エネルギーflg = 1 WHERE 氏名ID = ?", {p});
        G_DB().insert("標準所要量", {{"年齢（範囲１）", 40}, {"性別", 2}, {"生活強度", 3},
                                     {"ビタミンＫ", 65}});
        addDay(p, kToday);
        F_KJNyuu01 *w = open();
        auto *meals = child<QPushButton>(w, "Command5");
        auto *exercise = child<QPushButton>(w, "Command6");
        // Their windows come later: disabled, saying so.
        QVERIFY(!meals->isEnabled());
        QVERIFY(!exercise->isEnabled());
        QVERIFY(meals->toolTip().contains("次の版"));
        QVERIFY(exercise->toolTip().contains("次の版"));

        // The change check comes first.
        typeInto(w, "Text6", "60");
        w->Command5_Click();
        QCOMPARE(m_msg->last(), QStringLiteral("内容が変更されています。「変更」ボタンを押してください。"));
        w->Command6_Click();
        QCOMPARE(m_msg->shown().size(), 2);
        typeInto(w, "Text6", "55");

        // Then the standard of the day and the own targets, and the window once one is given.
        G_Syoyouryou = {};
        QPointer<QWidget> opened;
        F_KJNyuu01::setMealsOpener([&](F_KJNyuu01 *caller) {
            opened = new QWidget;
            opened->setAttribute(Qt::WA_DeleteOnClose);
            return caller == w ? opened.data() : nullptr;
        });
        w->Command5_Click();
        F_KJNyuu01::setMealsOpener({});
        QCOMPARE(m_msg->shown().size(), 2);
        QCOMPARE(G_Syoyouryou[14].Syoyouryou, 65.0);
        QCOMPARE(G_Syoyouryou[0].Mokuhyou, 1800.0);
        QVERIFY(G_Syoyouryou[0].Mokuhyou_Flg);
        QVERIFY(opened);
        QVERIFY(!w->isVisible());
        opened->close();
        QTRY_VERIFY(w->isVisible());
    }

    void enterMovesOnAndBoxesHoldOneNumber()
    {
        addPerson("花子", kToday.addYears(-45), 2, true);
        F_KJNyuu01 *w = open();
        auto *height = child<QLineEdit>(w, "Text5");
        height->setFocus();
        QTest::keyClicks(height, "158.2.5x");
        QCOMPARE(height->text(), QStringLiteral("158.25"));
        QTest::keyClick(height, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(w, "Text6"));
        // The memo takes any text.
        typeInto(w, "Text12", "朝は1.5km歩いた");
        QCOMPARE(child<QLineEdit>(w, "Text12")->text(), QStringLiteral("朝は1.5km歩いた"));
    }

    void mealsNeedAnAge()
    {
        // A birth date moved after a stored day: that day has no age, and no standard is computed.
        const qint64 p = addPerson("花子", kToday.addYears(-45), 2, true);
        addDay(p, kToday);
        G_DB().exec("UPDATE 個人データ SET 生年月日 = ? WHERE 氏名ID = ?", {dateParam(kToday.addDays(1)), p});
        F_KJNyuu01 *w = open();
        QCOMPARE(shownDate(w), kToday);
        QVERIFY(child<QLabel>(w, "LabTosi")->text().isEmpty());
        int calls = 0;
        F_KJNyuu01::setMealsOpener([&](F_KJNyuu01 *) -> QWidget * {
            ++calls;
            return nullptr;
        });
        G_Hyo_Nenrei = QStringLiteral("untouched");
        m_msg->clear();
        w->Command5_Click();
        F_KJNyuu01::setMealsOpener({});
        QCOMPARE(m_msg->last(), QStringLiteral("誕生日より昔の記録です。"));
        QCOMPARE(G_Hyo_Nenrei, QStringLiteral("untouched"));
        QCOMPARE(calls, 0);
    }

    // Values no person can have are refused before anything is stored; 0 in an optional box
    // still means "not measured".
    void implausibleValuesRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("weight -5") << "Text6" << "-5" << "体重は１～３００（kg）の範囲で入力してください。";
        QTest::newRow("weight 5180") << "Text6" << "5180" << "体重は１～３００（kg）の範囲で入力してください。";
        QTest::newRow("height 1308") << "Text5" << "1308" << "身長は３０～２５０（cm）の範囲で入力してください。";
        QTest::newRow("glucose -5") << "Text10" << "-5" << "血糖値は１０～１０００（mg/dl）の範囲で入力してください。";
        QTest::newRow("too long for a double") << "Text11" << QString(400, QLatin1Char('9'))
                                               << "心拍数は２０～２５０（回/分）の範囲で入力してください。";
        QTest::newRow("temperature 0 is not measured") << "Text8" << "0" << "";
        QTest::newRow("full-width 36.5") << "Text8" << "３６．５" << "";
    }
    void implausibleValuesRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, message);
        addPerson("花子", QDate(1980, 4, 1), 2, true);
        F_KJNyuu01 *w = open();
        typeInto(w, "Text5", "160");
        typeInto(w, "Text6", "55");
        auto *edit = child<QLineEdit>(w, box);
        edit->setMaxLength(500);
        typeInto(edit, value);
        click(w, "Command1");
        const int stored = G_DB().scalar("SELECT COUNT(*) FROM 健康状態管理").toInt();
        if (message.isEmpty()) {
            QVERIFY2(m_msg->shown().isEmpty(), qPrintable(m_msg->last()));
            QCOMPARE(stored, 1);
            QCOMPARE(G_DB().scalar("SELECT 体温 FROM 健康状態管理").toDouble(), Val(value));
        } else {
            QCOMPARE(m_msg->last(), message);
            QCOMPARE(m_msg->shown().last().title, QStringLiteral("確認"));
            QCOMPARE(QApplication::focusWidget(), edit);
            QCOMPARE(stored, 0);
        }
    }

    // Pregnancy and lactation only where they can apply, offered and accepted alike.
    void pregnancyStatesForWhomTheyApply_data()
    {
        QTest::addColumn<int>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("offered");
        QTest::newRow("woman of 30") << 2 << 30 << true;
        QTest::newRow("man of 30") << 1 << 30 << false;
        QTest::newRow("girl of 8") << 2 << 8 << false;
        QTest::newRow("woman of 70") << 2 << 70 << false;
    }
    void pregnancyStatesForWhomTheyApply()
    {
        QFETCH(int, sex);
        QFETCH(int, age);
        QFETCH(bool, offered);
        const qint64 p = addPerson("一人", kToday.addYears(-age).addDays(-10), sex, true);
        addDay(p, kToday.addDays(-1)); // stored as 妊娠前半期, written before the rule
        F_KJNyuu01 *w = open();
        auto *combo = child<QComboBox>(w, "Combo2");
        QCOMPARE(combo->findText("授乳期") >= 0, offered);
        QCOMPARE(combo->currentText(), QStringLiteral("妊娠前半期")); // the stored state is still shown
        click(w, "Command1");
        QCOMPARE(G_DB().scalar("SELECT COUNT(*) FROM 健康状態管理").toInt(), offered ? 2 : 1);
        if (!offered)
            QCOMPARE(m_msg->last(), kenkouNotAllowedMessage());
    }

    // The registry can change the shown person's row without HenkouFlg: the day window follows.
    void editedPersonRefreshesAgeAndSex()
    {
        const qint64 p = addPerson("花子", kToday.addYears(-45), 2, true);
        addDay(p, kToday);
        F_KJNyuu01 *w = open();
        QCOMPARE(child<QLabel>(w, "LabTosi")->text(), QStringLiteral("45"));
        onModal([&](QWidget *registry) {
            G_DB().exec("UPDATE 個人データ SET 性別 = 1, 生年月日 = ? WHERE 氏名ID = ?",
                        {dateParam(kToday.addYears(-30)), p});
            registry->close();
        });
        click(w, "Command4");
        QCOMPARE(child<QLabel>(w, "LabTosi")->text(), QStringLiteral("30"));
        QCOMPARE(child<QLabel>(w, "LabSeiBetu")->text(), QStringLiteral("男"));
        QCOMPARE(child<QComboBox>(w, "Combo2")->findText("授乳期"), -1);
        QCOMPARE(G_KK_ID, loadKenkouRows(G_DB(), p).first().id);
    }

    void noStandardRowOpensNoMeals()
    {
        const qint64 p = addPerson("花子", kToday.addYears(-45), 2, true);
        addDay(p, kToday);
        F_KJNyuu01 *w = open();
        int calls = 0;
        F_KJNyuu01::setMealsOpener([&](F_KJNyuu01 *) -> QWidget * {
            ++calls;
            return nullptr;
        });
        w->Command5_Click();
        F_KJNyuu01::setMealsOpener({});
        QCOMPARE(m_msg->last(), QStringLiteral("必要所要量レコードが見つかりません。"));
        QCOMPARE(calls, 0);
    }

    // Enter presses a focused button and moves on from a list box, as it does from a box.
    void enterPressesButtonsAndLeavesCombos()
    {
        installWindowRules();
        addPerson("花子", kToday.addYears(-45), 2, true);
        F_KJNyuu01 *w = open();
        auto *combo = child<QComboBox>(w, "Combo1");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Return);
        // Past the "？" of the intensity chart, to the next box.
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, "Text7_0"));
        typeInto(w, "Text5", "160");
        typeInto(w, "Text6", "55");
        auto *add = child<QPushButton>(w, "Command1");
        add->setFocus();
        QTest::keyClick(add, Qt::Key_Return);
        QCOMPARE(G_DB().scalar("SELECT COUNT(*) FROM 健康状態管理").toInt(), 1);
    }

    // The first save shows the arrows; nothing else may move or grow for it. And the window
    // cannot be shrunk until its boxes are unreadable.
    void firstSaveMovesNothing()
    {
        installWindowRules();
        addPerson("花子", kToday.addYears(-45), 2, true);
        F_KJNyuu01 *w = open();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const int width = w->width();
        auto *add = child<QPushButton>(w, "Command1");
        const QPoint at = add->mapTo(w, QPoint());
        typeInto(w, "Text5", "160");
        typeInto(w, "Text6", "55");
        click(w, "Command1");
        QVERIFY(child<QToolButton>(w, "Command7_0")->isVisible());
        QApplication::processEvents();
        QCOMPARE(w->width(), width);
        QCOMPARE(add->mapTo(w, QPoint()), at);
        QVERIFY(w->minimumWidth() >= w->sizeHint().width() * 3 / 4);
        w->resize(100, 100);
        QVERIFY(child<QLineEdit>(w, "Text12")->width() > 100);
    }

    void mainMenuTextsAndHints()
    {
        addPerson("花子", QDate(1980, 4, 1), 2, true);
        F_KJNyuu01 *w = open();
        QCOMPARE(w->windowTitle(), QStringLiteral("健康状態入力"));
        QCOMPARE(child<QLineEdit>(w, "Text3_0")->toolTip(), QStringLiteral("西暦（例：2001）を入力します。"));
        auto *st = w->statusBar()->findChild<QLabel *>("StBarText");
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(child<QWidget>(w, "Command9"), &enter);
        QCOMPARE(st->text(), QStringLiteral("記録（１日分）を削除します。"));
        QApplication::sendEvent(child<QWidget>(w, "Frame1"), &enter);
        QCOMPARE(st->text(), F_KJNyuu01::defaultStatusText());
    }
};

QTEST_MAIN(TstF_KJNyuu01)
#include "tst_f_kjnyuu01.moc"
