#pragma once
// A small household and catalogue for the meal tests: foods, cooking methods, categories,
// dishes with recipes, and recorded days.

#include "database.h"
#include "testsupport.h"

#include <QDate>
#include <QList>
#include <QString>

namespace mirte::test {

struct RecipeFood {
    qint64 seiId;
    int tyouriId;
    double grams;
};

inline qint64 addFood(qint64 id, const QString &group, const QString &name, const QString &saibun,
                      const QString &guide = QString())
{
    return G_DB().insert(QStringLiteral("成分表"), {{QStringLiteral("成分表ID"), id},
                                                  {QStringLiteral("食品群"), group},
                                                  {QStringLiteral("食品名"), name},
                                                  {QStringLiteral("細分"), saibun},
                                                  {QStringLiteral("分量目安"), guide}});
}

inline void addMethod(int id, const QString &name)
{
    G_DB().insert(QStringLiteral("調理法"), {{QStringLiteral("調理法ID"), id}, {QStringLiteral("調理法"), name}});
}

inline qint64 addCategory(const QString &name)
{
    return G_DB().insert(QStringLiteral("料理分類"), {{QStringLiteral("料理分類"), name}});
}

inline qint64 addDish(qint64 category, const QString &name, const QList<RecipeFood> &recipe = {})
{
    const qint64 id = G_DB().insert(QStringLiteral("料理名"), {{QStringLiteral("料理分類ID"), category},
                                                             {QStringLiteral("料理名"), name}});
    for (const RecipeFood &f : recipe)
        G_DB().insert(QStringLiteral("材料"), {{QStringLiteral("料理名ID"), id},
                                             {QStringLiteral("成分表ID"), f.seiId},
                                             {QStringLiteral("調理法ID"), f.tyouriId},
                                             {QStringLiteral("分量"), f.grams}});
    return id;
}

inline qint64 addDay(qint64 person, const QDate &d)
{
    return G_DB().insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), person},
                                                       {QStringLiteral("日付"), dateParam(d)},
                                                       {QStringLiteral("身長"), 160.0},
                                                       {QStringLiteral("体重"), 55.0},
                                                       {QStringLiteral("健康状態"), QStringLiteral("健康")},
                                                       {QStringLiteral("生活強度"), 2}});
}

inline int countRows(const QString &table, const QString &where = QString(), const QVariantList &params = {})
{
    return G_DB()
        .scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where),
                params)
        .toInt();
}

// Makes the n-th insert into a table from now on fail inside the engine (n >= 1).
inline void failOnInsert(const QString &table, int n)
{
    G_DB().exec(QStringLiteral("CREATE TABLE IF NOT EXISTS injected_count (n INTEGER NOT NULL)"));
    G_DB().exec(QStringLiteral("DELETE FROM injected_count"));
    G_DB().exec(QStringLiteral("INSERT INTO injected_count VALUES (0)"));
    G_DB().exec(QStringLiteral("DROP TRIGGER IF EXISTS injected_failure"));
    G_DB().exec(QStringLiteral("CREATE TRIGGER injected_failure BEFORE INSERT ON %1 BEGIN "
                               "UPDATE injected_count SET n = n + 1; "
                               "SELECT RAISE(ABORT, 'injected failure') WHERE (SELECT n FROM injected_count) >= %2; "
                               "END")
                    .arg(table)
                    .arg(n));
}

// Any change to a table from now on fails; for checking that nothing is written.
inline void failOnUpdate(const QString &table)
{
    G_DB().exec(QStringLiteral("CREATE TRIGGER no_update_%1 BEFORE UPDATE ON %1 BEGIN "
                               "SELECT RAISE(ABORT, 'unexpected update'); END")
                    .arg(table));
}

// The household most tests start from.
struct Kitchen {
    qint64 rice = 0, curry = 0, carrot = 0, pork = 0, onion = 0;
    qint64 washoku = 0, yousyoku = 0, drinks = 0;
    qint64 curryRice = 0, nikujaga = 0, juice = 0, emptyDish = 0;
    qint64 hanako = 0, taro = 0;

    void build()
    {
        addMethod(1, QStringLiteral("そのまま"));
        addMethod(2, QStringLiteral("生"));
        addMethod(4, QStringLiteral("煮る"));
        rice = addFood(1001, QStringLiteral("穀類"), QStringLiteral("こめ"), QStringLiteral("精白米　めし"), QStringLiteral("茶碗１杯150g"));
        curry = addFood(1002, QStringLiteral("調味料及び香辛料類"), QStringLiteral("カレールウ"), QString(), QStringLiteral("１皿分20g"));
        carrot = addFood(1003, QStringLiteral("野菜類"), QStringLiteral("にんじん"), QStringLiteral("根　皮むき　生"));
        pork = addFood(1004, QStringLiteral("肉類"), QStringLiteral("ぶた"), QStringLiteral("もも　脂身つき　生"));
        onion = addFood(1005, QStringLiteral("野菜類"), QStringLiteral("たまねぎ"), QStringLiteral("りん茎　生"));
        yousyoku = addCategory(QStringLiteral("洋食"));
        washoku = addCategory(QStringLiteral("和食"));
        drinks = addCategory(QStringLiteral("飲み物"));
        curryRice = addDish(yousyoku, QStringLiteral("カレーライス"),
                            {{rice, 1, 80}, {curry, 1, 20}, {carrot, 4, 30}, {pork, 4, 50}});
        nikujaga = addDish(washoku, QStringLiteral(" 肉じゃが "), {{pork, 4, 40}, {onion, 4, 50}});
        juice = addDish(drinks, QStringLiteral("100%ジュース"), {{carrot, 2, 200}});
        emptyDish = addDish(drinks, QStringLiteral("お水"));
        hanako = addPerson(QStringLiteral("花子"), QDate(1980, 4, 1), 2, true);
        taro = addPerson(QStringLiteral("太郎"), QDate(1978, 7, 7), 1);
    }
};

} // namespace mirte::test
