// Judging a day's meals without a window: rates, graph tables, advice, the tables and the
// per-dish rates, and the nutrient detail tables of a day or a dish.

#include "assess_fixture.h"
#include "b_seibun.h"
#include "b_sindan.h"
#include "testsupport.h"

#include <QtTest>

using namespace mirte;
namespace fx = mirte::test::fx;

namespace {

int idx(const char *name)
{
    return int(G_Eiyou_Mei.indexOf(QString::fromUtf8(name)));
}

// A standard of 100 for every nutrient, no references, no targets.
SyoyouryouHyou flatStandard(double s = 100)
{
    SyoyouryouHyou t{};
    for (auto &e : t)
        e.Syoyouryou = s;
    return t;
}

SessyuryouHyou dayOf(int meal, int nutrient, double amount)
{
    SessyuryouHyou d{};
    d.Ryou[meal][nutrient] = amount;
    d.Ryou[5][nutrient] += amount;
    return d;
}

const QString crlf = QStringLiteral("\r\n");

QString line(const char *name, const char *rate, const QString &text)
{
    return crlf + QStringLiteral("　☆") + QString::fromUtf8(name) + QStringLiteral(" ( ")
           + QString::fromUtf8(rate) + QStringLiteral(" ％ ) ： ") + text;
}

} // namespace

class TstSindan : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }

    void rate_data()
    {
        QTest::addColumn<double>("intake");
        QTest::addColumn<double>("reference");
        QTest::addColumn<double>("rate");
        QTest::newRow("534 of 2000") << 534.0 << 2000.0 << 26.7;
        QTest::newRow("exactly the reference") << 60.0 << 60.0 << 100.0;
        QTest::newRow("nothing eaten") << 0.0 << 2000.0 << 0.0;
        QTest::newRow("reference 0") << 12.0 << 0.0 << 999.0;
        QTest::newRow("reference 0, nothing eaten") << 0.0 << 0.0 << 999.0;
    }
    void rate()
    {
        QFETCH(double, intake);
        QFETCH(double, reference);
        QFETCH(double, rate);
        QCOMPARE(Sessyu_Ritu(intake, reference), rate);
    }

    // Each meal row against its nutrient's reference, the own target where switched on.
    void mealRates()
    {
        SessyuryouHyou d{};
        d.Ryou[1][0] = 500;  // 朝食 energy
        d.Ryou[3][0] = 700;  // 夕食 energy
        d.Ryou[2][4] = 3;    // 昼食 iron
        d.Ryou[4][24] = 9;   // その他 zinc
        SyoyouryouHyou s = flatStandard();
        s[0].Syoyouryou = 2000;
        s[4].Syoyouryou = 10;
        s[4].Mokuhyou = 12;
        s[4].Mokuhyou_Flg = true;
        s[24].Syoyouryou = 9;
        const SindanKekka k = Sindan_Keisan(d, s);
        QVERIFY(k.mokuhyouUsed);
        QCOMPARE(k.gr1.rows(), 5);
        QCOMPARE(k.gr1.cells(), 15);
        QCOMPARE(k.gr2.cells(), 12);
        QCOMPARE(k.gr1.cell(1, 0).toString(), QStringLiteral("朝"));
        QCOMPARE(k.gr1.cell(4, 0).toString(), QStringLiteral("他"));
        QCOMPARE(k.gr1.cell(0, 1).toString(), QStringLiteral("エネルギー"));
        QCOMPARE(k.gr1.cell(0, 14).toString(), QStringLiteral("食物繊維総量"));
        QCOMPARE(k.gr2.cell(0, 1).toString(), QStringLiteral("ビタミンＫ"));
        QCOMPARE(k.gr2.cell(0, 11).toString(), QStringLiteral("亜鉛"));
        QCOMPARE(k.gr1.cell(1, 1).toDouble(), 25.0);
        QCOMPARE(k.gr1.cell(3, 1).toDouble(), 35.0);
        QCOMPARE(k.gr1.cell(2, 1).toDouble(), 0.0);
        QCOMPARE(k.gr1.cell(2, 5).toDouble(), 25.0);  // 3 of the target 12, not of 10
        QCOMPARE(k.gr2.cell(4, 11).toDouble(), 100.0);
        QCOMPARE(k.dayRitu(0), 60.0);
        QCOMPARE(k.dayRitu(24), 100.0);
        QVERIFY(!Sindan_Keisan(d, flatStandard()).mokuhyouUsed);
    }

    // A target of 0 with its switch on: 999 for every meal, 4 × 999 for the day.
    void zeroTarget()
    {
        SyoyouryouHyou s = flatStandard();
        s[12].Mokuhyou = 0;
        s[12].Mokuhyou_Flg = true;
        const SindanKekka k = Sindan_Keisan(dayOf(1, 12, 3), s);
        for (int m = 1; m <= 4; ++m)
            QCOMPARE(k.gr1.cell(m, 13).toDouble(), 999.0);
        QCOMPARE(k.dayRitu(12), 4 * 999.0);
        QVERIFY(k.mokuhyouUsed);
    }

    // ---- advice ----

    void adviceThresholds_data()
    {
        QTest::addColumn<int>("nutrient");
        QTest::addColumn<double>("standard");
        QTest::addColumn<double>("kagen");
        QTest::addColumn<double>("jougen");
        QTest::addColumn<double>("intake");
        QTest::addColumn<QString>("expected"); // the one finding, "" for none
        const QString fusoku = crlf + QStringLiteral("★不足している栄養素・・・") + crlf;
        const QString kajou = crlf + QStringLiteral("★摂り過ぎている栄養素・・") + crlf;
        QTest::newRow("energy exactly 90 %") << 0 << 2000.0 << 1800.0 << 2400.0 << 1800.0 << QString();
        QTest::newRow("energy 89.9 %")
            << 0 << 2000.0 << 1800.0 << 2400.0 << 1798.0
            << fusoku + line("エネルギー", "89.9", Fusoku_Text(0)) + crlf + crlf;
        QTest::newRow("energy exactly 120 %") << 0 << 2000.0 << 1800.0 << 2400.0 << 2400.0 << QString();
        QTest::newRow("energy 120.5 %")
            << 0 << 2000.0 << 1800.0 << 2400.0 << 2410.0
            << kajou + line("エネルギー", "120.5", Kajou_Text(0)) + crlf;
        QTest::newRow("salt exactly 100 %") << 12 << 9.7 << 9.7 * 0.7 << 9.7 << 9.7 << QString();
        // Standards whose meal shares do not add up exactly in binary: still no finding.
        QTest::newRow("energy exactly 90 % of 1139") << 0 << 1139.0 << 1139 * 0.9 << 1139 * 1.2 << 1139 * 0.9 << QString();
        QTest::newRow("salt exactly 100 % of 0.65") << 12 << 0.65 << 0.65 * 0.7 << 0.65 << 0.65 << QString();
        QTest::newRow("salt 100.1 %")
            << 12 << 10.0 << 7.0 << 10.0 << 10.01
            << kajou + line("食塩相当量", "100.1",
                            QStringLiteral("高血圧、脳卒中。胃がんとの関連性が高いと言われている。") + crlf
                                + QString(7, QChar(0x3000))
                                + QStringLiteral("（多い食品）コンソメ、風味調味料、みそ、梅干し、漬物、塩辛などの塩漬け、たらなど。"))
                   + crlf;
        QTest::newRow("B1 below 110 %")
            << 6 << 1.0 << 1.1 << 0.0 << 1.05
            << fusoku + line("ビタミンＢ１", "105.0", Fusoku_Text(6)) + crlf + crlf;
        QTest::newRow("no upper reference: never excess") << 1 << 60.0 << 60.0 << 0.0 << 6000.0 << QString();
        QTest::newRow("empty excess text still gets its line")
            << 1 << 60.0 << 0.0 << 60.0 << 90.0 << kajou + line("たんぱく質", "150.0", QString()) + crlf;
        QTest::newRow("standard 0 is left out of both passes")
            << 3 << 0.0 << 600.0 << 2500.0 << 0.0 << QString();
        QTest::newRow("nothing eaten: a shortage at 0.0")
            << 19 << 700.0 << 700.0 << 4000.0 << 0.0
            << fusoku + line("リン", "0.0", Fusoku_Text(19)) + crlf + crlf;
    }
    void adviceThresholds()
    {
        QFETCH(int, nutrient);
        QFETCH(double, standard);
        QFETCH(double, kagen);
        QFETCH(double, jougen);
        QFETCH(double, intake);
        QFETCH(QString, expected);
        SyoyouryouHyou s = flatStandard(0); // every other nutrient is left out
        s[nutrient].Syoyouryou = standard;
        s[nutrient].Kagen = kagen;
        s[nutrient].Jougen = jougen;
        // The intake split over two meals, as a day is.
        SessyuryouHyou d = dayOf(1, nutrient, intake * 0.25);
        d.Ryou[3][nutrient] = intake * 0.75;
        const QString text = Advice_Text(Sindan_Keisan(d, s), s);
        const QString ideal = crlf + crlf + QStringLiteral("理想的な栄養バランスです。") + crlf;
        if (expected.isEmpty()) {
            QCOMPARE(text, ideal);
            return;
        }
        const QString closing = crlf + crlf + QStringLiteral("★栄養のばらつきがみられます。") + crlf
                                + QStringLiteral("　長期的に栄養の偏りが続くと、上に書かれているような病気になる可能性が高まります。")
                                + crlf
                                + QStringLiteral("　毎日、同じような傾向が続かないよう、バランスの良い食事になるように心掛けましょう。");
        QCOMPARE(text, expected + closing);
    }

    // Both passes in index order, shortages first; one heading each.
    void adviceOrder()
    {
        SyoyouryouHyou s = flatStandard(0);
        for (int i : {0, 3, 12, 21}) {
            s[i].Syoyouryou = 100;
            s[i].Kagen = 100;
            s[i].Jougen = 150;
        }
        SessyuryouHyou d{};
        d.Ryou[1][21] = 50;  // short
        d.Ryou[1][3] = 40;   // short
        d.Ryou[2][12] = 200; // excess
        d.Ryou[2][0] = 160;  // excess
        const QString t = Advice_Text(Sindan_Keisan(d, s), s);
        QCOMPARE(t.count(QStringLiteral("★不足している栄養素")), 1);
        QCOMPARE(t.count(QStringLiteral("★摂り過ぎている栄養素")), 1);
        const qsizetype ca = t.indexOf(QStringLiteral("☆カルシウム")), k = t.indexOf(QStringLiteral("☆カリウム"));
        const qsizetype e = t.indexOf(QStringLiteral("☆エネルギー")), salt = t.indexOf(QStringLiteral("☆食塩相当量"));
        QVERIFY(ca > 0 && ca < k);
        QVERIFY(k < t.indexOf(QStringLiteral("★摂り過ぎている栄養素")));
        QVERIFY(t.indexOf(QStringLiteral("★摂り過ぎている栄養素")) < e && e < salt);
        QVERIFY(t.endsWith(QStringLiteral("心掛けましょう。")));
    }

    // The misspelt medical words are shown correctly; no text still holds one.
    void adviceWords_data()
    {
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("right");
        QTest::newRow("acute poisoning") << "急逝中毒" << "急性中毒";
        QTest::newRow("Parkinson") << "パーキソン病" << "パーキンソン病";
        QTest::newRow("hypercalcaemia") << "高カルシウム血病" << "高カルシウム血症";
        QTest::newRow("hyperlipidaemia") << "高脂血病" << "高脂血症";
        QTest::newRow("phosphatase") << "アルカリ性フォスターゼ" << "アルカリ性フォスファターゼ";
        QTest::newRow("carotenaemia") << "紺皮症" << "柑皮症";
        QTest::newRow("irritable") << "荒れっぽく" << "怒りっぽく";
    }
    void adviceWords()
    {
        QFETCH(QString, wrong);
        QFETCH(QString, right);
        QString all;
        for (int i = 0; i < kJudgedCount; ++i)
            all += Fusoku_Text(i) + Kajou_Text(i);
        QVERIFY2(!all.contains(wrong), qPrintable(wrong));
        QVERIFY2(all.contains(right), qPrintable(right));
    }

    // Note lines: seven ideographic spaces, continuation lines of a note eleven.
    void adviceLineLayout()
    {
        int notes = 0, continued = 0;
        for (int i = 0; i < kJudgedCount; ++i) {
            for (const QString &text : {Fusoku_Text(i), Kajou_Text(i)}) {
                const QStringList lines = text.split(crlf);
                QVERIFY(!text.contains(QLatin1Char('\n')) || text.count(QLatin1Char('\n')) == text.count(crlf));
                for (int l = 1; l < lines.size(); ++l) {
                    const QString &ln = lines[l];
                    qsizetype lead = 0;
                    while (lead < ln.size() && ln[lead] == QChar(0x3000))
                        ++lead;
                    if (ln.mid(lead).startsWith(QStringLiteral("（参考）")) || ln.mid(lead).startsWith(QStringLiteral("（多い食品）"))) {
                        QCOMPARE(lead, 7);
                        ++notes;
                    } else {
                        QCOMPARE(lead, 11);
                        ++continued;
                    }
                }
            }
            QVERIFY2(!Fusoku_Text(i).isEmpty(), qPrintable(G_Eiyou_Mei[i]));
        }
        QCOMPARE(continued, 4); // calcium, B1, C and phosphorus notes run on
        QVERIFY(notes > 25);
        QVERIFY(Kajou_Text(idx("たんぱく質")).isEmpty());
        QVERIFY(Kajou_Text(idx("カリウム")).isEmpty());
    }

    // ---- tables ----

    void fullTableValues()
    {
        SessyuryouHyou d{};
        d.Ryou[1][0] = 512.345;
        d.Ryou[4][0] = 100;
        d.Ryou[5][0] = 612.345;
        d.Ryou[2][102] = 1234567.891;
        const QList<QStringList> rows = Sessyu_Zen_Rows(d);
        QCOMPARE(rows[0].mid(1, 5), (QStringList{"512.35", "0.00", "0.00", "100.00", "612.35"}));
        QCOMPARE(rows[102][2], QStringLiteral("1234567.89"));
    }

    // The per-dish rates divide by the standard, whatever target is switched on.
    void perDishRates()
    {
        std::array<double, kEiyouCount> dish{};
        dish[0] = 600;
        dish[13] = 5;
        dish[14] = 30;
        SyoyouryouHyou s = flatStandard();
        s[0].Syoyouryou = 2000;
        s[0].Mokuhyou = 1500;
        s[0].Mokuhyou_Flg = true;
        s[13].Syoyouryou = 0;
        s[14].Syoyouryou = 150;
        const GraphHyou g1 = Ryouri_Graph(dish, s, kGraph1First, kGraph1Count);
        const GraphHyou g2 = Ryouri_Graph(dish, s, kGraph2First, kGraph2Count);
        QCOMPARE(g1.rows(), 2);
        QCOMPARE(g1.cell(1, 0).toString(), QStringLiteral("成分"));
        QCOMPARE(g1.cell(1, 1).toDouble(), 30.0); // 600 of 2000, not of 1500
        QCOMPARE(g1.cell(1, 14).toDouble(), 999.0);
        QCOMPARE(g2.cells(), 12);
        QCOMPARE(g2.cell(1, 1).toDouble(), 20.0);
        // The diagnosis of the same intake uses the target.
        const SindanKekka k = Sindan_Keisan(dayOf(1, 0, 600), s);
        QCOMPARE(k.gr1.cell(1, 1).toDouble(), 40.0);
    }

    // ---- detail tables ----

    void detailHeaders()
    {
        QCOMPARE(Seibun_Header(0).size(), 41);
        QCOMPARE(Seibun_Header(1).size(), 51);
        QCOMPARE(Seibun_Header(2).size(), 26);
        QCOMPARE(Seibun_Header(1)[6], QStringLiteral("飽和脂肪酸(g) "));
        QCOMPARE(Seibun_Header(1)[9], QStringLiteral("酪酸"));
        QCOMPARE(Seibun_Header(1)[50], QStringLiteral("テトラコセン酸"));
        QCOMPARE(Seibun_Header(2)[5], QStringLiteral("イソロイシン"));
        QCOMPARE(Seibun_Header(2)[25], QStringLiteral("アミノ酸スコア"));
        // Every column of table 0 is a column of 成分表.
        test::TempDb t;
        const QStringList cols = Seibun_Columns0();
        QCOMPARE(cols.size(), 36);
        for (const QString &c : cols)
            QVERIFY2(G_DB().scalar(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('成分表') WHERE name = ?"),
                                   {c}).toInt() == 1, qPrintable(c));
    }

    // Two dishes (the second with two foods), a dish without foods, and a food that has
    // neither a fatty-acid nor an amino-acid row.
    void detailDay()
    {
        test::TempDb t;
        fx::food(1, {{"エネルギー", 356}, {"ビタミンＢ６", 0.12}, {"食塩相当量", 0}});
        fx::fatty(1, {{"脂肪酸・総量", 5.0}, {"脂肪酸・飽和", 1.5}, {"酪酸", 20}});
        fx::amino(1, {{"イソロイシン", 250}});
        fx::food(2, {{"エネルギー", 100}});
        const qint64 kk = fx::record(fx::person("花子", QDate(1980, 1, 1), 2), QDate(2024, 5, 1), 160, 50);
        const qint64 a = fx::dish(kk, "朝食", "ごはん");
        fx::eat(a, kk, 1, 150);
        fx::dish(kk, "昼食", "空の皿");
        const qint64 c = fx::dish(kk, "夕食", "定食");
        fx::eat(c, kk, 2, 50);
        fx::eat(c, kk, 1, 10);
        const SeibunHyou h = Seibun_Day(kk);
        QVERIFY(h.complete);
        const QList<QStringList> &m = h.rows[0];
        QCOMPARE(m.size(), 3 + 3 + 1); // foods + subtotals + total
        QCOMPARE(m[0].mid(1, 4), (QStringList{"ごはん (朝食)", "食品1", "", "150.00"}));
        QCOMPARE(m[0][5], QStringLiteral("534.00"));
        QCOMPARE(m[1][2], QStringLiteral("小計"));
        QCOMPARE(m[1][5], QStringLiteral("534.00"));
        QCOMPARE(m[2][2], QStringLiteral("小計")); // the dish without foods
        QCOMPARE(m[2][5], QStringLiteral("0.00"));
        QCOMPARE(m[3][1], QStringLiteral("定食 (夕食)"));
        QCOMPARE(m[5][2], QStringLiteral("小計"));
        QCOMPARE(m[5][5], QStringLiteral("85.60")); // 50 + 35.6
        QCOMPARE(m[5][4], QStringLiteral("60.00"));
        QCOMPARE(m[6][2], QStringLiteral("合計"));
        QCOMPARE(m[6][5], QStringLiteral("619.60"));
        QCOMPARE(m[6][4], QStringLiteral("210.00"));
        // ビタミンＢ６ (a header written "ビタミンＢ6"): 0.12 × 1.5 = 0.18; empty for food 2.
        const int b6 = int(Seibun_Header(0).indexOf(QStringLiteral("ビタミンＢ6(mg)")));
        QCOMPARE(m[0][b6], QStringLiteral("0.18"));
        QCOMPARE(m[3][b6], QString());
        QCOMPARE(m[6][b6], QStringLiteral("0.19")); // 0.18 + 0.01 (0.012 shown as 0.01)
        // A stored 0 shows 0.00; an empty value an empty cell.
        const int salt = int(Seibun_Header(0).indexOf(QStringLiteral("食塩相当量(g)")));
        QCOMPARE(m[0][salt], QStringLiteral("0.00"));
        QCOMPARE(m[3][salt], QString());

        // Fatty acids: food 2 has no row, its cells are empty and add nothing.
        const QList<QStringList> &f = h.rows[1];
        QCOMPARE(f[0][5], QStringLiteral("7.50"));        // 5.0 × 1.5
        QCOMPARE(f[0][9], QStringLiteral("1500.00"));     // 20 × 150 × 5 ÷ 10
        for (int c = 5; c < f[3].size(); ++c)
            QCOMPARE(f[3][c], QString());
        QCOMPARE(f[3][4], QStringLiteral("50.00"));
        QCOMPARE(f[5][9], QStringLiteral("100.00"));      // 20 × 10 × 5 ÷ 10 only
        QCOMPARE(f[6][9], QStringLiteral("1600.00"));
        QCOMPARE(h.rows[2][6][5], QStringLiteral("400.00")); // 250 × 1.5 + 250 × 0.1
    }

    void detailDeletedFood()
    {
        test::TempDb t;
        test::MsgRecorder rec;
        fx::food(1, {{"エネルギー", 100}});
        fx::food(2, {{"エネルギー", 200}});
        const qint64 kk = fx::record(fx::person("花子", QDate(1980, 1, 1), 2), QDate(2024, 5, 1), 160, 50);
        const qint64 a = fx::dish(kk, "朝食");
        fx::eat(a, kk, 1, 100);
        fx::eat(a, kk, 2, 100);
        fx::removeDangling(QStringLiteral("成分表"), QStringLiteral("成分表ID"), 2);
        const SeibunHyou h = Seibun_Day(kk);
        QVERIFY(!h.complete);
        QCOMPARE(h.rows[0].size(), 1); // the food before it stays, no subtotal or total
        QCOMPARE(rec.prompts(), QStringList{"成分表のレコードが削除されています。"});
        QCOMPARE(rec.shown().first().title, QStringLiteral("エラー"));
    }

    void detailOneDish_data()
    {
        QTest::addColumn<bool>("master");
        QTest::newRow("eaten dish") << false;
        QTest::newRow("catalogue dish") << true;
    }
    void detailOneDish()
    {
        QFETCH(bool, master);
        test::TempDb t;
        fx::food(1, {{"エネルギー", 356}});
        fx::food(2, {{"エネルギー", 100}});
        SeibunHyou h;
        if (master) {
            fx::cookingMethod();
            const qint64 cat = G_DB().insert(QStringLiteral("料理分類"), {{QStringLiteral("料理分類"), QStringLiteral("主食")}});
            const qint64 r = G_DB().insert(QStringLiteral("料理名"), {{QStringLiteral("料理名"), QStringLiteral("親子丼")},
                                                                   {QStringLiteral("料理分類ID"), cat}});
            for (auto [id, g] : {std::pair{1, 200.0}, std::pair{2, 30.0}})
                G_DB().insert(QStringLiteral("材料"), {{QStringLiteral("料理名ID"), r}, {QStringLiteral("成分表ID"), id},
                                                      {QStringLiteral("分量"), g}});
            h = Seibun_Master(r, QStringLiteral("親子丼"));
        } else {
            const qint64 kk = fx::record(fx::person("花子", QDate(1980, 1, 1), 2), QDate(2024, 5, 1), 160, 50);
            const qint64 a = fx::dish(kk, "朝食", "親子丼");
            fx::eat(a, kk, 1, 200);
            fx::eat(a, kk, 2, 30);
            fx::eat(fx::dish(kk, "昼食", "別の料理"), kk, 2, 500);
            h = Seibun_Ryouri(a, QStringLiteral("親子丼"));
        }
        QCOMPARE(h.rows[0].size(), 3);
        QCOMPARE(h.rows[0][0][1], QStringLiteral("親子丼"));
        QCOMPARE(h.rows[0][0][5], QStringLiteral("712.00"));
        QCOMPARE(h.rows[0][1][5], QStringLiteral("30.00"));
        QCOMPARE(h.rows[0][2][2], QStringLiteral("合計"));
        QCOMPARE(h.rows[0][2][5], QStringLiteral("742.00"));
        QCOMPARE(h.rows[0][2][4], QStringLiteral("230.00"));
    }
};

QTEST_GUILESS_MAIN(TstSindan)
#include "tst_sindan.moc"
