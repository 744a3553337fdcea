#include "backup_core.h"
#include "database.h"
#include "refdata.h"
#include "startup.h"
#include "testfiles.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace mirte;
using mirte::test::readAll;
using mirte::test::writeFile;

namespace {

// Every row of every table, in key order: what a restore must bring back exactly.
QMap<QString, QList<QVariantList>> snapshot(const Database &db)
{
    QMap<QString, QList<QVariantList>> all;
    const ResultSet names = db.select(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%' ORDER BY name"));
    for (const QVariantList &n : names.rows) {
        const QString t = n.value(0).toString();
        all.insert(t, db.select(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(Database::quoteId(t))).rows);
    }
    return all;
}

qint64 rowCount(const QMap<QString, QList<QVariantList>> &s)
{
    qint64 n = 0;
    for (const auto &rows : s)
        n += rows.size();
    return n;
}

ino_t inodeOf(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

void addHealth(qint64 person, const QDate &day, double height, double weight)
{
    G_DB().insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), person},
                                                   {QStringLiteral("日付"), dateParam(day)},
                                                   {QStringLiteral("身長"), height},
                                                   {QStringLiteral("体重"), weight}});
}

} // namespace

class TstBackup : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<InstanceLock> m_lock;

private slots:
    // A household file as the program runs it: made from the seed, locked, write-ahead log.
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_path = m_dir.filePath(QStringLiteral("MLTD13.db"));
        m_lock = std::make_unique<InstanceLock>(m_path);
        openHouseholdDatabase(m_path, QStringLiteral(MIRTE_SEED_DB));
        QCOMPARE(m_lock->tryLock(), InstanceLock::Locked);
        G_DB().transaction([] {
            const qint64 mother = test::addPerson(QStringLiteral("母"), QDate(1980, 4, 1), 2, true);
            const qint64 child = test::addPerson(QStringLiteral("太郎"), QDate(2016, 7, 7), 1);
            for (int d = 0; d < 30; ++d) {
                addHealth(mother, QDate(2026, 11, 1).addDays(d), 158, 52.0 + d * 0.1);
                addHealth(child, QDate(2026, 11, 1).addDays(d), 138, 32.5);
            }
        });
    }
    void cleanup()
    {
        G_DB().close();
        m_lock.reset();
    }

    void roundTripBringsBackEveryRow()
    {
        const QString copy = m_dir.filePath(QStringLiteral("手動/コピー.db"));
        QDir().mkpath(QFileInfo(copy).absolutePath());
        const auto before = snapshot(G_DB());
        backupDatabase(G_DB(), copy);
        QVERIFY(!QFile::exists(copy + QStringLiteral(".part")));
        QVERIFY(backupProblem(copy, referenceVersion(G_DB())).isEmpty());

        // Change the household afterwards: rows gone, rows added, a new person.
        G_DB().exec(QStringLiteral("DELETE FROM 健康状態管理 WHERE 日付 < '2026-11-15'"));
        G_DB().exec(QStringLiteral("UPDATE 健康状態管理 SET 体重 = 99"));
        test::addPerson(QStringLiteral("客"), QDate(1990, 1, 1), 1);
        const auto changed = snapshot(G_DB());
        QVERIFY(changed != before);

        const ino_t inode = inodeOf(m_path);
        const RestoreResult r = restoreDatabase(G_DB(), copy, m_dir.filePath(QStringLiteral("backup")));
        QVERIFY(G_DB().isOpen());
        QCOMPARE(G_DB().path(), m_path);
        const auto after = snapshot(G_DB());
        QCOMPARE(after.keys(), before.keys());
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(after.value(it.key()), it.value());
        QVERIFY(rowCount(after) > 1000); // the seed's tables came back too, not just our rows

        // The file kept its place, so the lock taken at start still guards it.
        QCOMPARE(inodeOf(m_path), inode);
        InstanceLock second(m_path);
        QCOMPARE(second.tryLock(), InstanceLock::HeldByAnother);
        // The file is still sound and writable, and the safety copy holds what was replaced.
        QVERIFY(databaseProblem(G_DB()).isEmpty());
        test::addPerson(QStringLiteral("父"), QDate(1978, 3, 3), 1);
        {
            Database safety(QStringLiteral("safety"));
            safety.open(r.safetyCopy);
            QCOMPARE(snapshot(safety), changed);
        }
    }

    void refusedCopiesChangeNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing" << "見つかりません";
        QTest::newRow("text file") << "text" << "ではありません";
        QTest::newRow("empty file") << "empty" << "ではありません";
        QTest::newRow("foreign SQLite") << "foreign" << "テーブル";
        QTest::newRow("cut short") << "truncated" << "";
        QTest::newRow("damaged page") << "damaged" << "壊れて";
        QTest::newRow("from a newer program") << "newer" << "新しい版";
        QTest::newRow("the open file itself") << "self" << "使用中";
    }
    void refusedCopiesChangeNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString bad = m_dir.filePath(QStringLiteral("bad.db"));
        const QString good = m_dir.filePath(QStringLiteral("good.db"));
        backupDatabase(G_DB(), good);
        const QByteArray goodBytes = readAll(good);
        QString source = bad;
        if (kind == QLatin1String("text")) {
            writeFile(bad, "氏名,体重\n母,52\n");
        } else if (kind == QLatin1String("empty")) {
            writeFile(bad, {});
        } else if (kind == QLatin1String("foreign")) {
            QSqlDatabase q = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("f"));
            q.setDatabaseName(bad);
            QVERIFY(q.open());
            QSqlQuery(q).exec(QStringLiteral("CREATE TABLE 家計簿 (日付 TEXT, 金額 INTEGER)"));
            q.close();
            q = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("f"));
        } else if (kind == QLatin1String("truncated")) {
            writeFile(bad, goodBytes.left(goodBytes.size() / 2));
        } else if (kind == QLatin1String("damaged")) {
            QByteArray b = goodBytes;
            // Scribble over pages in the middle of the file, keeping the header.
            for (qsizetype i = b.size() / 3; i < b.size() / 3 + 3 * 4096; ++i)
                b[i] = char(0x5A ^ (i & 0xFF));
            writeFile(bad, b);
        } else if (kind == QLatin1String("newer")) {
            QVERIFY(QFile::copy(good, bad));
            Database d(QStringLiteral("newer"));
            d.open(bad);
            d.exec(QStringLiteral("UPDATE 参照データ版 SET 版 = 版 + 1"));
        } else if (kind == QLatin1String("self")) {
            source = m_path;
        }
        const auto before = snapshot(G_DB());
        const QString problem = backupProblem(source, referenceVersion(G_DB()));
        if (kind != QLatin1String("self")) {
            QVERIFY2(!problem.isEmpty(), qPrintable(kind));
            QVERIFY2(problem.contains(reason), qPrintable(problem));
        }
        try {
            restoreDatabase(G_DB(), source, m_dir.filePath(QStringLiteral("backup")));
            QFAIL("the copy was taken");
        } catch (const DbError &e) {
            QVERIFY2(e.description().contains(reason), qPrintable(e.description()));
        }
        QVERIFY(G_DB().isOpen());
        QCOMPARE(snapshot(G_DB()), before);
        // Nothing was replaced, so there is no safety copy either.
        QVERIFY(!QDir(m_dir.filePath(QStringLiteral("backup"))).exists());
        if (kind == QLatin1String("newer") || kind == QLatin1String("foreign"))
            QVERIFY(QFileInfo(bad).size() > 0); // a refused copy is left as it was
    }

    // A sound copy made with another page size is put back like any other (the write-ahead log
    // alone cannot take its pages), and the file keeps its log afterwards.
    void restoreCopyOfAnotherPageSize()
    {
        const QString copy = m_dir.filePath(QStringLiteral("8k.db"));
        backupDatabase(G_DB(), copy);
        {
            Database c(QStringLiteral("8k"));
            c.open(copy);
            c.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
            c.exec(QStringLiteral("PRAGMA page_size = 8192"));
            c.exec(QStringLiteral("VACUUM"));
            QCOMPARE(c.scalar(QStringLiteral("PRAGMA page_size")).toInt(), 8192);
        }
        const auto before = snapshot(G_DB());
        test::addPerson(QStringLiteral("後で"), QDate(2000, 1, 1), 1);
        restoreDatabase(G_DB(), copy, m_dir.filePath(QStringLiteral("backup")));
        QCOMPARE(snapshot(G_DB()), before);
        QCOMPARE(G_DB().scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    }

    void backupReplacesAnOlderFileWhole()
    {
        const QString copy = m_dir.filePath(QStringLiteral("copy.db"));
        writeFile(copy, "an older file in the way");
        backupDatabase(G_DB(), copy);
        QVERIFY(backupProblem(copy, referenceVersion(G_DB())).isEmpty());
        // A target folder that does not exist fails and leaves no half file.
        const QString nowhere = m_dir.filePath(QStringLiteral("no/such/folder/x.db"));
        QVERIFY_THROWS_EXCEPTION(DbError, backupDatabase(G_DB(), nowhere));
        QVERIFY(!QFile::exists(nowhere));
        QVERIFY(!QFile::exists(nowhere + QStringLiteral(".part")));
    }

    // A backup aimed at the open file through another path is refused: replacing it would send
    // every later change into a deleted file.
    void backupOntoTheOpenFileByAnyPath_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("symlinked folder") << "folder";
        QTest::newRow("symlink to the file") << "symlink";
        QTest::newRow("hard link") << "hardlink";
    }
    void backupOntoTheOpenFileByAnyPath()
    {
        QFETCH(QString, how);
        QString target;
        if (how == QLatin1String("folder")) {
            QVERIFY(QFile::link(m_dir.path(), m_dir.filePath(QStringLiteral("link"))));
            target = m_dir.filePath(QStringLiteral("link/MLTD13.db"));
        } else if (how == QLatin1String("symlink")) {
            target = m_dir.filePath(QStringLiteral("other.db"));
            QVERIFY(QFile::link(m_path, target));
        } else {
            target = m_dir.filePath(QStringLiteral("hard.db"));
            QCOMPARE(::link(QFile::encodeName(m_path).constData(), QFile::encodeName(target).constData()), 0);
        }
        struct stat before {};
        QCOMPARE(::stat(QFile::encodeName(m_path).constData(), &before), 0);
        QVERIFY(sameFile(target, m_path));
        try {
            backupDatabase(G_DB(), target);
            QFAIL("the open file was replaced");
        } catch (const DbError &e) {
            QCOMPARE(e.description(), openFileTargetMessage());
        }
        struct stat after {};
        QCOMPARE(::stat(QFile::encodeName(m_path).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        // The connection still writes into the file that is on the disk.
        test::addPerson(QStringLiteral("後で"), QDate(2000, 1, 1), 1);
        QVERIFY(!sameFile(m_dir.filePath(QStringLiteral("elsewhere.db")), m_path));
    }

    // A damaged file (too large to be checked at start) or a copy that fails never takes the
    // place of a sound copy among those kept, and the user is told what to do.
    void dailyCopyFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QString>("told");
        QTest::newRow("damaged file") << "damaged" << true << "壊れている";
        QTest::newRow("read-only backup folder") << "readonly" << false << "作れませんでした";
        QTest::newRow("disk full") << "full" << false << "作れませんでした";
    }
    void dailyCopyFaults()
    {
        QFETCH(QString, fault);
        QFETCH(bool, damaged);
        QFETCH(QString, told);
        const QString dir = dailyBackupDir(m_path);
        for (int d = 1; d <= 7; ++d)
            makeDailyBackup(G_DB(), dir, QDate(2026, 12, d));
        const QStringList before = dailyBackups(dir, m_path);
        QCOMPARE(before.size(), 7);
        QString path = m_path;
        std::unique_ptr<Database> db;
        if (fault == QLatin1String("damaged")) {
            // A copy of the file with pages scribbled over, as a damaged disk leaves it.
            path = m_dir.filePath(QStringLiteral("MLTD13-damaged/MLTD13.db"));
            QDir().mkpath(QFileInfo(path).absolutePath());
            G_DB().exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            QByteArray b = readAll(m_path);
            for (qsizetype i = b.size() / 3; i < b.size() / 3 + 3 * 4096; ++i)
                b[i] = char(0x5A ^ (i & 0xFF));
            writeFile(path, b);
            QDir().mkpath(dailyBackupDir(path));
            for (const QString &c : before)
                QVERIFY(QFile::copy(c, dailyBackupDir(path) + QLatin1Char('/') + QFileInfo(c).fileName()));
            db = std::make_unique<Database>(QStringLiteral("damaged"));
            db->open(path);
        }
        Database &from = db ? *db : G_DB();
        const QString into = dailyBackupDir(path);
        const QStringList kept = dailyBackups(into, path);
        std::optional<test::AsOrdinaryUser> user;
        std::optional<test::DiskFull> full;
        if (fault == QLatin1String("readonly")) {
            QFile::setPermissions(into, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
            user.emplace();
        } else if (fault == QLatin1String("full")) {
            full.emplace(16384);
        }
        DailyBackupReport report;
        try {
            makeDailyBackup(from, into, QDate(2026, 12, 8), 7, /*checkSource*/ true);
            QFAIL("a copy was taken");
        } catch (const DbError &e) {
            report = dailyBackupReport(e, into);
        }
        full.reset();
        user.reset();
        QFile::setPermissions(into, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(report.failed);
        QCOMPARE(report.damaged, damaged);
        QVERIFY2(report.text.contains(told), qPrintable(report.text));
        // The seven sound copies are all still there, and nothing else.
        QCOMPARE(dailyBackups(into, path), kept);
        for (const QString &c : kept)
            QVERIFY(backupProblem(c, referenceVersion(G_DB())).isEmpty());
        QCOMPARE(QDir(into).entryList(QDir::Files).size(), kept.size());
    }

    void dailyCopiesRotate_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("keep");
        QTest::newRow("fewer days than kept") << 4 << 7;
        QTest::newRow("exactly a week") << 7 << 7;
        QTest::newRow("three weeks") << 21 << 7;
        QTest::newRow("keep two") << 5 << 2;
    }
    void dailyCopiesRotate()
    {
        QFETCH(int, days);
        QFETCH(int, keep);
        const QString dir = dailyBackupDir(m_path);
        QCOMPARE(dir, m_dir.filePath(QStringLiteral("backup")));
        QDir().mkpath(dir);
        // Files of others in the folder are not ours to remove.
        const QString safety = dir + QStringLiteral("/MLTD13-復元前-20260101-120000.db");
        const QString other = dir + QStringLiteral("/MLTD13-notes.db");
        writeFile(safety, "x");
        writeFile(other, "y");
        const QDate first(2026, 12, 1);
        for (int d = 0; d < days; ++d) {
            const QDate day = first.addDays(d);
            // The weight of the day goes into that day's copy.
            G_DB().exec(QStringLiteral("UPDATE 健康状態管理 SET 体重 = ?"), {60.0 + d});
            const QString made = makeDailyBackup(G_DB(), dir, day, keep);
            QCOMPARE(made, dir + QLatin1Char('/') + dailyBackupName(m_path, day));
            // A second start on the same day makes no second copy.
            QCOMPARE(makeDailyBackup(G_DB(), dir, day, keep), QString());
        }
        const QStringList kept = dailyBackups(dir, m_path);
        QCOMPARE(kept.size(), qMin(days, keep));
        for (int i = 0; i < kept.size(); ++i) {
            const int d = days - kept.size() + i;
            QCOMPARE(QFileInfo(kept.at(i)).fileName(), dailyBackupName(m_path, first.addDays(d)));
            Database copy(QStringLiteral("daily"));
            copy.open(kept.at(i));
            QCOMPARE(copy.scalar(QStringLiteral("SELECT MAX(体重) FROM 健康状態管理")).toDouble(), 60.0 + d);
        }
        QVERIFY(QFile::exists(safety));
        QVERIFY(QFile::exists(other));
    }

    // The daily copy of a household file of the shipped size with a few years of records (its
    // time is printed; speed is the benchmark's business).
    void dailyCopyOfAFullFile()
    {
        G_DB().transaction([] {
            const qint64 p = test::addPerson(QStringLiteral("祖母"), QDate(1950, 1, 1), 2);
            for (int d = 0; d < 3 * 365; ++d)
                addHealth(p, QDate(2023, 1, 1).addDays(d), 150, 48);
        });
        const QString dir = dailyBackupDir(m_path);
        QElapsedTimer t;
        t.start();
        const QString made = makeDailyBackup(G_DB(), dir, QDate(2026, 12, 9));
        const qint64 ms = t.elapsed();
        QVERIFY(!made.isEmpty());
        qInfo("daily copy of a %lld KB file: %lld ms", QFileInfo(made).size() / 1024, ms);
        Database copy(QStringLiteral("daily"));
        copy.open(made);
        const QString count = QStringLiteral("SELECT COUNT(*) FROM 健康状態管理");
        QVERIFY(copy.scalar(count).toInt() >= 3 * 365);
        QCOMPARE(copy.scalar(count).toInt(), G_DB().scalar(count).toInt());
    }

    // The day's copy is made beside the program while it goes on writing: the copy is one moment
    // of the file (whole days, nothing torn), the writes all land, and a second start that day
    // makes none.
    void dailyCopyBesideWrites()
    {
        const QString count = QStringLiteral("SELECT COUNT(*) FROM 健康状態管理");
        const int before = G_DB().scalar(count).toInt();
        const qint64 p = test::addPerson(QStringLiteral("祖父"), QDate(1948, 3, 3), 1);
        startDailyBackup(m_path, QDate(2026, 12, 9));
        for (int d = 0; d < 200; ++d)
            G_DB().transaction([&] { addHealth(p, QDate(2026, 1, 1).addDays(d), 165, 60); });
        waitForDailyBackup();
        QCOMPARE(G_DB().scalar(count).toInt(), before + 200);
        const QStringList made = dailyBackups(dailyBackupDir(m_path), m_path);
        QCOMPARE(made.size(), 1);
        {
            Database copy(QStringLiteral("daily"));
            copy.open(made.first());
            QCOMPARE(copy.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
            const int rows = copy.scalar(count).toInt();
            QVERIFY2(rows >= before && rows <= before + 200, qPrintable(QString::number(rows)));
        }
        const QDateTime stamp = QFileInfo(made.first()).lastModified();
        startDailyBackup(m_path, QDate(2026, 12, 9));
        waitForDailyBackup();
        QCOMPARE(dailyBackups(dailyBackupDir(m_path), m_path), made);
        QCOMPARE(QFileInfo(made.first()).lastModified(), stamp);
    }

    // A copy cut short (the program killed while copying) leaves its part and journal behind;
    // the next copy is whole all the same, and nothing of the cut ones stays.
    void copiesCutShortAreCleared()
    {
        const QString dir = dailyBackupDir(m_path);
        QVERIFY(QDir().mkpath(dir));
        const QString today = QDir(dir).filePath(dailyBackupName(m_path, QDate(2026, 12, 9)));
        const QString yesterday = QDir(dir).filePath(dailyBackupName(m_path, QDate(2026, 12, 8)));
        for (const QString &left : {today + ".part", today + ".part-journal", yesterday + ".part"})
            writeFile(left, QByteArray(4096, '\x5a'));
        // Another household file beside this one ("MLTD13-old.db") may be writing its copy now.
        const QString others = QDir(dir).filePath(QStringLiteral("MLTD13-old-20261209.db.part"));
        writeFile(others, QByteArray(4096, '\x5a'));
        const QString made = makeDailyBackup(G_DB(), dir, QDate(2026, 12, 9));
        QCOMPARE(made, today);
        QCOMPARE(QDir(dir).entryList({"*.part*"}, QDir::Files), QStringList{QFileInfo(others).fileName()});
        Database copy(QStringLiteral("daily"));
        copy.open(made);
        QCOMPARE(copy.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        const QString count = QStringLiteral("SELECT COUNT(*) FROM 健康状態管理");
        QCOMPARE(copy.scalar(count).toInt(), G_DB().scalar(count).toInt());
    }
};

QTEST_GUILESS_MAIN(TstBackup)
#include "tst_backup.moc"
