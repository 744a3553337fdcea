#include "b_01.h"
#include "database.h"
#include "himan_chart.h"
#include "kenkou_core.h"
#include "testsupport.h"

#include <QtTest>

using namespace mirte;

namespace {

KenkouRow sampleRow(qint64 simeiId, const QDate &d)
{
    KenkouRow r;
    r.simeiId = simeiId;
    r.hiduke = d;
    r.sintyou = 165.5;
    r.taijuu = 58;
    r.kenkou = QStringLiteral("授乳期");
    r.kyoudo = 3;
    r.ketuatuSita = 70;
    r.ketuatuUe = 120;
    r.taion = 36.5;
    r.taisibou = 22.1;
    r.kettouti = 95;
    r.sinpaku = 64;
    r.hosuu = 8000;
    r.undouryou = 210;
    r.bikou = QStringLiteral("散歩 'すこし'");
    return r;
}

qint64 addPerson(const QString &name)
{
    return G_DB().insert(QStringLiteral("個人データ"),
                         {{QStringLiteral("氏名"), name},
                          {QStringLiteral("生年月日"), QStringLiteral("1980-04-01")},
                          {QStringLiteral("性別"), 2}});
}

} // namespace

class TstHealthCore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }

    void formDate_data()
    {
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("m");
        QTest::addColumn<QString>("d");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("plain") << "2001" << "1" << "5" << QDate(2001, 1, 5);
        QTest::newRow("blanks and zeros") << " 2001 " << "01" << "05" << QDate(2001, 1, 5);
        QTest::newRow("leap day") << "2024" << "2" << "29" << QDate(2024, 2, 29);
        QTest::newRow("no leap day") << "2023" << "2" << "29" << QDate();
        QTest::newRow("month 13") << "2023" << "13" << "1" << QDate();
        QTest::newRow("day 0") << "2023" << "1" << "0" << QDate();
        QTest::newRow("empty day") << "2023" << "1" << "" << QDate();
        QTest::newRow("letters") << "2O23" << "1" << "1" << QDate();
        QTest::newRow("sign") << "-2023" << "1" << "1" << QDate();
        QTest::newRow("two-digit year") << "23" << "1" << "1" << QDate();
        QTest::newRow("1900/1/1") << "1900" << "1" << "1" << QDate(1900, 1, 1);
    }
    void formDate()
    {
        QFETCH(QString, y);
        QFETCH(QString, m);
        QFETCH(QString, d);
        QFETCH(QDate, expected);
        QCOMPARE(mirte::formDate(y, m, d), expected);
    }

    void dateTexts()
    {
        const QDate d(2001, 1, 5); // a Friday
        QCOMPARE(youbiText(d), QStringLiteral("（金）"));
        QCOMPARE(youbiText(QDate(2024, 6, 2)), QStringLiteral("（日）"));
        QCOMPARE(longDateText(d), QStringLiteral("2001年1月5日"));
        QCOMPARE(slashDateText(d), QStringLiteral("2001/01/05"));
        QCOMPARE(dayHyoujiText("2001", "1", "5", youbiText(d)),
                 QStringLiteral("日付 ： 2001年1月5日（金）"));
    }

    void numberText_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << QVariant(170.0) << "170";
        QTest::newRow("fraction") << QVariant(65.5) << "65.5";
        QTest::newRow("zero") << QVariant(0.0) << "0";
        QTest::newRow("large") << QVariant(123456.0) << "123456";
        QTest::newRow("null") << QVariant() << "";
    }
    void numberText()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        std::optional<double> v;
        if (!value.isNull())
            v = value.toDouble();
        QCOMPARE(mirte::numberText(v), expected);
    }

    void rowToFormWholeAndPartial()
    {
        const KenkouRow r = sampleRow(1, QDate(2020, 3, 1));
        KenkouForm f;
        f.year = "2024";
        f.month = "6";
        f.day = "2";
        f.taion = "leftover";
        formFromRow(f, r, false);
        QCOMPARE(f.sintyou, QStringLiteral("165.5"));
        QCOMPARE(f.taijuu, QStringLiteral("58"));
        QCOMPARE(f.kenkou, QStringLiteral("授乳期"));
        QCOMPARE(f.kyoudoIndex, 2);
        QCOMPARE(f.taion, QStringLiteral("36.5"));
        QCOMPARE(f.hosuu, QStringLiteral("8000"));
        QCOMPARE(f.bikou, r.bikou);
        QCOMPARE(f.year, QStringLiteral("2024")); // the date boxes are not touched

        formFromRow(f, r, true);
        QCOMPARE(f.sintyou, QStringLiteral("165.5"));
        QCOMPARE(f.kenkou, QStringLiteral("授乳期"));
        QCOMPARE(f.kyoudoIndex, 2);
        for (const QString *t : {&f.ketuatuSita, &f.ketuatuUe, &f.taion, &f.taisibou, &f.kettouti,
                                 &f.sinpaku, &f.hosuu, &f.undouryou, &f.bikou})
            QVERIFY(t->isEmpty());

        clearForm(f);
        QVERIFY(f.sintyou.isEmpty());
        QCOMPARE(f.kenkou, QStringLiteral("健康"));
        QCOMPARE(f.kyoudoIndex, 1);
        QCOMPARE(f.year, QStringLiteral("2024"));
    }

    void formToRowReadsLeadingNumbers()
    {
        KenkouForm f;
        clearForm(f);
        f.sintyou = " 170.5cm";
        f.taijuu = "62";
        f.taion = "abc";
        f.hosuu = "";
        f.bikou = " memo ";
        const KenkouRow r = rowFromForm(f, 7, QDate(2024, 1, 2));
        QCOMPARE(r.simeiId, 7);
        QCOMPARE(r.hiduke, QDate(2024, 1, 2));
        QCOMPARE(*r.sintyou, 170.5);
        QCOMPARE(*r.taijuu, 62.0);
        QVERIFY(r.taion.has_value());
        QCOMPARE(*r.taion, 0.0);
        QCOMPARE(*r.hosuu, 0.0);
        QCOMPARE(r.kyoudo, 2);
        QCOMPARE(r.kenkou, QStringLiteral("健康"));
        QCOMPARE(r.bikou, QStringLiteral(" memo "));
    }

    void henkouCheck_data()
    {
        QTest::addColumn<bool>("withRow");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("changed");
        // Without a saved row only the day and the optional boxes count.
        QTest::newRow("none: untouched") << false << "" << "" << false;
        QTest::newRow("none: height typed") << false << "sintyou" << "170" << false;
        QTest::newRow("none: blank memo") << false << "bikou" << "   " << false;
        QTest::newRow("none: temperature") << false << "taion" << "36" << true;
        QTest::newRow("none: steps") << false << "hosuu" << "1" << true;
        QTest::newRow("none: other day") << false << "day" << "yesterday" << true;
        QTest::newRow("none: broken day") << false << "day" << "" << true;
        // With a saved row every field is compared.
        QTest::newRow("row: untouched") << true << "" << "" << false;
        QTest::newRow("row: same number other text") << true << "sintyou" << "165.50" << false;
        QTest::newRow("row: height") << true << "sintyou" << "166" << true;
        QTest::newRow("row: state") << true << "kenkou" << "健康" << true;
        QTest::newRow("row: intensity") << true << "kyoudo" << "0" << true;
        QTest::newRow("row: memo blank added") << true << "bikou" << "散歩 'すこし' " << true;
        QTest::newRow("row: pulse cleared") << true << "sinpaku" << "" << true;
        QTest::newRow("row: other day") << true << "day" << "yesterday" << true;
    }
    void henkouCheck()
    {
        QFETCH(bool, withRow);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, changed);
        const QDate today(2024, 6, 2);
        KenkouForm f;
        clearForm(f);
        f.year = "2024";
        f.month = "6";
        f.day = "2";
        KenkouRow r = sampleRow(1, today);
        if (withRow)
            formFromRow(f, r, false);
        if (field == "sintyou") f.sintyou = value;
        else if (field == "bikou") f.bikou = value;
        else if (field == "taion") f.taion = value;
        else if (field == "hosuu") f.hosuu = value;
        else if (field == "kenkou") f.kenkou = value;
        else if (field == "kyoudo") f.kyoudoIndex = value.toInt();
        else if (field == "sinpaku") f.sinpaku = value;
        else if (field == "day") f.day = value == "yesterday" ? QStringLiteral("1") : value;
        QCOMPARE(mirte::henkouCheck(f, withRow ? &r : nullptr, today), changed);
    }

    void storeLoadFindUpdate()
    {
        test::TempDb tmp;
        const qint64 p = addPerson("花子");
        const qint64 q = addPerson("太郎");
        const KenkouRow a = sampleRow(p, QDate(2024, 6, 2));
        const qint64 idA = insertKenkouRow(G_DB(), a);
        const qint64 idB = insertKenkouRow(G_DB(), sampleRow(p, QDate(2024, 5, 30)));
        insertKenkouRow(G_DB(), sampleRow(q, QDate(2024, 6, 1)));
        QVERIFY(idA > 0 && idB > 0 && idA != idB);

        const QList<KenkouRow> rows = loadKenkouRows(G_DB(), p);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).hiduke, QDate(2024, 5, 30)); // ascending date
        QCOMPARE(rows.at(1).id, idA);
        const KenkouRow &back = rows.at(1);
        QCOMPARE(*back.sintyou, 165.5);
        QCOMPARE(*back.ketuatuSita, 70.0);
        QCOMPARE(*back.ketuatuUe, 120.0);
        QCOMPARE(*back.undouryou, 210.0);
        QCOMPARE(back.bikou, a.bikou);
        QCOMPARE(back.kyoudo, 3);

        QCOMPARE(findKenkouDay(G_DB(), p, QDate(2024, 6, 2)), idA);
        QCOMPARE(findKenkouDay(G_DB(), p, QDate(2024, 6, 2), idA), 0);
        QCOMPARE(findKenkouDay(G_DB(), p, QDate(2024, 6, 1)), 0); // another person's day

        KenkouRow moved = back;
        moved.hiduke = QDate(2024, 6, 1);
        moved.bikou.clear();
        moved.taion = 0.0;
        updateKenkouRow(G_DB(), moved);
        const auto again = loadKenkouRow(G_DB(), idA);
        QVERIFY(again);
        QCOMPARE(again->hiduke, QDate(2024, 6, 1));
        QCOMPARE(mirte::numberText(again->taion), QStringLiteral("0"));
        QVERIFY(again->bikou.isEmpty());

        // The database refuses a second row for the same person and day.
        moved.hiduke = QDate(2024, 5, 30);
        QVERIFY_THROWS_EXCEPTION(DbError, updateKenkouRow(G_DB(), moved));
    }

    void deletingADayTakesItsMealsAndActivities()
    {
        test::TempDb tmp;
        Database &db = G_DB();
        const qint64 p = addPerson("花子");
        const qint64 day = insertKenkouRow(db, sampleRow(p, QDate(2024, 6, 2)));
        const qint64 other = insertKenkouRow(db, sampleRow(p, QDate(2024, 6, 3)));
        db.exec("INSERT INTO 調理法 (調理法ID, 調理法) VALUES (1, '生')");
        db.exec("INSERT INTO 成分表 (成分表ID, 食品名) VALUES (1, 'こめ')");
        db.exec("INSERT INTO エネルギー消費量 (エネルギー消費量ID, 運動名称) VALUES (1, '歩行')");
        for (qint64 kk : {day, other}) {
            const qint64 dish = db.insert("摂取料理", {{"健康状態管理ID", kk},
                                                       {"料理名", "ごはん"},
                                                       {"食事区分", "朝食"}});
            db.insert("摂取食品", {{"摂取料理ID", dish}, {"健康状態管理ID", kk},
                                   {"成分表ID", 1}, {"分量", 150}});
            db.insert("運動時間", {{"健康状態管理ID", kk}, {"エネルギー消費量ID", 1},
                                   {"時間", 0.02}});
        }
        deleteKenkouRow(db, day);
        auto count = [&](const char *table, qint64 kk) {
            return db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE 健康状態管理ID = ?")
                                 .arg(QString::fromUtf8(table)),
                             {kk})
                .toInt();
        };
        for (const char *t : {"健康状態管理", "摂取料理", "摂取食品", "運動時間"}) {
            QCOMPARE(count(t, day), 0);
            QCOMPARE(count(t, other), 1);
        }
    }

    void chartFor_data()
    {
        QTest::addColumn<bool>("male");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("bitmap");
        QTest::newRow("45 woman") << false << 45 << "肥満とやせの判定図［４０歳～４９歳・女］" << "gr/40w.bmp";
        QTest::newRow("19 man") << true << 19 << "肥満とやせの判定図［２０歳～２９歳・男］" << "gr/20m.bmp";
        QTest::newRow("0 woman") << false << 0 << "肥満とやせの判定図［２０歳～２９歳・女］" << "gr/20w.bmp";
        QTest::newRow("29 man") << true << 29 << "肥満とやせの判定図［２０歳～２９歳・男］" << "gr/20m.bmp";
        QTest::newRow("30 man") << true << 30 << "肥満とやせの判定図［３０歳～３９歳・男］" << "gr/30m.bmp";
        QTest::newRow("59 woman") << false << 59 << "肥満とやせの判定図［５０歳～５９歳・女］" << "gr/50w.bmp";
        QTest::newRow("60 man") << true << 60 << "肥満とやせの判定図［６０歳～・男］" << "gr/60m.bmp";
        QTest::newRow("120 woman") << false << 120 << "肥満とやせの判定図［６０歳～・女］" << "gr/60w.bmp";
        QTest::newRow("121 woman") << false << 121 << "肥満とやせの判定図［２０歳～２９歳・女］" << "gr/20w.bmp";
    }
    void chartFor()
    {
        QFETCH(bool, male);
        QFETCH(int, age);
        QFETCH(QString, title);
        QFETCH(QString, bitmap);
        const ChartChoice c = mirte::chartFor(male, age);
        QCOMPARE(c.title, title);
        QCOMPARE(c.bitmap, bitmap);
    }

    void tenDistinctCharts()
    {
        QSet<QString> names;
        QSet<int> weightsAt170;
        for (const ChartChoice &c : allCharts()) {
            names << c.bitmap;
            weightsAt170 << qRound(standardWeight(c.bracket, c.male, 170) * 1000);
        }
        QCOMPARE(names.size(), 10);
        QCOMPARE(weightsAt170.size(), 10); // every picture has its own curve
    }

    void standardWeights_data()
    {
        QTest::addColumn<int>("bracket");
        QTest::addColumn<bool>("male");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("expected");
        // Worked by hand from the reference-weight curves.
        QTest::newRow("20m 170") << 0 << true << 170.0 << 63.348;
        QTest::newRow("20w 160") << 0 << false << 160.0 << 53.945;
        QTest::newRow("60w 150") << 4 << false << 150.0 << 51.479;
        QTest::newRow("40m 175") << 2 << true << 175.0 << 70.7105;
    }
    void standardWeights()
    {
        QFETCH(int, bracket);
        QFETCH(bool, male);
        QFETCH(double, height);
        QFETCH(double, expected);
        QVERIFY(qAbs(standardWeight(ChartBracket(bracket), male, height) - expected) < 1e-9);
    }

    void bands_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("band");
        QTest::newRow("0.70") << 0.70 << int(Himando::Yasesugi);
        QTest::newRow("0.799") << 0.799 << int(Himando::Yasesugi);
        QTest::newRow("0.80") << 0.80 << int(Himando::Yase);
        QTest::newRow("0.899") << 0.899 << int(Himando::Yase);
        QTest::newRow("0.90") << 0.90 << int(Himando::Futuu);
        QTest::newRow("1.00") << 1.00 << int(Himando::Futuu);
        QTest::newRow("1.10") << 1.10 << int(Himando::Futuu);
        QTest::newRow("1.101") << 1.101 << int(Himando::Futorigimi);
        QTest::newRow("1.20") << 1.20 << int(Himando::Futorigimi);
        QTest::newRow("1.201") << 1.201 << int(Himando::Himan);
    }
    void bands()
    {
        QFETCH(double, ratio);
        QFETCH(int, band);
        const double standard = 63.348;
        QCOMPARE(int(judge(standard * ratio, standard)), band);
        QVERIFY(qAbs(himando(standard * ratio, standard) - (ratio - 1) * 100) < 1e-9);
    }

    void marks_data()
    {
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("w");
        QTest::addColumn<bool>("hLine");
        QTest::addColumn<bool>("wLine");
        QTest::addColumn<bool>("point");
        QTest::newRow("200/70") << 200.0 << 70.0 << false << true << false;
        QTest::newRow("130/30") << 130.0 << 30.0 << true << true << true;
        QTest::newRow("190/100") << 190.0 << 100.0 << true << true << true;
        QTest::newRow("129.9/50") << 129.9 << 50.0 << false << true << false;
        QTest::newRow("160/100.1") << 160.0 << 100.1 << true << false << false;
        QTest::newRow("160/29.9") << 160.0 << 29.9 << true << false << false;
    }
    void marks()
    {
        QFETCH(double, h);
        QFETCH(double, w);
        QFETCH(bool, hLine);
        QFETCH(bool, wLine);
        QFETCH(bool, point);
        const ChartMarks m = chartMarks(h, w);
        QCOMPARE(m.heightLine, hLine);
        QCOMPARE(m.weightLine, wLine);
        QCOMPARE(m.point, point);
    }

    void comment()
    {
        QCOMPARE(chartComment(170, "170", 60, "60.0"),
                 QStringLiteral("　身長：\r\n　　170 (cm)\r\n\r\n　体重：\r\n　　60.0 (kg)"));
        QCOMPARE(chartComment(200, "200", 120, "120"),
                 QStringLiteral("　身長：表示範囲外です。\r\n\r\n　　200 (cm)\r\n\r\n"
                                "　体重：表示範囲外です。\r\n\r\n　　120 (kg)"));
    }

    void mapping()
    {
        const ChartMapping m(QRectF(10, 20, 600, 700));
        QCOMPARE(m.toPixel(130, 100), QPointF(10, 20));
        QCOMPARE(m.toPixel(190, 30), QPointF(610, 720));
        QCOMPARE(m.toPixel(160, 65), QPointF(310, 370));
        const QPointF back = m.toChart(m.toPixel(171.3, 48.2));
        QVERIFY(qAbs(back.x() - 171.3) < 1e-9 && qAbs(back.y() - 48.2) < 1e-9);
        QCOMPARE(m.unitsToPixelsX(1.5), 15.0);
        QCOMPARE(m.unitsToPixelsY(1.5), 15.0);
    }
};

QTEST_GUILESS_MAIN(TstHealthCore)
#include "tst_health_core.moc"
