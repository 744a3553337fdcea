#include "database.h"
#include "refdata.h"
#include "sharedfiles.h"
#include "startup.h"
#include "testfiles.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace mirte;
using mirte::test::readAll;
using mirte::test::writeFile;

namespace {
// A small valid database standing in for the shipped seed; a later version adds a cooking method.
QString makeSeedAt(const QString &seed, int version = 1)
{
    QDir().mkpath(QFileInfo(seed).absolutePath());
    QFile::remove(seed);
    Database d(QStringLiteral("seedmaker"));
    d.create(seed);
    d.exec(QStringLiteral("INSERT INTO 調理法 (調理法ID, 調理法) VALUES (1, 'そのまま')"));
    if (version > 1)
        d.exec(QStringLiteral("INSERT INTO 調理法 (調理法ID, 調理法) VALUES (2, '蒸す')"));
    d.exec(QStringLiteral("INSERT INTO 参照データ版 (名称, 版) VALUES (?, ?)"), {referenceVersionName(), version});
    return seed;
}

QString makeSeed(const QTemporaryDir &dir)
{
    return makeSeedAt(dir.filePath(QStringLiteral("seed.db")));
}

// A program folder prefix/bin, with the shipped files beside it, under the prefix, or both.
struct FakeProgram {
    QTemporaryDir dir;
    QString bin() const { return dir.filePath(QStringLiteral("prefix/bin")); }
    QString beside() const { return bin(); }
    QString installed() const { return QDir::cleanPath(bin() + QLatin1Char('/') + installedSharedRelative()); }
    FakeProgram(bool seedBeside, bool seedInstalled)
    {
        QDir().mkpath(bin());
        if (seedBeside)
            makeSeedAt(beside() + QStringLiteral("/data/seed.db"));
        if (seedInstalled)
            makeSeedAt(installed() + QStringLiteral("/data/seed.db"));
    }
};
} // namespace

class TstStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void locationBesideTheProgram()
    {
        QTemporaryDir dir;
        const DbLocation loc = defaultDbLocation(dir.path());
        QCOMPARE(loc.path, dir.path() + QStringLiteral("/data/MLTD13.db"));
        QCOMPARE(loc.seedPath, dir.path() + QStringLiteral("/data/seed.db"));
        QVERIFY(QDir(dir.filePath(QStringLiteral("data"))).exists()); // missing folder is created
    }

    void locationFallsBackWhenNotWritable()
    {
        // A program folder in which no data folder can be made (it is a plain file here, which
        // stops even root, unlike permission bits).
        QTemporaryDir dir;
        const QString blocked = dir.filePath(QStringLiteral("program"));
        QFile f(blocked);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const DbLocation loc = defaultDbLocation(blocked);
        QVERIFY(loc.path.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
        QVERIFY(loc.path.endsWith(QStringLiteral("/MLTD13.db")));
        QCOMPARE(loc.seedPath, blocked + QStringLiteral("/data/seed.db"));
    }

    // Which folder is taken for the shipped files, and with it where the household's file lives.
    void layoutDecidesTheFolders_data()
    {
        QTest::addColumn<bool>("seedBeside");
        QTest::addColumn<bool>("seedInstalled");
        QTest::addColumn<bool>("installed");
        QTest::newRow("build tree") << true << false << false;
        QTest::newRow("installed") << false << true << true;
        QTest::newRow("a copy beside an installed one") << true << true << false;
        QTest::newRow("nothing shipped") << false << false << false;
    }

    void layoutDecidesTheFolders()
    {
        QFETCH(bool, seedBeside);
        QFETCH(bool, seedInstalled);
        QFETCH(bool, installed);
        const FakeProgram prog(seedBeside, seedInstalled);
        const SharedLayout layout = sharedLayout(prog.bin());
        QCOMPARE(layout.installed, installed);
        const QString shared = installed ? prog.installed() : prog.beside();
        QCOMPARE(layout.dir, shared);

        const DbLocation loc = defaultDbLocation(prog.bin());
        QCOMPARE(loc.seedPath, shared + QStringLiteral("/data/seed.db"));
        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCOMPARE(loc.path, installed ? user + QStringLiteral("/MLTD13.db") : prog.beside() + QStringLiteral("/data/MLTD13.db"));
        // An installed program writes nothing into its own folders.
        if (installed) {
            QVERIFY(!QFileInfo::exists(prog.bin() + QStringLiteral("/data")));
            QCOMPARE(QDir(shared + QStringLiteral("/data")).entryList(QDir::Files), QStringList{QStringLiteral("seed.db")});
        }
    }

    // An upgrade ships a newer seed: the next start brings its reference rows into the household's
    // file in the data folder and leaves the household's own rows as they are.
    void upgradeRefreshesTheFileInTheDataFolder()
    {
        const FakeProgram prog(false, true);
        const DbLocation loc = defaultDbLocation(prog.bin());
        for (const char *end : {"", "-wal", "-shm"})
            QFile::remove(loc.path + QLatin1String(end));
        openHouseholdDatabase(loc.path, loc.seedPath);
        G_DB().exec(QStringLiteral("INSERT INTO 個人データ (氏名, 性別) VALUES ('母', 2)"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT count(*) FROM 調理法")).toInt(), 1);
        G_DB().close();

        makeSeedAt(loc.seedPath, 2);
        openHouseholdDatabase(loc.path, loc.seedPath);
        QCOMPARE(referenceVersion(G_DB()), 2);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 調理法 FROM 調理法 WHERE 調理法ID = 2")).toString(),
                 QStringLiteral("蒸す"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 氏名 FROM 個人データ")).toString(), QStringLiteral("母"));
        G_DB().close();
        QVERIFY(QFile::remove(loc.path));
    }

    void initRefusesToOverwrite()
    {
        QTemporaryDir dir;
        const QString seed = makeSeed(dir);
        const QString target = dir.filePath(QStringLiteral("new/MLTD13.db"));
        createFromSeed(seed, target);
        QCOMPARE(readAll(target), readAll(seed));
        // Mark the copy, then try again: the file must stay as it is.
        {
            Database d(QStringLiteral("mark"));
            d.open(target);
            d.exec(QStringLiteral("INSERT INTO 個人データ (氏名, 性別) VALUES ('母', 2)"));
        }
        const QByteArray before = readAll(target);
        QVERIFY_THROWS_EXCEPTION(DbError, createFromSeed(seed, target));
        QCOMPARE(readAll(target), before);
        QVERIFY(!QFile::exists(target + QStringLiteral(".part")));
    }

    void initWithoutSeedFails()
    {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(DbError, createFromSeed(dir.filePath(QStringLiteral("none.db")),
                                                       dir.filePath(QStringLiteral("x.db"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.db"))));
    }

    void openCreatesFromSeedAndNeverReseeds()
    {
        QTemporaryDir dir;
        const QString seed = makeSeed(dir);
        const QString path = dir.filePath(QStringLiteral("data/MLTD13.db"));
        openHouseholdDatabase(path, seed);
        QVERIFY(G_DB().isOpen());
        G_DB().exec(QStringLiteral("INSERT INTO 個人データ (氏名, 性別) VALUES ('父', 1)"));
        G_DB().close();
        openHouseholdDatabase(path, seed);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT count(*) FROM 個人データ")).toInt(), 1);
        G_DB().close();
    }

    void olderDatabaseIsBroughtUpToTheSeed()
    {
        QTemporaryDir dir;
        const QString seed = makeSeed(dir);
        const QString path = dir.filePath(QStringLiteral("old.db"));
        {
            Database d(QStringLiteral("old"));
            d.create(path); // no reference rows, no version
            d.exec(QStringLiteral("INSERT INTO 個人データ (氏名, 性別) VALUES ('祖母', 2)"));
        }
        openHouseholdDatabase(path, seed);
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 調理法 FROM 調理法 WHERE 調理法ID = 1")).toString(),
                 QStringLiteral("そのまま"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT count(*) FROM 個人データ")).toInt(), 1);
        G_DB().close();
    }

    // A file written by a newer program is refused as restore refuses it; a full disk while the
    // reference data waits to be refreshed leaves the records readable and says so.
    void newerFileAndFullDisk_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("newer program") << "newer";
        QTest::newRow("disk full at the refresh") << "full";
    }
    void newerFileAndFullDisk()
    {
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString seed = makeSeedAt(dir.filePath(QStringLiteral("seed.db")), 2);
        {
            // A seed whose refresh needs room: many foods.
            Database s(QStringLiteral("bigseed"));
            s.open(seed);
            s.transaction([&] {
                for (int i = 1; i <= 3000; ++i)
                    s.exec(QStringLiteral("INSERT INTO 成分表 (成分表ID, 食品名, 備考) VALUES (?, ?, ?)"),
                           {i, QStringLiteral("食品%1").arg(i), QString(200, QLatin1Char('x'))});
            });
        }
        const QString path = dir.filePath(QStringLiteral("MLTD13.db"));
        {
            Database d(QStringLiteral("household"));
            d.create(path);
            d.exec(QStringLiteral("INSERT INTO 個人データ (氏名, 性別) VALUES ('祖母', 2)"));
            d.exec(QStringLiteral("INSERT INTO 参照データ版 (名称, 版) VALUES (?, ?)"),
                   {referenceVersionName(), fault == QLatin1String("newer") ? 3 : 1});
        }
        const QByteArray before = readAll(path);
        if (fault == QLatin1String("newer")) {
            try {
                openHouseholdDatabase(path, seed);
                QFAIL("a newer file was opened");
            } catch (const DbError &e) {
                QVERIFY2(e.description().contains(QStringLiteral("新しい版")), qPrintable(e.description()));
            }
            QVERIFY(!G_DB().isOpen());
            QCOMPARE(readAll(path), before);
            return;
        }
        {
            test::DiskFull full(QFileInfo(path).size());
            openHouseholdDatabase(path, seed);
        }
        QVERIFY(G_DB().isOpen());
        QVERIFY2(startupNotice().contains(QStringLiteral("次の起動に延ばしました")), qPrintable(startupNotice()));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 氏名 FROM 個人データ")).toString(), QStringLiteral("祖母"));
        QCOMPARE(referenceVersion(G_DB()), 1);
        G_DB().close();
        // With room again the next start brings the file up to the seed.
        openHouseholdDatabase(path, seed);
        QCOMPARE(referenceVersion(G_DB()), 2);
        QVERIFY(startupNotice().isEmpty());
        G_DB().close();
    }

    void corruptFileIsRefusedAndLeftAlone()
    {
        QTemporaryDir dir;
        const QString seed = makeSeed(dir);
        const QString path = dir.filePath(QStringLiteral("MLTD13.db"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
        f.close();
        const QByteArray before = readAll(path);
        QVERIFY_THROWS_EXCEPTION(DbError, openHouseholdDatabase(path, seed));
        QVERIFY(!G_DB().isOpen());
        QCOMPARE(readAll(path), before);
    }

    void secondInstanceCannotLock_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("same path") << "same";
        QTest::newRow("symlink") << "symlink";
        QTest::newRow("symlinked folder") << "folder";
        QTest::newRow("hard link") << "hardlink";
    }

    void secondInstanceCannotLock()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("MLTD13.db"));
        ensureHouseholdFile(path, makeSeed(dir));
        QString other = path;
        if (how == QLatin1String("symlink")) {
            other = dir.filePath(QStringLiteral("link.db"));
            QVERIFY(QFile::link(path, other));
        } else if (how == QLatin1String("folder")) {
            QVERIFY(QFile::link(dir.path(), dir.filePath(QStringLiteral("alias"))));
            other = dir.filePath(QStringLiteral("alias/MLTD13.db"));
        } else if (how == QLatin1String("hardlink")) {
            other = dir.filePath(QStringLiteral("hard.db"));
            QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
        }
        {
            InstanceLock first(path);
            QCOMPARE(first.tryLock(), InstanceLock::Locked);
            InstanceLock second(other);
            QCOMPARE(second.tryLock(), InstanceLock::HeldByAnother);
        }
        // The owner gone, the lock is free again; a leftover lock file of an older version is no obstacle.
        QFile old(path + QStringLiteral(".lock"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        InstanceLock again(other);
        QCOMPARE(again.tryLock(), InstanceLock::Locked);
    }

    // Another program reading the file (a backup, a look with a SQL tool) does not make a save fail.
    void aReaderDoesNotBlockASave()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("MLTD13.db"));
        openHouseholdDatabase(path, makeSeed(dir));
        Database reader(QStringLiteral("reader"));
        reader.open(path);
        reader.begin();
        QCOMPARE(reader.scalar(QStringLiteral("SELECT count(*) FROM 個人データ")).toInt(), 0);
        G_DB().transaction([] {
            G_DB().insert(QStringLiteral("個人データ"), {{QStringLiteral("氏名"), QStringLiteral("山田")},
                                                          {QStringLiteral("性別"), 1}});
        });
        QCOMPARE(reader.scalar(QStringLiteral("SELECT count(*) FROM 個人データ")).toInt(), 0);
        reader.rollback();
        QCOMPARE(reader.scalar(QStringLiteral("SELECT count(*) FROM 個人データ")).toInt(), 1);
        G_DB().close();
    }

    // A page overwritten on the disk is noticed at the start, and nothing is written to the file.
    void damagedFileIsNoticedAndLeftAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("MLTD13.db"));
        const QString seed = makeSeed(dir);
        openHouseholdDatabase(path, seed);
        QCOMPARE(databaseProblem(G_DB()), QString());
        for (int i = 0; i < 400; ++i)
            G_DB().insert(QStringLiteral("個人データ"), {{QStringLiteral("氏名"), QStringLiteral("人%1").arg(i)},
                                                          {QStringLiteral("性別"), 1 + i % 2}});
        G_DB().close();
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        const qint64 pages = f.size() / 4096;
        QVERIFY(pages > 3);
        f.seek((pages - 2) * 4096);
        f.write(QByteArray(4096, '\x5a'));
        f.close();
        const QByteArray damaged = readAll(path);
        try {
            openHouseholdDatabase(path, seed);
            QFAIL("a damaged file was opened");
        } catch (const DbError &e) {
            QVERIFY2(e.description().contains(QStringLiteral("壊れています")), qPrintable(e.description()));
        }
        QVERIFY(!G_DB().isOpen());
        QCOMPARE(readAll(path), damaged);
    }

    void lockOnAMissingFileIsAnError()
    {
        QTemporaryDir dir;
        InstanceLock lock(dir.filePath(QStringLiteral("none/MLTD13.db")));
        QCOMPARE(lock.tryLock(), InstanceLock::Failed);
        QVERIFY(lock.errorText().contains(QStringLiteral("none/MLTD13.db")));
    }

    void householdFileIsCreatedWithItsFolders()
    {
        QTemporaryDir dir;
        const QString seed = makeSeed(dir);
        const QString path = dir.filePath(QStringLiteral("a/b/MLTD13.db"));
        openHouseholdDatabase(path, seed);
        QVERIFY(G_DB().isOpen());
        QCOMPARE(G_DB().scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
        G_DB().close();
        // A folder that cannot be made (a file stands in its way) is an error, whoever runs it.
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY_THROWS_EXCEPTION(DbError, ensureHouseholdFile(dir.filePath(QStringLiteral("file/MLTD13.db")), seed));
    }
};

QTEST_GUILESS_MAIN(TstStartup)
#include "tst_startup.moc"
