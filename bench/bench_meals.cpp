// Times opening the day's dishes of a day with 12 dishes (the window's load: the query and the
// grid fill with its layout), on a copy of the seed database. Goal: under 20 ms.
//
//   bench_meals [--seed PATH] [google-benchmark flags]     (QT_QPA_PLATFORM=offscreen)

#include "b_01.h"
#include "database.h"
#include "f_kjrnyu01.h"
#include "flexgrid.h"
#include "meals_core.h"
#include "msgbox.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

using namespace mirte;

namespace {

constexpr int kDishes = 12;
qint64 g_kk = 0;

void buildDay(const QString &seed, const QString &path)
{
    if (!QFile::copy(seed, path))
        throw DbError(2, QStringLiteral("cannot copy the seed database ") + seed);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    G_DB().open(path);
    const qint64 person = G_DB().insert(QStringLiteral("個人データ"),
                                        {{QStringLiteral("氏名"), QStringLiteral("花子")},
                                         {QStringLiteral("生年月日"), QStringLiteral("1985-04-01")},
                                         {QStringLiteral("性別"), 2}});
    g_kk = G_DB().insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), person},
                                                      {QStringLiteral("日付"), QStringLiteral("2024-05-20")},
                                                      {QStringLiteral("身長"), 158.0},
                                                      {QStringLiteral("体重"), 52.0},
                                                      {QStringLiteral("健康状態"), QStringLiteral("健康")},
                                                      {QStringLiteral("生活強度"), 2}});
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
