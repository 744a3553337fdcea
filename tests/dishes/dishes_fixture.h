#pragma once
// A test database with the shipped composition table and cooking methods, and a small
// catalogue of our own to work on.

#include "database.h"

#include <QString>
#include <QtTest>

namespace mirte::test {

// Copies the composition tables and 調理法 from the seed into G_DB().
inline void copySeedReference()
{
    G_DB().exec(QStringLiteral("ATTACH DATABASE ? AS seed"), {QStringLiteral(MIRTE_SEED_DB)});
    for (const char *t : {"調理法", "成分表", "アミノ酸組成表", "脂肪酸組成表"}) {
        const QString name = QString::fromUtf8(t);
        G_DB().exec(QStringLiteral("INSERT INTO main.%1 SELECT * FROM seed.%1").arg(Database::quoteId(name)));
    }
    G_DB().exec(QStringLiteral("DETACH DATABASE seed"));
}

inline int countOf(const QString &sql, const QVariantList &params = {})
{
    return G_DB().scalar(sql, params).toInt();
}

inline qint64 addCategory(const QString &name)
{
    return G_DB().insert(QStringLiteral("料理分類"), {{QStringLiteral("料理分類"), name}});
}

// A dish as it ships (配布元 0) unless `haifu` says otherwise.
inline qint64 addDish(qint64 category, const QString &name, int haifu = 0)
{
    return G_DB().insert(QStringLiteral("料理名"), {{QStringLiteral("料理分類ID"), category},
                                                   {QStringLiteral("料理名"), name},
                                                   {QStringLiteral("配布元"), haifu}});
}

inline qint64 addIngredient(qint64 dish, qint64 food, double grams, int tyouri = 1)
{
    return G_DB().insert(QStringLiteral("材料"), {{QStringLiteral("料理名ID"), dish},
                                                 {QStringLiteral("成分表ID"), food},
                                                 {QStringLiteral("分量"), grams},
                                                 {QStringLiteral("調理法ID"), tyouri}});
}

// A day of a person with one eaten dish copied from `dish`, one food of `grams`.
inline qint64 addEatenCopy(qint64 dish, const QString &name, qint64 food, double grams)
{
    const qint64 person = G_DB().insert(QStringLiteral("個人データ"), {{QStringLiteral("氏名"), QStringLiteral("山田")},
                                                                       {QStringLiteral("性別"), 1}});
    const qint64 day = G_DB().insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), person},
                                                                       {QStringLiteral("日付"), QStringLiteral("2024-04-01")}});
    const qint64 eaten = G_DB().insert(QStringLiteral("摂取料理"), {{QStringLiteral("健康状態管理ID"), day},
                                                                     {QStringLiteral("料理名ID"), dish},
                                                                     {QStringLiteral("料理名"), name},
                                                                     {QStringLiteral("食事区分"), QStringLiteral("夕食")}});
    G_DB().insert(QStringLiteral("摂取食品"), {{QStringLiteral("摂取料理ID"), eaten},
                                               {QStringLiteral("健康状態管理ID"), day},
                                               {QStringLiteral("成分表ID"), food},
                                               {QStringLiteral("分量"), grams}});
    return eaten;
}

// Foods of the shipped table the tests use.
inline constexpr qint64 kGohan = 1088;     // こめ (めし), refuse 0 %
inline constexpr qint64 kNinjin = 6212;    // にんじん, refuse 3 %
inline constexpr qint64 kJagaimo = 2017;   // じゃがいも, refuse 10 %
inline constexpr qint64 kTamanegi = 6153;  // たまねぎ, refuse 6 %
inline constexpr qint64 kButa = 11130;     // ぶた もも

} // namespace mirte::test
