// The trend core: which lines are drawn on which axis, the target, the read-out, the means
// over the days with a record, the scale check, the dates and periods, and the text copy.

#include "assess_fixture.h"
#include "b_01.h"
#include "b_t01.h"
#include "testsupport.h"
#include "tou_core.h"

#include <QtTest>

using namespace mirte;
namespace fx = mirte::test::fx;

namespace {

// A three-point table with the given names of rows 1..3.
TouData table(const QString &m1, const QString &m2, const QString &m3)
{
    TouData d;
    d.points = 3;
    d.labels = {"4/1", "4/2", "4/3"};
    d.mei = {QString(), m1, m2, m3};
    d.values[1] = {60, 61.234, 62.5};
    d.values[2] = {58, 58, 58};
    d.values[3] = {8000, 9000, 1874.2857};
    d.kensuu = {1, 1, 1};
    d.tani = {"kg", m2.isEmpty() ? "" : "kg", "歩"};
    return d;
}

// Rows, axes and colours of a drawing as text: "1L12 3R14".
QString layout(const TouZu &z)
{
    QStringList out;
    for (const TouSet &s : z.sets)
        out << QStringLiteral("%1%2%3").arg(s.row).arg(s.right ? "R" : "L").arg(s.color);
    return out.join(' ');
}

void adultRow(int key, int sex)
{
    fx::kijun(key, sex, 2, {{"エネルギー係数Ｃ", 2250}, {"脂肪エネルギー比率係数Ｃ", 25}});
}

} // namespace

class TstTouCore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
        Tou_Koumoku_Settei();
    }

    // ---- drawing ----

    void drawing_data()
    {
        QTest::addColumn<bool>("energy");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("sets");
        QTest::addColumn<int>("leftCount");
        QTest::addColumn<QString>("message");
        const QStringList none{"", "", ""};
        QTest::newRow("energy") << true << QStringList{"摂取エネルギー", "エネルギー（標準所要量）", "消費エネルギー"}
                                << "1L12 2L14 3L9" << 3 << "";
        QTest::newRow("nothing found") << false << none << "" << 0 << "項目が両方とも見つかりません。";
        QTest::newRow("second only") << false << QStringList{"", "", "体重"} << "3L12" << 0 << "";
        QTest::newRow("first only") << false << QStringList{"体重", "", ""} << "1L12" << 1 << "";
        QTest::newRow("two health items") << false << QStringList{"体重", "", "歩数"} << "1L12 3R14" << 1 << "";
        QTest::newRow("nutrient and standard")
            << false << QStringList{"カルシウム", "カルシウム（標準所要量）", ""} << "1L12 2L14" << 2 << "";
        QTest::newRow("nutrient, standard, item")
            << false << QStringList{"カルシウム", "カルシウム（標準所要量）", "体重"} << "1L12 2L14 3R9" << 2 << "";
    }
    void drawing()
    {
        QFETCH(bool, energy);
        QFETCH(QStringList, names);
        QFETCH(QString, sets);
        QFETCH(int, leftCount);
        QFETCH(QString, message);
        const TouZu z = Tou_Zu(table(names[0], names[1], names[2]), energy);
        QCOMPARE(layout(z), sets);
        QCOMPARE(z.message, message);
        QCOMPARE(z.ok(), message.isEmpty());
        if (z.ok())
            QCOMPARE(z.leftCount, leftCount);
    }

    // The read-out names the unit of the axis the line is read on.
    void readOut_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("point");
        QTest::addColumn<QString>("text");
        const QStringList two{"体重", "", "歩数"};
        const QStringList three{"カルシウム", "カルシウム（標準所要量）", "体重"};
        QTest::newRow("left, one decimal kept") << two << 1 << 1 << "60.0 ( kg ) ";
        QTest::newRow("left, rounded") << two << 1 << 2 << "61.23 ( kg ) ";
        QTest::newRow("right axis") << two << 2 << 3 << "1874.29 ( 歩 ) ";
        QTest::newRow("second only is read as the right") << QStringList{"", "", "体重"} << 1 << 1
                                                         << "8000.0 ( 歩 ) ";
        QTest::newRow("standard on the left") << three << 2 << 1 << "58.0 ( kg ) ";
        QTest::newRow("third on the right") << three << 3 << 2 << "9000.0 ( 歩 ) ";
        QTest::newRow("no such set") << two << 3 << 1 << "";
        QTest::newRow("no such point") << two << 1 << 4 << "";
    }
    void readOut()
    {
        QFETCH(QStringList, names);
        QFETCH(int, set);
        QFETCH(int, point);
        QFETCH(QString, text);
        const TouData d = table(names[0], names[1], names[2]);
        QCOMPARE(Tou_Yomidasi(Tou_Zu(d, false), d, set, point), text);
    }

    // ---- own targets ----

    void target_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("flagColumn");
        QTest::addColumn<QString>("setFlag");   // the column switched on ("" none)
        QTest::addColumn<QString>("valueColumn");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("has");
        QTest::newRow("energy on") << "エネルギー" << "エネルギーflg" << "エネルギーflg" << "エネルギー" << 2000.0 << true;
        QTest::newRow("energy off, value stored") << "エネルギー" << "エネルギーflg" << "" << "エネルギー" << 2000.0 << false;
        QTest::newRow("weight") << "体重" << "体重flg" << "体重flg" << "体重" << 55.5 << true;
        QTest::newRow("lower pressure") << "血圧（下）" << "血圧flg" << "血圧flg" << "血圧（下）" << 80.0 << true;
        QTest::newRow("upper pressure") << "血圧（上）" << "血圧flg" << "血圧flg" << "血圧（上）" << 125.0 << true;
        QTest::newRow("pedometer") << "運動量（歩数計）" << "運動量（歩数計）flg" << "運動量（歩数計）flg"
                                   << "運動量（歩数計）" << 300.0 << true;
        QTest::newRow("last judged nutrient") << "亜鉛" << "亜鉛flg" << "亜鉛flg" << "亜鉛" << 9.0 << true;
        QTest::newRow("another switch on") << "カルシウム" << "カルシウムflg" << "鉄flg" << "カルシウム" << 600.0 << false;
        QTest::newRow("not a judged nutrient") << "炭水化物" << "" << "" << "" << 0.0 << false;
        QTest::newRow("no item") << "" << "" << "" << "" << 0.0 << false;
    }
    void target()
    {
        QFETCH(QString, item);
        QFETCH(QString, flagColumn);
        QFETCH(QString, setFlag);
        QFETCH(QString, valueColumn);
        QFETCH(double, value);
        QFETCH(bool, has);
        test::TempDb t;
        QCOMPARE(Mokuhyou_Flg_Column(item), flagColumn);
        QVariantMap extra;
        if (!setFlag.isEmpty())
            extra.insert(setFlag, 1);
        if (!valueColumn.isEmpty())
            extra.insert(valueColumn, value);
        const qint64 p = fx::person("太郎", QDate(1980, 4, 10), 1, extra);
        const auto got = Mokuhyou_Get(p, item);
        QCOMPARE(got.has_value(), has);
        if (has)
            QCOMPARE(*got, value);
        QVERIFY(!Mokuhyou_Get(p + 100, item)); // no such person: no target
    }

    // ---- the scale dialog ----

    void scale_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QStringList>("rewritten");
        const QString blank = "数値を入れてください。";
        const QString whole = "０以上の整数値を入れてください。";
        const QString notNum = "数値以外の文字が入っています。";
        const QString order = "最大値は、最小値より大きな値を入れてください。";
        QTest::newRow("0 to 100") << QStringList{"100", "0", "4", "1"} << "" << -1
                                  << QStringList{"100.00", "0.00", "4", "1"};
        QTest::newRow("full width, rounded") << QStringList{"１２．３４５", "-5", "2.6", "0"} << "" << -1
                                             << QStringList{"12.35", "-5.00", "3", "0"};
        QTest::newRow("lower equals upper") << QStringList{"50", "50", "0", "0"} << order << 0
                                            << QStringList{"50.00", "50.00", "0", "0"};
        QTest::newRow("equal once rounded") << QStringList{"50.001", "50", "0", "0"} << order << 0
                                            << QStringList{"50.00", "50.00", "0", "0"};
        QTest::newRow("lower above upper") << QStringList{"10", "20", "0", "0"} << order << 0
                                           << QStringList{"10.00", "20.00", "0", "0"};
        QTest::newRow("upper blank") << QStringList{" ", "0", "0", "0"} << blank << 0
                                     << QStringList{" ", "0", "0", "0"};
        QTest::newRow("lower blank") << QStringList{"5", "", "0", "0"} << blank << 1
                                     << QStringList{"5.00", "", "0", "0"};
        QTest::newRow("upper not a number") << QStringList{"abc", "0", "0", "0"} << notNum << 0
                                            << QStringList{"abc", "0", "0", "0"};
        QTest::newRow("lines blank") << QStringList{"5", "0", "", "0"} << whole << 2
                                     << QStringList{"5.00", "0.00", "", "0"};
        QTest::newRow("ticks not a number") << QStringList{"5", "0", "1", "x"} << notNum << 3
                                            << QStringList{"5.00", "0.00", "1", "x"};
        QTest::newRow("negative lines") << QStringList{"5", "0", "-1", "0"} << whole << 2
                                        << QStringList{"5.00", "0.00", "-1", "0"};
        QTest::newRow("lines that would never finish")
            << QStringList{"5", "0", "1000000000", "0"} << "０～１００の整数値を入れてください。" << 2
            << QStringList{"5.00", "0.00", "1000000000", "0"};
    }
    void scale()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        QFETCH(int, focus);
        QFETCH(QStringList, rewritten);
        const TouSyudou k = Tou_Syudou_Check({texts[0], texts[1], texts[2], texts[3]});
        QCOMPARE(k.message, message);
        QCOMPARE(k.focus, focus);
        QCOMPARE(QStringList(k.texts.begin(), k.texts.end()), rewritten);
        if (k.ok()) {
            QCOMPARE(k.upper, Val(rewritten[0]));
            QCOMPARE(k.lower, Val(rewritten[1]));
            QCOMPARE(k.lines, int(Val(rewritten[2])));
            QCOMPARE(k.ticks, int(Val(rewritten[3])));
            QVERIFY(k.lower < k.upper);
        }
    }

    // ---- dates and periods ----

    void dates_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QDate>("date");
        QTest::newRow("30 February") << QStringList{"2003", "2", "30"} << QDate();
        QTest::newRow("leap day") << QStringList{"2004", "2", "29"} << QDate(2004, 2, 29);
        QTest::newRow("leap day of a common year") << QStringList{"2003", "2", "29"} << QDate();
        QTest::newRow("leading zeros") << QStringList{"2021", "04", "07"} << QDate(2021, 4, 7);
        QTest::newRow("full width") << QStringList{"２０２１", "４", "１"} << QDate(2021, 4, 1);
        QTest::newRow("month 13") << QStringList{"2021", "13", "1"} << QDate();
        QTest::newRow("blank day") << QStringList{"2021", "4", ""} << QDate();
        QTest::newRow("letters") << QStringList{"2021", "4a", "1"} << QDate();
        QTest::newRow("a sign") << QStringList{"2021", "-4", "1"} << QDate();
        QTest::newRow("two-digit year") << QStringList{"21", "4", "1"} << QDate();
    }
    void dates()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QDate, date);
        QCOMPARE(Tou_Hiduke(boxes[0], boxes[1], boxes[2]), date);
    }

    void periods_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("days");   // to = from + days - 1
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("text");
        const QDate d(2023, 3, 1);
        QTest::newRow("one day") << d << 1 << 1 << "１日ごと　1点";
        QTest::newRow("three months") << d << 92 << 1 << "１日ごと　92点";
        QTest::newRow("a day more") << d << 93 << 7 << "１週間ごとの平均　14点";
        QTest::newRow("half a year") << d << 182 << 7 << "１週間ごとの平均　26点";
        QTest::newRow("two years over a leap day") << d << 731 << 7 << "１週間ごとの平均　105点";
        QTest::newRow("longer") << d << 732 << 0 << "";
        QTest::newRow("end before start") << d << 0 << 0 << "";
    }
    void periods()
    {
        QFETCH(QDate, from);
        QFETCH(int, days);
        QFETCH(int, step);
        QFETCH(QString, text);
        const QDate to = from.addDays(days - 1);
        QCOMPARE(Tou_Kikan_Step(from, to), step);
        QCOMPARE(Tou_Kikan_Setumei(from, to), text);
        QCOMPARE(Tou_Kikan_Step(from, QDate()), 0);
    }

    // ---- series with days without a record ----

    // Records on the 3rd and the 20th: two points with data, the mean of those two, and 0 steps
    // on the 20th is a value, not a gap.
    void monthWithTwoRecords()
    {
        test::TempDb t;
        const qint64 p = fx::person("太郎", QDate(1980, 4, 10), 1);
        fx::record(p, QDate(2021, 4, 3), 170, 60, "健康", 2, {{"歩数", 8000}});
        fx::record(p, QDate(2021, 4, 20), 170, 63, "健康", 2, {{"歩数", 0}});
        G_Simei_ID = p;
        G_Tou_Start = QDate(2021, 4, 1);
        QVERIFY(Koumoku_Tuki_Set(2, 8)); // 体重, 歩数
        const TouData d = Tou_Data(TouKikanSyu::Tuki);
        QCOMPARE(d.points, 31);
        QCOMPARE(d.labels.first(), QStringLiteral("4/1"));
        QCOMPARE(d.labels.last(), QStringLiteral("5/1"));
        QList<int> withData;
        for (int c = 1; c <= 31; ++c) {
            QCOMPARE(d.ari(c), G_Tou_Tuki.Ari(c));
            if (d.ari(c))
                withData << c;
        }
        QCOMPARE(withData, (QList<int>{3, 20}));
        QCOMPARE(d.value(1, 3), 60.0);
        QCOMPARE(d.value(1, 4), 0.0); // the table keeps its 0
        QCOMPARE(Tou_Heikin(d, 1).value(), (60 + 63) / 2.0);
        QCOMPARE(Tou_Heikin(d, 3).value(), 8000 / 2.0);
        QCOMPARE(d.tani, (std::array<QString, 3>{"kg", "", "歩"}));

        // A month nobody recorded anything in has no mean at all.
        G_Tou_Start = QDate(2020, 1, 1);
        QVERIFY(Koumoku_Tuki_Set(2, 0));
        QVERIFY(!Tou_Heikin(Tou_Data(TouKikanSyu::Tuki), 1));
    }

    // A week counts the days with a record; a week with none is a gap.
    void weeksCountTheirDays()
    {
        test::TempDb t;
        const qint64 p = fx::person("花子", QDate(1985, 1, 1), 2);
        for (int i : {0, 1, 2, 15})
            fx::record(p, QDate(2021, 4, 5).addDays(i), 160, 50 + i);
        G_Simei_ID = p;
        G_Tou_Start = QDate(2021, 4, 5);
        QVERIFY(Koumoku_Hantosi_Set(2, 0));
        const TouData d = Tou_Data(TouKikanSyu::Hantosi);
        QCOMPARE(d.points, 26);
        QCOMPARE(G_Tou_Hantosi.Kensuu[1], 3);
        QCOMPARE(G_Tou_Hantosi.Kensuu[2], 0);
        QCOMPARE(G_Tou_Hantosi.Kensuu[3], 1);
        QVERIFY(d.ari(1) && !d.ari(2) && d.ari(3) && !d.ari(4));
        QCOMPARE(d.value(1, 1), 51.0);
        QCOMPARE(Tou_Heikin(d, 1).value(), (51.0 + 65.0) / 2);
    }

    // A chosen period computes the same cells as the fixed ones over the same days.
    void chosenPeriodAgreesWithTheFixedOnes_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<bool>("energy");
        QTest::newRow("31 days, energy") << 31 << true;
        QTest::newRow("26 weeks, energy") << 182 << true;
        QTest::newRow("31 days, items") << 31 << false;
        QTest::newRow("26 weeks, items") << 182 << false;
    }
    void chosenPeriodAgreesWithTheFixedOnes()
    {
        QFETCH(int, days);
        QFETCH(bool, energy);
        test::TempDb t;
        adultRow(40, 1);
        fx::basal(40, 1, 22.3);
        fx::food(1, {{"エネルギー", 356}, {"カルシウム", 5}});
        const qint64 p = fx::person("太郎", QDate(1980, 4, 10), 1);
        const QDate from(2021, 4, 1);
        for (int i = 0; i < 200; i += 1 + i % 4) {
            const qint64 kk = fx::record(p, from.addDays(i), 170, 60 + i % 7 * 0.5);
            fx::eat(fx::dish(kk, "朝食"), kk, 1, 100 + i);
        }
        G_Simei_ID = p;
        G_Tou_Start = from;
        test::MsgRecorder msgs;
        const QDate to = from.addDays(days - 1);
        const bool daily = days == 31;
        if (energy) {
            QVERIFY(daily ? Energy_Tuki_Set() : Energy_Hantosi_Set());
            QVERIFY(Energy_Kikan_Set(from, to));
        } else {
            QVERIFY(daily ? Koumoku_Tuki_Set(14, 2) : Koumoku_Hantosi_Set(14, 2)); // カルシウム, 体重
            QVERIFY(Koumoku_Kikan_Set(from, to, 14, 2));
        }
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        const TouData fixed = Tou_Data(daily ? TouKikanSyu::Tuki : TouKikanSyu::Hantosi);
        const TouData own = Tou_Data(TouKikanSyu::Kikan);
        QCOMPARE(G_Tou_Kikan.Step, daily ? 1 : 7);
        QCOMPARE(own.points, fixed.points);
        QCOMPARE(own.labels, fixed.labels);
        QCOMPARE(own.mei, fixed.mei);
        QCOMPARE(own.kensuu, fixed.kensuu);
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(own.values[r], fixed.values[r]);
        QCOMPARE(Tou_Text(TouKikanSyu::Kikan),
                 Tou_Text(daily ? TouKikanSyu::Tuki : TouKikanSyu::Hantosi));
    }

    // The last week of a chosen period ends on its last day.
    void lastWeekIsCut()
    {
        test::TempDb t;
        const qint64 p = fx::person("花子", QDate(1985, 1, 1), 2);
        const QDate from(2022, 1, 1);
        const QDate to = from.addDays(99); // 100 days: 15 weeks, the last of 2 days
        fx::record(p, to, 160, 50);
        fx::record(p, to.addDays(1), 160, 70); // inside the 15th week, after the end
        G_Simei_ID = p;
        QVERIFY(Koumoku_Kikan_Set(from, to, 2, 0));
        QCOMPARE(G_Tou_Kikan.points(), 15);
        QCOMPARE(G_Tou_Kikan.End, to);
        QCOMPARE(G_Tou_Kikan.Kensuu[15], 1);
        QCOMPARE(G_Tou_Kikan.Value[1][15], 50.0);
        QCOMPARE(G_Tou_Kikan.Label[15], QStringLiteral("4/9"));
    }

    void unusablePeriodIsRefused_data()
    {
        QTest::addColumn<int>("days");
        QTest::newRow("end before start") << -3;
        QTest::newRow("over two years") << 800;
    }
    void unusablePeriodIsRefused()
    {
        QFETCH(int, days);
        test::TempDb t;
        G_Simei_ID = fx::person("太郎", QDate(1980, 4, 10), 1);
        const QDate from(2022, 1, 1);
        G_Tou_Kikan.Label = {"", "x"};
        test::MsgRecorder msgs;
        QVERIFY(!Energy_Kikan_Set(from, from.addDays(days)));
        QVERIFY(!Koumoku_Kikan_Set(from, from.addDays(days), 2, 0));
        QCOMPARE(msgs.prompts(), (QStringList{"期間を確認してください。", "期間を確認してください。"}));
        QCOMPARE(G_Tou_Kikan.points(), -1); // nothing of an earlier run is left
    }

    // ---- text copy ----

    void textCopy_data()
    {
        QTest::addColumn<int>("syu");
        QTest::addColumn<int>("cells");
        QTest::newRow("31 days") << int(TouKikanSyu::Tuki) << 32;
        QTest::newRow("26 weeks") << int(TouKikanSyu::Hantosi) << 27;
        QTest::newRow("chosen 45 days") << int(TouKikanSyu::Kikan) << 46;
    }
    void textCopy()
    {
        QFETCH(int, syu);
        QFETCH(int, cells);
        test::TempDb t;
        const qint64 p = fx::person("太郎", QDate(1980, 4, 10), 1);
        fx::record(p, QDate(2021, 4, 3), 170.5, 60.25);
        G_Simei_ID = p;
        G_Tou_Start = QDate(2021, 4, 1);
        switch (TouKikanSyu(syu)) {
        case TouKikanSyu::Tuki: QVERIFY(Koumoku_Tuki_Set(2, 1)); break;
        case TouKikanSyu::Hantosi: QVERIFY(Koumoku_Hantosi_Set(2, 1)); break;
        case TouKikanSyu::Kikan: QVERIFY(Koumoku_Kikan_Set(G_Tou_Start, G_Tou_Start.addDays(44), 2, 1)); break;
        }
        const QString text = Tou_Text(TouKikanSyu(syu));
        QVERIFY(text.endsWith("\t\r\n"));
        const QStringList rows = text.split("\r\n");
        QCOMPARE(rows.size(), 5); // four rows, each ended
        QVERIFY(rows.last().isEmpty());
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(rows[r].count('\t'), cells);
            const QStringList c = rows[r].split('\t');
            QVERIFY(c.last().isEmpty());
            const TouData d = Tou_Data(TouKikanSyu(syu));
            if (r == 0) {
                QCOMPARE(c[0], QString());
                QCOMPARE(c.mid(1, cells - 1), d.labels);
                continue;
            }
            QCOMPARE(c[0], d.mei[r]);
            for (int p = 1; p < cells; ++p)
                QCOMPARE(c[p].toDouble(), d.value(r, p));
        }
        const QStringList weight = rows[1].split('\t');
        QCOMPARE(weight[3 - (syu == int(TouKikanSyu::Hantosi) ? 2 : 0)], QStringLiteral("60.25"));
        QCOMPARE(weight[syu == int(TouKikanSyu::Hantosi) ? 2 : 4], QStringLiteral("0"));
    }
};

QTEST_MAIN(TstTouCore)
#include "tst_tou_core.moc"
