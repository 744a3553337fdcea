#include "csv.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using namespace mirte;

class TstCsvWrite : public QObject {
    Q_OBJECT
private slots:
    // Written, then read back by our own reader: every field comes back as it was.
    void roundTrip_data()
    {
        QTest::addColumn<QList<QStringList>>("records");
        QTest::newRow("plain") << QList<QStringList>{{"日付", "体重(kg)"}, {"2026-12-09", "52.4"}};
        QTest::newRow("empty cells") << QList<QStringList>{{"a", "b", "c"}, {"", "1", ""}, {"", "", ""}};
        QTest::newRow("commas and quotes")
            << QList<QStringList>{{"備考"}, {"朝, 昼"}, {"\"よく眠れた\""}, {"a\"b"}};
        QTest::newRow("line breaks") << QList<QStringList>{{"x", "y"}, {"一行目\n二行目", "cr\r\nlf"}};
        QTest::newRow("half-width kana and symbols")
            << QList<QStringList>{{"ｶﾙｼｳﾑ(mg)", "ビタミンB₁(mg)", "μg"}, {"1", "2", "3"}};
    }
    void roundTrip()
    {
        QFETCH(QList<QStringList>, records);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("出力.csv"));
        writeCsvFile(path, records);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        // The mark that makes a Japanese spreadsheet read UTF-8.
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.endsWith("\r\n"));
        const CsvTable t = CsvTable::read(path);
        QCOMPARE(t.header(), records.first());
        QCOMPARE(t.rows(), records.mid(1));
    }

    void numbers_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("cell");
        QTest::newRow("nothing measured") << QVariant() << 2 << "";
        QTest::newRow("null from the database") << QVariant(QMetaType::fromType<double>()) << 2 << "";
        QTest::newRow("blank text") << QVariant(QStringLiteral(" ")) << 2 << "";
        QTest::newRow("whole") << QVariant(52.0) << 2 << "52";
        QTest::newRow("trailing zero") << QVariant(52.40) << 2 << "52.4";
        QTest::newRow("rounded") << QVariant(0.125678) << 3 << "0.126";
        QTest::newRow("tiny, no exponent") << QVariant(0.00004) << 5 << "0.00004";
        QTest::newRow("large, no exponent") << QVariant(123456789.0) << 1 << "123456789";
        QTest::newRow("minus zero") << QVariant(-0.0001) << 2 << "0";
        QTest::newRow("zero is a measurement") << QVariant(0) << 2 << "0";
    }
    void numbers()
    {
        QFETCH(QVariant, value);
        QFETCH(int, decimals);
        QFETCH(QString, cell);
        QCOMPARE(csvNumber(value, decimals), cell);
    }

    // A folder that is not there, and a disk that fills half-way: an error, and no file (an
    // earlier export of the same name stays whole).
    void unwritableFileThrows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("diskLeft");
        QTest::addColumn<bool>("earlier");
        QTest::newRow("no folder") << "no/such/x.csv" << qint64(0) << false;
        QTest::newRow("disk full") << "x.csv" << qint64(8192) << false;
        QTest::newRow("disk full, earlier export") << "x.csv" << qint64(8192) << true;
    }
    void unwritableFileThrows()
    {
        QFETCH(QString, name);
        QFETCH(qint64, diskLeft);
        QFETCH(bool, earlier);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QByteArray before;
        if (earlier) {
            writeCsvFile(path, {{"前回"}});
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            before = f.readAll();
        }
        QList<QStringList> rows;
        for (int i = 0; i < 5000; ++i)
            rows << QStringList{QStringLiteral("2026-12-09"), QString::number(i), QStringLiteral("体重")};
        {
            std::optional<mirte::test::DiskFull> full;
            if (diskLeft > 0)
                full.emplace(diskLeft);
            QVERIFY_THROWS_EXCEPTION(CsvError, writeCsvFile(path, rows));
        }
        QFile f(path);
        QCOMPARE(f.exists(), earlier);
        if (earlier) {
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), earlier ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TstCsvWrite)
#include "tst_csv_write.moc"
