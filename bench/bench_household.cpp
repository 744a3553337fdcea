#include "bench_household.h"

#include "database.h"
#include "refdata.h"

#include <QFile>
#include <QSqlQuery>

#include <cmath>

namespace mirte::bench {

QString builtSeed()
{
    return QStringLiteral(MIRTE_SEED_DB);
}

CommandLine readCommandLine(int argc, char **argv, const QString &defaultDb)
{
    CommandLine c{builtSeed(), defaultDb, {argv[0]}};
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--seed" && i + 1 < argc)
            c.seed = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--db" && i + 1 < argc && !defaultDb.isEmpty())
            c.db = QString::fromLocal8Bit(argv[++i]);
        else
            c.rest.push_back(argv[i]);
    }
    return c;
}

void openSeedCopy(const QString &seed, const QString &path)
{
    QFile::remove(path);
    createFromSeed(seed, path);
    G_DB().open(path);
}

qint64 insertRow(const QString &sql, const QVariantList &values)
{
    QSqlQuery &q = G_DB().prepared(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw DbError(1, sql);
    const qint64 id = q.lastInsertId().toLongLong();
    q.finish();
    return id;
}

QList<qint64> ids(const QString &sql)
{
    // Read straight off the statement: the id lists run to thousands of rows.
    QSqlQuery &q = G_DB().prepared(sql);
    if (!q.exec())
        throw DbError(1, sql);
    QList<qint64> out;
    while (q.next())
        out << q.value(0).toLongLong();
    q.finish();
    return out;
}

ReferenceIds referenceIds()
{
    return {ids(QStringLiteral("SELECT 成分表ID FROM 成分表 ORDER BY 成分表ID")),
            ids(QStringLiteral("SELECT エネルギー消費量ID FROM エネルギー消費量 ORDER BY エネルギー消費量ID")),
            ids(QStringLiteral("SELECT 調理法ID FROM 調理法 ORDER BY 調理法ID"))};
}

qsizetype Picker::index(qsizetype count)
{
    return std::uniform_int_distribution<qsizetype>(0, count - 1)(m_rng);
}

double Picker::real(double lo, double hi)
{
    return std::uniform_real_distribution<double>(lo, hi)(m_rng);
}

int Picker::integer(int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(m_rng);
}

namespace {

// "a, b, c" and "?, ?, ?" for an insert of the given columns.
QPair<QString, QString> columnList(const QStringList &columns)
{
    QStringList quoted, marks;
    for (const QString &c : columns) {
        quoted << Database::quoteId(c);
        marks << QStringLiteral("?");
    }
    return {quoted.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))};
}

} // namespace

qint64 addPerson(const Person &p)
{
    QStringList columns{QStringLiteral("氏名"), QStringLiteral("生年月日"), QStringLiteral("性別")};
    QVariantList values{p.name, dateParam(p.birth), p.sex};
    for (const auto &[column, value] : p.more) {
        columns << column;
        values << value;
    }
    const auto [names, marks] = columnList(columns);
    return insertRow(QStringLiteral("INSERT INTO 個人データ (%1) VALUES (%2)").arg(names, marks), values);
}

DayPlan randomDayPlan(Picker &rng, const ReferenceIds &ref, const QStringList &meals, double lo,
                      double hi, bool drawMethods)
{
    DayPlan plan;
    plan.meals = meals;
    plan.dish = [](int, int) { return Served{QStringLiteral("料理"), QVariant()}; };
    plan.food = [&rng, &ref, lo, hi, drawMethods](int) {
        // Drawn in this order: food, method, grams.
        const qint64 food = rng.pick(ref.foods);
        const qint64 method = drawMethods ? rng.pick(ref.methods) : ref.methods.first();
        return Eaten{food, method, std::round(rng.real(lo, hi))};
    };
    plan.activity = [&rng, &ref](int a) {
        static const double hours[3] = {7.5, 1.0, 0.5};
        return Activity{rng.pick(ref.activities), hours[a % 3] / 24};
    };
    return plan;
}

FilledDays fillDays(qint64 person, const QDate &first, int count, const DayPlan &plan)
{
    const auto [healthNames, healthMarks] = columnList(plan.healthColumns);
    const QString healthSql = QStringLiteral("INSERT INTO 健康状態管理 (氏名ID, 日付%1) VALUES (?, ?%2)")
                                  .arg(healthNames.isEmpty() ? QString() : QStringLiteral(", ") + healthNames,
                                       healthMarks.isEmpty() ? QString() : QStringLiteral(", ") + healthMarks);
    const QString dishSql =
        QStringLiteral("INSERT INTO 摂取料理 (健康状態管理ID, 料理名, 食事区分) VALUES (?, ?, ?)");
    const QString servedSql =
        QStringLiteral("INSERT INTO 摂取料理 (健康状態管理ID, 料理名, 料理分量, 食事区分) VALUES (?, ?, ?, ?)");
    const QString foodSql = QStringLiteral(
        "INSERT INTO 摂取食品 (摂取料理ID, 健康状態管理ID, 成分表ID, 調理法ID, 分量) VALUES (?, ?, ?, ?, ?)");
    const QString activitySql =
        QStringLiteral("INSERT INTO 運動時間 (健康状態管理ID, エネルギー消費量ID, 時間) VALUES (?, ?, ?)");

    FilledDays out;
    auto fill = [&] {
        for (int d = 0; d < count; ++d) {
            const QDate day = first.addDays(d);
            const qint64 kk = insertRow(healthSql, QVariantList{person, dateParam(day)} + plan.health(day));
            out.days << kk;
            for (int m = 0; m < plan.meals.size(); ++m) {
                for (int k = 0; k < plan.dishesPerMeal; ++k) {
                    const Served s = plan.dish(m, k);
                    const qint64 dish = s.serving.isNull()
                        ? insertRow(dishSql, {kk, s.name, plan.meals.at(m)})
                        : insertRow(servedSql, {kk, s.name, s.serving, plan.meals.at(m)});
                    for (int f = 0; f < plan.foodsPerDish; ++f) {
                        const Eaten e = plan.food(f);
                        insertRow(foodSql, {dish, kk, e.food, e.method, e.grams});
                        ++out.foods;
                    }
                }
            }
            for (int a = 0; a < plan.activitiesPerDay; ++a) {
                const Activity act = plan.activity(a);
                insertRow(activitySql, {kk, act.id, act.time});
            }
        }
    };
    if (G_DB().inTransaction())
        fill();
    else
        G_DB().transaction(fill);
    return out;
}

} // namespace mirte::bench
