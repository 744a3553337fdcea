#include "database.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace mirte;

class TstDatabase : public QObject {
    Q_OBJECT

    qint64 addPerson(const QString &name)
    {
        return G_DB().insert(QStringLiteral("個人データ"),
                             {{QStringLiteral("氏名"), name},
                              {QStringLiteral("生年月日"), dateParam(QDate(1980, 4, 1))},
                              {QStringLiteral("性別"), 1}});
    }
    qint64 addDay(qint64 person, const QDate &d)
    {
        return G_DB().insert(QStringLiteral("健康状態管理"),
                             {{QStringLiteral("氏名ID"), person},
                              {QStringLiteral("日付"), dateParam(d)},
                              {QStringLiteral("身長"), 170.0},
                              {QStringLiteral("体重"), 65.0},
                              {QStringLiteral("健康状態"), QStringLiteral("健康")},
                              {QStringLiteral("生活強度"), 2}});
    }
    void addReferenceRows()
    {
        auto &db = G_DB();
        db.exec(QStringLiteral("INSERT INTO 調理法 (調理法ID, 調理法) VALUES (1, 'そのまま')"));
        db.exec(QStringLiteral("INSERT INTO 成分表 (成分表ID, 食品番号, 食品群, 食品名, エネルギー) VALUES (1088, '01088', '穀類', 'こめ', 156)"));
        db.exec(QStringLiteral("INSERT INTO エネルギー消費量 (エネルギー消費量ID, 分類, 運動名称, エネルギー代謝率) VALUES (1, '日常生活', '歩行', 2.0)"));
    }

private slots:
    void newKeyAfterInsertAndFind()
    {
        test::TempDb t;
        const qint64 a = addPerson(QStringLiteral("山田太郎"));
        const qint64 b = addPerson(QStringLiteral("山田花子"));
        QVERIFY(a > 0);
        QCOMPARE(b, a + 1);
        const auto row = G_DB().selectOne(QStringLiteral("SELECT * FROM 個人データ WHERE 氏名ID = ?"), {b});
        QVERIFY(row.has_value());
        QCOMPARE(row->value(QStringLiteral("氏名")).toString(), QStringLiteral("山田花子"));
        QCOMPARE(toDate(row->value(QStringLiteral("生年月日"))), QDate(1980, 4, 1));
        QCOMPARE(G_DB().remove(QStringLiteral("個人データ"), QStringLiteral("氏名ID"), a), 1);
        QVERIFY(!G_DB().selectOne(QStringLiteral("SELECT * FROM 個人データ WHERE 氏名ID = ?"), {a}));
    }

    void valuesAreBoundNotPasted()
    {
        test::TempDb t;
        const QString evil = QStringLiteral("O'Brien\");--");
        const qint64 id = addPerson(evil.left(10));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 氏名 FROM 個人データ WHERE 氏名ID=?"), {id}).toString(),
                 evil.left(10));
    }

    void personDeleteCascadesThroughTheDay()
    {
        test::TempDb t;
        addReferenceRows();
        auto &db = G_DB();
        const qint64 p = addPerson(QStringLiteral("佐藤"));
        const qint64 day = addDay(p, QDate(2026, 12, 1));
        const qint64 dish = db.insert(QStringLiteral("摂取料理"),
                                      {{QStringLiteral("健康状態管理ID"), day},
                                       {QStringLiteral("料理名"), QStringLiteral("ご飯")},
                                       {QStringLiteral("食事区分"), QStringLiteral("朝食")},
                                       {QStringLiteral("料理分量"), 1.0}});
        db.insert(QStringLiteral("摂取食品"), {{QStringLiteral("摂取料理ID"), dish},
                                              {QStringLiteral("健康状態管理ID"), day},
                                              {QStringLiteral("成分表ID"), 1088},
                                              {QStringLiteral("調理法ID"), 1},
                                              {QStringLiteral("分量"), 150.0}});
        db.insert(QStringLiteral("運動時間"), {{QStringLiteral("健康状態管理ID"), day},
                                              {QStringLiteral("エネルギー消費量ID"), 1},
                                              {QStringLiteral("時間"), 1.0 / 24}});
        db.remove(QStringLiteral("個人データ"), QStringLiteral("氏名ID"), p);
        for (const char *table : {"健康状態管理", "摂取料理", "摂取食品", "運動時間"})
            QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM ") + QString::fromUtf8(table)).toInt(), 0);
        // Reference rows stay.
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM 成分表")).toInt(), 1);
    }

    void referenceRowInUseCannotBeDeleted()
    {
        test::TempDb t;
        addReferenceRows();
        auto &db = G_DB();
        const qint64 day = addDay(addPerson(QStringLiteral("鈴木")), QDate(2026, 12, 1));
        const qint64 dish = db.insert(QStringLiteral("摂取料理"),
                                      {{QStringLiteral("健康状態管理ID"), day},
                                       {QStringLiteral("食事区分"), QStringLiteral("昼食")}});
        db.insert(QStringLiteral("摂取食品"), {{QStringLiteral("摂取料理ID"), dish},
                                              {QStringLiteral("健康状態管理ID"), day},
                                              {QStringLiteral("成分表ID"), 1088},
                                              {QStringLiteral("分量"), 100.0}});
        QVERIFY_THROWS_EXCEPTION(DbError, db.remove(QStringLiteral("成分表"), QStringLiteral("成分表ID"), 1088));
        QVERIFY_THROWS_EXCEPTION(DbError, db.remove(QStringLiteral("調理法"), QStringLiteral("調理法ID"), 1));
    }

    void catalogueCascade()
    {
        test::TempDb t;
        addReferenceRows();
        auto &db = G_DB();
        const qint64 cat = db.insert(QStringLiteral("料理分類"), {{QStringLiteral("料理分類"), QStringLiteral("主食")}});
        const qint64 dish = db.insert(QStringLiteral("料理名"), {{QStringLiteral("料理分類ID"), cat},
                                                                {QStringLiteral("料理名"), QStringLiteral("ご飯")}});
        db.insert(QStringLiteral("材料"), {{QStringLiteral("料理名ID"), dish},
                                           {QStringLiteral("成分表ID"), 1088},
                                           {QStringLiteral("分量"), 150.0}});
        QCOMPARE(db.scalar(QStringLiteral("SELECT 配布元 FROM 料理名")).toInt(), 1);
        db.remove(QStringLiteral("料理分類"), QStringLiteral("料理分類ID"), cat);
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM 料理名")).toInt(), 0);
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM 材料")).toInt(), 0);
    }

    void halfWidthSpellingsResolve()
    {
        test::TempDb t;
        auto &db = G_DB();
        const qint64 day = addDay(addPerson(QStringLiteral("田中")), QDate(2026, 1, 2));
        db.update(QStringLiteral("健康状態管理"), QStringLiteral("健康状態管理ID"), day,
                  {{QStringLiteral("血圧（上）"), 128.0}, {QStringLiteral("血圧（下）"), 82.0},
                   {QStringLiteral("運動量（歩数計）"), 240.0}});
        const auto r = db.selectOne(QStringLiteral(
            "SELECT [血圧(上)], [血圧(下)], [運動量(歩数計)] FROM 健康状態管理 WHERE 健康状態管理ID=?"), {day});
        QVERIFY(r);
        QCOMPARE(r->value(QStringLiteral("血圧(上)")).toDouble(), 128.0);
        QCOMPARE(r->value(QStringLiteral("血圧(下)")).toDouble(), 82.0);
        QCOMPARE(r->value(QStringLiteral("運動量(歩数計)")).toDouble(), 240.0);
    }

    void uniqueIndexes()
    {
        test::TempDb t;
        const qint64 p = addPerson(QStringLiteral("高橋"));
        QVERIFY_THROWS_EXCEPTION(DbError, addPerson(QStringLiteral("高橋")));
        addDay(p, QDate(2026, 3, 3));
        QVERIFY_THROWS_EXCEPTION(DbError, addDay(p, QDate(2026, 3, 3)));
        addDay(p, QDate(2026, 3, 4));
    }

    void nameLongerThanTenIsRefused()
    {
        test::TempDb t;
        addPerson(QStringLiteral("あいうえおかきくけこ"));
        QVERIFY_THROWS_EXCEPTION(DbError, addPerson(QStringLiteral("あいうえおかきくけこさ")));
    }

    void eatenDishColumnOrder()
    {
        test::TempDb t;
        const QStringList cols = G_DB().columns(QStringLiteral("摂取料理"));
        QCOMPARE(cols.size(), 7);
        QCOMPARE(cols.at(0), QStringLiteral("摂取料理ID"));
        QCOMPARE(cols.at(3), QStringLiteral("料理名"));
        QCOMPARE(cols.at(5), QStringLiteral("食事区分"));
    }

    void userCheckHasItsRow()
    {
        test::TempDb t;
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT count(*) FROM USERCHECK")).toInt(), 1);
    }

    void transactionRollsBackOnError()
    {
        test::TempDb t;
        auto &db = G_DB();
        QVERIFY_THROWS_EXCEPTION(DbError, db.transaction([&] {
            addPerson(QStringLiteral("一人目"));
            addPerson(QStringLiteral("一人目")); // unique index fails
        }));
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM 個人データ")).toInt(), 0);
        db.transaction([&] { addPerson(QStringLiteral("二人目")); });
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM 個人データ")).toInt(), 1);
    }

    // A COMMIT the engine refuses (here a deferred foreign key; a busy or full disk in life) must not
    // leave the transaction open, or every later write would vanish with it at the end of the run.
    void failedCommitLeavesTheConnectionClean()
    {
        test::TempDb t;
        auto &db = G_DB();
        const qint64 kept = addPerson(QStringLiteral("先にいる人"));
        try {
            db.transaction([&] {
                db.exec(QStringLiteral("PRAGMA defer_foreign_keys = ON"));
                addPerson(QStringLiteral("消える人"));
                addDay(kept + 1000, QDate(2026, 1, 5)); // no such person: refused at COMMIT
            });
            QFAIL("the commit was taken for done");
        } catch (const DbError &e) {
            QVERIFY(e.description().contains(QStringLiteral("FOREIGN KEY")));
        }
        QVERIFY(!db.inTransaction());
        const qint64 later = addPerson(QStringLiteral("後の人"));
        addDay(later, QDate(2026, 1, 6));
        db.close();
        db.open(t.path());
        QCOMPARE(db.scalar(QStringLiteral("SELECT group_concat(氏名, ',') FROM 個人データ ORDER BY 氏名ID")).toString(),
                 QStringLiteral("先にいる人,後の人"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM 健康状態管理")).toInt(), 1);
    }

    void changingAVanishedRowIsReported()
    {
        test::TempDb t;
        auto &db = G_DB();
        const qint64 id = addPerson(QStringLiteral("山田"));
        db.updateRow(QStringLiteral("個人データ"), QStringLiteral("氏名ID"), id, {{QStringLiteral("性別"), 2}});
        db.removeRow(QStringLiteral("個人データ"), QStringLiteral("氏名ID"), id);
        for (int step = 0; step < 2; ++step) {
            try {
                if (step == 0)
                    db.updateRow(QStringLiteral("個人データ"), QStringLiteral("氏名ID"), id, {{QStringLiteral("性別"), 1}});
                else
                    db.removeRow(QStringLiteral("個人データ"), QStringLiteral("氏名ID"), id);
                QFAIL("a change of no row passed for done");
            } catch (const DbError &e) {
                QCOMPARE(e.number(), 3167);
            }
        }
    }

    void openRefusesForeignFiles()
    {
        QTemporaryDir dir;
        const QString junk = dir.filePath(QStringLiteral("junk.db"));
        {
            QFile f(junk);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("this is not a database at all, just some text that fills a page");
        }
        const QByteArray before = [&] { QFile f(junk); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        Database db(QStringLiteral("junk"));
        QVERIFY_THROWS_EXCEPTION(DbError, db.open(junk));
        QVERIFY(!db.isOpen());
        QFile f(junk);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);

        // A SQLite file without our tables is refused too.
        const QString other = dir.filePath(QStringLiteral("other.db"));
        {
            Database o(QStringLiteral("other"));
            o.create(other);
            o.exec(QStringLiteral("DROP TABLE 成分表"));
        }
        QVERIFY_THROWS_EXCEPTION(DbError, db.open(other));
        QVERIFY_THROWS_EXCEPTION(DbError, db.open(dir.filePath(QStringLiteral("missing.db"))));
    }

    void foreignKeysOnAfterOpen()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fk.db"));
        { Database d(QStringLiteral("a")); d.create(path); }
        Database d(QStringLiteral("b"));
        d.open(path);
        QCOMPARE(d.scalar(QStringLiteral("PRAGMA foreign_keys")).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TstDatabase)
#include "tst_database.moc"
