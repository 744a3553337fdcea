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
#include "msgbox.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>

using namespace mirte;

namespace {

constexpr int kDays = 120;
const QDate kStart(2024, 1, 1);
qint64 g_day = 0; // the day that is judged
int g_foods = 0;

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

void buildHousehold(const QString &seed, const QString &path)
{
    if (!QFile::copy(seed, path))
        throw DbError(2, QStringLiteral("cannot copy the seed database ") + seed);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    G_DB().open(path);
    QList<qint64> foods;
    for (const auto &r : G_DB().select(QStringLiteral("SELECT 成分表ID FROM 成分表 ORDER BY 成分表ID")).rows)
        foods << r.value(0).toLongLong();
    std::mt19937 rng(20241209);
    std::uniform_int_distribution<qsizetype> food(0, foods.size() - 1);
    std::uniform_real_distribution<double> grams(5, 200);
    G_DB().transaction([&] {
        for (int p = 0; p < 2; ++p) {
            const qint64 pid = insertRow(QStringLiteral("INSERT INTO 個人データ (氏名, 生年月日, 性別) VALUES (?, ?, ?)"),
                                         {p ? QStringLiteral("花子") : QStringLiteral("太郎"),
                                          dateParam(QDate(1985 + p, 4, 1)), p + 1});
            for (int d = 0; d < kDays; ++d) {
                const qint64 kk = insertRow(
                    QStringLiteral("INSERT INTO 健康状態管理 (氏名ID, 日付, 身長, 体重, 健康状態, 生活強度) "
                                   "VALUES (?, ?, ?, ?, ?, ?)"),
                    {pid, dateParam(kStart.addDays(d)), 165.0, 58.0, QStringLiteral("健康"), 2});
                if (p == 0 && d == kDays / 2)
                    g_day = kk;
                for (int dish = 0; dish < 12; ++dish) {
                    const qint64 ser = insertRow(
                        QStringLiteral("INSERT INTO 摂取料理 (健康状態管理ID, 料理名, 食事区分) VALUES (?, ?, ?)"),
                        {kk, QStringLiteral("料理%1").arg(dish), G_Syokuji_Kubun.at(dish / 3)});
                    for (int f = 0; f < 5; ++f) {
                        insertRow(QStringLiteral("INSERT INTO 摂取食品 (摂取料理ID, 健康状態管理ID, 成分表ID, 調理法ID, 分量)"
                                                 " VALUES (?, ?, ?, 1, ?)"),
                                  {ser, kk, foods.at(food(rng)), std::round(grams(rng))});
                        if (kk == g_day)
                            ++g_foods;
                    }
                }
            }
        }
    });
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
