// The exercise core without a window: durations, totals, rows of 運動時間, the picker's search,
// the diagnosis with its stops, the advice and the load-energy table.

#include "../assess/assess_fixture.h"
#include "b_01.h"
#include "b_t01.h"
#include "database.h"
#include "testsupport.h"
#include "undou_core.h"
#include "undou_sindan.h"

#include <QtTest>

using namespace mirte;
using namespace mirte::test;

namespace {

const QDate kDay(2024, 6, 10);

// A named activity with its rate.
qint64 kind(qint64 id, const QString &name, const QVariant &rmr)
{
    return G_DB().insert(QStringLiteral("エネルギー消費量"), {{QStringLiteral("エネルギー消費量ID"), id},
                                                            {QStringLiteral("運動名称"), name},
                                                            {QStringLiteral("エネルギー代謝率"), rmr}});
}

qint64 minutesRow(qint64 kk, qint64 kindId, int minutes)
{
    return fx::activity(kk, kindId, minutes / 1440.0);
}

// A 40-year-old (or `age`) of the given sex weighing 60 kg, with basal reference values
// 22.1 (male) and 21.7 (female) kcal/kg at every age key used here.
struct Day {
    qint64 person = 0;
    qint64 kk = 0;
};

Day adultDay(int age = 40, int sex = 1, double weight = 60)
{
    for (int key : {10, 14, 40}) {
        fx::basal(key, 1, 22.1);
        fx::basal(key, 2, 21.7);
    }
    Day d;
    d.person = fx::person(QStringLiteral("太郎"), kDay.addYears(-age).addDays(-3), sex);
    d.kk = fx::record(d.person, kDay, 170, weight);
    return d;
}

QList<int> minutesList(const QString &text)
{
    QList<int> out;
    for (const QString &p : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        out << p.toInt();
    return out;
}

} // namespace

class TstExerciseCore : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDb> m_db;
    std::unique_ptr<MsgRecorder> m_msg;

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
    }
    void cleanup()
    {
        m_msg.reset();
        m_db.reset();
    }

    // ---------------------------------------------------------------- durations

    void durationCheck_data()
    {
        QTest::addColumn<QVariant>("activity");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("stored");
        QTest::newRow("1 h, minutes empty") << QVariant(3) << "1" << "" << int(JikanCheck::Ok) << 60;
        QTest::newRow("hours empty, 45 min") << QVariant(3) << "" << "45" << int(JikanCheck::Ok) << 45;
        QTest::newRow("0 and 0") << QVariant(3) << "0" << "0" << int(JikanCheck::Ok) << 0;
        QTest::newRow("23:59") << QVariant(3) << "23" << "59" << int(JikanCheck::Ok) << 1439;
        QTest::newRow("abc counts as 0") << QVariant(3) << "abc" << "30" << int(JikanCheck::Ok) << 30;
        QTest::newRow("leading number") << QVariant(3) << "2時間" << "5分" << int(JikanCheck::Ok) << 125;
        QTest::newRow("full-width digits") << QVariant(3) << "１２" << "３０" << int(JikanCheck::Ok) << 750;
        QTest::newRow("blanks around") << QVariant(3) << " 2 " << " 05" << int(JikanCheck::Ok) << 125;
        QTest::newRow("24 hours") << QVariant(3) << "24" << "0" << int(JikanCheck::Invalid) << 0;
        QTest::newRow("60 minutes") << QVariant(3) << "0" << "60" << int(JikanCheck::Invalid) << 0;
        QTest::newRow("a fraction") << QVariant(3) << "1.5" << "" << int(JikanCheck::Invalid) << 0;
        QTest::newRow("negative") << QVariant(3) << "-1" << "30" << int(JikanCheck::Invalid) << 0;
        QTest::newRow("many hours") << QVariant(3) << "99999" << "0" << int(JikanCheck::Invalid) << 0;
        QTest::newRow("exponent") << QVariant(3) << "1e1" << "0" << int(JikanCheck::Ok) << 600;
        QTest::newRow("both empty") << QVariant(3) << "" << " " << int(JikanCheck::Empty) << 0;
        QTest::newRow("no activity") << QVariant() << "1" << "0" << int(JikanCheck::NoActivity) << 0;
        QTest::newRow("activity 0") << QVariant(0) << "1" << "0" << int(JikanCheck::NoActivity) << 0;
        QTest::newRow("activity first") << QVariant() << "" << "" << int(JikanCheck::NoActivity) << 0;
    }
    void durationCheck()
    {
        QFETCH(QVariant, activity);
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(int, result);
        QFETCH(int, stored);
        const JikanCheck c = Jikan_Check(activity, hours, minutes);
        QCOMPARE(int(c.result), result);
        if (result == JikanCheck::Ok) {
            QCOMPARE(c.minutes, stored);
            QCOMPARE(c.days(), stored / 1440.0);
        }
    }

    void durationMessages()
    {
        QCOMPARE(Jikan_Check_Message(JikanCheck::Invalid, false),
                 QStringLiteral("時間の表記に誤りがあります。24時間未満の値を入力してください。"));
        QCOMPARE(Jikan_Check_Message(JikanCheck::Invalid, true),
                 QStringLiteral("24時間未満の値を入力してください。"));
        for (bool over : {false, true}) {
            QCOMPARE(Jikan_Check_Message(JikanCheck::NoActivity, over),
                     QStringLiteral("運動･動作名を選択してください。"));
            QCOMPARE(Jikan_Check_Message(JikanCheck::Empty, over),
                     QStringLiteral("運動時間を入力してください。"));
        }
    }

    void durationTexts_data()
    {
        QTest::addColumn<double>("days");
        QTest::addColumn<QString>("hnn");
        QTest::addColumn<QString>("hms");
        QTest::newRow("zero") << 0.0 << "0：00" << "0:00:00";
        QTest::newRow("1:30") << 90 / 1440.0 << "1：30" << "1:30:00";
        QTest::newRow("23:59") << 1439 / 1440.0 << "23：59" << "23:59:00";
        // A value a little off a whole minute, as a Date/Time column may hold.
        QTest::newRow("rounding") << 0.0625 - 1e-12 << "1：30" << "1:30:00";
        QTest::newRow("a whole day of rest") << 1.0 << "24：00" << "24:00:00";
    }
    void durationTexts()
    {
        QFETCH(double, days);
        QFETCH(QString, hnn);
        QFETCH(QString, hms);
        QCOMPARE(Jikan_HNN(days), hnn);
        QCOMPARE(Jikan_HMS(days), hms);
    }

    void totals_data()
    {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty list") << "" << "計： 0 時間 0 分";
        QTest::newRow("under an hour") << "5,40" << "計： 0 時間 45 分";
        QTest::newRow("26 h 5 min") << "600,600,365" << "計： 26 時間 5 分";
        QTest::newRow("25 h 10 min") << "1439,71" << "計： 25 時間 10 分";
        QTest::newRow("two days and more") << "1439,1439,1439" << "計： 71 時間 57 分";
    }
    void totals()
    {
        QFETCH(QString, minutes);
        QFETCH(QString, text);
        QList<double> days;
        for (int m : minutesList(minutes))
            days << m / 1440.0;
        QCOMPARE(Jikan_Kei_Text(days), text);
    }

    void thirdsOfADaySumToWholeHours()
    {
        // 8 h is not a whole number of binary fractions; three of them are still 24 hours.
        QCOMPARE(Jikan_Kei_Text({1 / 3.0, 1 / 3.0, 1 / 3.0}), QStringLiteral("計： 24 時間 0 分"));
    }

    // ---------------------------------------------------------------- rows

    void addChangeDelete()
    {
        const Day d = adultDay();
        kind(1, QStringLiteral("歩行"), 2.0);
        kind(2, QStringLiteral("テニス"), 6.0);
        const qint64 a = Undou_Tuika(d.kk, 1, 90);
        const qint64 b = Undou_Tuika(d.kk, 2, 45);
        QVERIFY(b > a);
        const ResultSet rs = G_DB().select(Undou_Ichiran_Sql(), {d.kk});
        QCOMPARE(rs.columns, QStringList({"運動時間ID", "健康状態管理ID", "運動名称", "エネルギー消費量ID", "時間"}));
        QCOMPARE(rs.size(), 2);
        QCOMPARE(rs.value(0, "運動名称").toString(), QStringLiteral("歩行"));
        QCOMPARE(rs.value(0, "時間").toDouble(), 90 / 1440.0);

        QVERIFY(Undou_Henkou(a, d.kk, 2, 600));
        QCOMPARE(G_DB().scalar("SELECT エネルギー消費量ID FROM 運動時間 WHERE 運動時間ID = ?", {a}).toInt(), 2);
        QCOMPARE(Jikan_Fun(G_DB().scalar("SELECT 時間 FROM 運動時間 WHERE 運動時間ID = ?", {a}).toDouble()), 600);
        // The list keeps the order of entry, whatever was changed.
        QCOMPARE(G_DB().select(Undou_Ichiran_Sql(), {d.kk}).value(0, "運動時間ID").toLongLong(), a);

        QVERIFY(Undou_Aru(b));
        Undou_Sakujo(b);
        QVERIFY(!Undou_Aru(b));
        QVERIFY(!Undou_Henkou(b, d.kk, 1, 10));
        QVERIFY_THROWS_EXCEPTION(DbError, Undou_Sakujo(b));
        // Another day's rows are not listed.
        const qint64 other = fx::record(d.person, kDay.addDays(1), 170, 60);
        Undou_Tuika(other, 1, 5);
        QCOMPARE(G_DB().select(Undou_Ichiran_Sql(), {d.kk}).size(), 1);
    }

    void durationOfADayIsRefusedByTheFile()
    {
        // Nothing outside 0:00..23:59 reaches the table, even past the window's check.
        const Day d = adultDay();
        kind(1, QStringLiteral("歩行"), 2.0);
        QVERIFY_THROWS_EXCEPTION(DbError, Undou_Tuika(d.kk, 1, 1440));
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");
        QTest::newRow("empty lists all") << "" << "1,2,3,4,5,6";
        QTest::newRow("a quote") << "'" << "3";
        QTest::newRow("quote within") << "O'N" << "3";
        QTest::newRow("substring") << "テニス" << "1,2";
        QTest::newRow("hiragana finds katakana") << "てにす" << "1,2";
        QTest::newRow("half-width kana") << "ﾃﾆｽ" << "1,2";
        QTest::newRow("percent is a character") << "%" << "4";
        QTest::newRow("underscore is a character") << "_" << "5";
        QTest::newRow("star is a character") << "*" << "";
        QTest::newRow("nothing") << "水泳" << "";
    }
    void search()
    {
        QFETCH(QString, text);
        QFETCH(QString, found);
        kind(1, QStringLiteral("テニス（シングルス）"), 7.0);
        kind(2, QStringLiteral("テニス（ダブルス）"), 5.0);
        kind(3, QStringLiteral("O'Neill体操"), 3.0);
        kind(4, QStringLiteral("100%ジョギング"), 6.0);
        kind(5, QStringLiteral("ラジオ_体操"), 3.5);
        kind(6, QStringLiteral("散歩"), 2.0);
        const ResultSet rs = Undou_Kensaku(text);
        QStringList ids;
        for (qsizetype r = 0; r < rs.size(); ++r)
            ids << rs.value(r, "エネルギー消費量ID").toString();
        QCOMPARE(ids.join(','), found);
        QCOMPARE(rs.columns.value(2), QStringLiteral("運動名称"));
    }

    // ---------------------------------------------------------------- diagnosis

    void dayWithoutActivities()
    {
        const Day d = adultDay();
        const UndouSindan s = Energy_Keisan(d.kk, d.person);
        QVERIFY(m_msg->shown().isEmpty());
        QVERIFY(s.complete());
        QCOMPARE(s.KatudouSisuu, 0.08);
        // 22.1 kcal/kg × 60 kg × 0.98
        QCOMPARE(s.KisoTaisya, 1299.48);
        QCOMPARE(s.EnSyouhiRyou, 1559.376);
        QCOMPARE(s.KatudouTaisyaRyou, 103.9584);
        QCOMPARE(s.Sei_Betu, 1);
        const auto g = s.graph();
        QCOMPARE(g[0][0], 1559.376 - 103.9584);
        QCOMPARE(g[1][0], 103.9584);
        QCOMPARE(g[0][1] + g[1][1] + g[2][0], 0.0);
    }

    // One activity of 8 hours at the rate giving X; age and sex chosen per row.
    void indexBounds_data()
    {
        QTest::addColumn<double>("rmr");
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("sex");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("adviceRow");
        QTest::newRow("X 0.4") << 16 / 15.0 << 40 << 1 << 0.4 << 0.98 << 1;
        QTest::newRow("X 0.4 woman") << 16 / 15.0 << 40 << 2 << 0.4 << 0.98 << 1;
        QTest::newRow("X 0.6") << 26 / 15.0 << 40 << 1 << 0.6 << 1.0 << 2;
        QTest::newRow("X 0.65") << 1.9 << 40 << 2 << 0.65 << 1.0 << 2;
        QTest::newRow("X 0.9") << 41 / 15.0 << 40 << 1 << 0.9 << 1.02 << 2;
        QTest::newRow("above 0.9") << 3.0 << 40 << 1 << 0.98 << 1.04 << 2;
        QTest::newRow("child of 10 at 0.9") << 41 / 15.0 << 10 << 1 << 0.9 << 1.0 << 2;
        QTest::newRow("14 at 0.9") << 41 / 15.0 << 14 << 2 << 0.9 << 1.02 << 2;
        QTest::newRow("sleep all day long") << -0.2 << 40 << 1 << 0.08 - 0.9 * 0.2 / 3 << 0.98 << 0;
    }
    void indexBounds()
    {
        QFETCH(double, rmr);
        QFETCH(int, age);
        QFETCH(int, sex);
        QFETCH(double, x);
        QFETCH(double, factor);
        QFETCH(int, adviceRow);
        const Day d = adultDay(age, sex, 50);
        kind(1, QStringLiteral("運動"), rmr);
        minutesRow(d.kk, 1, 480);
        const UndouSindan s = Energy_Keisan(d.kk, d.person);
        QVERIFY(s.complete());
        QVERIFY(qAbs(s.KatudouSisuu - x) < 1e-12);
        const double basal = (sex == 1 ? 22.1 : 21.7) * 50;
        QVERIFY(qAbs(s.KisoTaisya - basal * factor) < 1e-9);
        QVERIFY(qAbs(s.EnSyouhiRyou - 10.0 / 9.0 * basal * factor * (x + 1)) < 1e-9);
        QCOMPARE(Undou_Advice_Gyou(s.KatudouSisuu), adviceRow);
        QCOMPARE(s.Sei_Betu, sex);
    }

    void advice_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("sex");
        QTest::addColumn<QString>("text");
        const QString more300 = "★１日に、あと200～300kcal程度の運動をするように心掛けましょう。";
        const QString more200 = "★１日に、あと100～200kcal程度の運動をするように心掛けましょう。";
        const QString more100 = "★１日に、あと100kcal程度の運動をするように心掛けましょう。";
        const QString enough = "★運動量は足りています。日頃使わない筋肉を使う運動を行いましょう。";
        QTest::newRow("low man") << 0.08 << 1 << more300;
        QTest::newRow("low woman") << 0.08 << 2 << more200;
        QTest::newRow("just under 0.4") << 0.3999 << 1 << more300;
        QTest::newRow("0.4 man") << 0.4 << 1 << more200;
        QTest::newRow("0.4 woman") << 0.4 << 2 << more100;
        QTest::newRow("0.4 built from sums") << 0.9 * (1.2 + 16 / 15.0 / 3) - 1 << 1 << more200;
        QTest::newRow("just under 0.6") << 0.5999 << 2 << more100;
        QTest::newRow("0.6 man") << 0.6 << 1 << enough;
        QTest::newRow("0.6 woman") << 0.6 << 2 << enough;
        QTest::newRow("sex other than 1") << 0.5 << 0 << more100;
        QTest::newRow("negative") << -1.0 << 1 << more300;
    }
    void advice()
    {
        QFETCH(double, x);
        QFETCH(int, sex);
        QFETCH(QString, text);
        QCOMPARE(Undou_Advice(x, sex), text);
    }

    void exactlyADay()
    {
        const Day d = adultDay();
        kind(1, QStringLiteral("歩行"), 2.0);
        kind(2, QStringLiteral("睡眠"), -0.2);
        minutesRow(d.kk, 1, 16 * 60);
        minutesRow(d.kk, 2, 8 * 60);
        const UndouSindan s = Energy_Keisan(d.kk, d.person);
        QVERIFY(m_msg->shown().isEmpty());
        QVERIFY(!s.over24);
        // No rest term: 0.9 × (3.2 × 2/3 + 1.0 × 1/3) − 1
        QVERIFY(qAbs(s.KatudouSisuu - (0.9 * (3.2 * 2 / 3.0 + 1.0 / 3.0) - 1)) < 1e-12);
    }

    void moreThanADay()
    {
        const Day d = adultDay();
        kind(1, QStringLiteral("歩行"), 2.0);
        minutesRow(d.kk, 1, 1439);
        minutesRow(d.kk, 1, 11);
        const UndouSindan s = Energy_Keisan(d.kk, d.person);
        QCOMPARE(m_msg->prompts(), QStringList{"運動･動作時間の累計が24時間を超えています。"});
        QCOMPARE(m_msg->shown().at(0).title, QStringLiteral("確認"));
        QCOMPARE(m_msg->shown().at(0).icon(), int(vbInformation));
        QVERIFY(s.over24);
        QVERIFY(s.complete());
        QVERIFY(qAbs(s.KatudouSisuu - (0.9 * 3.2 * 1450 / 1440.0 - 1)) < 1e-12);
        const auto g = s.graph();
        QVERIFY(g[0][0] > 0);
        QVERIFY(g[1][0] > 0);
    }

    void intake()
    {
        const Day d = adultDay();
        fx::food(1, {{"エネルギー", 250}});
        fx::food(2, {{"エネルギー", QVariant()}});
        fx::food(3, {{"エネルギー", 40}});
        const qint64 dish = fx::dish(d.kk, "朝食");
        fx::eat(dish, d.kk, 1, 150);
        fx::eat(dish, d.kk, 2, 300);
        fx::eat(dish, d.kk, 3, 50);
        // Another day's food is not counted.
        const qint64 other = fx::record(d.person, kDay.addDays(-1), 170, 60);
        fx::eat(fx::dish(other, "朝食"), other, 1, 1000);
        const UndouSindan s = Energy_Keisan(d.kk, d.person);
        QVERIFY(s.complete());
        QCOMPARE(s.SessyuEn, 395.0);
        QCOMPARE(s.graph()[2][1], 395.0);
        QCOMPARE(s.graph()[2][0], 0.0);
    }

    void stops_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("teisi");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("sisuu");
        QTest::newRow("no record") << "record" << int(UndouSindan::NoRecord)
                                   << "対象の健康状態管理レコードが見つかりません。" << "エラー" << int(vbExclamation) << false;
        QTest::newRow("no person") << "person" << int(UndouSindan::NoPerson)
                                   << "対象の個人データレコードが見つかりません。" << "エラー" << int(vbExclamation) << false;
        QTest::newRow("no birth date") << "birth" << int(UndouSindan::NoBirthDate)
                                       << "対象の個人データに生年月日がありません。" << "エラー" << int(vbExclamation) << false;
        QTest::newRow("before birth") << "minus" << int(UndouSindan::MinusAge)
                                      << "年齢がマイナス値になります。" << "確認" << int(vbInformation) << false;
        QTest::newRow("infant") << "infant" << int(UndouSindan::Infant)
                                << "0歳児のグラフ表示は判定できません。" << "確認" << int(vbInformation) << false;
        QTest::newRow("activity gone") << "activity" << int(UndouSindan::KatudouMissing)
                                       << "エネルギー消費量のレコードが削除されています。" << "エラー" << int(vbExclamation) << false;
        QTest::newRow("no basal row") << "basal" << int(UndouSindan::KisoMissing)
                                      << "基礎代謝基準値レコードが見つかりません。" << "エラー" << int(vbExclamation) << true;
        QTest::newRow("food gone") << "food" << int(UndouSindan::SeibunMissing)
                                   << "成分表のレコードが削除されています。" << "エラー" << int(vbExclamation) << true;
    }
    void stops()
    {
        QFETCH(QString, what);
        QFETCH(int, teisi);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, icon);
        QFETCH(bool, sisuu);
        Day d = adultDay();
        kind(1, QStringLiteral("歩行"), 2.0);
        minutesRow(d.kk, 1, 60);
        fx::food(1, {{"エネルギー", 100}});
        fx::eat(fx::dish(d.kk, "朝食"), d.kk, 1, 100);
        qint64 kk = d.kk, person = d.person;
        if (what == "record")
            kk += 100;
        else if (what == "person")
            person += 100;
        else if (what == "birth")
            G_DB().exec("UPDATE 個人データ SET 生年月日 = NULL WHERE 氏名ID = ?", {person});
        else if (what == "minus")
            G_DB().exec("UPDATE 個人データ SET 生年月日 = ? WHERE 氏名ID = ?", {dateParam(kDay.addDays(1)), person});
        else if (what == "infant")
            G_DB().exec("UPDATE 個人データ SET 生年月日 = ? WHERE 氏名ID = ?", {dateParam(kDay.addMonths(-11)), person});
        else if (what == "activity")
            fx::removeDangling("エネルギー消費量", "エネルギー消費量ID", 1);
        else if (what == "basal")
            G_DB().exec("DELETE FROM 基礎代謝基準値 WHERE 年齢１ = 40");
        else if (what == "food")
            fx::removeDangling("成分表", "成分表ID", 1);
        const UndouSindan s = Energy_Keisan(kk, person);
        QCOMPARE(int(s.teisi), teisi);
        QVERIFY(!s.complete());
        QCOMPARE(m_msg->prompts(), QStringList{message});
        QCOMPARE(m_msg->shown().at(0).title, title);
        QCOMPARE(m_msg->shown().at(0).icon(), icon);
        QCOMPARE(s.sisuuKnown(), sisuu);
        // A day that could not be judged draws no bars, whatever was reached.
        for (const auto &set : s.graph())
            QCOMPARE(set[0] + set[1], 0.0);
        if (sisuu) {
            QVERIFY(qAbs(s.KatudouSisuu - (0.08 + 0.9 * 2.0 / 24)) < 1e-12);
            QCOMPARE(s.Sei_Betu, 1);
        }
    }

    // The diagnosis and the trend series read one and the same energy-spent rule.
    void sameNumbersAsTheEnergySeries()
    {
        const Day d = adultDay(40, 2, 52.5);
        kind(1, QStringLiteral("テニス"), 6.0);
        kind(2, QStringLiteral("家事"), 1.4);
        minutesRow(d.kk, 1, 95);
        minutesRow(d.kk, 2, 130);
        G_DB().insert("標準所要量", {{"年齢（範囲１）", 40}, {"性別", 2}, {"生活強度", 2}});
        const UndouSindan s = Energy_Keisan(d.kk, d.person);
        QVERIFY(s.complete());
        const SyouhiEnergy e = Syouhi_Energy_Keisan(d.kk, s.age, 2, 52.5);
        QCOMPARE(s.EnSyouhiRyou, e.enSyouhiRyou);
        QCOMPARE(s.KisoTaisya, e.kisoTaisya);
        QCOMPARE(s.KatudouSisuu, e.katudouSisuu);
        G_Simei_ID = d.person;
        G_Tou_Start = kDay.addDays(-2);
        QVERIFY(Energy_Tuki_Set());
        QCOMPARE(G_Tou_Tuki.Value[3][3], s.EnSyouhiRyou);
        G_Simei_ID = 0;
    }

    void kcalTexts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 890.0 << "890";
        QTest::newRow("two decimals") << 1299.48 << "1299.48";
        QTest::newRow("rounded") << 103.9584 << "103.96";
        QTest::newRow("one decimal") << 0.5 << "0.5";
        QTest::newRow("rounds to whole") << 41.999 << "42";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -12.345 << "-12.35";
    }
    void kcalTexts()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Kcal_Hyouji(value), text);
    }

    // ---------------------------------------------------------------- load-energy table

    void loadTable_data()
    {
        QTest::addColumn<QString>("minutes");   // of activity 1 (rate 3), then 2 (rate 0), ...
        QTest::addColumn<QStringList>("rows");  // name|duration|load per row
        QTest::newRow("no activities")
            << "" << QStringList{"その他（安静時）|24:00:00|0.00", "合計|24:00:00|0.00"};
        QTest::newRow("two hours of rate 3")
            << "120" << QStringList{"早歩き|2:00:00|300.00", "その他（安静時）|22:00:00|0.00", "合計|24:00:00|300.00"};
        QTest::newRow("rate 0")
            << "0,90" << QStringList{"早歩き|0:00:00|0.00", "読書|1:30:00|0.00", "その他（安静時）|22:30:00|0.00",
                                      "合計|24:00:00|0.00"};
        QTest::newRow("exactly 24 hours")
            << "720,720" << QStringList{"早歩き|12:00:00|1800.00", "読書|12:00:00|0.00", "合計|00:00:00(+1日)|1800.00"};
        QTest::newRow("38 h 24 min")
            << "1200,1104" << QStringList{"早歩き|20:00:00|3000.00", "読書|18:24:00|0.00", "合計|14:24:00(+1日)|3000.00"};
    }
    void loadTable()
    {
        QFETCH(QString, minutes);
        QFETCH(QStringList, rows);
        const Day d = adultDay();
        kind(1, QStringLiteral("早歩き"), 3.0);
        kind(2, QStringLiteral("読書"), 0.0);
        const QList<int> m = minutesList(minutes);
        for (int i = 0; i < m.size(); ++i)
            minutesRow(d.kk, i + 1, m.at(i));
        const FukaHyou h = Fuka_Hyou(d.kk, 1200);
        QVERIFY(!h.stopped);
        QStringList got;
        for (const FukaGyou &g : h.gyou)
            got << g.meisyou + '|' + g.jikan + '|' + g.fuka;
        QCOMPARE(got, rows);
        QVERIFY(m_msg->shown().isEmpty());
    }

    void loadTableStopsAtAMissingActivity()
    {
        const Day d = adultDay();
        kind(1, QStringLiteral("早歩き"), 3.0);
        kind(2, QStringLiteral("読書"), 0.0);
        minutesRow(d.kk, 1, 60);
        minutesRow(d.kk, 2, 60);
        minutesRow(d.kk, 1, 60);
        fx::removeDangling("エネルギー消費量", "エネルギー消費量ID", 2);
        const FukaHyou h = Fuka_Hyou(d.kk, 1440);
        QVERIFY(h.stopped);
        QCOMPARE(h.gyou.size(), 1);
        QCOMPARE(h.gyou.at(0).fuka, QStringLiteral("180.00"));
        QCOMPARE(m_msg->prompts(), QStringList{"エネルギー消費量のレコードが削除されています。"});
        QCOMPARE(m_msg->shown().at(0).title, QStringLiteral("エラー"));
    }
};

QTEST_GUILESS_MAIN(TstExerciseCore)
#include "tst_exercise_core.moc"
