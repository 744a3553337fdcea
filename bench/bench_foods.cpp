// Times the composition browser over the shipped tables: a two-character search of the
// composition tab over all foods (the query alone, and the whole search with the grid filled
// and painted), and the fatty-acid basis switch.
//
//   bench_foods [--seed PATH] [google-benchmark flags]      (runs offscreen unless a platform is set)

#include "b_01.h"
#include "database.h"
#include "f_seiken01.h"
#include "flexgrid.h"
#include "bench_household.h"
#include "msgbox.h"
#include "seiken_core.h"
#include "tabcontrol.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

using namespace mirte;

namespace {

F_SeiKen01 *g_browser = nullptr;

void settle()
{
    QApplication::processEvents();
}

void BM_SearchQuery(benchmark::State &state)
{
    qsizetype rows = 0;
    for (auto _ : state) {
        const ResultSet rs = seibunRows(SeibunKind::Seibun, QStringLiteral("全食品"), QStringLiteral("にん"));
        rows = rs.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = double(rows);
}

void BM_SearchInBrowser(benchmark::State &state)
{
    g_browser->SSTab1->setCurrentIndex(0);
    int rows = 0;
    // Alternating texts, so that every search really fills the grid anew.
    const QStringList texts{QStringLiteral("にん"), QStringLiteral("ﾆﾝ")};
    int i = 0;
    for (auto _ : state) {
        G_Kensaku_Jouken[0] = {QStringLiteral("全食品"), texts.at(i++ % 2)};
        g_browser->Kensaku_Jikkou(0);
        settle();
        rows = g_browser->vsGrid[0]->rows() - 1;
    }
    state.counters["rows"] = rows;
}

void BM_SearchAllFoods(benchmark::State &state)
{
    g_browser->SSTab1->setCurrentIndex(0);
    for (auto _ : state) {
        G_Kensaku_Jouken[0] = {QStringLiteral("全食品"), QString()};
        g_browser->Kensaku_Jikkou(0);
        settle();
    }
    state.counters["rows"] = g_browser->vsGrid[0]->rows() - 1;
}

void BM_SibouKirikae(benchmark::State &state)
{
    g_browser->SSTab1->setCurrentIndex(2);
    G_Kensaku_Jouken[2] = {QStringLiteral("全食品"), QString()};
    bool kasyoku = g_browser->kasyokuBasis();
    for (auto _ : state) {
        kasyoku = !kasyoku;
        g_browser->SibouKirikae(kasyoku, true); // the question is answered OK
        settle();
    }
    state.counters["rows"] = g_browser->vsGrid[2]->rows() - 1;
}

BENCHMARK(BM_SearchQuery)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchInBrowser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAllFoods)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SibouKirikae)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Syoki_Settei();
    setMsgBoxHandler([](const MsgBoxRequest &) { return int(vbOK); });

    bench::CommandLine args = bench::readCommandLine(argc, argv);
    QTemporaryDir dir;
    try {
        bench::openSeedCopy(args.seed, dir.filePath(QStringLiteral("bench.db")));
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }

    createSeiKen();
    g_browser = G_SeiKen();
    g_browser->show();
    for (int t = 0; t < kSeiKenTabs; ++t)
        g_browser->grid(t);
    settle();

    int n = args.restCount();
    benchmark::Initialize(&n, args.rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    destroySeiKen();
    G_DB().close();
    return 0;
}
