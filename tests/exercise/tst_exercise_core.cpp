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

    // The cases besides those the entry window is driven through.
    void durationCheck_data()
    {
        QTest::addColumn<QVariant>("activity");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("stored");
        QTest::newRow("23:59") << QVariant(3) << "23" << "59" << int(JikanCheck::Ok) << 1439;
        QTest::newRow("leading number") << QVariant(3) << "2時間" << "5分" << int(JikanCheck::Ok) << 125;
        QTest::newRow("blanks around") << QVariant(3) << " 2 " << " 05" << int(JikanCheck::Ok) << 125;
        QTest::newRow("a fraction") << QVariant(3) << "1.5" << "" << int(JikanCheck::Invalid) << 0;
        QTest::newRow("negative") << QVariant(3) << "-1" << "30" << int(JikanCheck::Invalid) << 0;
        QTest::newRow("many hours") << QVariant(3) << "99999" << "0" << int(JikanCheck::Invalid) << 0;
        QTest::newRow("exponent") << QVariant(3) << "1e1" << "0" << int(JikanCheck::Ok) << 600;
        QTest::newRow("no activity") << QVariant() << "1" << "0" << int(JikanCheck::NoActivity) << 0;
        QTest::newRow("activity 0") << QVariant(0) << "1" << "0" << int(JikanCheck::NoActivity) << 0;
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

    // ---------------------------------------------------------------- rows

    void rowsOfTheDay()
    {
        const Day d = adultDay();
        kind(1, QStringLiteral("歩行"), 2.0);
        kind(2, QStringLiteral("テニス"), 6.0);
        const qint64 a = Undou_Tuika(d.kk, 1, 90);
        const qint64 b = Undou_Tuika(d.kk, 2, 45);
        Undou_Tuika(fx::record(d.person, kDay.addDays(1), 170, 60), 1, 5);
        QVERIFY(Undou_Henkou(a, d.kk, 2, 600));
        // In the order of entry, whatever was changed; another day's rows are not listed.
        const ResultSet rs = G_DB().select(Undou_Ichiran_Sql(), {d.kk});
        QCOMPARE(rs.columns, QStringList({"運動時間ID", "健康状態管理ID", "運動名称", "エネルギー消費量ID", "時間"}));
        QCOMPARE(rs.size(), 2);
        QCOMPARE(rs.value(0, "運動時間ID").toLongLong(), a);
        QCOMPARE(rs.value(0, "運動名称").toString(), QStringLiteral("テニス"));
        QCOMPARE(rs.value(0, "時間").toDouble(), 600 / 1440.0);
        Undou_Sakujo(b);
        QVERIFY(!Undou_Aru(b));
        QVERIFY(!Undou_Henkou(b, d.kk, 1, 10));
        QVERIFY_THROWS_EXCEPTION(DbError, Undou_Sakujo(b));
        // Nothing of a day or more reaches the table, even past the window's check.
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

    // What the logged activities cover: one walk logged is not read as the whole day.
    void recordedHours_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << "運動・動作は記録されていません。一日を安静として計算しています。";
        QTest::newRow("one walk") << 30 << "記録された運動・動作は30分です。残りの23時間30分は安静として計算しています。";
        QTest::newRow("whole hours") << 480 << "記録された運動・動作は8時間です。残りの16時間は安静として計算しています。";
        QTest::newRow("a day") << 1440 << "記録された運動・動作は24時間で、一日分の記録です。";
        QTest::newRow("over a day") << 1500 << "記録された運動・動作は25時間で、一日分の記録です。";
    }
    void recordedHours()
    {
        QFETCH(int, minutes);
        QFETCH(QString, text);
        QCOMPARE(Kiroku_Jikan_Text(minutes / 1440.0), text);
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
        QCOMPARE(Kiroku_Jikan_Text(s.kirokuJikan),
                 QStringLiteral("記録された運動・動作は3時間45分です。残りの20時間15分は安静として計算しています。"));
        G_Simei_ID = d.person;
        G_Tou_Start = kDay.addDays(-2);
        QVERIFY(Energy_Tuki_Set());
        QCOMPARE(G_Tou_Tuki.Value[3][3], s.EnSyouhiRyou);
        G_Simei_ID = 0;
    }
};

QTEST_GUILESS_MAIN(TstExerciseCore)
#include "tst_exercise_core.moc"
