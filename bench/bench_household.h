#pragma once
// The household the benchmark programs measure on: a fresh copy of the seed, filled with days of
// records whose values come from a seeded generator, so that every run builds the same rows and
// the figures of one run can be set beside those of another.

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace mirte::bench {

// The seed database the build writes.
QString builtSeed();

// The options of the programs themselves; what is left goes on to Google Benchmark.
struct CommandLine {
    QString seed;            // --seed PATH, else the built seed
    QString db;              // --db PATH, else the default given
    std::vector<char *> rest; // argv[0] and the remaining arguments
    int restCount() const { return int(rest.size()); }
};
CommandLine readCommandLine(int argc, char **argv, const QString &defaultDb = QString());

// Replaces whatever lies at path with a writable copy of the seed and opens it as G_DB().
// Throws DbError.
void openSeedCopy(const QString &seed, const QString &path);

// A prepared insert on G_DB(); returns the new row's id. Throws DbError.
qint64 insertRow(const QString &sql, const QVariantList &values);
// The first column of every row, as ids.
QList<qint64> ids(const QString &sql);

// The reference rows the days draw their foods, activities and cooking methods from.
struct ReferenceIds {
    QList<qint64> foods, activities, methods;
};
ReferenceIds referenceIds();

// Random choices that repeat from run to run for the same seed.
class Picker {
public:
    explicit Picker(std::uint32_t seed) : m_rng(seed) {}
    qsizetype index(qsizetype count); // 0 .. count-1
    qint64 pick(const QList<qint64> &from) { return from.at(index(from.size())); }
    double real(double lo, double hi);
    int integer(int lo, int hi);

private:
    std::mt19937 m_rng;
};

// 個人データ: the three columns every person has, and any further ones.
struct Person {
    QString name;
    QDate birth;
    int sex = 1;
    QList<QPair<QString, QVariant>> more;
};
qint64 addPerson(const Person &p);

struct Served {
    QString name;
    QVariant serving; // 料理分量; null leaves the column to its default
};
struct Eaten {
    qint64 food = 0;
    qint64 method = 0;
    double grams = 0;
};
struct Activity {
    qint64 id = 0;
    double time = 0; // in days, as 運動時間.時間 holds it
};

// How a run of days is filled. Every day gets one 健康状態管理 row, then meals × dishesPerMeal
// dishes of foodsPerDish foods, then activitiesPerDay activities; the hooks give the values and
// are called in that order, so a generator behind them draws the same numbers every run.
struct DayPlan {
    QStringList meals; // the meal kinds, in order
    int dishesPerMeal = 3;
    int foodsPerDish = 5;
    int activitiesPerDay = 3;
    QStringList healthColumns; // of 健康状態管理 besides 氏名ID and 日付
    std::function<QVariantList(const QDate &day)> health;
    std::function<Served(int meal, int dish)> dish;
    std::function<Eaten(int food)> food;
    std::function<Activity(int activity)> activity;
};

// The days most programs fill: dishes named 料理 of foods drawn from the whole table with whole
// grams in lo .. hi and a drawn cooking method (or the first one), and drawn activities of 7.5,
// 1 and 0.5 hours. The health columns and values are left to the caller.
DayPlan randomDayPlan(Picker &rng, const ReferenceIds &ref, const QStringList &meals, double lo,
                      double hi, bool drawMethods = true);

struct FilledDays {
    QList<qint64> days; // the 健康状態管理 ids, first day first
    qint64 foods = 0;   // the 摂取食品 rows written
};

// Writes the days first .. first + count - 1 of the person. Runs in one transaction of its own,
// or inside the caller's when one is open (a whole household in one).
FilledDays fillDays(qint64 person, const QDate &first, int count, const DayPlan &plan);

} // namespace mirte::bench
