// What the day report gathers: the 25 rows against the standard, the findings that colour
// the bars (the advice's own rule), the person and day, and the energy balance.

#include "assess_fixture.h"
#include "b_01.h"
#include "b_nippou.h"
#include "b_sessyu.h"
#include "b_sindan.h"
#include "testsupport.h"

#include <QtTest>

using namespace mirte;
namespace fx = mirte::test::fx;

Q_DECLARE_METATYPE(mirte::Hantei)

namespace {

using Acts = QList<QPair<double, double>>;

// Energy 2000 (1800..2400), protein 50 (lower 50), iron 10 (10..40), salt 10 (7..10); every
// other nutrient 100 with no lower or upper reference.
SyoyouryouHyou standard()
{
    SyoyouryouHyou s;
    for (auto &e : s)
        e = SyoyouryouEntry{100, 0, 0, 0, false};
    s[0] = {2000, 0, 2400, 1800, false};
    s[1] = {50, 0, 0, 50, false};
    s[4] = {10, 0, 40, 10, false};
    s[12] = {10, 0, 10, 7, false};
    return s;
}

// Rice (168 kcal, protein 2.5 /100 g) 200 g at breakfast and 50 g as a snack; fish (200 kcal,
// protein 20, iron 1.0, salt 1.2 /100 g) `fishGrams` at dinner.
qint64 day(double fishGrams, int sex = 2, const QDate &birth = QDate(1980, 4, 1))
{
    fx::food(1, {{"エネルギー", 168}, {"たんぱく質", 2.5}});
    fx::food(2, {{"エネルギー", 200}, {"たんぱく質", 20}, {"鉄", 1.0}, {"食塩相当量", 1.2}});
    const qint64 kk = fx::record(fx::person("山田花子", birth, sex), QDate(2024, 5, 1), 158, 52);
    fx::eat(fx::dish(kk, "朝食"), kk, 1, 200);
    fx::eat(fx::dish(kk, "夕食"), kk, 2, fishGrams);
    fx::eat(fx::dish(kk, "その他"), kk, 1, 50);
    return kk;
}

NippouData gather(qint64 kk, const SyoyouryouHyou &std)
{
    SessyuryouHyou t;
    if (!Sessyuryou_Keisan(kk, t))
        qFatal("day not summed");
    return Nippou_Syuukei(kk, t, std, Sindan_Keisan(t, std));
}

// The nutrients the advice names under one heading.
QString section(const QString &advice, const QString &heading)
{
    const int at = advice.indexOf(heading);
    if (at < 0)
        return {};
    const int end = advice.indexOf(QStringLiteral("★"), at + 1);
    return advice.mid(at, end < 0 ? -1 : end - at);
}

// 10/9 × basal × weight × factor × (X + 1), X from (rmr, days) pairs and rest for the rest.
double spentBy(double kijun, double weight, int age, const QList<QPair<double, double>> &acts)
{
    double a = 0, t = 0;
    for (const auto &p : acts) {
        a += (p.first + 1.2) * p.second;
        t += p.second;
    }
    a += std::max(0.0, 1 - t) * 1.2;
    const double x = 0.9 * a - 1;
    return 10.0 / 9.0 * kijun * weight * Kiso_Keisuu(age, x) * (x + 1);
}

} // namespace

class TstNippou : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }

    // ---- the rows ----

    // Day totals: energy 336 + 200·f + 84, protein 5 + 20·f + 1.25, iron f, salt 1.2·f.
    void rows_data()
    {
        QTest::addColumn<double>("fish"); // in units of 100 g
        QTest::addColumn<int>("i");
        QTest::addColumn<double>("intake");
        QTest::addColumn<double>("kijun");
        QTest::addColumn<Hantei>("hantei");
        for (double f : {1.0, 10.0}) {
            const QByteArray tag = f == 1 ? "100 g " : "1 kg ";
            QTest::newRow(tag + "energy") << f << 0 << 420 + 200 * f << 2000.0
                                          << (420 + 200 * f < 1800   ? Hantei::Fusoku
                                              : 420 + 200 * f > 2400 ? Hantei::Kajou
                                                                     : Hantei::Tekisei);
            QTest::newRow(tag + "protein") << f << 1 << 6.25 + 20 * f << 50.0
                                           << (6.25 + 20 * f < 50 ? Hantei::Fusoku : Hantei::Tekisei);
            QTest::newRow(tag + "iron") << f << 4 << f << 10.0 << (f < 10 ? Hantei::Fusoku : Hantei::Tekisei);
            QTest::newRow(tag + "salt") << f << 12 << 1.2 * f << 10.0
                                        << (1.2 * f < 7 ? Hantei::Fusoku : 1.2 * f > 10 ? Hantei::Kajou : Hantei::Tekisei);
            QTest::newRow(tag + "vitamin A, no references") << f << 5 << 0.0 << 100.0 << Hantei::Tekisei;
            QTest::newRow(tag + "zinc, last row") << f << 24 << 0.0 << 100.0 << Hantei::Tekisei;
        }
    }
    void rows()
    {
        QFETCH(double, fish);
        QFETCH(int, i);
        QFETCH(double, intake);
        QFETCH(double, kijun);
        QFETCH(Hantei, hantei);
        test::TempDb t;
        const NippouData d = gather(day(fish * 100), standard());
        QCOMPARE(d.gyou.size(), kJudgedCount);
        const NippouGyou &g = d.gyou[i];
        QCOMPARE(g.name, G_Eiyou_Mei[i]);
        QCOMPARE(g.unit, G_Eiyou_Tani[i]);
        QVERIFY(qAbs(g.intake - intake) < 1e-9);
        QCOMPARE(g.kijun, kijun);
        QVERIFY(qAbs(g.ritu - 100 * intake / kijun) < 1e-9);
        QCOMPARE(g.hantei, hantei);
        QVERIFY(!g.mokuhyou);
    }

    // An own target switched on is what 100 % stands for; the rate follows it, the finding
    // still uses the standard's references, as the advice does.
    void ownTarget()
    {
        test::TempDb t;
        SyoyouryouHyou s = standard();
        s[4].Mokuhyou = 2;
        s[4].Mokuhyou_Flg = true;
        const NippouData d = gather(day(100), s);
        QVERIFY(d.mokuhyouUsed);
        QVERIFY(d.gyou[4].mokuhyou);
        QCOMPARE(d.gyou[4].kijun, 2.0);
        QVERIFY(qAbs(d.gyou[4].ritu - 50.0) < 1e-9);
        QCOMPARE(d.gyou[4].hantei, Ritu_Hantei(50.0, s[4]));
        QVERIFY(!d.gyou[1].mokuhyou);
    }

    // ---- the findings ----

    void hanteiBounds_data()
    {
        QTest::addColumn<double>("ritu");
        QTest::addColumn<double>("kagen");
        QTest::addColumn<double>("jougen");
        QTest::addColumn<Hantei>("hantei");
        // standard 50: lower 40 is 80 %, upper 60 is 120 %
        QTest::newRow("just below lower") << 79.99 << 40.0 << 60.0 << Hantei::Fusoku;
        QTest::newRow("at lower") << 80.0 << 40.0 << 60.0 << Hantei::Tekisei;
        QTest::newRow("lower as a sum of shares") << (0.1 + 0.2 + 79.7) << 40.0 << 60.0 << Hantei::Tekisei;
        QTest::newRow("at upper") << 120.0 << 40.0 << 60.0 << Hantei::Tekisei;
        QTest::newRow("just above upper") << 120.01 << 40.0 << 60.0 << Hantei::Kajou;
        QTest::newRow("no lower reference") << 0.0 << 0.0 << 60.0 << Hantei::Tekisei;
        QTest::newRow("no upper reference") << 900.0 << 40.0 << 0.0 << Hantei::Tekisei;
        QTest::newRow("nothing eaten") << 0.0 << 40.0 << 60.0 << Hantei::Fusoku;
    }
    void hanteiBounds()
    {
        QFETCH(double, ritu);
        QFETCH(double, kagen);
        QFETCH(double, jougen);
        QFETCH(Hantei, hantei);
        QCOMPARE(Ritu_Hantei(ritu, SyoyouryouEntry{50, 0, jougen, kagen, false}), hantei);
        // Without a standard nothing is found at all.
        QCOMPARE(Ritu_Hantei(ritu, SyoyouryouEntry{0, 0, jougen, kagen, false}), Hantei::Tekisei);
    }

    // The bars' colours and the advice never disagree: a nutrient is under the advice's
    // shortage (excess) heading exactly when its row is a shortage (excess).
    void findingsMatchAdvice_data()
    {
        QTest::addColumn<double>("fish");
        QTest::addColumn<bool>("everyLimit"); // lower 50 and upper 150 on every nutrient
        QTest::newRow("small dinner") << 100.0 << false;
        QTest::newRow("big dinner") << 1000.0 << false;
        QTest::newRow("small dinner, every limit") << 100.0 << true;
        QTest::newRow("huge dinner, every limit") << 3000.0 << true;
    }
    void findingsMatchAdvice()
    {
        QFETCH(double, fish);
        QFETCH(bool, everyLimit);
        test::TempDb t;
        SyoyouryouHyou s = standard();
        if (everyLimit)
            for (int i = 0; i < kJudgedCount; ++i)
                s[i] = {s[i].Syoyouryou, 0, s[i].Syoyouryou * 1.5, s[i].Syoyouryou * 0.5, false};
        const NippouData d = gather(day(fish), s);
        const QString advice = d.advice.join(QStringLiteral("\r\n"));
        const QString under = section(advice, QStringLiteral("★不足している栄養素"));
        const QString over = section(advice, QStringLiteral("★摂り過ぎている栄養素"));
        int found = 0;
        for (const NippouGyou &g : d.gyou) {
            const QString key = QStringLiteral("☆") + g.name + QStringLiteral(" ( ");
            QCOMPARE(under.contains(key), g.hantei == Hantei::Fusoku);
            QCOMPARE(over.contains(key), g.hantei == Hantei::Kajou);
            found += g.hantei != Hantei::Tekisei;
        }
        QCOMPARE(advice.contains(QStringLiteral("理想的な栄養バランスです。")), found == 0);
        QVERIFY(!d.advice.isEmpty());
        QVERIFY(!d.advice.first().trimmed().isEmpty());
        QVERIFY(!d.advice.last().trimmed().isEmpty());
    }

    // ---- person and day ----

    void personAndDay_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<int>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("person");
        QTest::newRow("birthday the day before") << QDate(1980, 4, 30) << 2 << 44 << "山田花子　44歳　女性";
        QTest::newRow("birthday on the day") << QDate(1980, 5, 1) << 1 << 44 << "山田花子　44歳　男性";
        QTest::newRow("birthday the day after") << QDate(1980, 5, 2) << 1 << 43 << "山田花子　43歳　男性";
        QTest::newRow("born after the day") << QDate(2025, 1, 1) << 2 << -1 << "山田花子　女性";
        QTest::newRow("no birth date") << QDate() << 0 << -1 << "山田花子";
    }
    void personAndDay()
    {
        QFETCH(QDate, birth);
        QFETCH(int, sex);
        QFETCH(int, age);
        QFETCH(QString, person);
        test::TempDb t;
        const NippouData d = gather(day(100, sex, birth), standard());
        QCOMPARE(d.simei, QStringLiteral("山田花子"));
        QCOMPARE(d.day, QDate(2024, 5, 1));
        QCOMPARE(d.dayText(), QStringLiteral("2024年5月1日（水）"));
        QCOMPARE(d.age, age);
        QCOMPARE(d.personText(), person);
    }

    void weekdays_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("Monday") << QDate(2024, 4, 29) << "2024年4月29日（月）";
        QTest::newRow("Sunday") << QDate(2024, 5, 5) << "2024年5月5日（日）";
        QTest::newRow("Saturday, leap day") << QDate(2020, 2, 29) << "2020年2月29日（土）";
    }
    void weekdays()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        NippouData d;
        d.day = date;
        QCOMPARE(d.dayText(), text);
    }

    // ---- energy balance ----

    // Basal references differ by sex and age key, so a wrong age or sex shows in the result.
    void energyBalance_data()
    {
        QTest::addColumn<int>("sex");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<Acts>("acts"); // (rmr, days); rmr 0 = kind gone
        QTest::addColumn<bool>("known");
        QTest::addColumn<double>("kijun");
        QTest::addColumn<QString>("note");
        using A = Acts;
        QTest::newRow("no activities") << 2 << QDate(1980, 4, 1) << A{} << false << 0.0
                                       << "この日の運動・動作は記録されていません。";
        QTest::newRow("woman of 44, walking") << 2 << QDate(1980, 4, 1) << A{{3.0, 0.25}} << true << 21.7 << "";
        QTest::newRow("man of 44, two kinds") << 1 << QDate(1980, 4, 1) << A{{3.0, 0.25}, {1.0, 0.4}} << true
                                             << 22.3 << "";
        QTest::newRow("woman of 34") << 2 << QDate(1990, 1, 1) << A{{3.0, 0.25}} << true << 22.1 << "";
        QTest::newRow("more than a day") << 2 << QDate(1980, 4, 1) << A{{3.0, 0.75}, {1.0, 0.5}} << true << 21.7
                                         << "運動･動作時間の累計が24時間を超えています。";
        QTest::newRow("no basal row for a boy of 10") << 1 << QDate(2014, 1, 1) << A{{1.0, 0.1}} << false << 0.0
                                                      << "基礎代謝基準値レコードが見つかりません。";
        QTest::newRow("infant") << 1 << QDate(2024, 1, 1) << A{{1.0, 0.1}} << false << 0.0
                                << "0歳児の消費エネルギーは計算できません。";
        QTest::newRow("activity kind deleted") << 2 << QDate(1980, 4, 1) << A{{3.0, 0.25}, {0.0, 0.1}} << false
                                               << 0.0 << "エネルギー消費量のレコードが削除されています。";
        QTest::newRow("no birth date") << 2 << QDate() << A{{3.0, 0.25}} << false << 0.0
                                       << "生年月日がないため、消費エネルギーは計算できません。";
    }
    void energyBalance()
    {
        QFETCH(int, sex);
        QFETCH(QDate, birth);
        QFETCH(Acts, acts);
        QFETCH(bool, known);
        QFETCH(double, kijun);
        QFETCH(QString, note);
        test::TempDb t;
        fx::basal(40, 1, 22.3);
        fx::basal(40, 2, 21.7);
        fx::basal(30, 2, 22.1);
        const qint64 kk = day(100, sex, birth);
        qint64 kind = 0;
        for (const auto &[rmr, days] : acts) {
            fx::activityKind(++kind, rmr);
            fx::activity(kk, kind, days);
            if (rmr == 0)
                fx::removeDangling(QStringLiteral("エネルギー消費量"), QStringLiteral("エネルギー消費量ID"), kind);
        }
        const NippouData d = gather(kk, standard());
        QVERIFY(qAbs(d.sessyuEnergy - 620) < 1e-9); // 336 + 200 + 84
        QCOMPARE(d.undouAri, !acts.isEmpty());
        QCOMPARE(d.syouhiKnown, known);
        QCOMPARE(d.syouhiNote, note);
        if (known)
            QVERIFY(qAbs(d.syouhiEnergy - spentBy(kijun, 52, d.age, acts)) < 1e-6);
        else
            QCOMPARE(d.syouhiEnergy, 0.0);
    }

    // A day record that is gone leaves the rows, and nothing else.
    void dayGone()
    {
        test::TempDb t;
        const NippouData d = gather(day(100), standard());
        SessyuryouHyou empty;
        const NippouData gone = Nippou_Syuukei(987654, empty, standard(), Sindan_Keisan(empty, standard()));
        QCOMPARE(gone.gyou.size(), kJudgedCount);
        QVERIFY(gone.simei.isEmpty());
        QVERIFY(!gone.day.isValid());
        QCOMPARE(gone.age, -1);
        QVERIFY(!gone.undouAri);
        QVERIFY(!gone.syouhiKnown);
        QVERIFY(!d.simei.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstNippou)
#include "tst_nippou.moc"
