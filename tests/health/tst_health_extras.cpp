// The daily record's body-build index and the past-records list's CSV file.
#include "b_01.h"
#include "csv.h"
#include "database.h"
#include "f_kjnyuu01.h"
#include "f_kjnyuu01_iti.h"
#include "filechoice.h"
#include "filechoicetest.h"
#include "guitest.h"
#include "kenkou_core.h"
#include "testsupport.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace mirte;
using namespace mirte::test;

namespace {
const QDate kToday = QDate::currentDate();

qint64 addDay(qint64 person, const QDate &d, std::optional<double> height, std::optional<double> weight,
              std::optional<double> sugar, const QString &memo)
{
    KenkouRow r;
    r.simeiId = person;
    r.hiduke = d;
    r.sintyou = height;
    r.taijuu = weight;
    r.kettouti = sugar;
    r.kenkou = QStringLiteral("健康");
    r.kyoudo = 2;
    r.bikou = memo;
    return insertKenkouRow(G_DB(), r);
}
} // namespace

class TstHealthExtras : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDb> m_db;
    std::unique_ptr<MsgRecorder> m_msg;
    QPointer<F_KJNyuu01> m_w;
    FileChoiceRecorder m_files; // what the file dialog is asked and answers

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
        m_files.asked.clear();
        G_KK_ID = 0;
        G_Simei_ID = 0;
    }
    void cleanup()
    {
        delete m_w;
        m_msg.reset();
        m_db.reset();
    }

    // The label follows each typed figure, with the index that fits the person's age.
    void indexFollowsTyping_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("shown");
        QTest::newRow("adult") << 40 << "170" << "63.6" << "BMI 22.0（普通体重）";
        QTest::newRow("adult, heavy") << 40 << "160" << "70" << "BMI 27.3（肥満(1度)）";
        QTest::newRow("child of 3") << 3 << "95" << "14" << "カウプ指数 15.5（普通）";
        QTest::newRow("child of 10") << 10 << "138" << "32" << "ローレル指数 122（普通）";
        QTest::newRow("height half typed") << 40 << "1" << "63.6" << "";
        QTest::newRow("weight erased") << 40 << "170" << "" << "";
    }
    void indexFollowsTyping()
    {
        QFETCH(int, age);
        QFETCH(QString, height);
        QFETCH(QString, weight);
        QFETCH(QString, shown);
        addPerson("花子", kToday.addYears(-age).addDays(-10), 2, true);
        m_w = new F_KJNyuu01;
        m_w->show();
        auto *lab = child<QLabel>(m_w, "LabTaikaku");
        QVERIFY(lab->text().isEmpty());
        typeInto(m_w, "Text5", "150");
        typeInto(m_w, "Text6", "50");
        const QString before = lab->text();
        QVERIFY(!before.isEmpty());
        typeInto(m_w, "Text5", height);
        typeInto(m_w, "Text6", weight);
        QCOMPARE(lab->text(), shown);
    }

    // The chosen period of the person, as written to the file, read back with the same numbers;
    // the other person's days and the days outside stay out.
    void listWritesThePeriod_data()
    {
        QTest::addColumn<int>("fromDay");
        QTest::addColumn<int>("toDay");
        QTest::newRow("whole month") << 1 << 30;
        QTest::newRow("middle") << 10 << 12;
        QTest::newRow("typed back to front") << 12 << 10;
        QTest::newRow("one day") << 5 << 5;
    }
    void listWritesThePeriod()
    {
        QFETCH(int, fromDay);
        QFETCH(int, toDay);
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        const qint64 other = addPerson("太郎", QDate(1982, 4, 1), 1);
        QMap<QDate, double> weights;
        for (int d = 1; d <= 30; ++d) {
            const QDate day(2026, 11, d);
            weights[day] = 50 + d * 0.3;
            // Blood sugar on even days only: the others must be empty cells, not 0.
            addDay(p, day, 158.5, weights[day], d % 2 ? std::nullopt : std::optional<double>(88 + d),
                   d == 10 ? QStringLiteral("頭痛, 少し\"だるい\"") : QString());
            addDay(other, day, 170, 99, 120, QString());
        }
        G_Simei_ID = p;
        G_Simei_Hyouji = QStringLiteral("氏名 ： 花子");
        F_KJNyuu01_Iti list(nullptr);
        QTemporaryDir dir;
        m_files.chosen = dir.filePath(QStringLiteral("花子"));
        bool asked = false;
        onModal([&](QWidget *m) {
            asked = m->objectName() == QLatin1String("F_KJNyuu01_Kikan");
            auto *from = child<QDateEdit>(m, "DTFrom");
            auto *to = child<QDateEdit>(m, "DTTo");
            // The dialog proposes the person's first and last day.
            QCOMPARE(from->date(), QDate(2026, 11, 1));
            QCOMPARE(to->date(), QDate(2026, 11, 30));
            from->setDate(QDate(2026, 11, fromDay));
            to->setDate(QDate(2026, 11, toDay));
            click(m, "CmdOK");
        });
        list.otCsv->trigger();
        QVERIFY(asked);
        QCOMPARE(m_files.asked.size(), 1);
        QVERIFY(m_files.asked.first().suggested.endsWith(".csv"));
        const QString path = m_files.chosen + QStringLiteral(".csv");
        QVERIFY(QFile::exists(path));
        const int first = qMin(fromDay, toDay), last = qMax(fromDay, toDay);
        QVERIFY(m_msg->last().startsWith(QStringLiteral("%1日分").arg(last - first + 1)));

        const CsvTable t = CsvTable::read(path);
        QCOMPARE(t.size(), last - first + 1);
        QVERIFY(t.hasColumn("体重(kg)"));
        QVERIFY(t.hasColumn("血糖値(mg/dl)"));
        for (int i = 0; i < t.size(); ++i) {
            const QDate day = QDate::fromString(t.value(i, "日付"), Qt::ISODate);
            QCOMPARE(day, QDate(2026, 11, first + i));
            QCOMPARE(t.value(i, "体重(kg)").toDouble(), weights.value(day));
            QCOMPARE(t.value(i, "身長(cm)"), QStringLiteral("158.5"));
            QCOMPARE(t.value(i, "生活強度"), G_Seikatu_Kyoudo.value(1));
            if (day.day() % 2)
                QCOMPARE(t.value(i, "血糖値(mg/dl)"), QString());
            else
                QCOMPARE(t.value(i, "血糖値(mg/dl)").toDouble(), 88.0 + day.day());
            QCOMPARE(t.value(i, "心拍数(回/分)"), QString());
            if (day.day() == 10)
                QCOMPARE(t.value(i, "備考"), QStringLiteral("頭痛, 少し\"だるい\""));
        }
    }

    // The calendar opens on the boxes' month with the person's recorded days marked; a day picked
    // there loads as a typed one would, and 今日 goes back to today.
    void calendarFillsTheBoxes_data()
    {
        QTest::addColumn<int>("pickOffset");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("a recorded day") << -3 << true;
        QTest::newRow("a day without record") << -2 << false;
    }
    void calendarFillsTheBoxes()
    {
        QFETCH(int, pickOffset);
        QFETCH(bool, recorded);
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        QMap<QDate, qint64> ids;
        for (int d : {-7, -5, -3, -1})
            ids[kToday.addDays(d)] = addDay(p, kToday.addDays(d), 158, 50 - d, std::nullopt, QString());
        m_w = new F_KJNyuu01;
        m_w->show();
        QApplication::setActiveWindow(m_w);
        const QDate pick = kToday.addDays(pickOffset);
        bool seen = false;
        onModal([&](QWidget *m) {
            auto *cal = child<QCalendarWidget>(m, "Calendar1");
            seen = true;
            QCOMPARE(cal->selectedDate(), kToday);
            for (int d = -7; d <= 0; ++d) {
                const bool bold = cal->dateTextFormat(kToday.addDays(d)).fontWeight() == QFont::Bold;
                QCOMPARE(bold, ids.contains(kToday.addDays(d)));
            }
            cal->setSelectedDate(pick);
            emit cal->clicked(pick);
        });
        click(m_w, "CmdCalendar");
        QVERIFY(seen);
        QCOMPARE(child<QLineEdit>(m_w, "Text3_0")->text(), QString::number(pick.year()));
        QCOMPARE(child<QLineEdit>(m_w, "Text3_1")->text(), QString::number(pick.month()));
        QCOMPARE(child<QLineEdit>(m_w, "Text3_2")->text(), QString::number(pick.day()));
        // Taken as typed: the weekday follows, the record shown stays the one of the boxes before.
        QCOMPARE(child<QLabel>(m_w, "LabYoubi")->text(), youbiText(pick));
        QCOMPARE(ids.contains(pick), recorded);
        click(m_w, "CmdToday");
        QCOMPARE(child<QLineEdit>(m_w, "Text3_0")->text(), QString::number(kToday.year()));
        QCOMPARE(child<QLineEdit>(m_w, "Text3_1")->text(), QString::number(kToday.month()));
        QCOMPARE(child<QLineEdit>(m_w, "Text3_2")->text(), QString::number(kToday.day()));
        QCOMPARE(child<QLabel>(m_w, "LabYoubi")->text(), youbiText(kToday));
    }

    void listWithoutDaysWritesNothing()
    {
        const qint64 p = addPerson("花子", QDate(1980, 4, 1), 2, true);
        G_Simei_ID = p;
        F_KJNyuu01_Iti list(nullptr);
        list.otCsv->trigger();
        QCOMPARE(m_msg->last(), QStringLiteral("出力する健康状態の記録がありません。"));
        QVERIFY(m_files.asked.isEmpty());
    }
};

QTEST_MAIN(TstHealthExtras)
#include "tst_health_extras.moc"
