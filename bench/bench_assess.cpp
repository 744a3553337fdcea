// Times the day's intake fill and the half-year series against plain SQL aggregates over the
// same rows, on a household of 3 persons × 365 recorded days built from the seed database.
//
//   bench_assess [--seed PATH] [google-benchmark flags]

#include "b_01.h"
#include "b_sessyu.h"
#include "b_t01.h"
#include "database.h"
#include "bench_household.h"
#include "msgbox.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>

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

// 3 persons, each with 365 days of 4 meals × 3 dishes × 5 foods and 3 activities.
void buildHousehold(const QString &seed, const QString &path)
{
    bench::openSeedCopy(seed, path);
    const bench::ReferenceIds ref = bench::referenceIds();
    bench::Picker rng(20240607);
    bench::DayPlan plan = bench::randomDayPlan(rng, ref, G_Syokuji_Kubun, 10, 150);

    struct P { const char *name; QDate birth; int sex; double height, weight; };
    const P people[3] = {{"太郎", QDate(1988, 5, 3), 1, 171, 66},
                         {"花子", QDate(1990, 9, 21), 2, 158, 51},
                         {"一郎", QDate(2015, 2, 11), 1, 128, 26}};
    plan.healthColumns = {QStringLiteral("身長"), QStringLiteral("体重"), QStringLiteral("健康状態"),
                          QStringLiteral("生活強度")};
    G_DB().transaction([&] {
        for (const P &p : people) {
            const qint64 pid = bench::addPerson({QString::fromUtf8(p.name), p.birth, p.sex, {}});
            g_house.persons << pid;
            plan.health = [&p](const QDate &day) {
                return QVariantList{p.height, p.weight + 0.01 * (kYearStart.daysTo(day) % 50),
                                    QStringLiteral("健康"), 2};
            };
            const bench::FilledDays filled = bench::fillDays(pid, kYearStart, kDays, plan);
            if (pid == g_house.persons.first())
                g_house.dayKK = filled.days.at(kYearStart.daysTo(kDay));
            g_house.foods += int(filled.foods);
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
    bench::CommandLine args = bench::readCommandLine(argc, argv);
    const QString seed = args.seed;
    int n = args.restCount();
    benchmark::Initialize(&n, args.rest.data());

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
