// Nutrient intake of a day and of a dish: scaling rules, meal rows, totals and stops.

#include "assess_fixture.h"
#include "b_01.h"
#include "b_sessyu.h"
#include "testsupport.h"

#include <QtTest>

using namespace mirte;
namespace fx = mirte::test::fx;

namespace {

int idx(const char *name)
{
    return int(G_Eiyou_Mei.indexOf(QString::fromUtf8(name)));
}

// Food 1 has all three composition rows; food 2 only the main one.
void foods()
{
    fx::food(1, {{"エネルギー", 356}, {"たんぱく質", 6.1}, {"炭水化物", 77.1}, {"多価不飽和脂肪酸", 0.3}});
    fx::fatty(1, {{"脂肪酸・総量", 5.0}, {"脂肪酸・飽和", 1.5}, {"脂肪酸・不飽和・多価", 2.0},
                  {"酪酸", 20}, {"テトラコセン酸", 0.4}});
    fx::amino(1, {{"イソロイシン", 250}, {"アミノ酸スコア", 80}});
    fx::food(2, {{"エネルギー", 100}, {"たんぱく質", 2}});
}

qint64 day(qint64 person, const QDate &d)
{
    return fx::record(person, d, 170, 60);
}

} // namespace

class TstSessyu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }

    void emptyDay()
    {
        test::TempDb t;
        foods();
        const qint64 kk = day(fx::person("太郎", QDate(1980, 1, 1), 1), QDate(2020, 1, 1));
        G_Sessyuryou.Ryou[5][0] = 99; // left from an earlier day
        QVERIFY(Sessyuryou_Set(kk));
        for (int r = 1; r < kSessyuRows; ++r)
            for (int c = 0; c < kEiyouCount; ++c)
                QCOMPARE(G_Sessyuryou.Ryou[r][c], 0.0);
        QCOMPARE(G_Sessyuryou.cell(0, 0).toString(), QStringLiteral("エネルギー"));
        QCOMPARE(G_Sessyuryou.cell(0, 102).toString(), QStringLiteral("アミノ酸スコア"));
        QCOMPARE(G_Sessyuryou.cell(5, 0).toDouble(), 0.0);
        QCOMPARE(Sessyuryou_Get(kk, "エネルギー"), 0.0);
    }

    // 分量 150 of a food of 356 kcal adds 534; the same through the one-query total.
    void quantityScales()
    {
        test::TempDb t;
        foods();
        const qint64 kk = day(fx::person("太郎", QDate(1980, 1, 1), 1), QDate(2020, 1, 1));
        fx::eat(fx::dish(kk, "朝食"), kk, 1, 150);
        QVERIFY(Sessyuryou_Set(kk));
        QCOMPARE(G_Sessyuryou.Ryou[1][0], 534.0);
        QCOMPARE(G_Sessyuryou.Ryou[5][0], 534.0);
        QCOMPARE(G_Sessyuryou.Ryou[1][idx("炭水化物")], 77.1 * 1.5);
        QCOMPARE(G_Sessyuryou.Ryou[2][0], 0.0);
        QCOMPARE(Sessyuryou_Get(kk, "エネルギー"), 534.0);
        QCOMPARE(Sessyuryou_Get(kk, "炭水化物"), 77.1 * 1.5);
    }

    // Single fatty acids are per 100 g of total fatty acids: 20 × 100 × 5.0 ÷ 10 = 1000 mg.
    void fattyAndAminoAcids()
    {
        {
        test::TempDb t;
        foods();
        const qint64 kk = day(fx::person("太郎", QDate(1980, 1, 1), 1), QDate(2020, 1, 1));
        fx::eat(fx::dish(kk, "夕食"), kk, 1, 100);
        fx::eat(fx::dish(kk, "夕食"), kk, 2, 100); // no fatty or amino row: adds nothing there
        QVERIFY(Sessyuryou_Set(kk));
        const auto &r = G_Sessyuryou.Ryou[3];
        QCOMPARE(r[idx("酪酸")], 1000.0);
        QCOMPARE(r[idx("テトラコセン酸")], 0.4 * 100 * 5.0 / 10);
        QCOMPARE(r[idx("脂肪酸・総量")], 5.0);
        QCOMPARE(r[idx("脂肪酸・飽和")], 1.5);
        QCOMPARE(r[idx("脂肪酸・不飽和・一価")], 0.0);
        QCOMPARE(r[idx("脂肪酸・不飽和・多価")], 2.0);
        QCOMPARE(r[idx("多価不飽和脂肪酸")], 0.3);
        QCOMPARE(r[idx("イソロイシン")], 250.0);
        QCOMPARE(r[idx("アミノ酸スコア")], 80.0);
        QCOMPARE(r[0], 456.0);
        QCOMPARE(G_Sessyuryou.Ryou[5][idx("酪酸")], 1000.0);
        }

        // Twice the quantity, twice every amount.
        test::TempDb t2;
        foods();
        const qint64 kk2 = day(fx::person("太郎", QDate(1980, 1, 1), 1), QDate(2020, 1, 1));
        fx::eat(fx::dish(kk2, "夕食"), kk2, 1, 200);
        QVERIFY(Sessyuryou_Set(kk2));
        QCOMPARE(G_Sessyuryou.Ryou[3][idx("酪酸")], 2000.0);
        QCOMPARE(G_Sessyuryou.Ryou[3][idx("イソロイシン")], 500.0);
    }

    // An empty value adds 0 and the sum goes on; an empty total leaves out the single acids.
    void emptyValues()
    {
        test::TempDb t;
        fx::food(3, {{"エネルギー", QVariant()}, {"たんぱく質", 4}, {"鉄", QString()}});
        fx::fatty(3, {{"脂肪酸・総量", QVariant()}, {"脂肪酸・飽和", 1.0}, {"酪酸", 20}});
        fx::food(4, {{"エネルギー", 200}, {"鉄", 1.5}});
        const qint64 kk = day(fx::person("太郎", QDate(1980, 1, 1), 1), QDate(2020, 1, 1));
        const qint64 d = fx::dish(kk, "昼食");
        fx::eat(d, kk, 3, 100);
        fx::eat(d, kk, 4, 50);
        QVERIFY(Sessyuryou_Set(kk));
        QCOMPARE(G_Sessyuryou.Ryou[2][0], 100.0);
        QCOMPARE(G_Sessyuryou.Ryou[2][1], 4.0);
        QCOMPARE(G_Sessyuryou.Ryou[2][idx("鉄")], 0.75);
        QCOMPARE(G_Sessyuryou.Ryou[2][idx("脂肪酸・飽和")], 1.0);
        QCOMPARE(G_Sessyuryou.Ryou[2][idx("酪酸")], 0.0);
        QCOMPARE(Sessyuryou_Get(kk, "エネルギー"), 100.0);
        QCOMPARE(Sessyuryou_Get(kk, "鉄"), 0.75);
    }

    // Each meal kind has its row, the total is their sum; the one-query total takes every
    // food of the day, whatever its dish's meal kind.
    void mealRowsAndTotal()
    {
        test::TempDb t;
        foods();
        const qint64 p = fx::person("太郎", QDate(1980, 1, 1), 1);
        const qint64 kk = day(p, QDate(2020, 1, 1));
        const qint64 other = day(p, QDate(2020, 1, 2));
        fx::eat(fx::dish(kk, "朝食"), kk, 1, 100);
        fx::eat(fx::dish(kk, "昼食"), kk, 2, 100);
        const qint64 dinner = fx::dish(kk, "夕食");
        fx::eat(dinner, kk, 1, 50);
        fx::eat(dinner, kk, 2, 30);
        fx::eat(fx::dish(kk, "その他"), kk, 2, 10);
        fx::eat(fx::dish(kk, "夜食"), kk, 2, 1000); // not one of the four kinds
        fx::eat(fx::dish(other, "朝食"), other, 1, 500);
        QVERIFY(Sessyuryou_Set(kk));
        QCOMPARE(G_Sessyuryou.Ryou[1][0], 356.0);
        QCOMPARE(G_Sessyuryou.Ryou[2][0], 100.0);
        QCOMPARE(G_Sessyuryou.Ryou[3][0], 178.0 + 30.0);
        QCOMPARE(G_Sessyuryou.Ryou[4][0], 10.0);
        QCOMPARE(G_Sessyuryou.Ryou[5][0], 356.0 + 100 + 208 + 10);
        QCOMPARE(G_Sessyuryou.Ryou[5][1], 6.1 + 2 + 3.05 + 0.6 + 0.2);
        QCOMPARE(G_Sessyuryou.Ryou[5][idx("酪酸")], 1000.0 + 500.0);
        QCOMPARE(Sessyuryou_Get(kk, "エネルギー"), 674.0 + 1000.0);
    }

    // A food whose composition row is gone stops the fill where it stands.
    void deletedCompositionStops()
    {
        test::TempDb t;
        foods();
        fx::food(9, {{"エネルギー", 50}});
        const qint64 kk = day(fx::person("太郎", QDate(1980, 1, 1), 1), QDate(2020, 1, 1));
        fx::eat(fx::dish(kk, "朝食"), kk, 1, 100);
        const qint64 lunch = fx::dish(kk, "昼食");
        fx::eat(lunch, kk, 2, 100);
        fx::eat(lunch, kk, 9, 100);
        fx::eat(lunch, kk, 1, 100);
        fx::eat(fx::dish(kk, "夕食"), kk, 1, 100);
        fx::removeDangling("成分表", "成分表ID", 9);
        test::MsgRecorder msgs;
        QVERIFY(!Sessyuryou_Set(kk));
        QCOMPARE(msgs.prompts(), QStringList{"成分表のレコードが削除されています。"});
        QCOMPARE(msgs.shown().first().title, QStringLiteral("エラー"));
        QCOMPARE(msgs.shown().first().icon(), int(vbInformation));
        QCOMPARE(G_Sessyuryou.Ryou[1][0], 356.0);
        QCOMPARE(G_Sessyuryou.Ryou[1][idx("酪酸")], 1000.0);
        QCOMPARE(G_Sessyuryou.Ryou[1][idx("イソロイシン")], 250.0);
        QCOMPARE(G_Sessyuryou.Ryou[2][0], 100.0); // the food before the gone one
        QCOMPARE(G_Sessyuryou.Ryou[3][0], 0.0);
        QCOMPARE(G_Sessyuryou.Ryou[5][0], 0.0);   // no total of a broken day
    }

    void oneDish()
    {
        test::TempDb t;
        foods();
        const qint64 kk = day(fx::person("太郎", QDate(1980, 1, 1), 1), QDate(2020, 1, 1));
        const qint64 a = fx::dish(kk, "朝食");
        const qint64 b = fx::dish(kk, "朝食");
        fx::eat(a, kk, 1, 100);
        fx::eat(b, kk, 1, 50);
        fx::eat(b, kk, 2, 20);
        QVERIFY(Ryouri_Sessyu_Set(b));
        QCOMPARE(G_Ryouri_Sessyu[0], 178.0 + 20.0);
        QCOMPARE(G_Ryouri_Sessyu[idx("酪酸")], 500.0);
        QCOMPARE(G_Ryouri_Sessyu[idx("イソロイシン")], 125.0);
        QVERIFY(Ryouri_Sessyu_Set(a));
        QCOMPARE(G_Ryouri_Sessyu[0], 356.0);
        QCOMPARE(G_Ryouri_Sessyu[idx("たんぱく質")], 6.1);

        fx::food(9, {{"エネルギー", 50}});
        fx::eat(a, kk, 9, 100);
        fx::removeDangling("成分表", "成分表ID", 9);
        test::MsgRecorder msgs;
        QVERIFY(!Ryouri_Sessyu_Set(a));
        QCOMPARE(msgs.prompts(), QStringList{"成分表のレコードが削除されています。"});
        QCOMPARE(G_Ryouri_Sessyu[0], 356.0); // the sum up to the gone food
    }

    // The period totals used by the trend series equal the per-day totals.
    void periodTotals()
    {
        test::TempDb t;
        foods();
        const qint64 p = fx::person("太郎", QDate(1980, 1, 1), 1);
        const qint64 q = fx::person("次郎", QDate(1982, 1, 1), 1);
        QList<qint64> days;
        for (int i = 0; i < 5; ++i) {
            const qint64 kk = day(p, QDate(2020, 3, 1).addDays(i));
            days << kk;
            if (i == 2)
                continue; // a recorded day without meals
            for (int m = 0; m < 3; ++m)
                fx::eat(fx::dish(kk, G_Syokuji_Kubun.at(m)), kk, 1 + (i + m) % 2, 40 + 10 * i + m);
        }
        const qint64 stranger = day(q, QDate(2020, 3, 2));
        fx::eat(fx::dish(stranger, "朝食"), stranger, 1, 100);
        const qint64 later = day(p, QDate(2020, 3, 9));
        fx::eat(fx::dish(later, "朝食"), later, 1, 100);

        const auto totals = Sessyuryou_Kikan_Get(p, QDate(2020, 3, 1), QDate(2020, 3, 5), "エネルギー");
        QCOMPARE(totals.size(), 4);
        QVERIFY(!totals.contains(days[2]));
        QVERIFY(!totals.contains(stranger));
        QVERIFY(!totals.contains(later));
        const auto both = Sessyuryou_Kikan_Get(p, QDate(2020, 3, 1), QDate(2020, 3, 5),
                                               QStringList{"たんぱく質", "エネルギー"});
        QCOMPARE(both.size(), 2);
        QCOMPARE(both.at(1), totals);
        for (qint64 kk : days) {
            QCOMPARE(both.at(0).value(kk, 0.0), Sessyuryou_Get(kk, "たんぱく質"));
            const double one = Sessyuryou_Get(kk, "エネルギー");
            QCOMPARE(totals.value(kk, 0.0), one);
            if (kk != days[2])
                QVERIFY(one > 0);
        }
    }

    void databaseErrorsPassToTheCaller()
    {
        test::TempDb t;
        QVERIFY_THROWS_EXCEPTION(DbError, Sessyuryou_Get(1, "無い列"));
    }
};

QTEST_GUILESS_MAIN(TstSessyu)
#include "tst_sessyu.moc"
