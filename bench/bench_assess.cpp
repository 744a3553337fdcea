// Times the day's intake fill and the half-year series against plain SQL aggregates over the
// same rows, on a household of 3 persons × 365 recorded days built from the seed database.
//
//   bench_assess [--seed PATH] [google-benchmark flags]

#include "b_01.h"
#include "b_sessyu.h"
#include "b_t01.h"
#include "database.h"
#include "msgbox.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>

using namespace mirte;

namespace {

const QDate kYearStart(2023, 1, 1);
const QDate kHalfStart(2023, 3, 6);  // 26 weeks from here lie inside the recorded year
const QDate kDay(2023, 6, 15);       // the day whose intake is filled
constexpr int kDays = 365;

struct Household {
    QList<qint64> persons;
    qint64 dayKK = 0;
    int foods = 0;
};

Household g_house;

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
    QList<qint64> out;
    for (const auto &r : G_DB().select(sql).rows)
        out << r.value(0).toLongLong();
    return out;
}

// 3 persons, each with 365 days of 4 meals × 3 dishes × 5 foods and 3 activities.
void buildHousehold(const QString &seed, const QString &path)
{
    if (!QFile::copy(seed, path))
        throw DbError(2, QStringLiteral("cannot copy the seed database ") + seed);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    G_DB().open(path);
    const QList<qint64> foods = ids(QStringLiteral("SELECT 成分表ID FROM 成分表 ORDER BY 成分表ID"));
    const QList<qint64> acts =
        ids(QStringLiteral("SELECT エネルギー消費量ID FROM エネルギー消費量 ORDER BY エネルギー消費量ID"));
    const QList<qint64> methods = ids(QStringLiteral("SELECT 調理法ID FROM 調理法 ORDER BY 調理法ID"));
    std::mt19937 rng(20240607);
    auto pick = [&](const QList<qint64> &from) {
        return from.at(std::uniform_int_distribution<qsizetype>(0, from.size() - 1)(rng));
    };
    std::uniform_real_distribution<double> grams(10, 150);

    struct P { const char *name; QDate birth; int sex; double height, weight; };
    const P people[3] = {{"太郎", QDate(1988, 5, 3), 1, 171, 66},
                         {"花子", QDate(1990, 9, 21), 2, 158, 51},
                         {"一郎", QDate(2015, 2, 11), 1, 128, 26}};
    G_DB().transaction([&] {
        for (const P &p : people) {
            const qint64 pid = insertRow(
                QStringLiteral("INSERT INTO 個人データ (氏名, 生年月日, 性別) VALUES (?, ?, ?)"),
                {QString::fromUtf8(p.name), dateParam(p.birth), p.sex});
            g_house.persons << pid;
            for (int d = 0; d < kDays; ++d) {
                const QDate day = kYearStart.addDays(d);
                const qint64 kk = insertRow(
                    QStringLiteral("INSERT INTO 健康状態管理 (氏名ID, 日付, 身長, 体重, 健康状態, 生活強度) "
                                   "VALUES (?, ?, ?, ?, ?, ?)"),
                    {pid, dateParam(day), p.height, p.weight + 0.01 * (d % 50),
                     QStringLiteral("健康"), 2});
                if (pid == g_house.persons.first() && day == kDay)
                    g_house.dayKK = kk;
                for (const QString &meal : G_Syokuji_Kubun) {
                    for (int k = 0; k < 3; ++k) {
                        const qint64 dish = insertRow(
                            QStringLiteral("INSERT INTO 摂取料理 (健康状態管理ID, 料理名, 食事区分) "
                                           "VALUES (?, ?, ?)"),
                            {kk, QStringLiteral("料理"), meal});
                        for (int f = 0; f < 5; ++f) {
                            insertRow(QStringLiteral("INSERT INTO 摂取食品 (摂取料理ID, 健康状態管理ID, "
                                                     "成分表ID, 調理法ID, 分量) VALUES (?, ?, ?, ?, ?)"),
                                      {dish, kk, pick(foods), pick(methods), std::round(grams(rng))});
                            ++g_house.foods;
                        }
                    }
                }
                const double hours[3] = {7.5, 1.0, 0.5};
                for (double h : hours)
                    insertRow(QStringLiteral("INSERT INTO 運動時間 (健康状態管理ID, エネルギー消費量ID, 時間) "
                                             "VALUES (?, ?, ?)"),
                              {kk, pick(acts), h / 24});
            }
        }
    });
    G_DB().exec(QStringLiteral("ANALYZE"));
}

// ---- the plain SQL floors ----

// The day's energy per meal kind.
std::map<QString, double> floorDayEnergy()
{
    QSqlQuery &q = G_DB().prepared(QStringLiteral(
        "SELECT 摂取料理.食事区分, SUM(成分表.エネルギー * 摂取食品.分量 / 100.0) FROM 摂取料理"
        " INNER JOIN 摂取食品 ON 摂取食品.摂取料理ID = 摂取料理.摂取料理ID"
        " INNER JOIN 成分表 ON 成分表.成分表ID = 摂取食品.成分表ID"
        " WHERE 摂取料理.健康状態管理ID = ? GROUP BY 摂取料理.食事区分"));
    q.addBindValue(g_house.dayKK);
    q.exec();
    std::map<QString, double> out;
    while (q.next())
        out[q.value(0).toString()] = q.value(1).toDouble();
    q.finish();
    return out;
}

// All 103 nutrients of the day per meal kind, by the same scaling rules, in one aggregate.
QString dayAllSql()
{
    QString cols;
    for (int i = 0; i < kEiyouCount; ++i) {
        const QString c = Database::quoteId(G_Eiyou_Mei.at(i));
        if (i < 36)
            cols += QStringLiteral(", SUM(s.%1 * f.分量 / 100.0)").arg(c);
        else if (i < 40 || i >= 82)
            cols += QStringLiteral(", SUM(%1.%2 * f.分量 / 100.0)").arg(i < 40 ? "fa" : "am", c);
        else
            cols += QStringLiteral(", SUM(fa.%1 * f.分量 * fa.\"脂肪酸・総量\" / 10.0)").arg(c);
    }
    return QStringLiteral("SELECT r.食事区分") + cols
        + QStringLiteral(" FROM 摂取料理 r INNER JOIN 摂取食品 f ON f.摂取料理ID = r.摂取料理ID"
                         " INNER JOIN 成分表 s ON s.成分表ID = f.成分表ID"
                         " LEFT JOIN 脂肪酸組成表 fa ON fa.成分表ID = f.成分表ID"
                         " LEFT JOIN アミノ酸組成表 am ON am.成分表ID = f.成分表ID"
                         " WHERE r.健康状態管理ID = ? GROUP BY r.食事区分");
}

double floorDayAll()
{
    static const QString sql = dayAllSql();
    QSqlQuery &q = G_DB().prepared(sql);
    q.addBindValue(g_house.dayKK);
    q.exec();
    double sum = 0;
    while (q.next())
        for (int i = 1; i <= kEiyouCount; ++i)
            sum += q.value(i).toDouble();
    q.finish();
    return sum;
}

// Daily totals of one or two 成分表 columns over the half year of the first person.
std::map<QDate, std::pair<double, double>> floorHalfYear(const QString &a, const QString &b)
{
    QSqlQuery &q = G_DB().prepared(
        QStringLiteral("SELECT k.日付, SUM(s.%1 * f.分量 / 100.0), SUM(s.%2 * f.分量 / 100.0)"
                       " FROM 健康状態管理 k INNER JOIN 摂取食品 f ON f.健康状態管理ID = k.健康状態管理ID"
                       " INNER JOIN 成分表 s ON s.成分表ID = f.成分表ID"
                       " WHERE k.氏名ID = ? AND k.日付 BETWEEN ? AND ? GROUP BY k.日付")
            .arg(Database::quoteId(a), Database::quoteId(b)));
    q.addBindValue(g_house.persons.first());
    q.addBindValue(dateParam(kHalfStart));
    q.addBindValue(dateParam(kHalfStart.addDays(26 * 7 - 1)));
    q.exec();
    std::map<QDate, std::pair<double, double>> out;
    while (q.next())
        out[toDate(q.value(0))] = {q.value(1).toDouble(), q.value(2).toDouble()};
    q.finish();
    return out;
}

const QString kEnergy = QStringLiteral("エネルギー");
const QString kProtein = QStringLiteral("たんぱく質");
const QString kSalt = QStringLiteral("食塩相当量");
constexpr int kCodeProtein = 11 + 1;
constexpr int kCodeSalt = 11 + 12;

bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
}

// The routines and their floors must agree before their times mean anything.
bool check()
{
    bool ok = Sessyuryou_Set(g_house.dayKK);
    const auto day = floorDayEnergy();
    for (int m = 0; m < 4; ++m)
        ok = ok && near(G_Sessyuryou.Ryou[m + 1][0], day.at(G_Syokuji_Kubun.at(m)));
    ok = ok && near(G_Sessyuryou.Ryou[5][0], Sessyuryou_Get(g_house.dayKK, kEnergy));

    G_Simei_ID = g_house.persons.first();
    G_Tou_Start = kHalfStart;
    const auto half = floorHalfYear(kEnergy, kEnergy);
    ok = ok && Energy_Hantosi_Set() && half.size() == 26 * 7;
    for (int w = 0; w < 26 && ok; ++w) {
        double sum = 0;
        for (int i = 0; i < 7; ++i)
            sum += half.at(kHalfStart.addDays(w * 7 + i)).first;
        ok = near(G_Tou_Hantosi.Value[1][w + 1], sum / 7) && G_Tou_Hantosi.Value[3][w + 1] > 0;
    }
    const auto two = floorHalfYear(kProtein, kSalt);
    ok = ok && Koumoku_Hantosi_Set(kCodeProtein, kCodeSalt);
    for (int w = 0; w < 26 && ok; ++w) {
        double p = 0, s = 0;
        for (int i = 0; i < 7; ++i) {
            p += two.at(kHalfStart.addDays(w * 7 + i)).first;
            s += two.at(kHalfStart.addDays(w * 7 + i)).second;
        }
        ok = near(G_Tou_Hantosi.Value[1][w + 1], p / 7) && near(G_Tou_Hantosi.Value[3][w + 1], s / 7)
            && G_Tou_Hantosi.Value[2][w + 1] > 0;
    }
    return ok;
}

// ---- benchmarks ----

void BM_Sessyuryou_Fill(benchmark::State &st)
{
    for (auto _ : st)
        benchmark::DoNotOptimize(Sessyuryou_Set(g_house.dayKK));
}

void BM_Floor_DayEnergy(benchmark::State &st)
{
    for (auto _ : st)
        benchmark::DoNotOptimize(floorDayEnergy());
}

void BM_Floor_DayAll(benchmark::State &st)
{
    for (auto _ : st)
        benchmark::DoNotOptimize(floorDayAll());
}

void BM_Energy_Hantosi_Set(benchmark::State &st)
{
    G_Simei_ID = g_house.persons.first();
    G_Tou_Start = kHalfStart;
    for (auto _ : st)
        benchmark::DoNotOptimize(Energy_Hantosi_Set());
}

void BM_Koumoku_Hantosi_Set(benchmark::State &st)
{
    G_Simei_ID = g_house.persons.first();
    G_Tou_Start = kHalfStart;
    for (auto _ : st)
        benchmark::DoNotOptimize(Koumoku_Hantosi_Set(kCodeProtein, kCodeSalt));
}

void BM_Floor_HalfYearEnergy(benchmark::State &st)
{
    for (auto _ : st)
        benchmark::DoNotOptimize(floorHalfYear(kEnergy, kEnergy));
}

void BM_Floor_HalfYearTwo(benchmark::State &st)
{
    for (auto _ : st)
        benchmark::DoNotOptimize(floorHalfYear(kProtein, kSalt));
}

// Keeps the median wall and CPU time of every benchmark (in milliseconds) besides the usual
// console output.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::pair<double, double>> medians;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs) {
            if (r.aggregate_name != "median")
                continue;
            const double toMs = benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond)
                / benchmark::GetTimeUnitMultiplier(r.time_unit);
            medians[r.run_name.function_name] = {r.GetAdjustedRealTime() * toMs,
                                                 r.GetAdjustedCPUTime() * toMs};
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString seed = QStringLiteral(MIRTE_SEED_DB);
    std::vector<char *> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--seed" && i + 1 < argc)
            seed = QString::fromLocal8Bit(argv[++i]);
        else
            rest.push_back(argv[i]);
    }
    int n = int(rest.size());
    benchmark::Initialize(&n, rest.data());

    Syoki_Settei();
    Tou_Koumoku_Settei();
    QTemporaryDir dir;
    try {
        std::printf("Building the household from %s ...\n", qPrintable(seed));
        buildHousehold(seed, dir.filePath(QStringLiteral("bench.db")));
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    std::printf("%lld persons × %d days, %d eaten foods in all\n",
                static_cast<long long>(g_house.persons.size()), kDays, g_house.foods);
    if (!check()) {
        std::fprintf(stderr, "The routines and their SQL floors disagree.\n");
        return 1;
    }
    std::printf("Routines agree with their SQL floors.\n\n");

    for (auto [name, fn] : std::initializer_list<std::pair<const char *, void (*)(benchmark::State &)>>{
             {"Sessyuryou_Fill", BM_Sessyuryou_Fill},
             {"Floor_DayEnergy", BM_Floor_DayEnergy},
             {"Floor_DayAll", BM_Floor_DayAll},
             {"Energy_Hantosi_Set", BM_Energy_Hantosi_Set},
             {"Floor_HalfYearEnergy", BM_Floor_HalfYearEnergy},
             {"Koumoku_Hantosi_Set", BM_Koumoku_Hantosi_Set},
             {"Floor_HalfYearTwo", BM_Floor_HalfYearTwo}})
        benchmark::RegisterBenchmark(name, fn)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.2)
            ->Repetitions(9)
            ->ReportAggregatesOnly(true);

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    G_DB().close();

    const auto &m = reporter.medians;
    auto med = [&](const char *k) { return m.count(k) ? m.at(k) : std::pair<double, double>{}; };
    std::printf("\n%-20s %-21s %10s %10s %8s %8s %s\n", "routine", "SQL floor", "wall ms",
                "floor ms", "ratio", "cpu rat.", "goal");
    struct Row { const char *routine, *floor; double goal; };
    const Row rows[] = {{"Sessyuryou_Fill", "Floor_DayAll", 2},
                        {"Sessyuryou_Fill", "Floor_DayEnergy", 2},
                        {"Energy_Hantosi_Set", "Floor_HalfYearEnergy", 50},
                        {"Koumoku_Hantosi_Set", "Floor_HalfYearTwo", 50}};
    bool goals = true;
    for (const Row &r : rows) {
        const auto t = med(r.routine), f = med(r.floor);
        if (t.first == 0 || f.first == 0)
            continue;
        std::printf("%-20s %-21s %10.3f %10.3f %7.2fx %7.2fx < %.0f ms (cpu %.3f ms)\n", r.routine,
                    r.floor, t.first, f.first, t.first / f.first, t.second / f.second, r.goal,
                    t.second);
        goals = goals && t.first < r.goal;
    }
    std::printf("%s\n", goals ? "Time goals met." : "Time goals NOT met.");
    return 0;
}
