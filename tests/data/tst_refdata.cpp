// Bringing an older household database up to the shipped reference data.

#include "database.h"
#include "refdata.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace mirte;

class TstRefdata : public QObject {
    Q_OBJECT

    QString m_seed = QStringLiteral(MIRTE_SEED_DB);

    // A household file made from the seed, then aged: version 0 and some figures changed.
    struct Household {
        QTemporaryDir dir;
        Database db{QStringLiteral("household")};
        QString path;
        qint64 person = 0, day = 0, dish = 0, userDish = 0, renamedDish = 0;
    };

    static int count(const Database &db, const QString &sql, const QVariantList &p = {})
    {
        return db.scalar(sql, p).toInt();
    }

    void makeHousehold(Household &h)
    {
        h.path = h.dir.filePath(QStringLiteral("MLTD13.db"));
        createFromSeed(m_seed, h.path);
        h.db.open(h.path);
        Database &db = h.db;
        QCOMPARE(referenceVersion(db), referenceVersion(seedDb()));
        db.exec(QStringLiteral("UPDATE 参照データ版 SET 版 = 0"));

        // Household records, one using a food and an activity the seed does not have.
        db.exec(QStringLiteral("INSERT INTO 成分表 (成分表ID, 食品番号, 食品群, 食品名, エネルギー) VALUES (99001, '99001', '調理加工食品類', '旧い食品', 100)"));
        db.exec(QStringLiteral("INSERT INTO アミノ酸組成表 (成分表ID, リジン) VALUES (99001, 10)"));
        db.exec(QStringLiteral("INSERT INTO 成分表 (成分表ID, 食品番号, 食品群, 食品名, エネルギー) VALUES (99002, '99002', '調理加工食品類', '使われない食品', 100)"));
        db.exec(QStringLiteral("INSERT INTO アミノ酸組成表 (成分表ID, リジン) VALUES (99002, 10)"));
        db.exec(QStringLiteral("INSERT INTO エネルギー消費量 (エネルギー消費量ID, 分類, 運動名称, エネルギー代謝率) VALUES (9001, '仕事', '旧い運動', 3)"));
        db.exec(QStringLiteral("INSERT INTO エネルギー消費量 (エネルギー消費量ID, 分類, 運動名称, エネルギー代謝率) VALUES (9002, '仕事', '使われない運動', 3)"));
        db.exec(QStringLiteral("INSERT INTO 調理法 (調理法ID, 調理法) VALUES (900, '燻す')"));
        // The household's own foods (配布元 1): one unused, one on an identifier the seed uses.
        db.exec(QStringLiteral("INSERT INTO 成分表 (成分表ID, 食品番号, 食品群, 食品名, エネルギー, 配布元) VALUES (99003, '99003', '調理加工食品類', 'わが家の食品', 120, 1)"));
        db.exec(QStringLiteral("INSERT INTO 脂肪酸組成表 (成分表ID, 配布元) VALUES (99003, 1)"));
        db.exec(QStringLiteral("UPDATE 成分表 SET 食品名='わが家の米', エネルギー=150, 配布元=1 WHERE 成分表ID=1001"));
        h.person = db.insert(QStringLiteral("個人データ"), {{QStringLiteral("氏名"), QStringLiteral("山田")}, {QStringLiteral("性別"), 1}});
        h.day = db.insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), h.person}, {QStringLiteral("日付"), QStringLiteral("2024-04-01")}, {QStringLiteral("体重"), 60.0}});
        h.dish = db.insert(QStringLiteral("摂取料理"), {{QStringLiteral("健康状態管理ID"), h.day}, {QStringLiteral("料理名"), QStringLiteral("昔の料理")}, {QStringLiteral("食事区分"), QStringLiteral("朝食")}});
        db.insert(QStringLiteral("摂取食品"), {{QStringLiteral("摂取料理ID"), h.dish}, {QStringLiteral("健康状態管理ID"), h.day}, {QStringLiteral("成分表ID"), 99001}, {QStringLiteral("分量"), 50.0}});
        db.insert(QStringLiteral("運動時間"), {{QStringLiteral("健康状態管理ID"), h.day}, {QStringLiteral("エネルギー消費量ID"), 9001}, {QStringLiteral("時間"), 0.05}});

        // Catalogue edits of the household, one recipe with an old cooking method.
        h.userDish = db.insert(QStringLiteral("料理名"), {{QStringLiteral("料理分類ID"), 1}, {QStringLiteral("料理名"), QStringLiteral("わが家のカレー")}, {QStringLiteral("配布元"), 1}});
        db.insert(QStringLiteral("材料"), {{QStringLiteral("料理名ID"), h.userDish}, {QStringLiteral("成分表ID"), 1088}, {QStringLiteral("調理法ID"), 900}, {QStringLiteral("分量"), 200.0}});
        h.renamedDish = db.scalar(QStringLiteral("SELECT 料理名ID FROM 料理名 WHERE 料理名='ご飯'")).toLongLong();
        db.exec(QStringLiteral("UPDATE 料理名 SET 料理名='白いご飯' WHERE 料理名ID=?"), {h.renamedDish});
        db.exec(QStringLiteral("UPDATE 材料 SET 分量=180 WHERE 料理名ID=?"), {h.renamedDish});

        // Old figures and a missing row that the refresh must put right.
        db.exec(QStringLiteral("UPDATE 成分表 SET エネルギー=999, 検索=NULL WHERE 成分表ID=1088"));
        db.exec(QStringLiteral("UPDATE 成分表 SET カロテン=NULL WHERE 成分表ID=6212"));
        db.exec(QStringLiteral("UPDATE 脂肪酸組成表 SET \"イコサペンタエン酸n-3\"=1 WHERE 成分表ID=10003"));
        db.exec(QStringLiteral("DELETE FROM アミノ酸組成表 WHERE 成分表ID=1001"));
        db.exec(QStringLiteral("UPDATE 基礎代謝基準値 SET 基礎代謝基準値=1 WHERE 年齢１=30 AND 性別=1"));
        db.exec(QStringLiteral("UPDATE 標準所要量 SET 亜鉛=0 WHERE 年齢（範囲１）=30 AND 性別=1 AND 生活強度=2"));
        db.exec(QStringLiteral("UPDATE エネルギー消費量 SET エネルギー代謝率=77 WHERE エネルギー消費量ID=1"));
        db.exec(QStringLiteral("UPDATE 調理法 SET 調理法='なにか' WHERE 調理法ID=1"));
    }

    Database &seedDb()
    {
        static Database seed(QStringLiteral("seed_ro"));
        if (!seed.isOpen())
            seed.open(m_seed);
        return seed;
    }

    // A copy of the seed with a higher version, a changed figure early in the run, and an
    // activity row that the household schema refuses, late in the run.
    QString brokenSeed(QTemporaryDir &dir)
    {
        const QString path = dir.filePath(QStringLiteral("broken.db"));
        if (!QFile::copy(m_seed, path))
            return {};
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
        Database b(QStringLiteral("broken"));
        b.open(path);
        b.exec(QStringLiteral("UPDATE 参照データ版 SET 版 = 版 + 1"));
        b.exec(QStringLiteral("UPDATE 成分表 SET エネルギー=555 WHERE 成分表ID=1088"));
        b.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
        b.exec(QStringLiteral("ALTER TABLE エネルギー消費量 RENAME TO 旧消費量"));
        b.exec(QStringLiteral("CREATE TABLE エネルギー消費量 (エネルギー消費量ID INTEGER PRIMARY KEY, 分類 TEXT, 運動名称 TEXT, エネルギー代謝率 REAL, METs REAL)"));
        b.exec(QStringLiteral("INSERT INTO エネルギー消費量 SELECT * FROM 旧消費量"));
        b.exec(QStringLiteral("DROP TABLE 旧消費量"));
        b.exec(QStringLiteral("INSERT INTO エネルギー消費量 (エネルギー消費量ID, 分類, 運動名称) VALUES (8888, '仕事', NULL)"));
        b.close();
        return path;
    }

private slots:
    void cleanupTestCase() { seedDb().close(); }

    void refreshUpdatesFiguresAndKeepsHouseholdRows()
    {
        Household h;
        makeHousehold(h);
        Database &db = h.db;
        const int dishesBefore = count(db, QStringLiteral("SELECT count(*) FROM 料理名"));
        const int ingredientsBefore = count(db, QStringLiteral("SELECT count(*) FROM 材料"));

        QVERIFY(refreshReferenceData(db, m_seed));

        // Figures are the shipped ones again.
        QCOMPARE(db.scalar(QStringLiteral("SELECT エネルギー FROM 成分表 WHERE 成分表ID=1088")).toDouble(), 156.0);
        QVERIFY(db.scalar(QStringLiteral("SELECT 検索 FROM 成分表 WHERE 成分表ID=1088")).toString().contains(QStringLiteral("ご飯")));
        QCOMPARE(db.scalar(QStringLiteral("SELECT カロテン FROM 成分表 WHERE 成分表ID=6212")).toDouble(), 8600.0);
        QCOMPARE(db.scalar(QStringLiteral("SELECT \"イコサペンタエン酸n-3\" FROM 脂肪酸組成表 WHERE 成分表ID=10003")).toDouble(), 8.902);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM アミノ酸組成表 WHERE 成分表ID=1001")), 1);
        QCOMPARE(db.scalar(QStringLiteral("SELECT 基礎代謝基準値 FROM 基礎代謝基準値 WHERE 年齢１=30 AND 性別=1")).toDouble(), 22.3);
        QCOMPARE(db.scalar(QStringLiteral("SELECT 亜鉛 FROM 標準所要量 WHERE 年齢（範囲１）=30 AND 性別=1 AND 生活強度=2")).toDouble(), 12.0);
        QCOMPARE(db.scalar(QStringLiteral("SELECT エネルギー代謝率 FROM エネルギー消費量 WHERE エネルギー消費量ID=1")).toDouble(), -0.2);
        QCOMPARE(db.scalar(QStringLiteral("SELECT 調理法 FROM 調理法 WHERE 調理法ID=1")).toString(), QStringLiteral("そのまま"));
        QCOMPARE(referenceVersion(db), referenceVersion(seedDb()));

        // Rows the seed no longer has go, unless a record or recipe uses them.
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM 成分表 WHERE 成分表ID=99001")), 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM アミノ酸組成表 WHERE 成分表ID=99001")), 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM 成分表 WHERE 成分表ID=99002")), 0);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM アミノ酸組成表 WHERE 成分表ID=99002")), 0);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM エネルギー消費量 WHERE エネルギー消費量ID=9001")), 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM エネルギー消費量 WHERE エネルギー消費量ID=9002")), 0);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM 調理法 WHERE 調理法ID=900")), 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM 成分表")), count(seedDb(), QStringLiteral("SELECT count(*) FROM 成分表")) + 2);
        // The household's own rows are neither deleted nor overwritten.
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM 成分表 WHERE 成分表ID=99003 AND 配布元=1")), 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM 脂肪酸組成表 WHERE 成分表ID=99003")), 1);
        QCOMPARE(db.scalar(QStringLiteral("SELECT 食品名 FROM 成分表 WHERE 成分表ID=1001")).toString(), QStringLiteral("わが家の米"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT エネルギー FROM 成分表 WHERE 成分表ID=1001")).toDouble(), 150.0);

        // The household's records and catalogue are as they were.
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM 摂取食品 WHERE 成分表ID=99001")), 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM 運動時間 WHERE エネルギー消費量ID=9001")), 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM 料理名")), dishesBefore);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM 材料")), ingredientsBefore);
        QCOMPARE(db.scalar(QStringLiteral("SELECT 料理名 FROM 料理名 WHERE 料理名ID=?"), {h.renamedDish}).toString(), QStringLiteral("白いご飯"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT 分量 FROM 材料 WHERE 料理名ID=?"), {h.renamedDish}).toDouble(), 180.0);
        QCOMPARE(db.scalar(QStringLiteral("SELECT 配布元 FROM 料理名 WHERE 料理名ID=?"), {h.userDish}).toInt(), 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM 料理名 WHERE 料理名='ご飯'")), 0);

        // Up to date now: a second run writes nothing.
        QVERIFY(!refreshReferenceData(db, m_seed));
    }

    void emptyDatabaseGetsEverything()
    {
        test::TempDb t;
        QCOMPARE(referenceVersion(t.db()), 0);
        QVERIFY(refreshReferenceData(t.db(), m_seed));
        for (const QString &table : referenceTables()) {
            const QString sql = QStringLiteral("SELECT count(*) FROM ") + Database::quoteId(table);
            QCOMPARE(count(t.db(), sql), count(seedDb(), sql));
        }
        // The catalogue is the household's: a refresh never fills it.
        QCOMPARE(count(t.db(), QStringLiteral("SELECT count(*) FROM 料理名")), 0);
        QVERIFY(!refreshReferenceData(t.db(), m_seed));
    }

    void newerDatabaseIsLeftAlone()
    {
        Household h;
        makeHousehold(h);
        h.db.exec(QStringLiteral("UPDATE 参照データ版 SET 版 = 1000"));
        QVERIFY(!refreshReferenceData(h.db, m_seed));
        QCOMPARE(h.db.scalar(QStringLiteral("SELECT エネルギー FROM 成分表 WHERE 成分表ID=1088")).toDouble(), 999.0);
    }

    void failureChangesNothing()
    {
        Household h;
        makeHousehold(h);
        QTemporaryDir dir;
        const QString broken = brokenSeed(dir);
        QVERIFY(!broken.isEmpty());
        QVERIFY_THROWS_EXCEPTION(DbError, refreshReferenceData(h.db, broken));
        // Nothing of the partial run is kept: old figures, old version, the unused rows still there.
        QCOMPARE(h.db.scalar(QStringLiteral("SELECT エネルギー FROM 成分表 WHERE 成分表ID=1088")).toDouble(), 999.0);
        QCOMPARE(h.db.scalar(QStringLiteral("SELECT 基礎代謝基準値 FROM 基礎代謝基準値 WHERE 年齢１=30 AND 性別=1")).toDouble(), 1.0);
        QCOMPARE(count(h.db, QStringLiteral("SELECT count(*) FROM 成分表 WHERE 成分表ID=99002")), 1);
        QCOMPARE(referenceVersion(h.db), 0);
        // And the file still works: the good seed brings it up to date.
        QVERIFY(refreshReferenceData(h.db, m_seed));
        QCOMPARE(h.db.scalar(QStringLiteral("SELECT エネルギー FROM 成分表 WHERE 成分表ID=1088")).toDouble(), 156.0);
    }

    void missingSeedIsAnError()
    {
        Household h;
        makeHousehold(h);
        QVERIFY_THROWS_EXCEPTION(DbError, refreshReferenceData(h.db, h.dir.filePath(QStringLiteral("none.db"))));
        QCOMPARE(referenceVersion(h.db), 0);
    }

    void createFromSeedRefusesToOverwrite()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("sub/MLTD13.db"));
        createFromSeed(m_seed, target);
        QVERIFY(QFile::exists(target));
        QVERIFY(QFileInfo(target).isWritable());
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.resize(0); // an existing file, whatever it holds, is never replaced
        f.close();
        QVERIFY_THROWS_EXCEPTION(DbError, createFromSeed(m_seed, target));
        QCOMPARE(QFileInfo(target).size(), 0);
        QVERIFY_THROWS_EXCEPTION(DbError, createFromSeed(dir.filePath(QStringLiteral("none.db")), dir.filePath(QStringLiteral("x.db"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.db"))));
    }
};

QTEST_GUILESS_MAIN(TstRefdata)
#include "tst_refdata.moc"
