// Ten years of a household: 5 persons × 3,650 days, each day 4 meals × 3 dishes × 5 foods and
// 3 activities, on the full reference data of the seed. Times the real routines and windows
// (offscreen) the household meets every day: the start to the menu, the day window on the last
// day, the past-records list, the meal diagnosis, the day's nutrient detail table, a 26-week
// item series and copying a day. Goals: start under 0.5 s, each window under 100 ms, the series
// under 50 ms, the file under 300 MB.
//
// The household file is built once beside the benchmark (decade.db in the build folder) and
// reused while it holds the full ten years.
//
//   bench_decade [--seed PATH] [--db PATH] [google-benchmark flags]

#include "b_00.h"
#include "b_01.h"
#include "b_sessyu.h"
#include "b_seibun.h"
#include "b_sindan.h"
#include "b_t01.h"
#include "database.h"
#include "f_kjnyuu01.h"
#include "f_kjnyuu01_iti.h"
#include "f_kjs_sin01.h"
#include "f_kjseibun01.h"
#include "f_menu01.h"
#include "f_seiken01.h"
#include "flexgrid.h"
#include "meals_core.h"
#include "undou_core.h"
#include "bench_household.h"
#include "msgbox.h"
#include "screens.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

using namespace mirte;

namespace {

constexpr int kPersons = 5;
constexpr int kDays = 3650;
constexpr int kDishesPerMeal = 3;
constexpr int kFoodsPerDish = 5;
constexpr int kActivities = 3;
const QDate kFirst(2016, 1, 1);
const QDate kLast = kFirst.addDays(kDays - 1);
// The series ends at the last day: 26 weeks back from it.
const QDate kHalfStart = kLast.addDays(-26 * 7 + 1);
constexpr int kCodeProtein = 12; // nutrient 1 of G_Eiyou_Mei
constexpr int kCodeSalt = 23;    // nutrient 12

QString g_seed, g_path;
qint64 g_person = 0;  // the main user
qint64 g_lastKK = 0;  // the main user's last day
qint64 g_spareKK = 0; // a day without dishes that copies land on

struct Recipe {
    QString name;
    QList<QPair<qint64, int>> foods; // 成分表ID, 調理法ID
    QList<double> grams;
};

// The catalogue dishes with their recipe foods, filled up to five with foods of the table.
QList<Recipe> recipes(bench::Picker &rng)
{
    const QList<qint64> foods = bench::referenceIds().foods;
    QMap<qint64, Recipe> byId;
    const ResultSet rs = G_DB().select(QStringLiteral(
        "SELECT 料理名.料理名ID, 料理名.料理名, 材料.成分表ID, 材料.調理法ID, 材料.分量 FROM 料理名 "
        "JOIN 材料 ON 材料.料理名ID = 料理名.料理名ID ORDER BY 料理名.料理名ID, 材料.材料ID"));
    for (const auto &r : rs.rows) {
        Recipe &d = byId[r.value(0).toLongLong()];
        d.name = r.value(1).toString();
        if (d.foods.size() < kFoodsPerDish) {
            d.foods << qMakePair(r.value(2).toLongLong(), r.value(3).toInt());
            d.grams << r.value(4).toDouble();
        }
    }
    QList<Recipe> out = byId.values();
    for (Recipe &d : out) {
        while (d.foods.size() < kFoodsPerDish) {
            d.foods << qMakePair(rng.pick(foods), 1);
            d.grams << 10.0;
        }
    }
    return out;
}

void buildHousehold(const QString &path)
{
    const QString part = path + QStringLiteral(".part");
    bench::openSeedCopy(g_seed, part);
    bench::Picker rng(20261209);
    const QList<Recipe> dishes = recipes(rng);
    const QList<qint64> acts = bench::referenceIds().activities;
    const QStringList names{QStringLiteral("太郎"), QStringLiteral("花子"), QStringLiteral("一郎"),
                            QStringLiteral("桜"), QStringLiteral("祖母")};
    // Each dish a catalogue recipe in half servings of 0.5 to 1.5, its foods scaled with it.
    const Recipe *recipe = nullptr;
    double serving = 1;
    bench::DayPlan plan;
    plan.meals = G_Syokuji_Kubun;
    plan.dishesPerMeal = kDishesPerMeal;
    plan.foodsPerDish = kFoodsPerDish;
    plan.activitiesPerDay = kActivities;
    plan.healthColumns = {QStringLiteral("身長"), QStringLiteral("体重"), QStringLiteral("健康状態"),
                          QStringLiteral("生活強度"), QStringLiteral("血圧（下）"), QStringLiteral("血圧（上）"),
                          QStringLiteral("体温"), QStringLiteral("歩数"), QStringLiteral("備考")};
    plan.dish = [&](int, int) {
        recipe = &dishes.at(rng.index(dishes.size()));
        serving = std::round(rng.real(0.5, 1.5) * 2) / 2;
        return bench::Served{recipe->name, serving};
    };
    plan.food = [&](int f) {
        return bench::Eaten{recipe->foods.at(f).first, recipe->foods.at(f).second,
                            std::round(recipe->grams.at(f) * serving * 10) / 10};
    };
    plan.activity = [&](int) {
        const qint64 id = acts.at(rng.index(acts.size()));
        return bench::Activity{id, rng.integer(10, 90) / 1440.0};
    };
    QElapsedTimer t;
    t.start();
    G_DB().transaction([&] {
        for (int p = 0; p < kPersons; ++p) {
            const int sex = p == 1 || p >= 3 ? 2 : 1;
            const qint64 pid = bench::addPerson(
                {names.at(p), QDate(p < 2 ? 1975 + p : (p == 4 ? 1948 : 2004 + p), 4, 1 + p), sex, {}});
            if (p == 0)
                g_person = pid;
            const double height = 150 + 5 * p, weight = 45 + 4 * p;
            plan.health = [&, p, height, weight](const QDate &day) {
                const qint64 d = kFirst.daysTo(day);
                auto noise = [&] { return rng.real(-1, 1); };
                return QVariantList{height, std::round((weight + noise()) * 10) / 10, QStringLiteral("健康"),
                                    1 + (d + p) % 3, std::round(75 + 5 * noise()), std::round(120 + 8 * noise()),
                                    std::round((36.5 + 0.3 * noise()) * 10) / 10, std::round(7000 + 3000 * noise()),
                                    d % 7 == 0 ? QStringLiteral("週末は家族で散歩") : QString()};
            };
            // The second person's last day stays without dishes: the copies land there.
            const bool spare = p == 1;
            bench::fillDays(pid, kFirst, spare ? kDays - 1 : kDays, plan);
            if (spare) {
                bench::DayPlan empty = plan;
                empty.dishesPerMeal = 0;
                bench::fillDays(pid, kLast, 1, empty);
            }
        }
        G_DB().exec(QStringLiteral("UPDATE USERCHECK SET MAINUSER = ? WHERE USERCHECKID = 1"), {g_person});
    });
    G_DB().exec(QStringLiteral("ANALYZE"));
    G_DB().exec(QStringLiteral("VACUUM"));
    G_DB().close();
    std::printf("Built in %.1f s\n", t.elapsed() / 1000.0);
    QFile::remove(path);
    if (!QFile::rename(part, path))
        throw DbError(2, QStringLiteral("cannot move the household file to ") + path);
}

bool complete()
{
    return G_DB().scalar(QStringLiteral("SELECT count(*) FROM 健康状態管理")).toLongLong() == qint64(kPersons) * kDays
        && G_DB().scalar(QStringLiteral("SELECT count(*) FROM 摂取食品")).toLongLong()
        == (qint64(kPersons) * kDays - 1) * 4 * kDishesPerMeal * kFoodsPerDish;
}

// The globals the menu's choice of person and day leaves for the windows.
void chooseLastDay()
{
    G_Simei_ID = g_person;
    G_KK_ID = g_lastKK;
    G_Simei_Hyouji = QStringLiteral("太郎");
    G_Day_Hyouji = kLast.toString(QStringLiteral("yyyy年M月d日"));
}

template <class W>
void openAndClose(W &w)
{
    w.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(w.isVisible());
    w.close();
}

// ---- start-up ----

// The file opened as the program opens it: the lock aside, the check, the journal mode and the
// reference refresh.
void BM_OpenHousehold(benchmark::State &state)
{
    for (auto _ : state) {
        G_DB().close();
        openHouseholdDatabase(g_path, g_seed);
    }
}

// The engine's page check that start-up runs on files up to the limit.
void BM_QuickCheck(benchmark::State &state)
{
    for (auto _ : state) {
        const QString p = databaseProblem(G_DB());
        if (!p.isEmpty())
            state.SkipWithError("the file is damaged");
    }
}

// The menu with its screens, shown.
void BM_Menu(benchmark::State &state)
{
    createSeiKen();
    for (auto _ : state) {
        F_Menu01 menu;
        registerScreens(menu);
        menu.showAgain();
        QApplication::processEvents();
        menu.hide();
    }
}

// ---- windows ----

// 健康状態入力 of the main user, then the last day loaded as the list's choice loads it.
void BM_DayWindow_LastDay(benchmark::State &state)
{
    chooseLastDay();
    for (auto _ : state) {
        F_KJNyuu01 w;
        if (!w.Kiroku_Yomikomi(g_lastKK))
            state.SkipWithError("the last day was not loaded");
        openAndClose(w);
    }
}

// 健康状態一覧: 3,650 rows of the main user.
void BM_PastRecords(benchmark::State &state)
{
    chooseLastDay();
    F_KJNyuu01 caller;
    caller.Kiroku_Yomikomi(g_lastKK);
    for (auto _ : state) {
        F_KJNyuu01_Iti w(&caller);
        if (w.VSGrid1->rows() != kDays + 1)
            state.SkipWithError("the list does not hold every day");
        openAndClose(w);
    }
}

// 食事診断 of the last day: the sums, the rates and both graphs.
void BM_MealDiagnosis(benchmark::State &state)
{
    chooseLastDay();
    for (auto _ : state) {
        F_KJS_Sin01 w;
        if (!w.loaded())
            state.SkipWithError("the day was not judged");
        openAndClose(w);
    }
}

// 成分詳細 of the last day: 60 foods, 12 subtotals and the total on three tables.
void BM_NutrientDetail(benchmark::State &state)
{
    chooseLastDay();
    for (auto _ : state) {
        F_KJSeibun01 w;
        if (w.table().rows[0].size() != 4 * kDishesPerMeal * (kFoodsPerDish + 1) + 1)
            state.SkipWithError("the table does not hold the day");
        openAndClose(w);
    }
}

// Protein and salt over the 26 weeks ending on the last day.
void BM_ItemSeries_26Weeks(benchmark::State &state)
{
    chooseLastDay();
    G_Tou_Start = kHalfStart;
    for (auto _ : state) {
        if (!Koumoku_Hantosi_Set(kCodeProtein, kCodeSalt))
            state.SkipWithError("the series stopped");
        benchmark::DoNotOptimize(G_Tou_Hantosi.Value[1][26]);
    }
}

// The picker's search by reading over the catalogue (みそしる finds every 味噌汁), and the activity
// list's (あるく finds 歩行).
void BM_ReadingSearch(benchmark::State &state)
{
    for (auto _ : state) {
        if (catalogue(G_DB(), 0, QStringLiteral("みそしる")).rows.isEmpty()
            || Undou_Kensaku(QStringLiteral("あるく")).rows.isEmpty())
            state.SkipWithError("nothing found by reading");
    }
}

// よく食べる料理 of the main user's breakfasts over the last 60 days. The household's dishes are
// written by name; the picker also keeps the catalogue dish they came from, given here once.
void BM_OftenEaten(benchmark::State &state)
{
    G_DB().exec(QStringLiteral("UPDATE 摂取料理 SET 料理名ID = (SELECT 料理名ID FROM 料理名 WHERE 料理名.料理名 = 摂取料理.料理名) "
                               "WHERE 料理名ID IS NULL"));
    for (auto _ : state) {
        if (oftenEaten(G_DB(), g_person, QStringLiteral("朝食"), kLast).isEmpty())
            state.SkipWithError("no often-eaten dish");
    }
}

// The last day's 12 dishes onto the spare day; the copy is taken away again untimed.
void BM_CopyDay(benchmark::State &state)
{
    QList<qint64> ids;
    for (const DishName &d : dishNames(G_DB(), g_lastKK))
        ids << d.serId;
    for (auto _ : state) {
        benchmark::DoNotOptimize(copyDishes(G_DB(), g_spareKK, ids));
        state.PauseTiming();
        G_DB().exec(QStringLiteral("DELETE FROM 摂取料理 WHERE 健康状態管理ID = ?"), {g_spareKK});
        state.ResumeTiming();
    }
}

// The copy must carry every dish and food, and the detail table agree with the diagnosis.
bool sane()
{
    QList<qint64> ids;
    for (const DishName &d : dishNames(G_DB(), g_lastKK))
        ids << d.serId;
    copyDishes(G_DB(), g_spareKK, ids);
    const auto count = [](const char *table, qint64 kk) {
        return G_DB()
            .scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE 健康状態管理ID = ?").arg(QString::fromUtf8(table)), {kk})
            .toLongLong();
    };
    const bool copied = ids.size() == 4 * kDishesPerMeal && count("摂取料理", g_spareKK) == ids.size()
        && count("摂取食品", g_spareKK) == count("摂取食品", g_lastKK);
    G_DB().exec(QStringLiteral("DELETE FROM 摂取料理 WHERE 健康状態管理ID = ?"), {g_spareKK});
    SessyuryouHyou day;
    Sessyuryou_Keisan(g_lastKK, day);
    const SeibunHyou t = Seibun_Day(g_lastKK);
    const double total = Val(t.rows[0].last().at(5));
    return copied && std::abs(total - day.Ryou[5][0]) <= 0.01 * t.rows[0].size();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    bench::CommandLine args = bench::readCommandLine(argc, argv, QStringLiteral(MIRTE_DECADE_DB));
    g_seed = args.seed;
    g_path = args.db;
    int n = args.restCount();
    benchmark::Initialize(&n, args.rest.data());
    Syoki_Settei();
    // No message may wait for a click during the run.
    setMsgBoxHandler([](const MsgBoxRequest &r) {
        std::fprintf(stderr, "message: %s\n", qPrintable(r.prompt));
        return int(vbOK);
    });
    try {
        bool reuse = false;
        if (QFileInfo::exists(g_path)) {
            G_DB().open(g_path);
            reuse = complete();
            G_DB().close();
        }
        if (!reuse) {
            std::printf("Building ten years of a household from %s into %s ...\n", qPrintable(g_seed),
                        qPrintable(g_path));
            std::fflush(stdout);
            buildHousehold(g_path);
        }
        QElapsedTimer t;
        t.start();
        openHouseholdDatabase(g_path, g_seed);
        std::printf("First open of the file: %lld ms\n", t.elapsed());
        g_person = MainUser_Get(G_DB());
        g_lastKK = G_DB()
                       .scalar(QStringLiteral("SELECT 健康状態管理ID FROM 健康状態管理 WHERE 氏名ID = ? AND 日付 = ?"),
                               {g_person, dateParam(kLast)})
                       .toLongLong();
        // The spare day is the second person's last day, built empty.
        g_spareKK = G_DB()
                        .scalar(QStringLiteral("SELECT 健康状態管理ID FROM 健康状態管理 WHERE 氏名ID <> ? AND 日付 = ? "
                                               "ORDER BY 氏名ID LIMIT 1"),
                                {g_person, dateParam(kLast)})
                        .toLongLong();
        if (!g_lastKK || !g_spareKK || !Syoyouryou_Set(50, 100, 2, 1, 62, 170, QStringLiteral("健康")))
            return 1;
        if (!sane()) {
            std::fprintf(stderr, "The copy, the detail table or the diagnosis of the last day is wrong.\n");
            return 1;
        }
    } catch (const DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    const qint64 bytes = QFileInfo(g_path).size();
    std::printf("Household file: %.1f MB (goal under 300 MB); start-up check %s (limit %lld MB)\n",
                bytes / 1048576.0, bytes <= kStartupCheckLimit ? "runs" : "skipped",
                kStartupCheckLimit / 1048576);
    for (const char *t : {"健康状態管理", "摂取料理", "摂取食品", "運動時間"})
        std::printf("  %s: %lld rows\n", t,
                    G_DB().scalar(QStringLiteral("SELECT count(*) FROM ") + QString::fromUtf8(t)).toLongLong());
    std::fflush(stdout);

    for (auto [name, fn] : std::initializer_list<std::pair<const char *, void (*)(benchmark::State &)>>{
             {"OpenHousehold", BM_OpenHousehold},
             {"QuickCheck", BM_QuickCheck},
             {"Menu", BM_Menu},
             {"DayWindow_LastDay", BM_DayWindow_LastDay},
             {"PastRecords", BM_PastRecords},
             {"MealDiagnosis", BM_MealDiagnosis},
             {"NutrientDetail", BM_NutrientDetail},
             {"ItemSeries_26Weeks", BM_ItemSeries_26Weeks},
             {"CopyDay", BM_CopyDay},
             {"ReadingSearch", BM_ReadingSearch},
             {"OftenEaten", BM_OftenEaten}})
        benchmark::RegisterBenchmark(name, fn)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.2)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
    benchmark::RunSpecifiedBenchmarks();
    G_DB().close();
    return 0;
}
