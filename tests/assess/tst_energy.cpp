// Energy spent on a day and the trend series of a month and of half a year.

#include "assess_fixture.h"
#include "b_01.h"
#include "b_sessyu.h"
#include "b_t01.h"
#include "testsupport.h"

#include <QtTest>

using namespace mirte;
namespace fx = mirte::test::fx;


namespace {

// Adult reference row: energy 2250, fat 25 % of it.
void adultRow(int key, int sex)
{
    fx::kijun(key, sex, 2, {{"エネルギー係数Ｃ", 2250}, {"脂肪エネルギー比率係数Ｃ", 25}});
}

// Food 1: 356 kcal, 7 g fat, 77 g carbohydrate per 100 g; food 2: 100 kcal, 1 g fat.
void foods()
{
    fx::food(1, {{"エネルギー", 356}, {"脂質", 7}, {"炭水化物", 77}});
    fx::food(2, {{"エネルギー", 100}, {"脂質", 1}});
}

void eatOn(qint64 kk, qint64 food, double grams)
{
    fx::eat(fx::dish(kk, "朝食"), kk, food, grams);
}

// 10/9 × B × (X + 1) for a basal value, weight, factor and index.
double spent(double kijun, double weight, double factor, double x)
{
    return 10.0 / 9.0 * kijun * weight * factor * (x + 1);
}

} // namespace

class TstEnergy : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
        Tou_Koumoku_Settei();
    }

    // ---- the day's expenditure ----

    void ageKeys_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("key");
        for (auto [a, k] : std::initializer_list<std::pair<int, int>>{
                 {1, 1}, {13, 13}, {19, 19}, {20, 20}, {29, 20}, {35, 30}, {49, 40}, {50, 50},
                 {59, 50}, {60, 60}, {64, 60}, {65, 65}, {69, 65}, {70, 70}, {74, 70}, {75, 75},
                 {79, 75}, {80, 80}, {97, 80}})
            QTest::addRow("%d", a) << a << k;
    }
    void ageKeys()
    {
        QFETCH(int, age);
        QFETCH(int, key);
        QCOMPARE(Kiso_Nenrei(age), key);
    }

    void basalFactor_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("factor");
        QTest::newRow("no activity") << 40 << 0.08 << 0.98;
        QTest::newRow("-10") << 40 << -10.0 << 0.98;
        QTest::newRow("below -10") << 40 << -10.5 << 1.04;
        QTest::newRow("0.4") << 14 << 0.4 << 0.98;
        QTest::newRow("0.4 built from days") << 14 << (0.9 * (1.2 + 0.32 / 0.9) - 1) << 0.98;
        QTest::newRow("just over 0.4") << 14 << 0.401 << 1.0;
        QTest::newRow("0.65") << 14 << 0.65 << 1.0;
        QTest::newRow("0.9") << 30 << 0.9 << 1.02;
        QTest::newRow("over 0.9") << 30 << 0.95 << 1.04;
        QTest::newRow("child of 13") << 13 << 0.08 << 1.0;
        QTest::newRow("child of 10, busy") << 10 << 1.5 << 1.0;
    }
    void basalFactor()
    {
        QFETCH(int, age);
        QFETCH(double, x);
        QFETCH(double, factor);
        QCOMPARE(Kiso_Keisuu(age, x), factor);
    }

    // Activities as (energy metabolic rate, days); the rest of a day under 24 hours is rest.
    void activityIndex_data()
    {
        QTest::addColumn<QList<QPointF>>("acts");
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("over24");
        QTest::addColumn<double>("factor");
        QTest::newRow("none") << QList<QPointF>{} << 0.08 << false << 0.98;
        // A = 3.2 / 12 + 1.2 × 11 / 12 = 1.366..., X = 0.23
        QTest::newRow("two hours walking") << QList<QPointF>{{2.0, 1.0 / 12}} << 0.23 << false << 0.98;
        // exactly one day: A = 1.7 × 0.5 + 2.2 × 0.5 = 1.95, no rest term
        QTest::newRow("24 hours") << QList<QPointF>{{0.5, 0.5}, {1.0, 0.5}} << 0.755 << false << 1.02;
        // 28.8 hours: A = 2.2 × 1.2 = 2.64 with no rest term (a rest term would subtract 0.24)
        QTest::newRow("over a day") << QList<QPointF>{{1.0, 0.6}, {1.0, 0.6}} << 1.376 << true << 1.04;
        // Whole minutes adding up to exactly 24 hours, whose sum in days rounds to just over 1:
        // still a full day, not more (A = 2.2, X = 0.98).
        QList<QPointF> minutes;
        for (int m : {16, 102, 10, 891, 209, 68, 144})
            minutes << QPointF(1.0, m / 1440.0);
        QTest::newRow("24 hours in minutes") << minutes << 0.98 << false << 1.04;
    }
    void activityIndex()
    {
        QFETCH(QList<QPointF>, acts);
        QFETCH(double, x);
        QFETCH(bool, over24);
        QFETCH(double, factor);
        test::TempDb t;
        fx::basal(30, 1, 22.3);
        const qint64 p = fx::person("太郎", QDate(1985, 6, 15), 1);
        const qint64 kk = fx::record(p, QDate(2020, 1, 10), 170, 60);
        for (int i = 0; i < acts.size(); ++i) {
            fx::activityKind(i + 1, acts[i].x());
            fx::activity(kk, i + 1, acts[i].y());
        }
        test::MsgRecorder msgs;
        const SyouhiEnergy e = Syouhi_Energy_Keisan(kk, 34, 1, 60);
        QVERIFY(msgs.shown().isEmpty()); // the caller decides what to say
        QVERIFY(e.ok());
        QCOMPARE(e.katudouSisuu, x);
        QCOMPARE(e.over24, over24);
        QCOMPARE(e.kisoTaisya, 22.3 * 60 * factor);
        QCOMPARE(e.enSyouhiRyou, spent(22.3, 60, factor, x));
        QCOMPARE(e.katudouTaisyaRyou, x * 22.3 * 60 * factor);
    }

    // A day with no activities: 10/9 × 0.98 × B × 1.08 = 1.176 × 基礎代謝基準値 × 体重.
    void noActivitiesAdult()
    {
        test::TempDb t;
        fx::basal(30, 1, 22.3);
        fx::basal(30, 2, 21.7);
        const qint64 p = fx::person("太郎", QDate(1985, 6, 15), 1);
        const qint64 kk = fx::record(p, QDate(2020, 1, 10), 170, 60);
        QCOMPARE(Syouhi_Energy_Keisan(kk, 34, 1, 60).enSyouhiRyou, 1.176 * 22.3 * 60);
        QCOMPARE(Syouhi_Energy_Keisan(kk, 34, 2, 50).enSyouhiRyou, 1.176 * 21.7 * 50);
    }

    void childOfTenHasNoFactor()
    {
        test::TempDb t;
        fx::basal(10, 1, 37.4);
        fx::basal(14, 1, 31.0);
        fx::activityKind(1, 1.0);
        const qint64 p = fx::person("一郎", QDate(2010, 1, 1), 1);
        const qint64 kk = fx::record(p, QDate(2020, 6, 1), 140, 30);
        fx::activity(kk, 1, 0.6);
        fx::activity(kk, 1, 0.6);
        const SyouhiEnergy ten = Syouhi_Energy_Keisan(kk, 10, 1, 30);
        QCOMPARE(ten.katudouSisuu, 1.376);
        QCOMPARE(ten.kisoTaisya, 37.4 * 30);
        QCOMPARE(ten.enSyouhiRyou, spent(37.4, 30, 1, 1.376));
        const SyouhiEnergy fourteen = Syouhi_Energy_Keisan(kk, 14, 1, 30);
        QCOMPARE(fourteen.kisoTaisya, 31.0 * 30 * 1.04);
    }

    void dayStops()
    {
        test::TempDb t;
        fx::basal(30, 1, 22.3);
        fx::activityKind(1, 1.0);
        fx::activityKind(2, 3.0);
        const qint64 p = fx::person("太郎", QDate(1985, 6, 15), 1);
        const qint64 kk = fx::record(p, QDate(2020, 1, 10), 170, 60);
        fx::activity(kk, 1, 0.25);

        // No basal row for a woman: the index is known, the basal metabolism is not.
        const SyouhiEnergy noKiso = Syouhi_Energy_Keisan(kk, 34, 2, 60);
        QCOMPARE(noKiso.status, SyouhiStatus::KisoMissing);
        QCOMPARE(noKiso.katudouSisuu, 0.9 * (2.2 * 0.25 + 1.2 * 0.75) - 1);
        QCOMPARE(noKiso.enSyouhiRyou, 0.0);

        QCOMPARE(Syouhi_Energy_Keisan(kk, 0, 1, 8).status, SyouhiStatus::Infant);

        fx::activity(kk, 2, 0.1);
        fx::removeDangling("エネルギー消費量", "エネルギー消費量ID", 2);
        const SyouhiEnergy gone = Syouhi_Energy_Keisan(kk, 34, 1, 60);
        QCOMPARE(gone.status, SyouhiStatus::KatudouMissing);
        QCOMPARE(gone.enSyouhiRyou, 0.0);
    }

    // ---- the series ----

    // Only the 3rd and the 20th have records: every other cell is 0.
    void monthWithTwoDays()
    {
        test::TempDb t;
        foods();
        adultRow(40, 1);
        fx::basal(40, 1, 22.3);
        fx::activityKind(1, 2.0);
        const qint64 p = fx::person("太郎", QDate(1980, 4, 10), 1);
        const qint64 d3 = fx::record(p, QDate(2021, 4, 3), 170, 60);
        eatOn(d3, 1, 100);
        fx::activity(d3, 1, 1.0 / 12);
        const qint64 d20 = fx::record(p, QDate(2021, 4, 20), 170, 62);
        eatOn(d20, 2, 150);
        eatOn(d20, 2, 100);
        // Someone else's day and a day after the period do not count.
        const qint64 q = fx::person("花子", QDate(1982, 1, 1), 2);
        eatOn(fx::record(q, QDate(2021, 4, 5), 160, 50), 1, 100);
        eatOn(fx::record(p, QDate(2021, 5, 2), 170, 60), 1, 100);

        G_Simei_ID = p;
        G_Tou_Start = QDate(2021, 4, 1);
        test::MsgRecorder msgs;
        QVERIFY(Energy_Tuki_Set());
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));

        const auto &tb = G_Tou_Tuki;
        QCOMPARE(tb.cell(0, 1).toString(), QStringLiteral("4/1"));
        QCOMPARE(tb.cell(0, 3).toString(), QStringLiteral("4/3"));
        QCOMPARE(tb.cell(0, 31).toString(), QStringLiteral("5/1"));
        QCOMPARE(tb.cell(1, 0).toString(), QStringLiteral("摂取エネルギー"));
        QCOMPARE(tb.cell(2, 0).toString(), QStringLiteral("エネルギー（標準所要量）"));
        QCOMPARE(tb.cell(3, 0).toString(), QStringLiteral("消費エネルギー"));
        QCOMPARE(G_Tou_Tani_Sitei, (std::array<QString, 3>{"kcal", "kcal", "kcal"}));

        QCOMPARE(tb.Value[1][3], 356.0);
        QCOMPARE(tb.Value[2][3], 2250.0);
        QCOMPARE(tb.Value[3][3], spent(22.3, 60, 0.98, 0.23));
        QCOMPARE(tb.Value[1][20], 250.0);
        QCOMPARE(tb.Value[2][20], 2250.0);
        QCOMPARE(tb.Value[3][20], 1.176 * 22.3 * 62);
        for (int c = 1; c <= 31; ++c) {
            if (c == 3 || c == 20)
                continue;
            for (int r = 1; r <= 3; ++r) {
                QCOMPARE(tb.Value[r][c], 0.0);
                QVERIFY(tb.cell(r, c).isValid());
            }
        }
        // The series agree with the day routines.
        QCOMPARE(tb.Value[1][20], Sessyuryou_Get(d20, "エネルギー"));
        QCOMPARE(tb.Value[3][3], Syouhi_Energy_Keisan(d3, 40, 1, 60).enSyouhiRyou);
    }

    // A week with records of 1800 and 2200 kcal averages 2000; days without a record do not count.
    void halfYearWeeklyAverage()
    {
        test::TempDb t;
        foods();
        adultRow(40, 1);
        fx::basal(40, 1, 22.3);
        const qint64 p = fx::person("太郎", QDate(1980, 4, 10), 1);
        const qint64 a = fx::record(p, QDate(2021, 4, 6), 170, 60);
        eatOn(a, 2, 1800);
        const qint64 b = fx::record(p, QDate(2021, 4, 9), 170, 70);
        eatOn(b, 2, 1000);
        eatOn(b, 2, 1200);
        // Week 25 starts on 9/27; 10/3 is its last day, 10/4 lies outside the half year.
        eatOn(fx::record(p, QDate(2021, 10, 3), 170, 60), 2, 500);
        eatOn(fx::record(p, QDate(2021, 10, 4), 170, 60), 2, 900);
        const qint64 q = fx::person("花子", QDate(1982, 1, 1), 2);
        eatOn(fx::record(q, QDate(2021, 4, 7), 160, 50), 2, 5000);

        G_Simei_ID = p;
        G_Tou_Start = QDate(2021, 4, 5);
        test::MsgRecorder msgs;
        QVERIFY(Energy_Hantosi_Set());
        QVERIFY(msgs.shown().isEmpty());
        const auto &tb = G_Tou_Hantosi;
        QCOMPARE(tb.cell(0, 1).toString(), QStringLiteral("4/5"));
        QCOMPARE(tb.cell(0, 2).toString(), QStringLiteral("4/12"));
        QCOMPARE(tb.cell(0, 26).toString(), QStringLiteral("9/27"));
        QCOMPARE(tb.Value[1][1], 2000.0);
        QCOMPARE(tb.Value[2][1], 2250.0);
        QCOMPARE(tb.Value[3][1], 1.176 * 22.3 * (60 + 70) / 2);
        QCOMPARE(tb.Value[1][26], 500.0);
        for (int c = 2; c <= 25; ++c)
            for (int r = 1; r <= 3; ++r)
                QCOMPARE(tb.Value[r][c], 0.0);
    }

    // A missing person computes nothing, and nothing of an earlier run is left behind.
    void missingPerson()
    {
        test::TempDb t;
        G_Tou_Tuki.Value[1][5] = 77;
        G_Tou_Hantosi.Value[3][2] = 88;
        G_Simei_ID = 999;
        G_Tou_Start = QDate(2021, 4, 1);
        test::MsgRecorder msgs;
        QVERIFY(!Energy_Tuki_Set());
        QVERIFY(!Energy_Hantosi_Set());
        QCOMPARE(msgs.prompts(), (QStringList{"対象の個人データレコードが見つかりません。",
                                              "対象の個人データレコードが見つかりません。"}));
        QCOMPARE(msgs.shown().first().title, QStringLiteral("エラー"));
        QCOMPARE(msgs.shown().first().icon(), int(vbExclamation));
        QCOMPARE(G_Tou_Tuki.Value[1][5], 0.0);
        QCOMPARE(G_Tou_Hantosi.Value[3][2], 0.0);
    }

    // A deleted activity stops the run: the cells so far stay, the rest are 0.
    void deletedActivityStops()
    {
        test::TempDb t;
        foods();
        adultRow(40, 1);
        fx::basal(40, 1, 22.3);
        fx::activityKind(1, 2.0);
        fx::activityKind(2, 3.0);
        const qint64 p = fx::person("太郎", QDate(1980, 4, 10), 1);
        eatOn(fx::record(p, QDate(2021, 4, 3), 170, 60), 1, 100);
        const qint64 d10 = fx::record(p, QDate(2021, 4, 10), 170, 60);
        eatOn(d10, 2, 300);
        fx::activity(d10, 1, 0.1);
        fx::activity(d10, 2, 0.1);
        const qint64 d20 = fx::record(p, QDate(2021, 4, 20), 170, 60);
        eatOn(d20, 2, 100);
        fx::activity(d20, 2, 0.1);
        fx::removeDangling("エネルギー消費量", "エネルギー消費量ID", 2);

        G_Simei_ID = p;
        G_Tou_Start = QDate(2021, 4, 1);
        test::MsgRecorder msgs;
        QVERIFY(!Energy_Tuki_Set());
        QCOMPARE(msgs.prompts(), QStringList{"エネルギー消費量のレコードが削除されています。"});
        QCOMPARE(msgs.shown().first().title, QStringLiteral("エラー"));
        QCOMPARE(msgs.shown().first().icon(), int(vbInformation));
        QCOMPARE(G_Tou_Tuki.Value[3][3], 1.176 * 22.3 * 60);
        QCOMPARE(G_Tou_Tuki.Value[1][10], 300.0);
        QCOMPARE(G_Tou_Tuki.Value[2][10], 2250.0);
        QCOMPARE(G_Tou_Tuki.Value[3][10], 0.0);
        QCOMPARE(G_Tou_Tuki.Value[1][20], 0.0);
        QCOMPARE(G_Tou_Tuki.cell(0, 31).toString(), QStringLiteral("5/1"));

        // In the half year the broken week is not written either.
        msgs.clear();
        G_Tou_Start = QDate(2021, 3, 29);
        QVERIFY(!Energy_Hantosi_Set());
        QCOMPARE(msgs.shown().size(), 1);
        QCOMPARE(G_Tou_Hantosi.Value[1][1], 356.0); // week of 3/29: the 3rd only
        QCOMPARE(G_Tou_Hantosi.Value[1][2], 0.0);   // week of 4/5 holds the 10th
    }

    void missingBasalRowStops()
    {
        test::TempDb t;
        foods();
        adultRow(40, 2);
        const qint64 p = fx::person("花子", QDate(1980, 4, 10), 2);
        eatOn(fx::record(p, QDate(2021, 4, 3), 160, 50), 1, 100);
        eatOn(fx::record(p, QDate(2021, 4, 4), 160, 50), 1, 100);
        G_Simei_ID = p;
        G_Tou_Start = QDate(2021, 4, 1);
        test::MsgRecorder msgs;
        QVERIFY(!Energy_Tuki_Set());
        QCOMPARE(msgs.prompts(), QStringList{"基礎代謝基準値レコードが見つかりません。"});
        QCOMPARE(msgs.shown().first().icon(), int(vbExclamation));
        QCOMPARE(G_Tou_Tuki.Value[1][3], 356.0);
        QCOMPARE(G_Tou_Tuki.Value[1][4], 0.0);
    }

    // An infant: no expenditure (said once), the standard by weight; a day before birth said once.
    void infantAndDaysBeforeBirth()
    {
        test::TempDb t;
        foods();
        fx::kijun(0, QVariant(), QVariant(), {});
        const qint64 p = fx::person("赤ちゃん", QDate(2021, 4, 10), 1);
        eatOn(fx::record(p, QDate(2021, 4, 5), 50, 3), 2, 100);
        eatOn(fx::record(p, QDate(2021, 4, 6), 50, 3), 2, 100);
        eatOn(fx::record(p, QDate(2021, 4, 15), 52, 3.5), 2, 300);
        eatOn(fx::record(p, QDate(2021, 4, 20), 52, 4), 2, 500);
        G_Simei_ID = p;
        G_Tou_Start = QDate(2021, 4, 1);
        test::MsgRecorder msgs;
        QVERIFY(Energy_Tuki_Set());
        QCOMPARE(msgs.prompts(), (QStringList{"誕生日より昔の日付が含まれます。",
                                              "１歳未満の消費エネルギーは、算出できません。"}));
        QCOMPARE(msgs.shown().at(0).title, QStringLiteral("確認"));
        QCOMPARE(msgs.shown().at(1).title, QStringLiteral("確認"));
        QCOMPARE(G_Tou_Tuki.Value[2][15], 3.5 * 120);
        QCOMPARE(G_Tou_Tuki.Value[2][20], 4 * 120.0);
        QCOMPARE(G_Tou_Tuki.Value[1][20], 500.0);
        for (int c = 1; c <= 31; ++c)
            QCOMPARE(G_Tou_Tuki.Value[3][c], 0.0);

        // The infant days count in the weekly average with an expenditure of 0.
        msgs.clear();
        G_Tou_Start = QDate(2021, 4, 14);
        QVERIFY(Energy_Hantosi_Set());
        QCOMPARE(msgs.prompts(), QStringList{"１歳未満の消費エネルギーは、算出できません。"});
        QCOMPARE(G_Tou_Hantosi.Value[1][1], (300 + 500) / 2.0);
        QCOMPARE(G_Tou_Hantosi.Value[2][1], (3.5 + 4) * 120 / 2);
        QCOMPARE(G_Tou_Hantosi.Value[3][1], 0.0);
    }

    // Two chosen items: a nutrient with its standard, a health measurement.
    void chosenItems()
    {
        test::TempDb t;
        foods();
        adultRow(40, 1);
        const qint64 p = fx::person("太郎", QDate(1980, 4, 10), 1);
        const qint64 d3 = fx::record(p, QDate(2021, 4, 3), 170, 60.5, "健康", 2,
                                     {{"血圧（下）", 82}});
        eatOn(d3, 1, 200);
        eatOn(d3, 2, 100);
        fx::record(p, QDate(2021, 4, 4), 170, 61.5);
        G_Simei_ID = p;
        G_Tou_Start = QDate(2021, 4, 1);
        test::MsgRecorder msgs;

        QVERIFY(Koumoku_Tuki_Set(11 + 2, 2)); // 脂質 and 体重
        QVERIFY(msgs.shown().isEmpty());
        const auto &tb = G_Tou_Tuki;
        QCOMPARE(tb.Mei[1], QStringLiteral("脂質"));
        QCOMPARE(tb.Mei[2], QStringLiteral("脂質（標準所要量）"));
        QCOMPARE(tb.Mei[3], QStringLiteral("体重"));
        QCOMPARE(G_Tou_Tani_Sitei, (std::array<QString, 3>{"g", "g", "kg"}));
        QCOMPARE(tb.Value[1][3], 15.0);
        QCOMPARE(tb.Value[2][3], 25 * 2250 / 900.0);
        QCOMPARE(tb.Value[3][3], 60.5);
        QCOMPARE(tb.Value[1][4], 0.0);
        QCOMPARE(tb.Value[2][4], 62.5);
        QCOMPARE(tb.Value[3][4], 61.5);

        // Codes 36..46 and the health items get no standard; the second item alone is fine.
        QVERIFY(Koumoku_Hantosi_Set(11 + 25, 4)); // 炭水化物 and 血圧（下）
        QVERIFY(msgs.shown().isEmpty());
        QCOMPARE(G_Tou_Hantosi.Mei[1], QStringLiteral("炭水化物"));
        QCOMPARE(G_Tou_Hantosi.Mei[2], QString());
        QCOMPARE(G_Tou_Hantosi.Mei[3], QStringLiteral("血圧（下）"));
        QCOMPARE(G_Tou_Tani_Sitei, (std::array<QString, 3>{"g", "", "mmHg"}));
        QCOMPARE(G_Tou_Hantosi.Value[1][1], 154.0 / 2);
        QCOMPARE(G_Tou_Hantosi.Value[2][1], 0.0);
        QCOMPARE(G_Tou_Hantosi.Value[3][1], 82.0 / 2); // the 4th records no pressure

        // Two nutrients: the first with its standard, the second without.
        QVERIFY(Koumoku_Tuki_Set(11 + 2, 11 + 25));
        QCOMPARE(G_Tou_Tuki.Value[1][3], 15.0);
        QCOMPARE(G_Tou_Tuki.Value[2][3], 62.5);
        QCOMPARE(G_Tou_Tuki.Value[3][3], 154.0);
        QCOMPARE(G_Tou_Tuki.Mei[3], QStringLiteral("炭水化物"));

        QVERIFY(Koumoku_Tuki_Set(-1, 0));
        QCOMPARE(G_Tou_Tuki.Mei[1], QString());
        QCOMPARE(G_Tou_Tuki.Mei[3], QString());
        QCOMPARE(G_Tou_Tuki.Value[1][3], 0.0);
        QCOMPARE(G_Tou_Tuki.cell(0, 3).toString(), QStringLiteral("4/3"));
    }

    void invalidItemCode_data()
    {
        QTest::addColumn<int>("code1");
        QTest::addColumn<int>("code2");
        QTest::newRow("47") << 47 << 0;
        QTest::newRow("-2 second") << 2 << -2;
    }
    void invalidItemCode()
    {
        QFETCH(int, code1);
        QFETCH(int, code2);
        test::TempDb t;
        const qint64 p = fx::person("太郎", QDate(1980, 4, 10), 1);
        fx::record(p, QDate(2021, 4, 3), 170, 60);
        G_Simei_ID = p;
        G_Tou_Start = QDate(2021, 4, 1);
        G_Tou_Tuki.Value[3][3] = 5;
        test::MsgRecorder msgs;
        QVERIFY(!Koumoku_Tuki_Set(code1, code2));
        QCOMPARE(msgs.prompts(), QStringList{"選択した項目が、無効です。"});
        QCOMPARE(msgs.shown().first().title, QStringLiteral("エラー"));
        QCOMPARE(msgs.shown().first().icon(), int(vbCritical));
        QCOMPARE(G_Tou_Tuki.Value[3][3], 0.0);
    }
};

QTEST_GUILESS_MAIN(TstEnergy)
#include "tst_energy.moc"
