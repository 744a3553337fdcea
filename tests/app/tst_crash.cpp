// The multi-row writes killed at random moments: what is left must be a sound file holding
// each write whole or not at all, and the program must start on it again.

#include "database.h"
#include "meals_core.h"
#include "refdata.h"
#include "startup.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace mirte;

namespace {

QString seedPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/data/seed.db");
}

// A household of one person: day 1 with three catalogue dishes, day 2 empty.
void makeHousehold(const QString &path)
{
    createFromSeed(seedPath(), path);
    Database db(QStringLiteral("setup"));
    db.open(path);
    const qint64 p = db.insert(QStringLiteral("個人データ"), {{QStringLiteral("氏名"), QStringLiteral("山田")},
                                                              {QStringLiteral("生年月日"), dateParam(QDate(1980, 1, 1))},
                                                              {QStringLiteral("性別"), 2}});
    qint64 day[2];
    for (int i = 0; i < 2; ++i)
        day[i] = db.insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), p},
                                                           {QStringLiteral("日付"), dateParam(QDate(2026, 1, 1 + i))},
                                                           {QStringLiteral("身長"), 158.0},
                                                           {QStringLiteral("体重"), 52.0},
                                                           {QStringLiteral("健康状態"), QStringLiteral("健康")},
                                                           {QStringLiteral("生活強度"), 2}});
    const ResultSet dishes = db.select(QStringLiteral(
        "SELECT 料理名ID, 料理名 FROM 料理名 WHERE 料理名ID IN (SELECT 料理名ID FROM 材料) ORDER BY 料理名ID LIMIT 3"));
    for (const QVariantList &d : dishes.rows)
        addCatalogueDish(db, day[0], d.value(0).toLongLong(), d.value(1).toString(), QStringLiteral("夕食"), 1);
}

} // namespace

class TstCrash : public QObject {
    Q_OBJECT
private slots:
    void killedWritesLeaveASoundFile_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("add a catalogue dish") << "add";
        QTest::newRow("copy a day") << "copy";
        QTest::newRow("delete a category with its dishes") << "delete";
        QTest::newRow("reference refresh") << "refresh";
        QTest::newRow("restore from a copy") << "restore";
    }

    void killedWritesLeaveASoundFile()
    {
        QFETCH(QString, mode);
        if (!QFile::exists(seedPath()))
            QSKIP("the seed database has not been built");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("MLTD13.db"));
        makeHousehold(path);
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        qInfo("random seed %u", seed);
        const QString driver = QCoreApplication::applicationDirPath() + QStringLiteral("/crash_driver");
        for (int kill = 0; kill < 30; ++kill) {
            QProcess p;
            p.start(driver, {mode, path, seedPath()});
            QVERIFY(p.waitForReadyRead(20000));
            QCOMPARE(p.readLine().trimmed(), QByteArray("ready"));
            const bool slow = mode == QLatin1String("refresh") || mode == QLatin1String("restore");
            QTest::qWait(int(random.bounded(5, slow ? 400 : 60)));
            QCOMPARE(p.state(), QProcess::Running); // it died on its own: that is a fault too
            ::kill(pid_t(p.processId()), SIGKILL);
            QVERIFY(p.waitForFinished(10000));

            Database db(QStringLiteral("check"));
            db.open(path);
            QCOMPARE(db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
            QVERIFY(db.select(QStringLiteral("PRAGMA foreign_key_check")).isEmpty());
            // No eaten dish lacks the foods its recipe gave.
            QCOMPARE(db.scalar(QStringLiteral(
                         "SELECT COUNT(*) FROM 摂取料理 r WHERE "
                         "(SELECT COUNT(*) FROM 摂取食品 f WHERE f.摂取料理ID = r.摂取料理ID) <> "
                         "(SELECT COUNT(*) FROM 材料 m WHERE m.料理名ID = r.料理名ID)"))
                         .toInt(),
                     0);
            // A copy is all three dishes or none.
            if (mode == QLatin1String("copy"))
                QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) % 3 FROM 摂取料理")).toInt(), 0);
            // Put back whole: the one copy or the other, never a mixture (the person of copy B
            // with the days of copy A would still pass the checks above, so count both).
            if (mode == QLatin1String("restore")) {
                const int extra = db.scalar(QStringLiteral("SELECT COUNT(*) FROM 個人データ WHERE 氏名 = '復元B'")).toInt();
                QVERIFY(extra == 0 || extra == 1);
                QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM 個人データ")).toInt(), 1 + extra);
                QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM 摂取料理")).toInt(), 3);
            }
            // A category left behind (killed between making and deleting it) still has every dish and
            // every food it was made with.
            if (mode == QLatin1String("delete")) {
                const ResultSet left = db.select(QStringLiteral(
                    "SELECT (SELECT COUNT(*) FROM 料理名 r WHERE r.料理分類ID = c.料理分類ID), "
                    "(SELECT COUNT(*) FROM 材料 m JOIN 料理名 r ON r.料理名ID = m.料理名ID "
                    "WHERE r.料理分類ID = c.料理分類ID) FROM 料理分類 c WHERE c.料理分類 = '消す分類'"));
                for (const QVariantList &r : left.rows) {
                    QCOMPARE(r.value(0).toInt(), 3);
                    QCOMPARE(r.value(1).toInt(), 12);
                }
                QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM 料理名 WHERE 料理名 LIKE '消す料理%' AND "
                                                  "料理分類ID NOT IN (SELECT 料理分類ID FROM 料理分類)")).toInt(), 0);
            }
        }
        // And the program starts on it again, bringing the reference tables up to the seed.
        openHouseholdDatabase(path, seedPath());
        QCOMPARE(referenceVersion(G_DB()), [] {
            Database s(QStringLiteral("seed"));
            s.open(seedPath());
            return referenceVersion(s);
        }());
        G_DB().close();
    }
};

QTEST_GUILESS_MAIN(TstCrash)
#include "tst_crash.moc"
