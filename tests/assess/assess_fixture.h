#pragma once
// Builds the few rows an assessment test needs, through the program's own data layer.

#include "b_01.h"
#include "database.h"

#include <QDate>
#include <QVariantMap>

namespace mirte::test::fx {

inline Database &db()
{
    return G_DB();
}

inline qint64 person(const QString &name, const QDate &birth, int sex, const QVariantMap &extra = {})
{
    QVariantMap v = extra;
    v.insert(QStringLiteral("氏名"), name);
    v.insert(QStringLiteral("生年月日"), dateParam(birth));
    v.insert(QStringLiteral("性別"), sex);
    return db().insert(QStringLiteral("個人データ"), v);
}

inline qint64 record(qint64 simeiId, const QDate &day, double height, double weight,
                     const QString &kenkou = QStringLiteral("健康"), int kyoudo = 2,
                     const QVariantMap &extra = {})
{
    QVariantMap v = extra;
    v.insert(QStringLiteral("氏名ID"), simeiId);
    v.insert(QStringLiteral("日付"), dateParam(day));
    v.insert(QStringLiteral("身長"), height);
    v.insert(QStringLiteral("体重"), weight);
    v.insert(QStringLiteral("健康状態"), kenkou);
    v.insert(QStringLiteral("生活強度"), kyoudo);
    return db().insert(QStringLiteral("健康状態管理"), v);
}

inline QVariantMap recordMap(qint64 kkId)
{
    return *db().selectOne(QStringLiteral("SELECT * FROM 健康状態管理 WHERE 健康状態管理ID = ?"),
                           {kkId});
}

// A 標準所要量 row; columns not given are 0.
inline qint64 kijun(double key, const QVariant &sex, const QVariant &kyoudo,
                    const QVariantMap &values = {})
{
    QVariantMap v = values;
    v.insert(QStringLiteral("年齢（範囲１）"), key);
    v.insert(QStringLiteral("性別"), sex);
    v.insert(QStringLiteral("生活強度"), kyoudo);
    return db().insert(QStringLiteral("標準所要量"), v);
}

inline void cookingMethod()
{
    if (db().scalar(QStringLiteral("SELECT COUNT(*) FROM 調理法")).toInt() == 0)
        db().insert(QStringLiteral("調理法"),
                    {{QStringLiteral("調理法ID"), 1}, {QStringLiteral("調理法"), QStringLiteral("生")}});
}

inline void food(qint64 id, const QVariantMap &values = {})
{
    QVariantMap v = values;
    v.insert(QStringLiteral("成分表ID"), id);
    v.insert(QStringLiteral("食品名"), QStringLiteral("食品%1").arg(id));
    db().insert(QStringLiteral("成分表"), v);
}

inline void fatty(qint64 id, const QVariantMap &values)
{
    QVariantMap v = values;
    v.insert(QStringLiteral("成分表ID"), id);
    db().insert(QStringLiteral("脂肪酸組成表"), v);
}

inline void amino(qint64 id, const QVariantMap &values)
{
    QVariantMap v = values;
    v.insert(QStringLiteral("成分表ID"), id);
    db().insert(QStringLiteral("アミノ酸組成表"), v);
}

inline qint64 dish(qint64 kkId, const QString &meal, const QString &name = QStringLiteral("料理"))
{
    return db().insert(QStringLiteral("摂取料理"), {{QStringLiteral("健康状態管理ID"), kkId},
                                                   {QStringLiteral("料理名"), name},
                                                   {QStringLiteral("食事区分"), meal}});
}

inline qint64 eat(qint64 serId, qint64 kkId, qint64 seiId, double grams)
{
    cookingMethod();
    return db().insert(QStringLiteral("摂取食品"), {{QStringLiteral("摂取料理ID"), serId},
                                                   {QStringLiteral("健康状態管理ID"), kkId},
                                                   {QStringLiteral("成分表ID"), seiId},
                                                   {QStringLiteral("調理法ID"), 1},
                                                   {QStringLiteral("分量"), grams}});
}

inline void basal(int key, int sex, double value)
{
    db().insert(QStringLiteral("基礎代謝基準値"), {{QStringLiteral("年齢１"), key},
                                                  {QStringLiteral("性別"), sex},
                                                  {QStringLiteral("基礎代謝基準値"), value}});
}

inline void activityKind(qint64 id, double rmr)
{
    db().insert(QStringLiteral("エネルギー消費量"), {{QStringLiteral("エネルギー消費量ID"), id},
                                                    {QStringLiteral("運動名称"), QStringLiteral("運動%1").arg(id)},
                                                    {QStringLiteral("エネルギー代謝率"), rmr}});
}

// Duration in days.
inline qint64 activity(qint64 kkId, qint64 kindId, double days)
{
    return db().insert(QStringLiteral("運動時間"), {{QStringLiteral("健康状態管理ID"), kkId},
                                                   {QStringLiteral("エネルギー消費量ID"), kindId},
                                                   {QStringLiteral("時間"), days}});
}

// Removes a reference row that household rows still point at (as an old file may hold).
inline void removeDangling(const QString &table, const QString &key, qint64 id)
{
    db().exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    db().remove(table, key, id);
    db().exec(QStringLiteral("PRAGMA foreign_keys = ON"));
}

} // namespace mirte::test::fx
