// Times the trend series and the opening of the trend graph window on a person with two years
// of daily records (4 meals × 3 dishes × 5 foods and 3 activities a day) built from the seed.
//
//   bench_trends [--seed PATH] [google-benchmark flags]

#include "b_01.h"
#include "b_t01.h"
#include "database.h"
#include "f_tou02.h"
#include "graph.h"
#include "bench_household.h"
#include "msgbox.h"
#include "tou_core.h"

#include <QApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>

using namespace mirte;

namespace {

const QDate kFrom(2022, 1, 3);
constexpr int kDays = 730;
const QDate kTo = kFrom.addDays(kDays - 1);
const QDate kHalfStart(2023, 3, 6);
constexpr int kCodeProtein = 11 + 1;
constexpr int kCodeSalt = 11 + 12;

qint64 g_person = 0;
int g_foods = 0;

void buildPerson(const QString &seed, const QString &path)
{
    bench::openSeedCopy(seed, path);
    const bench::ReferenceIds ref = bench::referenceIds();
    bench::Picker rng(20261209);
    bench::DayPlan plan = bench::randomDayPlan(rng, ref, G_Syokuji_Kubun, 10, 150);
    plan.healthColumns = {QStringLiteral("身長"), QStringLiteral("体重"), QStringLiteral("健康状態"),
                          QStringLiteral("生活強度"), QStringLiteral("歩数")};
    plan.health = [](const QDate &day) {
        const qint64 d = kFrom.daysTo(day);
        return QVariantList{171, 68 - 0.004 * d, QStringLiteral("健康"), 2, 6000 + (d * 37) % 5000};
    };
    G_DB().transaction([&] {
        g_person = bench::addPerson({QStringLiteral("太郎"), QDate(1984, 5, 3), 1,
                                     {{QStringLiteral("エネルギーflg"), 1}, {QStringLiteral("エネルギー"), 2200}}});
        g_foods = int(bench::fillDays(g_person, kFrom, kDays, plan).foods);
    });
    G_DB().exec(QStringLiteral("ANALYZE"));
}

// Daily energy intake of the two years, by plain SQL.
std::map<QDate, double> floorEnergy()
{
    QSqlQuery &q = G_DB().prepared(QStringLiteral(
        "SELECT k.日付, SUM(s.エネルギー * f.分量 / 100.0) FROM 健康状態管理 k"
        " INNER JOIN 摂取食品 f ON f.健康状態管理ID = k.健康状態管理ID"
        " INNER JOIN 成分表 s ON s.成分表ID = f.成分表ID"
        " WHERE k.氏名ID = ? AND k.日付 BETWEEN ? AND ? GROUP BY k.日付"));
    q.addBindValue(g_person);
    q.addBindValue(dateParam(kFrom));
    q.addBindValue(dateParam(kTo));
    q.exec();
    std::map<QDate, double> out;
    while (q.next())
        out[toDate(q.value(0))] = q.value(1).toDouble();
    q.finish();
    return out;
}

bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
}

// The weekly series must be the floor's weekly means before their times mean anything.
bool check()
{
    G_Simei_ID = g_person;
    const auto days = floorEnergy();
    bool ok = Energy_Kikan_Set(kFrom, kTo) && G_Tou_Kikan.Step == 7 && G_Tou_Kikan.points() == 105
        && int(days.size()) == kDays;
    for (int w = 0; w < G_Tou_Kikan.points() && ok; ++w) {
        double sum = 0;
        int n = 0;
        for (int i = 0; i < 7; ++i) {
            const auto it = days.find(kFrom.addDays(w * 7 + i));
            if (it != days.end() && it->first <= kTo) {
                sum += it->second;
                ++n;
            }
        }
        ok = n == G_Tou_Kikan.Kensuu[w + 1] && near(G_Tou_Kikan.Value[1][w + 1], sum / n)
            && G_Tou_Kikan.Value[3][w + 1] > 0;
    }
    G_Tou_Start = kHalfStart;
    ok = ok && Koumoku_Hantosi_Set(kCodeProtein, kCodeSalt);
    for (int c = 1; c <= 26 && ok; ++c)
        ok = G_Tou_Hantosi.Kensuu[c] == 7 && G_Tou_Hantosi.Value[2][c] > 0;
    return ok;
}

void BM_Koumoku_Hantosi_Set(benchmark::State &st)
{
    G_Simei_ID = g_person;
    G_Tou_Start = kHalfStart;
    for (auto _ : st)
        benchmark::DoNotOptimize(Koumoku_Hantosi_Set(kCodeProtein, kCodeSalt));
}

void BM_Energy_Kikan_2y(benchmark::State &st)
{
    G_Simei_ID = g_person;
    for (auto _ : st)
        benchmark::DoNotOptimize(Energy_Kikan_Set(kFrom, kTo));
}

void BM_Floor_Energy_2y(benchmark::State &st)
{
    for (auto _ : st)
        benchmark::DoNotOptimize(floorEnergy());
}

// Opening the graph window on the two-year energy series, drawn and on screen.
void BM_Open_F_Tou02(benchmark::State &st)
{
    G_Simei_ID = g_person;
    Energy_Kikan_Set(kFrom, kTo);
    for (auto _ : st) {
        F_Tou02 w(TouKikanSyu::Kikan, true, QStringLiteral("名前 ： 太郎"),
                  QStringLiteral("期間 ： 2022 年 1 月 3 日～2024 年 1 月 1 日"));
        w.show();
        w.repaint(); // painted, not only laid out
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.Gr->numPoints());
    }
}

class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs) {
            if (r.aggregate_name != "median")
                continue;
            const double toMs = benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond)
                / benchmark::GetTimeUnitMultiplier(r.time_unit);
            medians[r.run_name.function_name] = r.GetAdjustedRealTime() * toMs;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The offscreen platform's note about size hints is noise here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) {
        if (!m.contains(QStringLiteral("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(m));
    });
    bench::CommandLine args = bench::readCommandLine(argc, argv);
    const QString seed = args.seed;
    int n = args.restCount();
    benchmark::Initialize(&n, args.rest.data());
    // Nothing may stop for a message while timing.
    setMsgBoxHandler([](const MsgBoxRequest &r) {
        std::fprintf(stderr, "message: %s\n", qPrintable(r.prompt));
        return int(vbOK);
    });

    Syoki_Settei();
    Tou_Koumoku_Settei();
    QTemporaryDir dir;
    try {
        std::printf("Building two years of records from %s ...\n", qPrintable(seed));
        buildPerson(seed, dir.filePath(QStringLiteral("bench.db")));
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    std::printf("1 person × %d days, %d eaten foods\n", kDays, g_foods);
    if (!check()) {
        std::fprintf(stderr, "The series and their SQL floor disagree.\n");
        return 1;
    }
    std::printf("Series agree with their SQL floor.\n\n");

    for (auto [name, fn] : std::initializer_list<std::pair<const char *, void (*)(benchmark::State &)>>{
             {"Koumoku_Hantosi_Set", BM_Koumoku_Hantosi_Set},
             {"Energy_Kikan_2y", BM_Energy_Kikan_2y},
             {"Floor_Energy_2y", BM_Floor_Energy_2y},
             {"Open_F_Tou02", BM_Open_F_Tou02}})
        benchmark::RegisterBenchmark(name, fn)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.3)
            ->Repetitions(7)
            ->ReportAggregatesOnly(true);

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    G_DB().close();

    struct Row { const char *name; double goal; };
    const Row rows[] = {{"Koumoku_Hantosi_Set", 50}, {"Energy_Kikan_2y", 150}, {"Open_F_Tou02", 100}};
    bool goals = true;
    std::printf("\n%-22s %10s %8s\n", "", "median ms", "goal");
    for (const Row &r : rows) {
        const double t = reporter.medians.count(r.name) ? reporter.medians.at(r.name) : -1;
        std::printf("%-22s %10.3f < %.0f\n", r.name, t, r.goal);
        goals = goals && t >= 0 && t < r.goal;
    }
    if (reporter.medians.count("Floor_Energy_2y"))
        std::printf("%-22s %10.3f (plain SQL of the daily intake alone)\n", "Floor_Energy_2y",
                    reporter.medians.at("Floor_Energy_2y"));
    std::printf("%s\n", goals ? "Time goals met." : "Time goals NOT met.");
    return 0;
}
