#include "b_00.h"
#include "b_01.h"
#include "testsupport.h"

#include <QtTest>
#include <limits>

using namespace mirte;

class TstRoutines : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(Syoki_Settei()); }

    void vocabulary()
    {
        QCOMPARE(G_Eiyou_Mei.size(), 103);
        QCOMPARE(G_Eiyou_Tani.size(), 103);
        QCOMPARE(G_Eiyou_Mei.at(0), QStringLiteral("エネルギー"));
        QCOMPARE(G_Eiyou_Mei.at(24), QStringLiteral("亜鉛"));
        QCOMPARE(G_Eiyou_Mei.at(93), QStringLiteral("パリン"));
        QCOMPARE(G_Eiyou_Mei.at(102), QStringLiteral("アミノ酸スコア"));
        QCOMPARE(G_Eiyou_Tani.at(102), QStringLiteral("mg"));
        QCOMPARE(G_Eiyou_Tani.at(5), QStringLiteral("μgRE"));
        QCOMPARE(G_Eiyou_Mei.at(40), QStringLiteral("酪酸"));
        QCOMPARE(G_Eiyou_Mei.at(81), QStringLiteral("テトラコセン酸"));
        QCOMPARE(G_Eiyou_Mei.at(82), QStringLiteral("イソロイシン"));
        QCOMPARE(QSet<QString>(G_Eiyou_Mei.begin(), G_Eiyou_Mei.end()).size(), 103);
        QCOMPARE(G_Syokuhin_Gun.size(), 19);
        QCOMPARE(G_Syokuhin_Gun.at(0), QStringLiteral("全食品"));
        QCOMPARE(G_Syokuhin_Gun.at(18), QStringLiteral("調理加工食品類"));
        QCOMPARE(G_Syokuji_Kubun, (QStringList{"朝食", "昼食", "夕食", "その他"}));
        QCOMPARE(G_Seikatu_Kyoudo, (QStringList{"軽い", "普通", "やや重い", "重い"}));
        QCOMPARE(G_Hyoujun_Taikaku[6][1], 24.4);
        QCOMPARE(G_Hyoujun_Taikaku[6][3], 23.75);
        QCOMPARE(G_Hyoujun_Taikaku[18][3], 51.93);
    }

    void aposDouble_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("empty") << "" << "";
        QTest::newRow("none") << "ごはん" << "ごはん";
        QTest::newRow("one") << "O'Brien" << "O''Brien";
        QTest::newRow("two") << "'a'" << "''a''";
    }
    void aposDouble()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(Apos_Double(in), out);
    }

    // An engine error keeps its number and words, and says in Japanese what to do.
    void engineErrorsSayWhatToDo_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("advice"); // "" = the plain report
        QTest::newRow("damaged") << 11 << "正常な控えから元に戻して";
        QTest::newRow("not a database") << 26 << "データベースが壊れています";
        QTest::newRow("read-only") << 8 << "書き込みができるか";
        QTest::newRow("disk full") << 13 << "ディスクがいっぱいです";
        QTest::newRow("busy") << 5 << "しばらく待って";
        QTest::newRow("the program's own") << 3051 << "";
    }
    void engineErrorsSayWhatToDo()
    {
        QFETCH(int, number);
        QFETCH(QString, advice);
        test::MsgRecorder rec;
        ShowError(number, QStringLiteral("engine words"));
        const QString shown = rec.last();
        QVERIFY(shown.startsWith(QStringLiteral("Error %1：engine words").arg(number)));
        QCOMPARE(rec.shown().last().title, QStringLiteral("エラー"));
        if (advice.isEmpty())
            QCOMPARE(shown, QStringLiteral("Error %1：engine words").arg(number));
        else
            QVERIFY2(shown.contains(advice), qPrintable(shown));
    }

    void strDel()
    {
        QCOMPARE(Str_Del("ab\r\ncd\r\nef", "\r\n"), QStringLiteral("abcd\r\nef"));
        QCOMPARE(Str_Del("abc", "x"), QStringLiteral("abc"));
        QCOMPARE(Str_DelAll("ab\r\ncd\r\nef\r\n", "\r\n"), QStringLiteral("abcdef"));
        QCOMPARE(Str_DelAll("", "\r\n"), QString());
        QCOMPARE(Str_DelAll("aaaa", "aa"), QString());
    }

    void checkFlags()
    {
        QCOMPARE(Flg_To_Check(true), 1);
        QCOMPARE(Flg_To_Check(false), 0);
        QCOMPARE(Flg_To_Check(QVariant()), 0);
        QCOMPARE(Flg_To_Check(1), 1);
        QVERIFY(Check_To_Flg(1));
        QVERIFY(!Check_To_Flg(0));
        QVERIFY(!Check_To_Flg(2)); // grey is not checked
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12.5" << 12.5;
        QTest::newRow("lead blanks") << "  7" << 7.0;
        QTest::newRow("trailing text") << "64.3kg" << 64.3;
        QTest::newRow("negative") << "-3.25" << -3.25;
        QTest::newRow("fraction only") << ".5" << 0.5;
        QTest::newRow("not a number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("bare e") << "2e" << 2.0;
        QTest::newRow("full-width digits") << "１７０．５" << 170.5;
        QTest::newRow("full-width minus") << "－５" << -5.0;
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("400 digits") << QString(400, QLatin1Char('9')) << inf;
        QTest::newRow("exponent too big") << "1e999kg" << inf;
        QTest::newRow("negative too big") << "-1e999" << -inf;
        QTest::newRow("exponent too small") << "1e-999" << 0.0;
    }
    void val()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text), value);
        QLocale::setDefault(QLocale::c());
    }

    void format_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("pic");
        QTest::addColumn<QString>("out");
        QTest::newRow("pad") << 5.25 << "000.0" << "005.3";
        QTest::newRow("hash") << 1234.5 << "#####0.00" << "1234.50";
        QTest::newRow("zero") << 0.0 << "#####0.00" << "0.00";
        QTest::newRow("int") << 2.5 << "0" << "3";
        QTest::newRow("group") << 12345.0 << "#,##0" << "12,345";
        QTest::newRow("neg") << -1.05 << "0.0" << "-1.1";
        QTest::newRow("opt decimals") << 2.5 << "0.##" << "2.5";
    }
    void format()
    {
        QFETCH(double, v);
        QFETCH(QString, pic);
        QFETCH(QString, out);
        QCOMPARE(Format(v, pic), out);
    }

    void seibunRyou()
    {
        QCOMPARE(SeibunRyou_Keisan(QVariant(), 150), 0.0);
        QCOMPARE(SeibunRyou_Keisan(QString(), 150), 0.0);
        QCOMPARE(SeibunRyou_Keisan(156.0, 150), 234.0);
        QCOMPARE(SeibunRyou_Keisan(QStringLiteral("156"), 50), 78.0);
        QCOMPARE(SeibunRyou_Hyouji(QVariant(), 150, "0.0"), QString());
        QCOMPARE(SeibunRyou_Hyouji(156.0, 150, "0.0"), QStringLiteral("234.0"));
        QCOMPARE(SeibunRyou_Keisan2(QVariant(), 100, 5.0), 0.0);
        QCOMPARE(SeibunRyou_Keisan2(20.0, 100, QVariant()), 0.0);
        QCOMPARE(SeibunRyou_Keisan2(20.0, 100, 5.0), 1000.0);
        QCOMPARE(SeibunRyou_Hyouji2(20.0, 100, QVariant(), "0"), QString());
    }

    void nenrei_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("days");
        QTest::newRow("birthday") << QDate(2020, 5, 10) << QDate(1990, 5, 10) << 30 << 0;
        QTest::newRow("day before") << QDate(2020, 5, 9) << QDate(1990, 5, 10) << 29 << 365;
        QTest::newRow("newborn") << QDate(2020, 5, 10) << QDate(2020, 5, 10) << 0 << 0;
        QTest::newRow("100 days") << QDate(2026, 4, 11) << QDate(2026, 1, 1) << 0 << 100;
        QTest::newRow("leap birthday, common year") << QDate(2023, 3, 1) << QDate(2000, 2, 29) << 23 << 0;
        QTest::newRow("leap birthday, day before") << QDate(2023, 2, 28) << QDate(2000, 2, 29) << 22 << 364;
        QTest::newRow("leap birthday, leap year") << QDate(2024, 2, 29) << QDate(2000, 2, 29) << 24 << 0;
    }
    void nenrei()
    {
        QFETCH(QDate, day);
        QFETCH(QDate, birth);
        QFETCH(int, years);
        QFETCH(int, days);
        int y = -1, d = -1;
        QVERIFY(Nenrei_Keisan(day, birth, y, d, false));
        QCOMPARE(y, years);
        QCOMPARE(d, days);
    }

    void nenreiBeforeBirth()
    {
        test::MsgRecorder rec;
        int y = 7, d = 8;
        QVERIFY(!Nenrei_Keisan(QDate(2020, 1, 1), QDate(2020, 1, 2), y, d, false));
        QCOMPARE(rec.shown().size(), 0);
        QVERIFY(!Nenrei_Keisan(QDate(2020, 1, 1), QDate(2020, 1, 2), y, d, true));
        QCOMPARE(rec.last(), QStringLiteral("誕生日より昔の記録です。"));
        QCOMPARE(rec.shown().last().title, QStringLiteral("確認"));
        QCOMPARE(y, 7);
        QCOMPARE(d, 8);
        // A missing birth date (written outside the program) gives no age at all.
        QVERIFY(!Nenrei_Keisan(QDate(2020, 1, 1), QDate(), y, d, false));
        QCOMPARE(y, 7);
    }

    void mainUser()
    {
        test::TempDb t;
        auto &db = t.db();
        QCOMPARE(MainUser_Get(db), 0);
        db.exec("UPDATE USERCHECK SET MAINUSER = NULL");
        QCOMPARE(MainUser_Get(db), 0);
        const qint64 id = db.insert("個人データ", {{"氏名", "母"}, {"性別", 2}});
        db.exec("UPDATE USERCHECK SET MAINUSER = ?", {id});
        QCOMPARE(MainUser_Get(db), id);
        db.remove("個人データ", "氏名ID", id);
        QCOMPARE(MainUser_Get(db), 0);
    }

    void showErrorFormat()
    {
        test::MsgRecorder rec;
        ShowError(3021, QStringLiteral("カレントレコードがありません。"));
        QCOMPARE(rec.last(), QStringLiteral("Error 3021：カレントレコードがありません。"));
        QCOMPARE(rec.shown().last().title, QStringLiteral("エラー"));
        QCOMPARE(rec.shown().last().icon(), int(vbExclamation));
    }
};

QTEST_GUILESS_MAIN(TstRoutines)
#include "tst_routines.moc"
