#include "b_t01.h"
#include "b_t01_detail.h"

#include "assess_sql.h"
#include "b_01.h"
#include "database.h"

#include <QSqlQuery>
#include <algorithm>
#include <cmath>

// The energy a person spends on a day: basal metabolism by age, sex and weight, and the activity
// index of the day's recorded activities.

namespace mirte {

// ---- energy spent on a day ----

int Kiso_Nenrei(int age)
{
    if (age <= 19)
        return age;
    if (age < 60)
        return age / 10 * 10;
    if (age < 65)
        return 60;
    if (age < 70)
        return 65;
    if (age < 75)
        return 70;
    if (age < 80)
        return 75;
    return 80;
}

double Kiso_Keisuu(int age, double x)
{
    if (age < 14)
        return 1;
    // Compare at a fixed precision, so that an index of exactly 0.4 built from
    // durations in days is not pushed over the bound by rounding.
    const double r = std::round(x * 1e9) / 1e9;
    if (r >= -10 && r <= 0.4)
        return 0.98;
    if (r > 0.4 && r <= 0.65)
        return 1;
    if (r > 0.65 && r <= 0.9)
        return 1.02;
    return 1.04;
}

double Katudou_Sisuu(const QList<QPair<double, double>> &activities, bool *over24)
{
    double a = 0, t = 0;
    for (const auto &p : activities) {
        a += (p.first + 1.2) * p.second;
        t += p.second;
    }
    // Durations are whole minutes held as fractions of a day; their sum may miss 1 by a
    // rounding step, and a day of exactly 24 hours is not more than a day.
    const bool over = t > 1 + 1e-9;
    if (!over)
        a += std::max(0.0, 1 - t) * 1.2; // the rest of the day at rest
    if (over24)
        *over24 = over;
    return 0.9 * a - 1;
}

namespace t01detail {

std::optional<double> kisoTaisyaKijun(int key, int sex, BasalCache *cache)
{
    const qint64 k = qint64(key) * 16 + sex;
    if (cache) {
        auto it = cache->constFind(k);
        if (it != cache->constEnd())
            return *it;
    }
    QSqlQuery &q = G_DB().prepared(QStringLiteral(
        "SELECT 基礎代謝基準値 FROM 基礎代謝基準値 WHERE 年齢１ = ? AND 性別 = ?"));
    q.addBindValue(key);
    q.addBindValue(sex);
    assess::execOrThrow(q);
    std::optional<double> v;
    if (q.next())
        v = Val(q.value(0));
    q.finish();
    if (cache)
        cache->insert(k, v);
    return v;
}

SyouhiEnergy syouhiFrom(const QList<Katudou> &acts, int age, int sex, double weight,
                        BasalCache *cache)
{
    SyouhiEnergy r;
    if (age < 1) {
        r.status = SyouhiStatus::Infant;
        return r;
    }
    QList<QPair<double, double>> list;
    list.reserve(acts.size());
    for (const Katudou &k : acts) {
        if (k.missing) {
            r.status = SyouhiStatus::KatudouMissing;
            return r;
        }
        list.append({k.rmr, k.time});
        r.kirokuJikan += k.time;
    }
    r.katudouSisuu = Katudou_Sisuu(list, &r.over24);
    const std::optional<double> kijun = kisoTaisyaKijun(Kiso_Nenrei(age), sex, cache);
    if (!kijun) {
        r.status = SyouhiStatus::KisoMissing;
        return r;
    }
    r.kisoTaisya = *kijun * weight * Kiso_Keisuu(age, r.katudouSisuu);
    r.enSyouhiRyou = 10.0 / 9.0 * r.kisoTaisya * (r.katudouSisuu + 1);
    r.katudouTaisyaRyou = r.katudouSisuu * r.kisoTaisya;
    return r;
}

const QString kKatudouColumns = QStringLiteral(
    "運動時間.健康状態管理ID, 運動時間.時間, エネルギー消費量.エネルギー消費量ID, "
    "エネルギー消費量.エネルギー代謝率 FROM 運動時間 LEFT JOIN エネルギー消費量 "
    "ON 運動時間.エネルギー消費量ID = エネルギー消費量.エネルギー消費量ID ");

Katudou katudouFrom(const QSqlQuery &q)
{
    Katudou k;
    k.time = Val(q.value(1));
    k.missing = q.value(2).isNull();
    k.rmr = Val(q.value(3));
    return k;
}

} // namespace t01detail

using namespace t01detail;

SyouhiEnergy Syouhi_Energy_Keisan(qint64 kkId, int age, int sex, double weight)
{
    QList<Katudou> acts;
    if (age >= 1) {
        QSqlQuery &q = G_DB().prepared(QStringLiteral("SELECT ") + kKatudouColumns
                                       + QStringLiteral("WHERE 運動時間.健康状態管理ID = ? "
                                                        "ORDER BY 運動時間.運動時間ID"));
        q.addBindValue(kkId);
        assess::execOrThrow(q);
        while (q.next())
            acts.append(katudouFrom(q));
        q.finish();
    }
    return syouhiFrom(acts, age, sex, weight, nullptr);
}

} // namespace mirte
