#include "b_sessyu.h"

#include "assess_sql.h"
#include "database.h"
#include "msgbox.h"

namespace mirte {

SessyuryouHyou G_Sessyuryou;
std::array<double, kEiyouCount> G_Ryouri_Sessyu{};

namespace {

// Nutrients 0..35 come from 成分表, 36..81 from 脂肪酸組成表, 82..102 from アミノ酸組成表.
constexpr int kSeibunEnd = 36;
constexpr int kSibousanSouryou = 36;
constexpr int kSibousanEnd = 82;
constexpr int kTanitsuStart = 40;

QString seibunColumn(const QString &column)
{
    return QStringLiteral("成分表.") + Database::quoteId(column);
}

// One row per eaten food: its quantity, then the three composition rows side by side,
// each led by its key so that a missing row shows as NULL.
QString foodColumns()
{
    QString s = QStringLiteral("摂取食品.分量, 成分表.成分表ID");
    for (int i = 0; i < kSeibunEnd; ++i)
        s += QStringLiteral(", 成分表.") + Database::quoteId(G_Eiyou_Mei.at(i));
    s += QStringLiteral(", 脂肪酸組成表.成分表ID");
    for (int i = kSeibunEnd; i < kSibousanEnd; ++i)
        s += QStringLiteral(", 脂肪酸組成表.") + Database::quoteId(G_Eiyou_Mei.at(i));
    s += QStringLiteral(", アミノ酸組成表.成分表ID");
    for (int i = kSibousanEnd; i < kEiyouCount; ++i)
        s += QStringLiteral(", アミノ酸組成表.") + Database::quoteId(G_Eiyou_Mei.at(i));
    return s;
}

// The same amounts summed inside the database, one SUM per nutrient. SUM leaves out NULL
// products, which is the "empty adds nothing" rule; a NULL total leaves out the single acids.
QString sumColumns()
{
    QString s;
    for (int i = 0; i < kEiyouCount; ++i) {
        const QString c = Database::quoteId(G_Eiyou_Mei.at(i));
        if (i < kSeibunEnd)
            s += QStringLiteral(", SUM(成分表.%1 * 摂取食品.分量 / 100.0)").arg(c);
        else if (i < kTanitsuStart)
            s += QStringLiteral(", SUM(脂肪酸組成表.%1 * 摂取食品.分量 / 100.0)").arg(c);
        else if (i < kSibousanEnd)
            s += QStringLiteral(", SUM(脂肪酸組成表.%1 * 摂取食品.分量 * 脂肪酸組成表.\"脂肪酸・総量\" / 10.0)")
                     .arg(c);
        else
            s += QStringLiteral(", SUM(アミノ酸組成表.%1 * 摂取食品.分量 / 100.0)").arg(c);
    }
    return s;
}

const QString kFoodJoins = QStringLiteral(
    " LEFT JOIN 成分表 ON 成分表.成分表ID = 摂取食品.成分表ID"
    " LEFT JOIN 脂肪酸組成表 ON 脂肪酸組成表.成分表ID = 摂取食品.成分表ID"
    " LEFT JOIN アミノ酸組成表 ON アミノ酸組成表.成分表ID = 摂取食品.成分表ID");

// Column positions in the food query, after the leading ones of the caller.
struct FoodLayout {
    int base;  // position of 摂取食品.分量
    int seibunKey() const { return base + 1; }
    int seibun(int i) const { return base + 2 + i; }
    int sibousanKey() const { return base + 2 + kSeibunEnd; }
    int sibousan(int i) const { return base + 3 + i; }
    int aminoKey() const { return base + 3 + kSibousanEnd; }
    int amino(int i) const { return base + 4 + i; }
};

// Adds one eaten food to `out`. False when its 成分表 row is gone.
bool addFood(const QSqlQuery &q, const FoodLayout &c, double *out)
{
    if (q.value(c.seibunKey()).isNull())
        return false;
    const double grams = Val(q.value(c.base));
    for (int i = 0; i < kSeibunEnd; ++i)
        out[i] += SeibunRyou_Keisan(q.value(c.seibun(i)), grams);
    if (!q.value(c.sibousanKey()).isNull()) {
        for (int i = kSeibunEnd; i < kTanitsuStart; ++i)
            out[i] += SeibunRyou_Keisan(q.value(c.sibousan(i)), grams);
        // Single fatty acids are per 100 g of total fatty acids: scale by the food's total.
        const QVariant total = q.value(c.sibousan(kSibousanSouryou));
        for (int i = kTanitsuStart; i < kSibousanEnd; ++i)
            out[i] += SeibunRyou_Keisan2(q.value(c.sibousan(i)), grams, total);
    }
    if (!q.value(c.aminoKey()).isNull()) {
        for (int i = kSibousanEnd; i < kEiyouCount; ++i)
            out[i] += SeibunRyou_Keisan(q.value(c.amino(i)), grams);
    }
    return true;
}

void deletedMessage()
{
    MsgBox(QStringLiteral("成分表のレコードが削除されています。"), vbInformation,
           QStringLiteral("エラー"));
}

} // namespace

double Sessyuryou_Get(qint64 kkId, const QString &column)
{
    // SUM leaves out the NULL products, as the rule wants; no row gives NULL, read as 0.
    QSqlQuery &q = G_DB().prepared(
        QStringLiteral("SELECT SUM(") + seibunColumn(column)
        + QStringLiteral(" * 摂取食品.分量 / 100.0) AS 摂取量 FROM 摂取食品"
                         " INNER JOIN 成分表 ON 摂取食品.成分表ID = 成分表.成分表ID"
                         " WHERE 摂取食品.健康状態管理ID = ?"));
    q.addBindValue(kkId);
    assess::execOrThrow(q);
    const double v = q.next() ? Val(q.value(0)) : 0.0;
    q.finish();
    return v;
}

QList<QHash<qint64, double>> Sessyuryou_Kikan_Get(qint64 simeiId, const QDate &from,
                                                 const QDate &to, const QStringList &columns)
{
    QList<QHash<qint64, double>> out(columns.size());
    if (columns.isEmpty())
        return out;
    QString sums;
    for (const QString &c : columns)
        sums += QStringLiteral(", SUM(") + seibunColumn(c) + QStringLiteral(" * 摂取食品.分量 / 100.0)");
    // Grouped by the day in the order the person's date index gives them (one record per person
    // and day): the engine sums as it reads, with no sort of its own.
    QSqlQuery &q = G_DB().prepared(
        QStringLiteral("SELECT 健康状態管理.健康状態管理ID") + sums
        + QStringLiteral(" FROM 健康状態管理"
                         " INNER JOIN 摂取食品 ON 摂取食品.健康状態管理ID = 健康状態管理.健康状態管理ID"
                         " INNER JOIN 成分表 ON 摂取食品.成分表ID = 成分表.成分表ID"
                         " WHERE 健康状態管理.氏名ID = ? AND 健康状態管理.日付 BETWEEN ? AND ?"
                         " GROUP BY 健康状態管理.日付"));
    q.addBindValue(simeiId);
    q.addBindValue(dateParam(from));
    q.addBindValue(dateParam(to));
    assess::execOrThrow(q);
    while (q.next()) {
        const qint64 kk = q.value(0).toLongLong();
        for (qsizetype i = 0; i < columns.size(); ++i)
            out[i].insert(kk, Val(q.value(int(i) + 1)));
    }
    q.finish();
    return out;
}

QHash<qint64, double> Sessyuryou_Kikan_Get(qint64 simeiId, const QDate &from, const QDate &to,
                                          const QString &column)
{
    return Sessyuryou_Kikan_Get(simeiId, from, to, QStringList{column}).first();
}

namespace {

const QString kDayFrom = QStringLiteral(
    " FROM 摂取料理 INNER JOIN 摂取食品 ON 摂取食品.摂取料理ID = 摂取料理.摂取料理ID");
const QString kDayWhere = QStringLiteral(
    " WHERE 摂取料理.健康状態管理ID = ? AND 摂取料理.食事区分 IN (?, ?, ?, ?)");

void bindDay(QSqlQuery &q, qint64 kkId)
{
    q.addBindValue(kkId);
    for (int m = 0; m < 4; ++m)
        q.addBindValue(G_Syokuji_Kubun.at(m));
}

// True when an eaten food of the query's rows has lost its 成分表 row.
bool hasDeletedFood(QSqlQuery &q)
{
    assess::execOrThrow(q);
    const bool found = q.next();
    q.finish();
    return found;
}

// Food by food in the order meal kind, dish, food: used when the fill must stop at a
// deleted composition row with the sums made so far.
bool dayByFood(qint64 kkId, SessyuryouHyou &out)
{
    QSqlQuery &q = G_DB().prepared(
        QStringLiteral("SELECT 摂取料理.食事区分, ") + foodColumns() + kDayFrom + kFoodJoins + kDayWhere
        + QStringLiteral(" ORDER BY CASE 摂取料理.食事区分 WHEN ? THEN 0 WHEN ? THEN 1 WHEN ? THEN 2"
                         " ELSE 3 END, 摂取料理.摂取料理ID, 摂取食品.摂取食品ID"));
    bindDay(q, kkId);
    for (int m = 0; m < 3; ++m)
        q.addBindValue(G_Syokuji_Kubun.at(m));
    assess::execOrThrow(q);
    const FoodLayout layout{1};
    while (q.next()) {
        const int m = int(G_Syokuji_Kubun.indexOf(q.value(0).toString()));
        if (!addFood(q, layout, out.Ryou[m + 1].data())) {
            q.finish();
            deletedMessage();
            return false;
        }
    }
    q.finish();
    return true;
}

} // namespace

bool Sessyuryou_Keisan(qint64 kkId, SessyuryouHyou &out)
{
    out = SessyuryouHyou{};
    for (int i = 0; i < kEiyouCount; ++i)
        out.Mei[i] = G_Eiyou_Mei.value(i);

    QSqlQuery &check = G_DB().prepared(
        QStringLiteral("SELECT 1") + kDayFrom
        + QStringLiteral(" LEFT JOIN 成分表 ON 成分表.成分表ID = 摂取食品.成分表ID") + kDayWhere
        + QStringLiteral(" AND 成分表.成分表ID IS NULL LIMIT 1"));
    bindDay(check, kkId);
    if (hasDeletedFood(check))
        return dayByFood(kkId, out);

    // Every composition row is there: one aggregate per meal kind reads each of them once.
    QSqlQuery &q = G_DB().prepared(QStringLiteral("SELECT 摂取料理.食事区分") + sumColumns() + kDayFrom
                                   + kFoodJoins + kDayWhere
                                   + QStringLiteral(" GROUP BY 摂取料理.食事区分"));
    bindDay(q, kkId);
    assess::execOrThrow(q);
    while (q.next()) {
        const int m = int(G_Syokuji_Kubun.indexOf(q.value(0).toString()));
        for (int i = 0; i < kEiyouCount; ++i)
            out.Ryou[m + 1][i] = Val(q.value(i + 1));
    }
    q.finish();
    for (int i = 0; i < kEiyouCount; ++i)
        out.Ryou[5][i] = out.Ryou[1][i] + out.Ryou[2][i] + out.Ryou[3][i] + out.Ryou[4][i];
    return true;
}

bool Sessyuryou_Set(qint64 kkId)
{
    return Sessyuryou_Keisan(kkId, G_Sessyuryou);
}

bool Ryouri_Sessyu_Keisan(qint64 serId, std::array<double, kEiyouCount> &out)
{
    out.fill(0);
    QSqlQuery &q = G_DB().prepared(QStringLiteral("SELECT ") + foodColumns()
                                   + QStringLiteral(" FROM 摂取食品") + kFoodJoins
                                   + QStringLiteral(" WHERE 摂取食品.摂取料理ID = ?"
                                                    " ORDER BY 摂取食品.摂取食品ID"));
    q.addBindValue(serId);
    assess::execOrThrow(q);
    const FoodLayout layout{0};
    while (q.next()) {
        if (!addFood(q, layout, out.data())) {
            q.finish();
            deletedMessage();
            return false;
        }
    }
    q.finish();
    return true;
}

bool Ryouri_Sessyu_Set(qint64 serId)
{
    return Ryouri_Sessyu_Keisan(serId, G_Ryouri_Sessyu);
}

} // namespace mirte
