// Dietary standard: row selection, the rules per nutrient, additions, references and targets.

#include "assess_fixture.h"
#include "b_01.h"
#include "b_t01.h"
#include "testsupport.h"

#include <QtTest>

using namespace mirte;
namespace fx = mirte::test::fx;

namespace {

// The adult row used by most cases: every value is a plain constant (A = B = 0).
QVariantMap adultValues(double energy)
{
    return {{"エネルギー係数Ｃ", energy}, {"たんぱく質係数Ｃ", 60}, {"脂肪エネルギー比率係数Ｃ", 25},
            {"カルシウム係数Ｃ", 600}, {"鉄係数Ｃ", 10}, {"ビタミンＡ係数Ｃ", 540},
            {"ビタミンＢ１係数Ｃ", 1.1}, {"ビタミンＢ２係数Ｃ", 1.2}, {"ビタミンＣ係数Ｃ", 100},
            {"ビタミンＤ係数Ｃ", 2.5}, {"ビタミンＥ係数Ｃ", 10}, {"ナイアシン係数Ｃ", 16},
            {"ビタミンＫ", 65}, {"ビタミンＢ６", 1.6}, {"葉酸", 200}, {"ビタミンＢ１２", 2.4},
            {"パントテン酸", 5}, {"リン", 1000}, {"マグネシウム", 280}, {"カリウム", 2000},
            {"銅", 1.8}, {"マンガン", 4}, {"亜鉛", 12}};
}

double S(int i)
{
    return G_Syoyouryou[i].Syoyouryou;
}

// A row for whatever selection an age makes (sex 1, intensity 2).
void rowForAge(int age, int days, const QVariantMap &values)
{
    if (age == 0)
        fx::kijun(days <= 60 ? 0 : days <= 180 ? 0.17 : 0.5, QVariant(), QVariant(), values);
    else if (age <= 14)
        fx::kijun(age, 1, QVariant(), values);
    else if (age <= 19)
        fx::kijun(age, 1, 2, values);
    else
        fx::kijun(std::min(age / 10 * 10, 80), 1, 2, values);
}

} // namespace

class TstSyoyouryou : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }

    void init() { G_Syoyouryou = {}; }

    // A man of 35, 170 cm: the 30..39 reference weight 64.66 kg gives salt 9.70.
    void adultManOf35()
    {
        test::TempDb t;
        fx::kijun(30, 1, 2, adultValues(2250));
        // Neighbours that a wrong selection would pick.
        fx::kijun(30, 1, 1, adultValues(1950));
        fx::kijun(30, 2, 2, adultValues(1750));
        fx::kijun(20, 1, 2, adultValues(2300));
        fx::kijun(40, 1, 2, adultValues(2200));
        test::MsgRecorder msgs;

        Syoyouryou_Set(35, 100, 2, 1, 70, 170, QStringLiteral("健康"));

        QVERIFY(msgs.shown().isEmpty());
        QCOMPARE(S(0), 2250.0);
        QCOMPARE(G_Syoyouryou[0].Kagen, 2025.0);
        QCOMPARE(G_Syoyouryou[0].Jougen, 2700.0);
        QCOMPARE(S(1), 60.0);
        QCOMPARE(G_Syoyouryou[1].Jougen, 0.0);
        QCOMPARE(S(2), 62.5); // 25 % of 2250 kcal in grams of fat
        QCOMPARE(G_Syoyouryou[2].Kagen, 46.875);
        QCOMPARE(G_Syoyouryou[2].Jougen, 68.75);
        const double refW = 0.0029 * 170 * 170 - 0.3444 * 170 + 39.395;
        QCOMPARE(qRound(refW * 100), 6466);
        QCOMPARE(qRound(S(12) * 100), 970);
        QCOMPARE(S(12), 0.15 * refW);
        QCOMPARE(G_Syoyouryou[12].Kagen, 0.7 * 0.15 * refW);
        QCOMPARE(G_Syoyouryou[12].Jougen, S(12));
        QCOMPARE(S(13), 22.5);
        QCOMPARE(S(14), 65.0);
        QCOMPARE(S(24), 12.0);
        // Reference values of the table and of the age band 18..49.
        QCOMPARE(G_Syoyouryou[3].Jougen, 2500.0);
        QCOMPARE(G_Syoyouryou[4].Jougen, 40.0);
        QCOMPARE(G_Syoyouryou[6].Kagen, 1.21);
        QCOMPARE(G_Syoyouryou[7].Kagen, 1.08);
        QCOMPARE(G_Syoyouryou[20].Jougen, 700.0);
        QCOMPARE(G_Syoyouryou[21].Kagen, 2200.0);
        QCOMPARE(G_Syoyouryou[21].Jougen, 0.0);
        QCOMPARE(G_Syoyouryou[22].Jougen, 9.0);
        QCOMPARE(G_Syoyouryou[23].Jougen, 10.0);
        QCOMPARE(G_Syoyouryou[24].Jougen, 30.0);
        QCOMPARE(G_Syoyouryou[19].Jougen, 4000.0);
        QCOMPARE(G_Hyo_Nenrei, QStringLiteral("30～40歳"));
        QCOMPARE(G_Hyo_Seibetu, QStringLiteral("男"));
        QCOMPARE(G_Hyo_Kyoudo, QStringLiteral("普通"));
        QCOMPARE(G_Hyo_Kenkou, QStringLiteral("健康"));
        QCOMPARE(G_Hyo_Sintyou, QStringLiteral("170cm"));
        QCOMPARE(G_Hyo_Taijuu, QStringLiteral("身長を基準とする"));
    }

    // 190 cm at 25: 0.15 × 79.88 = 11.98 is capped at exactly 10; coefficients use the height.
    void tallManCappedAndQuadratic()
    {
        test::TempDb t;
        QVariantMap v = adultValues(0);
        v.insert("エネルギー係数Ａ", 0.01);
        v.insert("エネルギー係数Ｂ", 2);
        v.insert("エネルギー係数Ｃ", 100);
        v.insert("カルシウム係数Ａ", 0.001);
        v.insert("カルシウム係数Ｃ", 0);
        fx::kijun(20, 1, 3, v);
        Syoyouryou_Set(25, 0, 3, 1, 80, 190, QStringLiteral("健康"));
        const double refW = 0.0039 * 190 * 190 - 0.5775 * 190 + 48.813;
        QCOMPARE(qRound(refW * 100), 7988);
        QCOMPARE(S(12), 10.0);
        QCOMPARE(G_Syoyouryou[12].Kagen, 7.0);
        QCOMPARE(S(0), 0.01 * 36100 + 2 * 190 + 100.0); // 841
        QCOMPARE(S(3), 36.1);
        QCOMPARE(G_Hyo_Nenrei, QStringLiteral("20～30歳"));
        QCOMPARE(G_Hyo_Kyoudo, QStringLiteral("やや重い"));
    }

    // A child's salt comes from the reference weight of the age and sex, not its own weight.
    void childOfSeven_data()
    {
        QTest::addColumn<int>("sex");
        QTest::addColumn<double>("weight");
        QTest::addColumn<double>("salt");
        QTest::addColumn<QString>("heightLine");
        QTest::addColumn<QString>("sexText");
        QTest::newRow("boy") << 1 << 30.0 << 0.15 * 24.4 << "123(平均身長)" << "男";
        QTest::newRow("boy, light") << 1 << 18.0 << 0.15 * 24.4 << "123(平均身長)" << "男";
        QTest::newRow("girl") << 2 << 30.0 << 0.15 * 23.75 << "121.9(平均身長)" << "女";
    }
    void childOfSeven()
    {
        QFETCH(int, sex);
        QFETCH(double, weight);
        QFETCH(double, salt);
        QFETCH(QString, heightLine);
        QFETCH(QString, sexText);
        test::TempDb t;
        fx::kijun(7, 1, QVariant(), adultValues(1650));
        fx::kijun(7, 2, QVariant(), adultValues(1450));
        // The intensity does not select a child's row; the text says 普通.
        Syoyouryou_Set(7, 10, 3, sex, weight, 125, QStringLiteral("健康"));
        QCOMPARE(S(12), salt);
        QCOMPARE(S(0), sex == 1 ? 1650.0 : 1450.0);
        QCOMPARE(G_Hyo_Sintyou, heightLine);
        QCOMPARE(G_Hyo_Taijuu, QStringLiteral("身長を基準とする"));
        QCOMPARE(G_Hyo_Nenrei, QStringLiteral("7歳"));
        QCOMPARE(G_Hyo_Seibetu, sexText);
        QCOMPARE(G_Hyo_Kyoudo, QStringLiteral("普通"));
        QCOMPARE(G_Syoyouryou[4].Jougen, 30.0);
    }

    void infantOf100Days()
    {
        test::TempDb t;
        fx::kijun(0, QVariant(), QVariant(), {{"ビタミンＫ", 4}});
        fx::kijun(0.17, QVariant(), QVariant(), {{"ビタミンＫ", 5}});
        fx::kijun(0.5, QVariant(), QVariant(), {{"ビタミンＫ", 7}});
        Syoyouryou_Set(0, 100, 2, 1, 6, 60, QStringLiteral("健康"));
        QCOMPARE(S(0), 660.0);
        QCOMPARE(S(1), 15.6);
        QCOMPARE(S(14), 5.0);
        QCOMPARE(S(12), 0.9); // the infant's own weight × 0.15
        QCOMPARE(S(13), 6.6);
        QCOMPARE(G_Hyo_Nenrei, QStringLiteral("2～6ヶ月"));
        QCOMPARE(G_Hyo_Seibetu, QStringLiteral("男女共通"));
        QCOMPARE(G_Hyo_Sintyou, QStringLiteral("体重を基準とする"));
        QCOMPARE(G_Hyo_Taijuu, QStringLiteral("6kg"));
        QCOMPARE(G_Syoyouryou[4].Jougen, 10.0);

        Syoyouryou_Set(0, 200, 2, 2, 8.5, 70, QStringLiteral("健康"));
        QCOMPARE(S(0), 850.0);
        QCOMPARE(S(1), 8.5 * 2.7);
        QCOMPARE(S(14), 7.0);
        QCOMPARE(G_Hyo_Nenrei, QStringLiteral("6ヶ月～1歳"));
        QCOMPARE(G_Hyo_Taijuu, QStringLiteral("8.5kg"));
        QCOMPARE(G_Syoyouryou[4].Jougen, 15.0);
    }

    // Syoyouryou_Set counts day 60 into the first band, Syoyouryou_Get into the second.
    void infantBands_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<double>("setEnergy");
        QTest::addColumn<double>("setK");
        QTest::addColumn<double>("getEnergy");
        QTest::addColumn<double>("getK");
        QTest::newRow("59") << 59 << 600.0 << 4.0 << 600.0 << 4.0;
        QTest::newRow("60") << 60 << 600.0 << 4.0 << 550.0 << 5.0;
        QTest::newRow("61") << 61 << 550.0 << 5.0 << 550.0 << 5.0;
        QTest::newRow("179") << 179 << 550.0 << 5.0 << 550.0 << 5.0;
        QTest::newRow("180") << 180 << 550.0 << 5.0 << 500.0 << 7.0;
        QTest::newRow("181") << 181 << 500.0 << 7.0 << 500.0 << 7.0;
    }
    void infantBands()
    {
        QFETCH(int, days);
        QFETCH(double, setEnergy);
        QFETCH(double, setK);
        QFETCH(double, getEnergy);
        QFETCH(double, getK);
        test::TempDb t;
        fx::kijun(0, QVariant(), QVariant(), {{"ビタミンＫ", 4}});
        fx::kijun(0.17, QVariant(), QVariant(), {{"ビタミンＫ", 5}});
        fx::kijun(0.5, QVariant(), QVariant(), {{"ビタミンＫ", 7}});
        Syoyouryou_Set(0, days, 1, 1, 5, 55, QStringLiteral("健康"));
        QCOMPARE(S(0), setEnergy);
        QCOMPARE(S(14), setK);
        const qint64 p = fx::person("赤ちゃん", QDate(2024, 1, 1), 1);
        const QVariantMap rec = fx::recordMap(fx::record(p, QDate(2024, 3, 1), 55, 5));
        QCOMPARE(Syoyouryou_Get("エネルギー", 0, days, 1, rec), getEnergy);
        QCOMPARE(Syoyouryou_Get("ビタミンＫ", 0, days, 1, rec), getK);
    }

    // Additions of the health state; vitamins D and A in μg and μgRE.
    void healthStates_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<double>("energy");
        QTest::addColumn<double>("fat");
        QTest::addColumn<double>("vitD");
        QTest::addColumn<double>("vitA");
        QTest::addColumn<double>("potassium");
        QTest::addColumn<double>("magnesium");
        QTest::addColumn<double>("folate");
        QTest::newRow("健康") << "健康" << 1800.0 << 50.0 << 2.5 << 540.0 << 2000.0 << 280.0 << 200.0;
        QTest::newRow("妊娠前半期") << "妊娠前半期" << 1950.0 << 55.0 << 10.0 << 540.0 << 2000.0
                                  << 315.0 << 400.0;
        QTest::newRow("妊娠後半期") << "妊娠後半期" << 2150.0 << 55.0 << 10.0 << 600.0 << 2000.0
                                  << 315.0 << 400.0;
        QTest::newRow("授乳期") << "授乳期" << 2500.0 << 55.0 << 10.0 << 960.0 << 2500.0 << 280.0
                              << 280.0;
        QTest::newRow("blanks trimmed") << " 授乳期　" << 2500.0 << 55.0 << 10.0 << 960.0 << 2500.0
                                        << 280.0 << 280.0;
    }
    void healthStates()
    {
        QFETCH(QString, state);
        QFETCH(double, energy);
        QFETCH(double, fat);
        QFETCH(double, vitD);
        QFETCH(double, vitA);
        QFETCH(double, potassium);
        QFETCH(double, magnesium);
        QFETCH(double, folate);
        test::TempDb t;
        fx::kijun(30, 2, 2, adultValues(1800));
        test::MsgRecorder msgs;
        Syoyouryou_Set(30, 0, 2, 2, 55, 158, state);
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        QCOMPARE(S(0), energy);
        QCOMPARE(S(13), energy / 100); // fibre follows the final energy
        QCOMPARE(S(2), fat);           // fat keeps the energy before the additions
        QCOMPARE(S(9), vitD);
        QCOMPARE(S(5), vitA);
        QCOMPARE(S(21), potassium);
        QCOMPARE(S(20), magnesium);
        QCOMPARE(S(16), folate);
        QCOMPARE(G_Syoyouryou[0].Kagen, energy * 0.9);
        QCOMPARE(G_Syoyouryou[13].Kagen, energy / 100);
        // The pregnant woman's vitamin D stays well under its upper reference.
        QVERIFY(S(9) < G_Syoyouryou[9].Jougen);
        const double refW = 0.003 * 158 * 158 - 0.363 * 158 + 39.972;
        QCOMPARE(S(12), 0.15 * refW);
        QCOMPARE(G_Hyo_Kenkou, state);

        // The trend standard of the same day agrees with the table, nutrient by nutrient.
        const qint64 p = fx::person("花子", QDate(1990, 1, 1), 2);
        const QVariantMap rec =
            fx::recordMap(fx::record(p, QDate(2020, 6, 1), 158, 55, state, 2));
        for (int i = 0; i < kJudgedCount; ++i)
            QCOMPARE(Syoyouryou_Get(G_Eiyou_Mei.at(i), 30, 0, 2, rec), S(i));
    }

    void undefinedStateIsReportedAndAddsNothing()
    {
        test::TempDb t;
        fx::kijun(30, 2, 2, adultValues(1800));
        test::MsgRecorder msgs;
        Syoyouryou_Set(30, 0, 2, 2, 55, 158, QStringLiteral("妊娠中"));
        QCOMPARE(msgs.prompts(), QStringList{"未定義の健康状態が使用されています。"});
        QCOMPARE(msgs.shown().first().title, QStringLiteral("エラー"));
        QCOMPARE(msgs.shown().first().icon(), int(vbExclamation));
        QCOMPARE(S(0), 1800.0);
        QCOMPARE(S(2), 55.0); // not 健康: the fixed 27.5 %
        QCOMPARE(S(13), 18.0);
        QCOMPARE(G_Syoyouryou[24].Jougen, 30.0); // the computation went on
    }

    // From 70 on only the light and the normal rows exist.
    void intensityRowsAndTexts_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("kyoudo");
        QTest::addColumn<double>("energy");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ageText");
        QTest::newRow("72, 1") << 72 << 1 << 1900.0 << "軽い" << "70～80歳";
        QTest::newRow("72, 2") << 72 << 2 << 2100.0 << "普通" << "70～80歳";
        QTest::newRow("72, 3") << 72 << 3 << 2100.0 << "普通" << "70～80歳";
        QTest::newRow("72, 4") << 72 << 4 << 2100.0 << "普通" << "70～80歳";
        QTest::newRow("85, 4") << 85 << 4 << 1700.0 << "普通" << "80歳以上";
        QTest::newRow("85, 1") << 85 << 1 << 1500.0 << "軽い" << "80歳以上";
        QTest::newRow("45, 4") << 45 << 4 << 2800.0 << "重い" << "40～50歳";
        QTest::newRow("69, 3") << 69 << 3 << 2300.0 << "やや重い" << "60～70歳";
        QTest::newRow("15, 1") << 15 << 1 << 2400.0 << "軽い" << "15歳";
        QTest::newRow("10, 1") << 10 << 1 << 2000.0 << "普通" << "10歳";
    }
    void intensityRowsAndTexts()
    {
        QFETCH(int, age);
        QFETCH(int, kyoudo);
        QFETCH(double, energy);
        QFETCH(QString, text);
        QFETCH(QString, ageText);
        test::TempDb t;
        fx::kijun(70, 1, 1, adultValues(1900));
        fx::kijun(70, 1, 2, adultValues(2100));
        fx::kijun(80, 1, 1, adultValues(1500));
        fx::kijun(80, 1, 2, adultValues(1700));
        fx::kijun(40, 1, 4, adultValues(2800));
        fx::kijun(60, 1, 3, adultValues(2300));
        fx::kijun(15, 1, 1, adultValues(2400));
        fx::kijun(10, 1, QVariant(), adultValues(2000));
        test::MsgRecorder msgs;
        Syoyouryou_Set(age, 0, kyoudo, 1, 60, 165, QStringLiteral("健康"));
        QVERIFY2(msgs.shown().isEmpty(), qPrintable(msgs.last()));
        QCOMPARE(S(0), energy);
        QCOMPARE(G_Hyo_Kyoudo, text);
        QCOMPARE(G_Hyo_Nenrei, ageText);

        const qint64 p = fx::person("太郎", QDate(1950, 1, 1), 1);
        const QVariantMap rec =
            fx::recordMap(fx::record(p, QDate(2020, 1, 1), 165, 60, "健康", kyoudo));
        QCOMPARE(Syoyouryou_Get("エネルギー", age, 0, 1, rec), energy);
    }

    // The upper references by age: 鉄, ビタミンＡ, ビタミンＤ, ビタミンＥ, ナイアシン, ビタミンＫ,
    // ビタミンＢ６, 葉酸, マグネシウム (their lower reference is the standard itself).
    void upperReferencesByAge_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("days");
        QTest::addColumn<QList<double>>("upper");
        using L = QList<double>;
        const L infant = {10, 1200, 25, 200, 10, 5000, 30, 300, 130};
        L older = infant;
        older[0] = 15;
        const L a1 = {20, 1200, 50, 300, 10, 10000, 30, 300, 130};
        const L a3 = {25, 1200, 50, 400, 15, 14000, 40, 400, 200};
        const L a6 = {30, 1200, 50, 400, 20, 17000, 50, 500, 250};
        const L a9 = {35, 1200, 50, 500, 20, 22000, 70, 600, 500};
        const L a12 = {35, 1500, 50, 600, 30, 27000, 90, 800, 600};
        const L a15 = {40, 1500, 50, 600, 30, 28000, 90, 900, 650};
        const L a18 = {40, 1500, 50, 600, 30, 30000, 100, 1000, 700};
        const L a50 = {40, 1500, 50, 600, 30, 30000, 100, 1000, 650};
        QTest::newRow("0, 10 days") << 0 << 10 << infant;
        QTest::newRow("0, 180 days") << 0 << 180 << infant;
        QTest::newRow("0, 181 days") << 0 << 181 << older;
        QTest::newRow("1") << 1 << 0 << a1;
        QTest::newRow("2") << 2 << 0 << a1;
        QTest::newRow("3") << 3 << 0 << a3;
        QTest::newRow("5") << 5 << 0 << a3;
        QTest::newRow("6") << 6 << 0 << a6;
        QTest::newRow("8") << 8 << 0 << a6;
        QTest::newRow("9") << 9 << 0 << a9;
        QTest::newRow("11") << 11 << 0 << a9;
        QTest::newRow("12") << 12 << 0 << a12;
        QTest::newRow("14") << 14 << 0 << a12;
        QTest::newRow("15") << 15 << 0 << a15;
        QTest::newRow("17") << 17 << 0 << a15;
        QTest::newRow("18") << 18 << 0 << a18;
        QTest::newRow("49") << 49 << 0 << a18;
        QTest::newRow("50") << 50 << 0 << a50;
        QTest::newRow("90") << 90 << 0 << a50;
    }
    void upperReferencesByAge()
    {
        QFETCH(int, age);
        QFETCH(int, days);
        QFETCH(QList<double>, upper);
        test::TempDb t;
        rowForAge(age, days, adultValues(2000));
        Syoyouryou_Set(age, days, 2, 1, 60, 165, QStringLiteral("健康"));
        const int idx[9] = {4, 5, 9, 10, 11, 14, 15, 16, 20};
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(G_Syoyouryou[idx[k]].Jougen, upper[k]);
            QCOMPARE(G_Syoyouryou[idx[k]].Kagen, S(idx[k]));
        }
    }

    // Every cell of the additions for pregnancy and lactation, in Syoyouryou_Set and in
    // Syoyouryou_Get (vitamin D in μg, vitamin A in μgRE). Fat, salt and fibre have rules of their own.
    void additionsTable_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QList<double>>("add");
        //                 0    1   2  3    4  5    6    7    8   9    10 11 12 13 14 15   16   17   18 19 20  21   22   23 24
        QTest::newRow("妊娠前半期") << "妊娠前半期" << QList<double>{
            150, 10, 0, 300, 3, 0, 0.1, 0.1, 10, 7.5, 2, 1, 0, 0, 0, 0.5, 200, 0.2, 1, 0, 35, 0, 0.4, 0, 3};
        QTest::newRow("妊娠後半期") << "妊娠後半期" << QList<double>{
            350, 20, 0, 300, 8, 60, 0.2, 0.2, 10, 7.5, 2, 2, 0, 0, 0, 0.5, 200, 0.2, 1, 0, 35, 0, 0.4, 0, 3};
        QTest::newRow("授乳期") << "授乳期" << QList<double>{
            700, 20, 0, 500, 8, 420, 0.3, 0.4, 40, 7.5, 3, 5, 0, 0, 0, 0.6, 80, 0.2, 2, 0, 0, 500, 0.6, 0, 3};
    }
    void additionsTable()
    {
        QFETCH(QString, state);
        QFETCH(QList<double>, add);
        test::TempDb t;
        fx::kijun(30, 2, 2, adultValues(1800));
        Syoyouryou_Set(30, 0, 2, 2, 55, 158, QStringLiteral("健康"));
        std::array<double, 25> base{};
        for (int i = 0; i < kJudgedCount; ++i)
            base[i] = S(i);
        Syoyouryou_Set(30, 0, 2, 2, 55, 158, state);
        const qint64 p = fx::person("花子", QDate(1990, 1, 1), 2);
        const QVariantMap rec = fx::recordMap(fx::record(p, QDate(2020, 6, 1), 158, 55, state, 2));
        for (int i = 0; i < kJudgedCount; ++i) {
            if (i == 2 || i == 12 || i == 13)
                continue;
            const QByteArray what = G_Eiyou_Mei.at(i).toUtf8();
            QVERIFY2(qFuzzyCompare(S(i), base[i] + add[i]), what.constData());
            QVERIFY2(qFuzzyCompare(Syoyouryou_Get(G_Eiyou_Mei.at(i), 30, 0, 2, rec), base[i] + add[i]),
                     what.constData());
        }
        QCOMPARE(S(12), base[12]);
        QCOMPARE(S(13), (1800 + add[0]) / 100);
    }

    // No row: the sex and age texts are already new, the table keeps its earlier values.
    void missingRow()
    {
        test::TempDb t;
        G_Syoyouryou[0].Syoyouryou = 123;
        G_Hyo_Kyoudo = QStringLiteral("前");
        test::MsgRecorder msgs;
        Syoyouryou_Set(35, 0, 2, 2, 50, 160, QStringLiteral("健康"));
        QCOMPARE(msgs.prompts(), QStringList{"必要所要量レコードが見つかりません。"});
        QCOMPARE(msgs.shown().first().title, QStringLiteral("エラー"));
        QCOMPARE(msgs.shown().first().icon(), int(vbExclamation));
        QCOMPARE(S(0), 123.0);
        QCOMPARE(G_Hyo_Seibetu, QStringLiteral("女"));
        QCOMPARE(G_Hyo_Nenrei, QStringLiteral("30～40歳"));
        QCOMPARE(G_Hyo_Kyoudo, QStringLiteral("前"));

        msgs.clear();
        const qint64 p = fx::person("花子", QDate(1985, 1, 1), 2);
        const QVariantMap rec = fx::recordMap(fx::record(p, QDate(2020, 6, 1), 160, 50));
        QCOMPARE(Syoyouryou_Get("エネルギー", 35, 0, 2, rec), 0.0);
        QCOMPARE(msgs.prompts(), QStringList{"必要所要量レコードが見つかりません。"});
    }

    // The trend standard reads weight, height, intensity and state from the day record.
    void getReadsTheRecord()
    {
        test::TempDb t;
        fx::kijun(0, QVariant(), QVariant(), {});
        fx::kijun(0.17, QVariant(), QVariant(), {});
        fx::kijun(30, 1, 2, adultValues(2250));
        fx::kijun(30, 1, 3, adultValues(2550));
        const qint64 p = fx::person("太郎", QDate(1985, 1, 1), 1);
        const QVariantMap baby = fx::recordMap(fx::record(p, QDate(2020, 1, 1), 60, 6));
        QCOMPARE(Syoyouryou_Get("エネルギー", 0, 100, 1, baby), 660.0);
        QCOMPARE(Syoyouryou_Get("たんぱく質", 0, 100, 1, baby), 15.6);
        const QVariantMap man =
            fx::recordMap(fx::record(p, QDate(2020, 1, 2), 170, 70, "健康", 3));
        QCOMPARE(Syoyouryou_Get("エネルギー", 35, 0, 1, man), 2550.0);
        QCOMPARE(Syoyouryou_Get("食塩相当量", 35, 0, 1, man),
                 0.15 * (0.0029 * 170 * 170 - 0.3444 * 170 + 39.395));
        QCOMPARE(Syoyouryou_Get("食物繊維総量", 35, 0, 1, man), 25.5);
    }

    void getWithoutStandard_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("炭水化物") << "炭水化物";
        QTest::newRow("多価不飽和脂肪酸") << "多価不飽和脂肪酸";
    }
    void getWithoutStandard()
    {
        QFETCH(QString, name);
        test::TempDb t;
        fx::kijun(30, 1, 2, adultValues(2250));
        const qint64 p = fx::person("太郎", QDate(1985, 1, 1), 1);
        const QVariantMap rec = fx::recordMap(fx::record(p, QDate(2020, 1, 1), 170, 70));
        test::MsgRecorder msgs;
        QCOMPARE(Syoyouryou_Get(name, 35, 0, 1, rec), 0.0);
        QCOMPARE(msgs.prompts(), QStringList{"目標値・標準所要量の無い項目"});
        QCOMPARE(msgs.shown().first().title, QStringLiteral("テスト"));
        QCOMPARE(msgs.shown().first().buttons(), int(vbOKOnly));
    }

    void getUnknownNameIsAnError()
    {
        test::TempDb t;
        fx::kijun(30, 1, 2, adultValues(2250));
        const qint64 p = fx::person("太郎", QDate(1985, 1, 1), 1);
        const QVariantMap rec = fx::recordMap(fx::record(p, QDate(2020, 1, 1), 170, 70));
        test::MsgRecorder msgs;
        QCOMPARE(Syoyouryou_Get("体重", 35, 0, 1, rec), 0.0);
        QCOMPARE(msgs.shown().size(), 1);
        QVERIFY(msgs.last().startsWith(QStringLiteral("Error 3265：")));
        QCOMPARE(msgs.shown().first().title, QStringLiteral("エラー"));
    }

    // A target switched on for iron only: iron judges by the target, the rest by the standard.
    void personalTargetForIronOnly()
    {
        test::TempDb t;
        fx::kijun(30, 1, 2, adultValues(2250));
        const qint64 p = fx::person("太郎", QDate(1985, 1, 1), 1,
                                    {{"鉄", 15}, {"鉄flg", 1}, {"エネルギー", 1500}, {"エネルギーflg", 0}});
        Syoyouryou_Set(35, 0, 2, 1, 70, 170, QStringLiteral("健康"));
        Kojin_Settei_Get(p);
        QVERIFY(G_Syoyouryou[4].Mokuhyou_Flg);
        QCOMPARE(G_Syoyouryou[4].Mokuhyou, 15.0);
        QCOMPARE(Syoyouryou_Kijun(4), 15.0);
        QVERIFY(!G_Syoyouryou[0].Mokuhyou_Flg);
        QCOMPARE(G_Syoyouryou[0].Mokuhyou, 1500.0);
        for (int i = 0; i < kJudgedCount; ++i) {
            if (i != 4)
                QCOMPARE(Syoyouryou_Kijun(i), S(i));
        }
        QCOMPARE(G_Syoyouryou[24].Mokuhyou, 0.0); // empty target reads as 0

        // Another person's targets replace them; a missing person leaves them alone.
        test::MsgRecorder msgs;
        Kojin_Settei_Get(p + 100);
        QCOMPARE(msgs.prompts(), QStringList{"個人データレコードが見つかりません。"});
        QCOMPARE(msgs.shown().first().title, QStringLiteral("エラー"));
        QVERIFY(G_Syoyouryou[4].Mokuhyou_Flg);
        QCOMPARE(G_Syoyouryou[4].Mokuhyou, 15.0);
    }

    void databaseErrorsPassToTheCaller()
    {
        // No database open: Syoyouryou_Set throws, Syoyouryou_Get reports and returns 0.
        QVERIFY_THROWS_EXCEPTION(DbError, Syoyouryou_Set(35, 0, 2, 1, 70, 170, "健康"));
        QVERIFY_THROWS_EXCEPTION(DbError, Kojin_Settei_Get(1));
        test::MsgRecorder msgs;
        QCOMPARE(Syoyouryou_Get("エネルギー", 35, 0, 1, {{"生活強度", 2}}), 0.0);
        QCOMPARE(msgs.shown().size(), 1);
        QVERIFY(msgs.last().startsWith(QStringLiteral("Error ")));
    }
};

QTEST_GUILESS_MAIN(TstSyoyouryou)
#include "tst_syoyouryou.moc"
