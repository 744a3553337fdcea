// Finding dishes and activities by how they are read, on a copy of the shipped data; the
// dishes a person eats most often; a dish the household adds found by its reading.

#include "meals_core.h"
#include "ryouri_core.h"
#include "startup.h"
#include "testsupport.h"
#include "undou_core.h"
#include "yomi_mecab.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace mirte;

namespace {
QStringList dishes(const QString &typed)
{
    QStringList out;
    for (const QVariantList &r : catalogue(G_DB(), 0, typed).rows)
        out << r.value(1).toString();
    return out;
}

QStringList activities(const QString &typed)
{
    const ResultSet rs = Undou_Kensaku(typed);
    QStringList out;
    for (const QVariantList &r : rs.rows)
        out << r.value(rs.column(QStringLiteral("運動名称"))).toString();
    return out;
}
} // namespace

class TstYomi : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY2(Yomi_Riyou_Kanou(), qPrintable(Yomi_Riyou_Fuka_Riyuu()));
        openHouseholdDatabase(m_dir.filePath(QStringLiteral("MLTD13.db")), QStringLiteral(MIRTE_SEED_DB));
    }
    void cleanupTestCase() { G_DB().close(); }

    // What a Japanese user types through the input method, and what it must find (and not find).
    void typedFinds_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("activity");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("notFound");
        QTest::newRow("みそしる") << "みそしる" << false << "味噌汁" << "納豆";
        QTest::newRow("ごはん") << "ごはん" << false << "ご飯" << "";
        QTest::newRow("なっとう") << "なっとう" << false << "納豆" << "味噌汁";
        QTest::newRow("にくじゃが") << "にくじゃが" << false << "肉じゃが" << "";
        QTest::newRow("からあげ") << "からあげ" << false << "鶏の唐揚げ" << "";
        QTest::newRow("とりのからあげ") << "とりのからあげ" << false << "鶏の唐揚げ" << "";
        QTest::newRow("ぎょうざ") << "ぎょうざ" << false << "餃子" << "";
        QTest::newRow("たまごやき") << "たまごやき" << false << "卵焼き" << "";
        QTest::newRow("さけ") << "さけ" << false << "焼き鮭" << "";
        QTest::newRow("katakana") << "ミソシル" << false << "味噌汁" << "";
        QTest::newRow("half-width") << "ﾐｿｼﾙ" << false << "味噌汁" << "";
        QTest::newRow("spelling still") << "汁" << false << "味噌汁" << "";
        QTest::newRow("ライス") << "ライス" << false << "ご飯" << "";
        QTest::newRow("あるく") << "あるく" << true << "歩行（普通 67m/分）" << "睡眠";
        QTest::newRow("ウォーキング") << "ウォーキング" << true << "歩行（普通 67m/分）" << "";
        QTest::newRow("さんぽ") << "さんぽ" << true << "犬の散歩" << "";
        QTest::newRow("そうじ") << "そうじ" << true << "掃除（一般）" << "";
        QTest::newRow("およぐ") << "およぐ" << true << "水泳（平泳ぎ）" << "";
        QTest::newRow("nothing") << "ぴよぴよ" << false << "" << "ご飯";
    }
    void typedFinds()
    {
        QFETCH(QString, typed);
        QFETCH(bool, activity);
        QFETCH(QString, found);
        QFETCH(QString, notFound);
        const QStringList names = activity ? activities(typed) : dishes(typed);
        if (!found.isEmpty())
            QVERIFY2(names.contains(found), qPrintable(names.join(' ')));
        else
            QVERIFY2(names.isEmpty(), qPrintable(names.join(' ')));
        if (!notFound.isEmpty())
            QVERIFY(!names.contains(notFound));
    }

    // A dish the household writes, or renames, is found by its reading at once.
    void householdNameFoundByReading()
    {
        const qint64 cat = Bunrui_Add(QStringLiteral("わが家"));
        const qint64 id = Ryouri_Add(QStringLiteral("祖母の筑前煮"), cat);
        QVERIFY(dishes(QStringLiteral("ちくぜんに")).contains(QStringLiteral("祖母の筑前煮")));
        QVERIFY(Ryouri_Update(id, QStringLiteral("祖母の茶碗蒸し"), cat));
        QVERIFY(dishes(QStringLiteral("ちゃわんむし")).contains(QStringLiteral("祖母の茶碗蒸し")));
        // A name written before readings existed gets one at the next start.
        G_DB().exec(QStringLiteral("DELETE FROM 読み WHERE 名前 = '祖母の茶碗蒸し'"));
        QVERIFY(!dishes(QStringLiteral("ちゃわんむし")).contains(QStringLiteral("祖母の茶碗蒸し")));
        QCOMPARE(Yomi_Hojuu(G_DB()), 1);
        QVERIFY(dishes(QStringLiteral("ちゃわんむし")).contains(QStringLiteral("祖母の茶碗蒸し")));
    }

    // The often-eaten list: most often over the last 60 days, the most recent first among
    // equals, one meal kind, one person, catalogue dishes only.
    void oftenEaten()
    {
        const qint64 me = test::addPerson(QStringLiteral("母"), QDate(1980, 1, 1), 2);
        const qint64 other = test::addPerson(QStringLiteral("父"), QDate(1978, 1, 1), 1);
        auto dishId = [](const QString &name) {
            return G_DB().scalar(QStringLiteral("SELECT 料理名ID FROM 料理名 WHERE 料理名 = ?"), {name}).toLongLong();
        };
        const QDate today(2026, 12, 9);
        auto day = [&](qint64 person, int ago) {
            return G_DB().insert(QStringLiteral("健康状態管理"),
                                 {{QStringLiteral("氏名ID"), person}, {QStringLiteral("日付"), dateParam(today.addDays(-ago))},
                                  {QStringLiteral("身長"), 160}, {QStringLiteral("体重"), 50}});
        };
        auto eat = [&](qint64 kk, const QString &name, const QString &kubun) {
            addCatalogueDish(G_DB(), kk, dishId(name), name, kubun, 1.0);
        };
        for (int ago : {0, 1, 2})
            eat(day(me, ago), QStringLiteral("納豆"), QStringLiteral("朝食"));
        const QList<qint64> kk{day(me, 3), day(me, 5), day(me, 61), day(me, 80)};
        eat(kk[0], QStringLiteral("ご飯"), QStringLiteral("朝食"));
        eat(kk[1], QStringLiteral("味噌汁"), QStringLiteral("朝食"));
        eat(kk[1], QStringLiteral("ご飯"), QStringLiteral("朝食"));
        eat(kk[0], QStringLiteral("味噌汁"), QStringLiteral("夕食"));     // another meal
        eat(kk[2], QStringLiteral("焼き鮭"), QStringLiteral("朝食"));     // 61 days ago
        eat(kk[3], QStringLiteral("焼き鮭"), QStringLiteral("朝食"));
        eat(day(other, 0), QStringLiteral("焼き鮭"), QStringLiteral("朝食")); // another person
        const qint64 apple = addSingleFood(G_DB(), kk[0], 7148, QStringLiteral("朝食")); // no catalogue dish
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 料理名 FROM 摂取料理 WHERE 摂取料理ID = ?"), {apple}).toString(),
                 QStringLiteral("りんご（皮なし 生）"));
        QCOMPARE(G_DB().scalar(QStringLiteral("SELECT 分量 FROM 摂取食品 WHERE 摂取料理ID = ?"), {apple}).toDouble(), 255.0);
        // A dish eaten as 2人前, registered, is a recipe of one serving.
        const qint64 twice = addCatalogueDish(G_DB(), kk[0], dishId(QStringLiteral("肉じゃが")), QStringLiteral("肉じゃが"),
                                              QStringLiteral("夕食"), 2.0);
        const qint64 own = registerEatenDish(G_DB(), twice, QStringLiteral("母の肉じゃが"));
        QVERIFY(own > 0);
        const QString grams = QStringLiteral("SELECT SUM(分量) FROM 材料 WHERE 料理名ID = ?");
        QCOMPARE(G_DB().scalar(grams, {own}).toDouble(), G_DB().scalar(grams, {dishId(QStringLiteral("肉じゃが"))}).toDouble());
        QCOMPARE(registerEatenDish(G_DB(), twice, QStringLiteral("母の肉じゃが")), 0); // the name is taken
        QVERIFY(dishes(QStringLiteral("ははのにくじゃが")).contains(QStringLiteral("母の肉じゃが")));
        QStringList got;
        for (const OftenEaten &o : mirte::oftenEaten(G_DB(), me, QStringLiteral("朝食"), today))
            got << QStringLiteral("%1×%2").arg(o.name).arg(o.times);
        QCOMPARE(got, (QStringList{"納豆×3", "ご飯×2", "味噌汁×1"}));
    }

    // A single food as a dish: the edible grams of its serving guide, else 100 g.
    void singleFood_data()
    {
        QTest::addColumn<QString>("guide");
        QTest::addColumn<double>("grams");
        QTest::newRow("edible part") << "1個＝300g（正味255g）" << 255.0;
        QTest::newRow("a glass") << "コップ1杯＝200ml＝206g" << 206.0;
        QTest::newRow("a range") << "1人分＝80～100g" << 80.0;
        QTest::newRow("no grams") << "少々" << 100.0;
        QTest::newRow("none") << "" << 100.0;
    }
    void singleFood()
    {
        QFETCH(QString, guide);
        QFETCH(double, grams);
        QCOMPARE(guideGrams(guide).value_or(100.0), grams);
    }
};

QTEST_GUILESS_MAIN(TstYomi)
#include "tst_yomi.moc"
