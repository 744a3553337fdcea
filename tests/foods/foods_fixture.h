#pragma once
// The shipped composition tables in a test database, with a few foods of our own whose names
// hold the characters a LIKE pattern treats specially.

#include "database.h"

#include <QString>
#include <QtTest>

namespace mirte::test {

// Copies 成分表, アミノ酸組成表 and 脂肪酸組成表 from the seed into G_DB().
inline void copySeedFoods()
{
    G_DB().exec(QStringLiteral("ATTACH DATABASE ? AS seed"), {QStringLiteral(MIRTE_SEED_DB)});
    for (const char *t : {"成分表", "アミノ酸組成表", "脂肪酸組成表"}) {
        const QString name = QString::fromUtf8(t);
        G_DB().exec(QStringLiteral("INSERT INTO main.%1 SELECT * FROM seed.%1").arg(Database::quoteId(name)));
    }
    G_DB().exec(QStringLiteral("DETACH DATABASE seed"));
}

// A household's own food (配布元 1), optionally with fatty-acid figures.
inline qint64 addFood(qint64 id, const QString &group, const QString &name, const QString &saibun,
                      const QString &guide = QString(), const QVariant &haiki = QVariant())
{
    G_DB().insert(QStringLiteral("成分表"), {{QStringLiteral("成分表ID"), id},
                                             {QStringLiteral("食品番号"), QString::number(id).rightJustified(5, QLatin1Char('0'))},
                                             {QStringLiteral("食品群"), group},
                                             {QStringLiteral("食品名"), name},
                                             {QStringLiteral("細分"), saibun},
                                             {QStringLiteral("分量目安"), guide.isEmpty() ? QVariant() : QVariant(guide)},
                                             {QStringLiteral("廃棄率"), haiki},
                                             {QStringLiteral("配布元"), 1}});
    return id;
}

// Foods whose names hold ', %, _ and *; their 成分表ID lie above the shipped ones.
struct OddFoods {
    qint64 apostrophe = 0, percent = 0, underscore = 0, star = 0, plain = 0;
};

inline OddFoods addOddFoods()
{
    OddFoods f;
    const QString g = QStringLiteral("調理加工食品類");
    f.apostrophe = addFood(90001, g, QStringLiteral("ママ's カレー"), QStringLiteral("レトルト"), QStringLiteral("1袋＝200g"));
    f.percent = addFood(90002, g, QStringLiteral("果汁50%ジュース"), QStringLiteral("紙パック"));
    f.underscore = addFood(90003, g, QStringLiteral("特製_スープ"), QStringLiteral("粉末"));
    f.star = addFood(90004, g, QStringLiteral("星*ゼリー"), QStringLiteral("カップ"));
    // Matches "50" and "ス" but none of the special characters.
    f.plain = addFood(90005, g, QStringLiteral("果汁50ジュース"), QStringLiteral("スープ入り"));
    return f;
}

} // namespace mirte::test
