// The dish catalogue without windows: duplicate names (apostrophes included), the household
// mark, cascaded deletes that leave recorded days alone, all-or-nothing writes, the quantity
// check, and the reference refresh leaving the household's catalogue edits in place.

#include "b_01.h"
#include "database.h"
#include "dishes_fixture.h"
#include "refdata.h"
#include "ryouri_core.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace mirte;
using namespace mirte::test;

class TstDishesCore : public QObject {
    Q_OBJECT
    std::unique_ptr<TempDb> m_db;
    qint64 m_washoku = 0, m_youshoku = 0, m_nikujaga = 0, m_curry = 0;

private slots:
    void init()
    {
        m_db = std::make_unique<TempDb>();
        copySeedReference();
        m_washoku = addCategory(QStringLiteral("和食"));
        m_youshoku = addCategory(QStringLiteral("洋食"));
        m_nikujaga = addDish(m_washoku, QStringLiteral("肉じゃが"));
        m_curry = addDish(m_youshoku, QStringLiteral("ママ's カレー"));
        addIngredient(m_nikujaga, kJagaimo, 100);
        addIngredient(m_nikujaga, kButa, 60, 4);
        addIngredient(m_curry, kNinjin, 30);
    }
    void cleanup() { m_db.reset(); }

    void dishNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exceptSelf");
        QTest::addColumn<bool>("taken");
        QTest::newRow("same name, other category") << "肉じゃが" << false << true;
        QTest::newRow("its own name") << "肉じゃが" << true << false;
        QTest::newRow("apostrophe") << "ママ's カレー" << false << true;
        QTest::newRow("apostrophe, its own") << "ママ's カレー" << true << false;
        QTest::newRow("doubled apostrophe is another name") << "ママ''s カレー" << false << false;
        QTest::newRow("a part is no match") << "ママ's" << false << false;
        QTest::newRow("wildcards are characters") << "%" << false << false;
        QTest::newRow("quote that closes early") << "' OR '1'='1" << false << false;
        QTest::newRow("new name") << "祖母の肉じゃが" << false << false;
    }
    void dishNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, exceptSelf);
        QFETCH(bool, taken);
        const qint64 self = name.startsWith(QStringLiteral("ママ")) ? m_curry : m_nikujaga;
        QCOMPARE(Ryouri_NameExists(name, exceptSelf ? self : 0), taken);
        // A name that is free is stored exactly as typed and then found.
        if (!taken && !exceptSelf) {
            const qint64 id = Ryouri_Add(name, m_washoku);
            QCOMPARE(*Ryouri_Mei(id), name);
            QVERIFY(Ryouri_NameExists(name));
            QVERIFY(!Ryouri_NameExists(name, id));
        }
    }

    // Whatever the household writes makes the dish theirs; the other dishes stay shipped.
    void householdMark_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("added") << "add";
        QTest::newRow("renamed") << "rename";
        QTest::newRow("re-categorised") << "recategorise";
        QTest::newRow("ingredient added") << "addFood";
        QTest::newRow("ingredient changed") << "changeFood";
        QTest::newRow("ingredient deleted") << "deleteFood";
    }
    void householdMark()
    {
        QFETCH(QString, edit);
        qint64 dish = m_nikujaga;
        const qint64 firstFood = G_DB().scalar(QStringLiteral("SELECT min(材料ID) FROM 材料 WHERE 料理名ID = ?"), {dish}).toLongLong();
        if (edit == QLatin1String("add"))
            dish = Ryouri_Add(QStringLiteral("筑前煮"), m_washoku);
        else if (edit == QLatin1String("rename"))
            QVERIFY(Ryouri_Update(dish, QStringLiteral("肉じゃが（甘め）"), m_washoku));
        else if (edit == QLatin1String("recategorise"))
            QVERIFY(Ryouri_Update(dish, QStringLiteral("肉じゃが"), m_youshoku));
        else if (edit == QLatin1String("addFood"))
            QVERIFY(Zairyou_Add({dish, kTamanegi, 50, 1}) > 0);
        else if (edit == QLatin1String("changeFood"))
            QVERIFY(Zairyou_Update(firstFood, {dish, kTamanegi, 55, 4}));
        else
            QVERIFY(Zairyou_Delete(firstFood));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 配布元 FROM 料理名 WHERE 料理名ID = ?"), {dish}).toInt(), kHaifuUser);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 料理名 WHERE 配布元 = 0 AND 料理名ID <> ?"), {dish}),
                 countOf(QStringLiteral("SELECT count(*) FROM 料理名 WHERE 料理名ID <> ?"), {dish}));
    }

    void cascadedDeletes_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("dishesLeft");
        QTest::addColumn<int>("ingredientsLeft");
        QTest::newRow("category with two dishes") << "category" << 1 << 1;
        QTest::newRow("one dish") << "dish" << 2 << 2;
        QTest::newRow("empty category") << "empty" << 3 << 4;
    }
    void cascadedDeletes()
    {
        QFETCH(QString, what);
        QFETCH(int, dishesLeft);
        QFETCH(int, ingredientsLeft);
        const qint64 second = addDish(m_washoku, QStringLiteral("おにぎり"));
        addIngredient(second, kGohan, 110);
        const qint64 empty = addCategory(QStringLiteral("空の分類"));
        const qint64 eaten = addEatenCopy(m_nikujaga, QStringLiteral("肉じゃが"), kJagaimo, 150);
        QCOMPARE(Bunrui_DishCount(m_washoku), 2);
        QCOMPARE(Bunrui_DishCount(empty), 0);

        if (what == QLatin1String("category"))
            QVERIFY(Bunrui_Delete(m_washoku));
        else if (what == QLatin1String("dish"))
            QVERIFY(Ryouri_Delete(m_nikujaga));
        else
            QVERIFY(Bunrui_Delete(empty));

        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 料理名")), dishesLeft);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料")), ingredientsLeft);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料 WHERE 料理名ID NOT IN (SELECT 料理名ID FROM 料理名)")), 0);
        // The day keeps its own copy of the dish and its food.
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 料理名 FROM 摂取料理 WHERE 摂取料理ID = ?"), {eaten}).toString(),
                 QStringLiteral("肉じゃが"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 分量 FROM 摂取食品 WHERE 摂取料理ID = ?"), {eaten}).toDouble(), 150.0);
        // Deleting again finds nothing.
        if (what == QLatin1String("category")) {
            QVERIFY(!Ryouri_Exists(second));
            QVERIFY(!Bunrui_Delete(m_washoku));
        } else if (what == QLatin1String("dish")) {
            QVERIFY(Ryouri_Exists(second));
            QVERIFY(!Ryouri_Delete(m_nikujaga));
        } else {
            QVERIFY(Ryouri_Exists(m_nikujaga));
            QVERIFY(!Bunrui_Delete(empty));
        }
    }

    // A delete that fails half-way leaves the category, its dishes and every ingredient.
    void failedDeleteKeepsEverything_data()
    {
        QTest::addColumn<bool>("category");
        QTest::newRow("category") << true;
        QTest::newRow("dish") << false;
    }
    void failedDeleteKeepsEverything()
    {
        QFETCH(bool, category);
        const int dishes = countOf(QStringLiteral("SELECT count(*) FROM 料理名"));
        const int foods = countOf(QStringLiteral("SELECT count(*) FROM 材料"));
        G_DB().exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE DELETE ON 材料 WHEN old.成分表ID = %1 "
                                   "BEGIN SELECT RAISE(ABORT, 'refused'); END").arg(kButa));
        bool thrown = false;
        try {
            category ? Bunrui_Delete(m_washoku) : Ryouri_Delete(m_nikujaga);
        } catch (const DbError &) {
            thrown = true;
        }
        QVERIFY(thrown);
        QVERIFY(!G_DB().inTransaction());
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 料理名")), dishes);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料")), foods);
        QVERIFY(Bunrui_Exists(m_washoku));
        G_DB().exec(QStringLiteral("DROP TRIGGER refuse"));
        QVERIFY(Bunrui_Delete(m_washoku));
    }

    void quantity_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("grams");
        QTest::addColumn<QString>("shown");
        QTest::newRow("-5") << "-5" << false << 0.0 << "";
        QTest::newRow("-0.01") << "-0.01" << false << 0.0 << "";
        QTest::newRow("abc") << "abc" << true << 0.0 << "0";
        QTest::newRow("empty") << "" << true << 0.0 << "0";
        QTest::newRow("-0") << "-0" << true << 0.0 << "0";
        QTest::newRow("80") << "80" << true << 80.0 << "80";
        QTest::newRow("12.50g") << "12.50g" << true << 12.5 << "12.5";
        QTest::newRow("full width") << "１２０" << true << 120.0 << "120";
        QTest::newRow("conversion result") << "40.00" << true << 40.0 << "40";
        QTest::newRow("10 kg") << "10000" << true << 10000.0 << "10000";
        QTest::newRow("a stray zero more") << "100000" << false << 0.0 << "";
        QTest::newRow("1e6") << "1e6" << false << 0.0 << "";
    }
    void quantity()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, grams);
        QFETCH(QString, shown);
        const auto q = Bunryou_Check(text);
        QCOMPARE(q.has_value(), valid);
        if (valid) {
            QCOMPARE(*q, grams);
            QVERIFY(!std::signbit(*q));
            QCOMPARE(BunryouText(*q), shown);
        }
    }

    // A household file made from the seed, its catalogue edited here, then brought up to the
    // shipped reference data: the edits stay.
    void refreshKeepsTheHouseholdCatalogue()
    {
        m_db.reset();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("household.db"));
        createFromSeed(QStringLiteral(MIRTE_SEED_DB), path);
        G_DB().open(path);
        G_DB().exec(QStringLiteral("UPDATE 参照データ版 SET 版 = 0"));
        const qint64 shipped = G_DB().scalar(QStringLiteral("SELECT min(料理名ID) FROM 料理名 WHERE 配布元 = 0")).toLongLong();
        const qint64 category = G_DB().scalar(QStringLiteral("SELECT 料理分類ID FROM 料理名 WHERE 料理名ID = ?"), {shipped}).toLongLong();
        QVERIFY(Ryouri_Update(shipped, QStringLiteral("わが家の味"), category));
        const qint64 food = Zairyou_Add({shipped, kNinjin, 33, 1});
        const qint64 own = Ryouri_Add(QStringLiteral("祖母の肉じゃが"), category);
        Zairyou_Add({own, kJagaimo, 120, 4});
        const int dishes = countOf(QStringLiteral("SELECT count(*) FROM 料理名"));

        QVERIFY(refreshReferenceData(G_DB(), QStringLiteral(MIRTE_SEED_DB)));

        QCOMPARE(*Ryouri_Mei(shipped), QStringLiteral("わが家の味"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 分量 FROM 材料 WHERE 材料ID = ?"), {food}).toDouble(), 33.0);
        QCOMPARE(*Ryouri_Mei(own), QStringLiteral("祖母の肉じゃが"));
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 材料 WHERE 料理名ID = ?"), {own}), 1);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 料理名 WHERE 配布元 = 1")), 2);
        QCOMPARE(countOf(QStringLiteral("SELECT count(*) FROM 料理名")), dishes);
        G_DB().close();
    }
};

QTEST_MAIN(TstDishesCore)
#include "tst_dishes_core.moc"
