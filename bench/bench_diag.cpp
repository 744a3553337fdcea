// Times what the meal diagnosis does when it opens (the day's intake fill, the 25 rates and
// both graphs' data, and the advice) and the day's nutrient detail table, for a day of
// 12 dishes × 5 foods in a household file of 2 persons × 120 such days built from the seed.
//
//   bench_diag [--seed PATH] [google-benchmark flags]

#include "b_01.h"
#include "b_seibun.h"
#include "b_sessyu.h"
#include "b_sindan.h"
#include "b_t01.h"
#include "database.h"
#include "bench_household.h"
#include "msgbox.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

using namespace mirte;

namespace {

constexpr int kDays = 120;
const QDate kStart(2024, 1, 1);
qint64 g_day = 0; // the day that is judged
int g_foods = 0;

void buildHousehold(const QString &seed, const QString &path)
{
    bench::openSeedCopy(seed, path);
    const bench::ReferenceIds ref = bench::referenceIds();
    bench::Picker rng(20241209);
    // 12 dishes 料理0 .. 料理11, three to a meal, of foods cooked the first way; no activities.
    bench::DayPlan plan = bench::randomDayPlan(rng, ref, G_Syokuji_Kubun, 5, 200, false);
    plan.dish = [](int meal, int k) { return bench::Served{QStringLiteral("料理%1").arg(meal * 3 + k), {}}; };
    plan.activitiesPerDay = 0;
    plan.healthColumns = {QStringLiteral("身長"), QStringLiteral("体重"), QStringLiteral("健康状態"),
                          QStringLiteral("生活強度")};
    plan.health = [](const QDate &) { return QVariantList{165.0, 58.0, QStringLiteral("健康"), 2}; };
    G_DB().transaction([&] {
        for (int p = 0; p < 2; ++p) {
            const qint64 pid = bench::addPerson(
                {p ? QStringLiteral("花子") : QStringLiteral("太郎"), QDate(1985 + p, 4, 1), p + 1, {}});
            const bench::FilledDays filled = bench::fillDays(pid, kStart, kDays, plan);
            if (p == 0)
                g_day = filled.days.at(kDays / 2);
        }
    });
    g_foods = int(G_DB().scalar(QStringLiteral("SELECT count(*) FROM 摂取食品 WHERE 健康状態管理ID = ?"), {g_day})
                      .toLongLong());
    G_DB().exec(QStringLiteral("ANALYZE"));
}

// Opening the diagnosis: the intake of the day, the 25 rates and both graphs' data.
void BM_Diagnosis_Open(benchmark::State &state)
{
    for (auto _ : state) {
        SessyuryouHyou day;
        if (!Sessyuryou_Keisan(g_day, day))
            state.SkipWithError("fill stopped");
        SindanKekka k = Sindan_Keisan(day, G_Syoyouryou);
        benchmark::DoNotOptimize(k);
    }
}

void BM_Diagnosis_Advice(benchmark::State &state)
{
    SessyuryouHyou day;
    Sessyuryou_Keisan(g_day, day);
    const SindanKekka k = Sindan_Keisan(day, G_Syoyouryou);
    for (auto _ : state) {
        QString t = Advice_Text(k, G_Syoyouryou);
        benchmark::DoNotOptimize(t);
    }
}

// The day's nutrient detail table: 60 food rows, 12 subtotals, the total, on three tables.
void BM_Detail_Day(benchmark::State &state)
{
    for (auto _ : state) {
        SeibunHyou t = Seibun_Day(g_day);
        if (!t.complete)
            state.SkipWithError("fill stopped");
        benchmark::DoNotOptimize(t);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bench::CommandLine args = bench::readCommandLine(argc, argv);
    const QString seed = args.seed;
    int n = args.restCount();
    benchmark::Initialize(&n, args.rest.data());
    Syoki_Settei();
    QTemporaryDir dir;
    try {
        std::printf("Building the household from %s ...\n", qPrintable(seed));
        buildHousehold(seed, dir.filePath(QStringLiteral("bench.db")));
        if (!Syoyouryou_Set(38, 100, 2, 1, 58, 165, QStringLiteral("健康")))
            return 1;
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    std::printf("The judged day: 12 dishes, %d eaten foods\n", g_foods);
    {
        // The detail table must hold what the diagnosis sums: the energy totals agree.
        SessyuryouHyou day;
        Sessyuryou_Keisan(g_day, day);
        const SeibunHyou t = Seibun_Day(g_day);
        const double total = Val(t.rows[0].last().at(5));
        if (t.rows[0].size() != g_foods + 12 + 1 || std::abs(total - day.Ryou[5][0]) > 0.01 * (g_foods + 13)) {
            std::fprintf(stderr, "The detail table and the day's intake disagree.\n");
            return 1;
        }
    }
    for (auto [name, fn] : std::initializer_list<std::pair<const char *, void (*)(benchmark::State &)>>{
             {"Diagnosis_Open", BM_Diagnosis_Open},
             {"Diagnosis_Advice", BM_Diagnosis_Advice},
             {"Detail_Day", BM_Detail_Day}})
        benchmark::RegisterBenchmark(name, fn)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.2)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    benchmark::RunSpecifiedBenchmarks();
    G_DB().close();
    return 0;
}
