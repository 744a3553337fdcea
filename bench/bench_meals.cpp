// Times opening the day's dishes of a day with 12 dishes (the window's load: the query and the
// grid fill with its layout), on a copy of the seed database. Goal: under 20 ms.
//
//   bench_meals [--seed PATH] [google-benchmark flags]     (QT_QPA_PLATFORM=offscreen)

#include "b_01.h"
#include "database.h"
#include "f_kjrnyu01.h"
#include "flexgrid.h"
#include "meals_core.h"
#include "bench_household.h"
#include "msgbox.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

using namespace mirte;

namespace {

constexpr int kDishes = 12;
qint64 g_kk = 0;

void buildDay(const QString &seed, const QString &path)
{
    bench::openSeedCopy(seed, path);
    const qint64 person = bench::addPerson({QStringLiteral("花子"), QDate(1985, 4, 1), 2, {}});
    // The day alone: its dishes come from the catalogue below.
    bench::DayPlan plan;
    plan.healthColumns = {QStringLiteral("身長"), QStringLiteral("体重"), QStringLiteral("健康状態"),
                          QStringLiteral("生活強度")};
    plan.health = [](const QDate &) { return QVariantList{158.0, 52.0, QStringLiteral("健康"), 2}; };
    plan.activitiesPerDay = 0;
    g_kk = bench::fillDays(person, QDate(2024, 5, 20), 1, plan).days.first();
    const ResultSet cat = catalogue(G_DB(), 0, QString());
    for (int i = 0; i < kDishes; ++i) {
        const int r = (i * 41) % int(cat.size());
        addCatalogueDish(G_DB(), g_kk, cat.value(r, QStringLiteral("料理名ID")).toLongLong(),
                         cat.value(r, QStringLiteral("料理名")).toString(), G_Syokuji_Kubun.value(i % 4), 1);
    }
}

DayHeader header()
{
    return {QStringLiteral("花子"), QStringLiteral("2024年5月20日（月）"), QDate(2024, 5, 20)};
}

// The whole opening: the window, its query, the grid and the picker it owns.
void BM_OpenDayWindow(benchmark::State &state)
{
    G_KK_ID = g_kk;
    for (auto _ : state) {
        F_KJRNyu01 w(header());
        benchmark::DoNotOptimize(w.VSGrid1->rows());
    }
}

// Only the load of an open window: query, grid fill and layout.
void BM_RefreshDishes(benchmark::State &state)
{
    G_KK_ID = g_kk;
    F_KJRNyu01 w(header());
    w.show();
    for (auto _ : state) {
        w.refreshDishes(0);
        benchmark::DoNotOptimize(w.VSGrid1->rows());
    }
}

// The query alone.
void BM_DayDishesQuery(benchmark::State &state)
{
    for (auto _ : state) {
        const ResultSet rs = dayDishes(G_DB(), g_kk);
        benchmark::DoNotOptimize(rs.size());
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    bench::CommandLine args = bench::readCommandLine(argc, argv);
    const QString seed = args.seed;
    int n = args.restCount();
    benchmark::Initialize(&n, args.rest.data());
    Syoki_Settei();
    // No message may wait for a click during the run.
    setMsgBoxHandler([](const MsgBoxRequest &r) {
        std::fprintf(stderr, "message: %s\n", qPrintable(r.prompt));
        return int(vbOK);
    });
    QTemporaryDir dir;
    try {
        buildDay(seed, dir.filePath(QStringLiteral("bench.db")));
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    if (dayDishes(G_DB(), g_kk).size() != kDishes) {
        std::fprintf(stderr, "the day does not hold %d dishes\n", kDishes);
        return 1;
    }
    for (auto [name, fn] : std::initializer_list<std::pair<const char *, void (*)(benchmark::State &)>>{
             {"OpenDayWindow", BM_OpenDayWindow},
             {"RefreshDishes", BM_RefreshDishes},
             {"DayDishesQuery", BM_DayDishesQuery}})
        benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Repetitions(5)->ReportAggregatesOnly(true);
    benchmark::RunSpecifiedBenchmarks();
    G_DB().close();
    return 0;
}
