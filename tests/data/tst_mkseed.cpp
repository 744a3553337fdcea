// The seed builder refuses data files with mistakes instead of shipping them.

#include "csv.h"
#include "database.h"
#include "seedbuilder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace mirte;

class TstMkseed : public QObject {
    Q_OBJECT

    // A private copy of the data folder.
    static bool copyData(const QString &to)
    {
        const QDir from(QStringLiteral(MIRTE_DATA_DIR));
        QDirIterator it(from.path(), {QStringLiteral("*.csv")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString src = it.next();
            const QString dst = QDir(to).filePath(from.relativeFilePath(src));
            QDir().mkpath(QFileInfo(dst).absolutePath());
            if (!QFile::copy(src, dst))
                return false;
        }
        return true;
    }
    static void append(const QString &path, const QByteArray &line)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::Append));
        f.write(line);
    }

private slots:
    void buildsTheSameFileTwice()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a.db")), b = dir.filePath(QStringLiteral("b.db"));
        const auto n = seed::build(QStringLiteral(MIRTE_DATA_DIR), a);
        seed::build(QStringLiteral(MIRTE_DATA_DIR), b);
        QCOMPARE(n.foods, 2478);
        QFile fa(a), fb(b);
        QVERIFY(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        QVERIFY(fa.readAll() == fb.readAll());
    }

    void refusesMistakes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("unknown food in a recipe") << "catalogue/dishes.csv" << QByteArray("汁物,謎の汁,99999,100,煮る,\n");
        QTest::newRow("food number and name disagree") << "catalogue/dishes.csv" << QByteArray("汁物,謎の汁,01088,100,煮る,だいこん\n");
        QTest::newRow("unknown cooking method") << "catalogue/dishes.csv" << QByteArray("汁物,謎の汁,01088,100,燻す,\n");
        QTest::newRow("unknown category") << "catalogue/dishes.csv" << QByteArray("謎の分類,謎の汁,01088,100,,\n");
        QTest::newRow("quantity 0") << "catalogue/dishes.csv" << QByteArray("汁物,謎の汁,01088,0,,\n");
        QTest::newRow("dish split in two") << "catalogue/dishes.csv" << QByteArray("ご飯もの,ご飯,01088,10,,\n");
        QTest::newRow("synonym matching nothing") << "food/synonyms.csv" << QByteArray("謎,存在しない食品,食品名\n");
        QTest::newRow("serving of an unknown food") << "food/servings.csv" << QByteArray("99999,1個＝1g,\n");
        QTest::newRow("second serving of a food") << "food/servings.csv" << QByteArray("01088,1杯＝1g,\n");
        QTest::newRow("text in a number column") << "reference/basal_metabolism.csv" << QByteArray("90,1,abc,x\n");
        QTest::newRow("field missing") << "reference/activities.csv" << QByteArray("999,仕事,なにか,1\n");
    }
    void refusesMistakes()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("data"));
        QVERIFY(copyData(data));
        append(QDir(data).filePath(file), line);
        const QString out = dir.filePath(QStringLiteral("seed.db"));
        bool failed = false;
        try {
            seed::build(data, out);
        } catch (const std::exception &) {
            failed = true;
        }
        QVERIFY(failed);
        // No half-built seed is left behind.
        QVERIFY(!QFile::exists(out));
        QVERIFY(!QFile::exists(out + QStringLiteral(".tmp")));
    }
};

QTEST_GUILESS_MAIN(TstMkseed)
#include "tst_mkseed.moc"
