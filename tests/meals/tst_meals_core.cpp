// The meals core without windows: numbers typed by the user, adding a catalogue dish, the
// catalogue search, the foods of a dish, and copying from another day, on a temporary database.

#include "meals_core.h"
#include "meals_fixture.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace mirte;
using namespace mirte::test;

Q_DECLARE_METATYPE(QList<double>)

namespace {

const QDate kDay(2024, 5, 20);

QList<double> foodGrams(qint64 serId)
{
    QList<double> out;
    for (const auto &r : G_DB().select(QStringLiteral("SELECT 分量 FROM 摂取食品 WHERE 摂取料理ID = ? ORDER BY 摂取食品ID"),
                                       {serId})
                             .rows)
        out << r.value(0).toDouble();
    return out;
}

QStringList names(const ResultSet &rs)
{
    QStringList out;
    for (const auto &r : rs.rows)
        out << r.value(rs.column(QStringLiteral("料理名"))).toString();
    return out;
}

} // namespace

class TstMealsCore : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDb> m_db;
    Kitchen k;
    qint64 m_kk = 0;

private slots:
    void init()
    {
        m_db = std::make_unique<TempDb>();
        k = Kitchen();
        k.build();
        m_kk = addDay(k.hanako, kDay);
    }
    void cleanup() { m_db.reset(); }

    // ---------------------------------------------------------------- typed numbers

    void servings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        QTest::newRow("one") << "1.0" << true << 1.0;
        QTest::newRow("half more") << "1.5" << true << 1.5;
        QTest::newRow("blanks") << "  2 " << true << 2.0;
        QTest::newRow("full-width") << QStringLiteral("１．５") << true << 1.5;
        QTest::newRow("tenth") << ".1" << true << 0.1;
        QTest::newRow("largest") << "100" << true << 100.0;
        QTest::newRow("too many") << "100.1" << false << 0.0;
        QTest::newRow("zero") << "0" << false << 0.0;
        QTest::newRow("negative") << "-1" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("with unit") << QStringLiteral("1.5人前") << false << 0.0;
        QTest::newRow("exponent overflow") << "1e400" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
    }
    void servings()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        const auto v = parseServings(text);
        QCOMPARE(v.has_value(), accepted);
        if (accepted)
            QCOMPARE(*v, value);
    }

    void quantity_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("zero") << "0" << true << 0.0 << "0";
        QTest::newRow("negative zero") << "-0" << true << 0.0 << "0";
        QTest::newRow("grams") << "120" << true << 120.0 << "120";
        QTest::newRow("trailing unit") << "120g" << true << 120.0 << "120";
        QTest::newRow("full-width unit") << QStringLiteral("３０ｇ") << true << 30.0 << "30";
        QTest::newRow("decimals") << " 12.50 " << true << 12.5 << "12.5";
        QTest::newRow("leading point") << ".5" << true << 0.5 << "0.5";
        QTest::newRow("upper bound") << "10000" << true << 10000.0 << "10000";
        QTest::newRow("above bound") << "10000.5" << false << 0.0 << "";
        QTest::newRow("negative") << "-5" << false << 0.0 << "";
        QTest::newRow("empty") << "" << true << 0.0 << "0";
        QTest::newRow("letters") << "g120" << true << 0.0 << "0";
        QTest::newRow("overflow") << "1e400" << false << 0.0 << "";
        QTest::newRow("nan") << "nan" << true << 0.0 << "0";
    }
    void quantity()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        QFETCH(QString, written);
        const auto v = parseQuantity(text);
        QCOMPARE(v.has_value(), accepted);
        if (accepted) {
            QCOMPARE(*v, value);
            QCOMPARE(quantityText(*v), written);
        }
    }

    // ---------------------------------------------------------------- adding a catalogue dish

    void addScalesRecipe_data()
    {
        QTest::addColumn<double>("servings");
        QTest::newRow("one") << 1.0;
        QTest::newRow("one and a half") << 1.5;
        QTest::newRow("a tenth") << 0.1;
        QTest::newRow("three") << 3.0;
    }
    void addScalesRecipe()
    {
        QFETCH(double, servings);
        const qint64 ser = addCatalogueDish(G_DB(), m_kk, k.curryRice, QStringLiteral("  カレーライス "),
                                            QStringLiteral("昼食"), servings);
        const auto dish = G_DB().selectOne(QStringLiteral("SELECT * FROM 摂取料理 WHERE 摂取料理ID = ?"), {ser});
        QVERIFY(dish);
        QCOMPARE(dish->value(QStringLiteral("料理名")).toString(), QStringLiteral("カレーライス"));
        QCOMPARE(dish->value(QStringLiteral("食事区分")).toString(), QStringLiteral("昼食"));
        QCOMPARE(dish->value(QStringLiteral("料理分量")).toDouble(), servings);
        QCOMPARE(dish->value(QStringLiteral("料理名ID")).toLongLong(), k.curryRice);
        QCOMPARE(dish->value(QStringLiteral("健康状態管理ID")).toLongLong(), m_kk);

        // Every recipe row, in recipe order, with its food, method and the scaled quantity.
        const ResultSet recipe = G_DB().select(
            QStringLiteral("SELECT 成分表ID, 調理法ID, 分量 FROM 材料 WHERE 料理名ID = ? ORDER BY 材料ID"), {k.curryRice});
        const ResultSet eaten = G_DB().select(
            QStringLiteral("SELECT 成分表ID, 調理法ID, 分量, 健康状態管理ID FROM 摂取食品 WHERE 摂取料理ID = ? ORDER BY 摂取食品ID"),
            {ser});
        QCOMPARE(eaten.size(), recipe.size());
        for (int i = 0; i < recipe.size(); ++i) {
            QCOMPARE(eaten.rows[i][0], recipe.rows[i][0]);
            QCOMPARE(eaten.rows[i][1].toInt(), recipe.rows[i][1].toInt());
            QCOMPARE(eaten.rows[i][2].toDouble(), servings * recipe.rows[i][2].toDouble());
            QCOMPARE(eaten.rows[i][3].toLongLong(), m_kk);
        }
    }

    void addOneAndAHalfOf80Grams()
    {
        const qint64 dish = addDish(k.washoku, QStringLiteral("ごはん"), {{k.rice, 1, 80}});
        const qint64 ser = addCatalogueDish(G_DB(), m_kk, dish, QStringLiteral("ごはん"), QStringLiteral("朝食"), 1.5);
        QCOMPARE(foodGrams(ser), QList<double>{120.0});
    }

    void sameDishTwiceGivesIndependentCopies()
    {
        const qint64 a = addCatalogueDish(G_DB(), m_kk, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 1);
        const qint64 b = addCatalogueDish(G_DB(), m_kk, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 1);
        QVERIFY(a != b);
        const qint64 firstOfA =
            G_DB().scalar(QStringLiteral("SELECT MIN(摂取食品ID) FROM 摂取食品 WHERE 摂取料理ID = ?"), {a}).toLongLong();
        QVERIFY(updateEatenFood(G_DB(), firstOfA, k.rice, 1, 999));
        QCOMPARE(foodGrams(b), (QList<double>{40, 50}));
        QCOMPARE(foodGrams(a), (QList<double>{999, 50}));
        // The catalogue recipe is untouched.
        QCOMPARE(countRows(QStringLiteral("材料"), QStringLiteral("料理名ID = ? AND 分量 = 999"), {k.nikujaga}), 0);
    }

    void dishWithoutRecipeAddsNoFoods()
    {
        const qint64 ser = addCatalogueDish(G_DB(), m_kk, k.emptyDish, QStringLiteral("お水"), QStringLiteral("その他"), 2);
        QVERIFY(ser > 0);
        QVERIFY(foodGrams(ser).isEmpty());
    }

    void addIsAllOrNothing_data()
    {
        QTest::addColumn<int>("failingInsert");
        QTest::newRow("first food") << 1;
        QTest::newRow("second food") << 2;
        QTest::newRow("last food") << 4;
    }
    void addIsAllOrNothing()
    {
        QFETCH(int, failingInsert);
        addCatalogueDish(G_DB(), m_kk, k.juice, QStringLiteral("100%ジュース"), QStringLiteral("朝食"), 1);
        const int dishes = countRows(QStringLiteral("摂取料理"));
        const int foods = countRows(QStringLiteral("摂取食品"));
        failOnInsert(QStringLiteral("摂取食品"), failingInsert);
        QVERIFY_THROWS_EXCEPTION(DbError, addCatalogueDish(G_DB(), m_kk, k.curryRice, QStringLiteral("カレーライス"),
                                                           QStringLiteral("朝食"), 1));
        QCOMPARE(countRows(QStringLiteral("摂取料理")), dishes);
        QCOMPARE(countRows(QStringLiteral("摂取食品")), foods);
    }

    void addRefusesBadServings_data()
    {
        QTest::addColumn<double>("servings");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("negative") << -1.0;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("inf") << std::numeric_limits<double>::infinity();
    }
    void addRefusesBadServings()
    {
        QFETCH(double, servings);
        QVERIFY_THROWS_EXCEPTION(DbError, addCatalogueDish(G_DB(), m_kk, k.curryRice, QStringLiteral("x"),
                                                           QStringLiteral("朝食"), servings));
        QCOMPARE(countRows(QStringLiteral("摂取料理")), 0);
        QCOMPARE(countRows(QStringLiteral("摂取食品")), 0);
    }

    // ---------------------------------------------------------------- the catalogue

    void catalogueSearch_data()
    {
        QTest::addColumn<QString>("category"); // "" = every category
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all") << "" << ""
                             << QStringList{QStringLiteral(" 肉じゃが "), QStringLiteral("a_b和え"),
                                            QStringLiteral("O'Brien風ポテト"), QStringLiteral("カレーライス"),
                                            QStringLiteral("ビーフカレー"), QStringLiteral("星*サラダ"),
                                            QStringLiteral("ﾊﾝﾊﾞｰｸﾞ"), QStringLiteral("100%ジュース"),
                                            QStringLiteral("お水")};
        QTest::newRow("hiragana finds katakana")
            << "" << QStringLiteral("かれー") << QStringList{QStringLiteral("カレーライス"), QStringLiteral("ビーフカレー")};
        QTest::newRow("half-width name") << "" << QStringLiteral("ハンバーグ") << QStringList{QStringLiteral("ﾊﾝﾊﾞｰｸﾞ")};
        QTest::newRow("full-width letters") << "" << QStringLiteral("ｏ'ｂｒｉｅｎ")
                                            << QStringList{QStringLiteral("O'Brien風ポテト")};
        QTest::newRow("apostrophe") << "" << "'" << QStringList{QStringLiteral("O'Brien風ポテト")};
        QTest::newRow("percent") << "" << "%" << QStringList{QStringLiteral("100%ジュース")};
        QTest::newRow("underscore") << "" << "_" << QStringList{QStringLiteral("a_b和え")};
        QTest::newRow("star") << "" << "*" << QStringList{QStringLiteral("星*サラダ")};
        QTest::newRow("nothing") << "" << QStringLiteral("すし") << QStringList{};
        QTest::newRow("category only") << QStringLiteral("飲み物") << ""
                                       << QStringList{QStringLiteral("100%ジュース"), QStringLiteral("お水")};
        QTest::newRow("category and text") << QStringLiteral("洋食") << QStringLiteral("カレー")
                                           << QStringList{QStringLiteral("カレーライス"), QStringLiteral("ビーフカレー")};
        QTest::newRow("text outside category") << QStringLiteral("和食") << QStringLiteral("カレー") << QStringList{};
    }
    void catalogueSearch()
    {
        QFETCH(QString, category);
        QFETCH(QString, search);
        QFETCH(QStringList, expected);
        addDish(k.yousyoku, QStringLiteral("O'Brien風ポテト"));
        addDish(k.yousyoku, QStringLiteral("a_b和え"));
        addDish(k.yousyoku, QStringLiteral("星*サラダ"));
        addDish(k.yousyoku, QStringLiteral("ﾊﾝﾊﾞｰｸﾞ"));
        addDish(k.yousyoku, QStringLiteral("ビーフカレー"));
        qint64 cat = 0;
        for (const Category &c : categories(G_DB()))
            if (c.name == category)
                cat = c.id;
        QVERIFY(category.isEmpty() || cat != 0);
        const ResultSet rs = catalogue(G_DB(), cat, search);
        QCOMPARE(rs.columns, (QStringList{QStringLiteral("料理分類"), QStringLiteral("料理名"),
                                          QStringLiteral("料理分類ID"), QStringLiteral("料理名ID")}));
        // Expected lists are in category-name order, then dish-name order, as the engine sorts.
        QStringList sortedExpected;
        const ResultSet all = G_DB().select(QStringLiteral(
            "SELECT 料理名 FROM 料理名 JOIN 料理分類 USING (料理分類ID) ORDER BY 料理分類.料理分類, 料理名.料理名"));
        for (const auto &r : all.rows)
            if (expected.contains(r.value(0).toString()))
                sortedExpected << r.value(0).toString();
        QCOMPARE(sortedExpected.size(), expected.size());
        QCOMPARE(names(rs), sortedExpected);
        for (int i = 0; i < rs.size(); ++i) {
            const qint64 id = rs.value(i, QStringLiteral("料理名ID")).toLongLong();
            QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 料理分類ID FROM 料理名 WHERE 料理名ID = ?"), {id}).toLongLong(),
                     rs.value(i, QStringLiteral("料理分類ID")).toLongLong());
        }
    }

    void categoriesStartWithAll()
    {
        const QList<Category> c = categories(G_DB());
        QCOMPARE(c.size(), countRows(QStringLiteral("料理分類")) + 1);
        QCOMPARE(c.first().id, 0);
        QCOMPARE(c.first().name, allCategoriesText());
        for (int i = 2; i < c.size(); ++i)
            QVERIFY(c.at(i - 1).name < c.at(i).name);
    }

    // ---------------------------------------------------------------- the foods of a dish

    void dishFoodsNeedFoodAndMethod()
    {
        const qint64 ser = addCatalogueDish(G_DB(), m_kk, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 1);
        QCOMPARE(dishFoods(G_DB(), ser).size(), 2);
        // A food whose cooking method was lost is not listed.
        G_DB().exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
        const qint64 orphan = addEatenFood(G_DB(), m_kk, ser, k.onion, 77, 10);
        G_DB().exec(QStringLiteral("PRAGMA foreign_keys = ON"));
        const ResultSet rs = dishFoods(G_DB(), ser);
        QCOMPARE(rs.size(), 2);
        for (int i = 0; i < rs.size(); ++i)
            QVERIFY(rs.value(i, QStringLiteral("摂取食品ID")).toLongLong() != orphan);
        QCOMPARE(rs.columns.size(), 10);
        QCOMPARE(rs.value(0, QStringLiteral("調理法")).toString(), QStringLiteral("煮る"));
    }

    void editFoods()
    {
        const qint64 ser = addCatalogueDish(G_DB(), m_kk, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 1);
        const qint64 added = addEatenFood(G_DB(), m_kk, ser, k.carrot, 2, 25);
        QVERIFY(eatenFoodExists(G_DB(), added));
        QCOMPARE(foodGrams(ser), (QList<double>{40, 50, 25}));
        QVERIFY(updateEatenFood(G_DB(), added, k.rice, 1, 0));
        const auto row = G_DB().selectOne(QStringLiteral("SELECT * FROM 摂取食品 WHERE 摂取食品ID = ?"), {added});
        QCOMPARE(row->value(QStringLiteral("成分表ID")).toLongLong(), k.rice);
        QCOMPARE(row->value(QStringLiteral("調理法ID")).toInt(), 1);
        QCOMPARE(row->value(QStringLiteral("分量")).toDouble(), 0.0);
        QVERIFY(deleteEatenFood(G_DB(), added));
        QVERIFY(!eatenFoodExists(G_DB(), added));
        QVERIFY(!deleteEatenFood(G_DB(), added));
        QVERIFY(!updateEatenFood(G_DB(), added, k.rice, 1, 1));
    }

    void deleteDishTakesItsFoods()
    {
        const qint64 a = addCatalogueDish(G_DB(), m_kk, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1);
        const qint64 b = addCatalogueDish(G_DB(), m_kk, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 1);
        QVERIFY(deleteEatenDish(G_DB(), a));
        QCOMPARE(countRows(QStringLiteral("摂取食品"), QStringLiteral("摂取料理ID = ?"), {a}), 0);
        QCOMPARE(countRows(QStringLiteral("摂取食品"), QStringLiteral("摂取料理ID = ?"), {b}), 2);
        QVERIFY(!deleteEatenDish(G_DB(), a));
        const ResultSet day = dayDishes(G_DB(), m_kk);
        QCOMPARE(day.size(), 1);
        // The grid relies on the column order of the table.
        QCOMPARE(day.columns.value(0), QStringLiteral("摂取料理ID"));
        QCOMPARE(day.columns.value(3), QStringLiteral("料理名"));
        QCOMPARE(day.columns.value(5), QStringLiteral("食事区分"));
    }

    void rename()
    {
        const qint64 a = addCatalogueDish(G_DB(), m_kk, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1);
        QVERIFY(renameEatenDish(G_DB(), a, QStringLiteral("甘口カレー"), QStringLiteral("夕食")));
        const auto row = G_DB().selectOne(QStringLiteral("SELECT 料理名, 食事区分 FROM 摂取料理 WHERE 摂取料理ID = ?"), {a});
        QCOMPARE(row->value(QStringLiteral("料理名")).toString(), QStringLiteral("甘口カレー"));
        QCOMPARE(row->value(QStringLiteral("食事区分")).toString(), QStringLiteral("夕食"));
        QVERIFY(!renameEatenDish(G_DB(), a + 100, QStringLiteral("x"), QStringLiteral("朝食")));
    }

    // ---------------------------------------------------------------- copying

    void recentDaysListsSixNewestUpToTheDate_data()
    {
        QTest::addColumn<int>("recorded"); // days recorded before kDay, one a day
        QTest::addColumn<int>("upToOffset"); // search date relative to kDay
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("newestOffset");
        QTest::newRow("eight earlier") << 8 << -1 << 6 << -1;
        QTest::newRow("the day itself included") << 8 << 0 << 6 << 0;
        QTest::newRow("three earlier") << 3 << -1 << 3 << -1;
        QTest::newRow("before them all") << 3 << -10 << 0 << 0;
        QTest::newRow("from further back") << 8 << -4 << 5 << -4;
    }
    void recentDaysListsSixNewestUpToTheDate()
    {
        QFETCH(int, recorded);
        QFETCH(int, upToOffset);
        QFETCH(int, expected);
        QFETCH(int, newestOffset);
        for (int i = 1; i <= recorded; ++i)
            addDay(k.hanako, kDay.addDays(-i));
        addDay(k.taro, kDay.addDays(-1)); // another person's day is not listed
        const QList<RecordedDay> days = recentDays(G_DB(), k.hanako, kDay.addDays(upToOffset));
        QCOMPARE(days.size(), expected);
        if (expected > 0)
            QCOMPARE(days.first().date, kDay.addDays(newestOffset));
        for (int i = 1; i < days.size(); ++i)
            QVERIFY(days.at(i - 1).date > days.at(i).date);
        for (const RecordedDay &d : days)
            QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 氏名ID FROM 健康状態管理 WHERE 健康状態管理ID = ?"), {d.kkId})
                         .toLongLong(),
                     k.hanako);
    }

    void copyDayTextFormat()
    {
        QCOMPARE(copyDayText(QDate(2024, 3, 5)), QStringLiteral("2024年03月05日"));
        QCOMPARE(copyDayText(QDate(1999, 12, 31)), QStringLiteral("1999年12月31日"));
    }

    void copyCopiesQuantitiesAsTheyStand_data()
    {
        QTest::addColumn<bool>("otherPerson");
        QTest::addColumn<int>("times");
        QTest::newRow("own day once") << false << 1;
        QTest::newRow("own day twice") << false << 2;
        QTest::newRow("another person's day") << true << 1;
    }
    void copyCopiesQuantitiesAsTheyStand()
    {
        QFETCH(bool, otherPerson);
        QFETCH(int, times);
        const qint64 src = addDay(otherPerson ? k.taro : k.hanako, kDay.addDays(-1));
        const qint64 a = addCatalogueDish(G_DB(), src, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1.5);
        const qint64 b = addCatalogueDish(G_DB(), src, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 2);
        qint64 last = 0;
        for (int t = 0; t < times; ++t)
            last = copyDishes(G_DB(), m_kk, {a, b});
        const ResultSet copies = dayDishes(G_DB(), m_kk);
        QCOMPARE(copies.size(), 2 * times);
        QCOMPARE(copies.rows.last().value(0).toLongLong(), last);
        for (int i = 0; i < copies.size(); ++i) {
            const qint64 from = i % 2 == 0 ? a : b;
            const auto source = G_DB().selectOne(QStringLiteral("SELECT * FROM 摂取料理 WHERE 摂取料理ID = ?"), {from});
            const qint64 copy = copies.rows[i].value(0).toLongLong();
            for (const char *col : {"料理名", "食事区分", "料理分量", "料理名ID"})
                QCOMPARE(copies.value(i, QString::fromUtf8(col)), source->value(QString::fromUtf8(col)));
            QCOMPARE(copies.value(i, QStringLiteral("健康状態管理ID")).toLongLong(), m_kk);
            // Not multiplied again.
            QCOMPARE(foodGrams(copy), foodGrams(from));
            QCOMPARE(countRows(QStringLiteral("摂取食品"), QStringLiteral("摂取料理ID = ? AND 健康状態管理ID = ?"), {copy, m_kk}),
                     int(foodGrams(from).size()));
        }
        // The source day is left as it was.
        QCOMPARE(dayDishes(G_DB(), src).size(), 2);
    }

    void copySkipsVanishedDishes()
    {
        const qint64 src = addDay(k.hanako, kDay.addDays(-1));
        const qint64 a = addCatalogueDish(G_DB(), src, k.juice, QStringLiteral("100%ジュース"), QStringLiteral("朝食"), 1);
        QCOMPARE(copyDishes(G_DB(), m_kk, {a + 1000}), 0);
        QCOMPARE(dayDishes(G_DB(), m_kk).size(), 0);
        const qint64 last = copyDishes(G_DB(), m_kk, {a + 1000, a});
        QVERIFY(last > a);
        QCOMPARE(dayDishes(G_DB(), m_kk).size(), 1);
    }

    void copyIsAllOrNothing_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("failingInsert");
        QTest::newRow("first food") << "摂取食品" << 1;
        QTest::newRow("a food of the second dish") << "摂取食品" << 5;
        QTest::newRow("the last food") << "摂取食品" << 6;
        QTest::newRow("the second dish") << "摂取料理" << 2;
    }
    void copyIsAllOrNothing()
    {
        QFETCH(QString, table);
        QFETCH(int, failingInsert);
        const qint64 src = addDay(k.hanako, kDay.addDays(-1));
        const qint64 a = addCatalogueDish(G_DB(), src, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1);
        const qint64 b = addCatalogueDish(G_DB(), src, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 1);
        const int dishes = countRows(QStringLiteral("摂取料理"));
        const int foods = countRows(QStringLiteral("摂取食品"));
        failOnInsert(table, failingInsert);
        QVERIFY_THROWS_EXCEPTION(DbError, copyDishes(G_DB(), m_kk, {a, b}));
        QCOMPARE(countRows(QStringLiteral("摂取料理")), dishes);
        QCOMPARE(countRows(QStringLiteral("摂取食品")), foods);
    }

    void dishNamesByName()
    {
        addCatalogueDish(G_DB(), m_kk, k.nikujaga, QStringLiteral("肉じゃが"), QStringLiteral("夕食"), 1);
        addCatalogueDish(G_DB(), m_kk, k.curryRice, QStringLiteral("カレーライス"), QStringLiteral("昼食"), 1);
        addCatalogueDish(G_DB(), m_kk, k.juice, QStringLiteral("100%ジュース"), QStringLiteral("朝食"), 1);
        const QList<DishName> d = dishNames(G_DB(), m_kk);
        QCOMPARE(d.size(), 3);
        for (int i = 1; i < d.size(); ++i)
            QVERIFY(d.at(i - 1).name < d.at(i).name);
    }

    void copyQuestionCounts_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("one") << 1;
        QTest::newRow("twelve") << 12;
    }
    void copyQuestionCounts()
    {
        QFETCH(int, n);
        QCOMPARE(copyQuestion(n), QStringLiteral("選択された ") + QString::number(n)
                                      + QStringLiteral(" つの料理を本日食べた料理に追加します。\r\nよろしいですか？"));
    }
};

QTEST_GUILESS_MAIN(TstMealsCore)
#include "tst_meals_core.moc"
