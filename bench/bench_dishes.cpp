// Times the dish master over the shipped catalogue (456 dishes): opening the window with its
// list and combo, opening the recipe window of the dish with the most foods, and deleting a
// category with its dishes and their recipes. Goal: each under 50 ms.
//
//   bench_dishes [--seed PATH] [google-benchmark flags]     (QT_QPA_PLATFORM=offscreen)

#include "b_01.h"
#include "database.h"
#include "f_rhen01.h"
#include "f_rhenzai01.h"
#include "flexgrid.h"
#include "bench_household.h"
#include "msgbox.h"
#include "refdata.h"
#include "ryouri_core.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

using namespace mirte;

namespace {

void BM_OpenDishMaster(benchmark::State &state)
{
    for (auto _ : state) {
        F_RHen01 w;
        benchmark::DoNotOptimize(w.vsGrid->rows());
    }
}

void BM_OpenRecipe(benchmark::State &state)
{
    G_Mst_Ryouri_ID = G_DB().scalar(QStringLiteral("SELECT 料理名ID FROM 材料 GROUP BY 料理名ID ORDER BY count(*) DESC LIMIT 1")).toLongLong();
    G_Mst_Ryouri_Mei = Ryouri_Mei(G_Mst_Ryouri_ID).value_or(QString());
    for (auto _ : state) {
        F_RHenZai01 w;
        benchmark::DoNotOptimize(w.vsGrid->rows());
    }
}

// A category of 40 dishes of 5 foods each, made again before every delete.
void BM_DeleteCategory(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        qint64 id = 0;
        G_DB().transaction([&] {
            id = Bunrui_Add(QStringLiteral("一時の分類"));
            for (int d = 0; d < 40; ++d) {
                const qint64 dish = Ryouri_Add(QStringLiteral("一時の料理%1").arg(d), id);
                for (int f = 0; f < 5; ++f)
                    G_DB().insert(QStringLiteral("材料"), {{QStringLiteral("料理名ID"), dish},
                                                         {QStringLiteral("成分表ID"), 1088},
                                                         {QStringLiteral("分量"), 10.0 * f}});
            }
        });
        state.ResumeTiming();
        benchmark::DoNotOptimize(Bunrui_Delete(id));
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
    setMsgBoxHandler([](const MsgBoxRequest &r) {
        std::fprintf(stderr, "message: %s\n", qPrintable(r.prompt));
        return int(vbOK);
    });
    QTemporaryDir dir;
    try {
        bench::openSeedCopy(seed, dir.filePath(QStringLiteral("bench.db")));
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    for (auto [name, fn] : std::initializer_list<std::pair<const char *, void (*)(benchmark::State &)>>{
             {"OpenDishMaster", BM_OpenDishMaster},
             {"OpenRecipe", BM_OpenRecipe},
             {"DeleteCategory", BM_DeleteCategory}})
        benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMillisecond)->MinTime(0.2)->Repetitions(5)->ReportAggregatesOnly(true);
    benchmark::RunSpecifiedBenchmarks();
    G_DB().close();
    return 0;
}
