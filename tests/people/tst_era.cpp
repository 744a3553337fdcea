#include "era.h"

#include <QtTest>

using namespace mirte;

class TstEra : public QObject {
    Q_OBJECT
private slots:
    void toDate_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QDate>("expected"); // invalid = refused

        QTest::newRow("平成 first day") << QChar('H') << "1" << "1" << "8" << QDate(1989, 1, 8);
        QTest::newRow("平成 1/1/7 was 昭和") << QChar('H') << "1" << "1" << "7" << QDate();
        QTest::newRow("昭和 last day") << QChar('S') << "64" << "1" << "7" << QDate(1989, 1, 7);
        QTest::newRow("昭和 64/1/8 is 平成") << QChar('S') << "64" << "1" << "8" << QDate();
        QTest::newRow("平成 last day") << QChar('H') << "31" << "4" << "30" << QDate(2019, 4, 30);
        QTest::newRow("平成 31/5/1 is 令和") << QChar('H') << "31" << "5" << "1" << QDate();
        QTest::newRow("令和 first day") << QChar('R') << "1" << "5" << "1" << QDate(2019, 5, 1);
        QTest::newRow("令和 1/4/30 is 平成") << QChar('R') << "1" << "4" << "30" << QDate();
        QTest::newRow("令和 2") << QChar('R') << "2" << "2" << "29" << QDate(2020, 2, 29);
        QTest::newRow("lower-case letter") << QChar('r') << "3" << "10" << "1" << QDate(2021, 10, 1);
        QTest::newRow("大正 first day") << QChar('T') << "1" << "7" << "30" << QDate(1912, 7, 30);
        QTest::newRow("明治 45/7/29") << QChar('M') << "45" << "7" << "29" << QDate(1912, 7, 29);
        QTest::newRow("明治 45/7/30 is 大正") << QChar('M') << "45" << "7" << "30" << QDate();
        QTest::newRow("明治 first day") << QChar('M') << "1" << "1" << "25" << QDate(1868, 1, 25);
        QTest::newRow("before 明治") << QChar('M') << "1" << "1" << "24" << QDate();
        QTest::newRow("昭和 first day") << QChar('S') << "1" << "12" << "25" << QDate(1926, 12, 25);
        QTest::newRow("大正 15/12/24") << QChar('T') << "15" << "12" << "24" << QDate(1926, 12, 24);
        QTest::newRow("no Feb 30") << QChar('S') << "50" << "2" << "30" << QDate();
        QTest::newRow("common-year Feb 29") << QChar('H') << "2" << "2" << "29" << QDate();
        QTest::newRow("month 13") << QChar('S') << "50" << "13" << "1" << QDate();
        QTest::newRow("year 0") << QChar('H') << "0" << "1" << "10" << QDate();
        QTest::newRow("empty year") << QChar('H') << "" << "1" << "10" << QDate();
        QTest::newRow("letters") << QChar('H') << "1a" << "1" << "10" << QDate();
        QTest::newRow("negative") << QChar('H') << "-1" << "1" << "10" << QDate();
        QTest::newRow("full-width digits") << QChar('S') << "５０" << "１" << "２" << QDate(1975, 1, 2);
        QTest::newRow("blanks around") << QChar('H') << " 10 " << "3" << "4" << QDate(1998, 3, 4);
        QTest::newRow("unknown letter") << QChar('X') << "1" << "1" << "1" << QDate();
        QTest::newRow("no letter") << QChar() << "1" << "1" << "1" << QDate();
    }
    void toDate()
    {
        QFETCH(QChar, letter);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QDate, expected);
        QCOMPARE(eraToDate(eraIndex(letter), year, month, day), expected);
    }

    void fromDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("era");
        QTest::addColumn<int>("year");
        QTest::newRow("昭和 last") << QDate(1989, 1, 7) << "昭和" << 64;
        QTest::newRow("平成 first") << QDate(1989, 1, 8) << "平成" << 1;
        QTest::newRow("平成 last") << QDate(2019, 4, 30) << "平成" << 31;
        QTest::newRow("令和 first") << QDate(2019, 5, 1) << "令和" << 1;
        QTest::newRow("令和 6") << QDate(2024, 12, 31) << "令和" << 6;
        QTest::newRow("大正 first") << QDate(1912, 7, 30) << "大正" << 1;
        QTest::newRow("明治 last") << QDate(1912, 7, 29) << "明治" << 45;
        QTest::newRow("昭和 first") << QDate(1926, 12, 25) << "昭和" << 1;
    }
    void fromDate()
    {
        QFETCH(QDate, date);
        QFETCH(QString, era);
        QFETCH(int, year);
        const auto e = dateToEra(date);
        QVERIFY(e.has_value());
        QCOMPARE(Eras().at(e->era).name, era);
        QCOMPARE(e->year, year);
        QCOMPARE(e->month, date.month());
        QCOMPARE(e->day, date.day());
        // and back again
        QCOMPARE(eraToDate(e->era, e->year, e->month, e->day), date);
    }

    void fromDateOutside()
    {
        QVERIFY(!dateToEra(QDate(1868, 1, 24)).has_value());
        QVERIFY(!dateToEra(QDate()).has_value());
    }

    void readYmd_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("four digits") << "1975" << "4" << "1" << QDate(1975, 4, 1);
        QTest::newRow("two digits, 1900s") << "75" << "4" << "1" << QDate(1975, 4, 1);
        QTest::newRow("two digits, 2000s") << "05" << "4" << "1" << QDate(2005, 4, 1);
        QTest::newRow("29 is 2029") << "29" << "1" << "1" << QDate(2029, 1, 1);
        QTest::newRow("30 is 1930") << "30" << "1" << "1" << QDate(1930, 1, 1);
        QTest::newRow("leap day") << "2000" << "2" << "29" << QDate(2000, 2, 29);
        QTest::newRow("no leap day") << "1900" << "2" << "29" << QDate();
        QTest::newRow("empty day") << "1975" << "4" << "" << QDate();
        QTest::newRow("all empty") << "" << "" << "" << QDate();
        QTest::newRow("month 0") << "1975" << "0" << "1" << QDate();
        QTest::newRow("text") << "abc" << "4" << "1" << QDate();
        QTest::newRow("decimal") << "1975" << "4.5" << "1" << QDate();
        QTest::newRow("full-width") << "１９７５" << "４" << "１" << QDate(1975, 4, 1);
        QTest::newRow("year 0000") << "0000" << "1" << "1" << QDate();
    }
    void readYmd()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QDate, expected);
        QCOMPARE(mirte::readYmd(year, month, day), expected);
    }

    void eraTable()
    {
        // Five eras, in order, each starting after the one before.
        const auto &eras = Eras();
        QCOMPARE(eras.size(), 5);
        QCOMPARE(eras.last().name, QStringLiteral("令和"));
        QCOMPARE(eras.last().start, QDate(2019, 5, 1));
        for (int i = 1; i < eras.size(); ++i)
            QVERIFY(eras[i].start > eras[i - 1].start);
        QCOMPARE(eraIndex(QChar('R')), 4);
        QCOMPARE(eraIndex(QChar('h')), 3);
    }
};

QTEST_APPLESS_MAIN(TstEra)
#include "tst_era.moc"
