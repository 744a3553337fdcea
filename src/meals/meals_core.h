#pragma once
// The meals of a day without windows: the day's eaten dishes, adding a catalogue dish with its
// recipe scaled, the foods of an eaten dish, renaming, and copying dishes from another day.
// Every write of several rows is one transaction.

#include "database.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace mirte {

// ---- entered numbers ----

// Servings as typed in the picker: a whole number text (blanks and full-width digits allowed)
// that is positive, finite and at most kMaxServings. Anything else is refused.
inline constexpr double kMaxServings = 100.0;
std::optional<double> parseServings(const QString &text);
// Servings in the format the picker shows them ("0.0").
QString servingsText(double servings);

// A food's quantity in grams: the leading number of the text ("120g" is 120; a text without one
// is 0). Refused when the number is negative, not finite or above kMaxGrams.
inline constexpr double kMaxGrams = 10000.0;
std::optional<double> parseQuantity(const QString &text);
// The number written back into the quantity box.
QString quantityText(double grams);

// ---- the day's eaten dishes ----

// SELECT * of the day's 摂取料理 rows in entry order (the grid relies on the column order).
ResultSet dayDishes(const Database &db, qint64 kkId);
// Removes an eaten dish; its foods go with it. False when it did not exist.
bool deleteEatenDish(Database &db, qint64 serId);

// ---- the dish picker ----

// "（全分類）" (id 0) and then every category by name.
struct Category {
    qint64 id = 0;
    QString name;
};
QString allCategoriesText();
QList<Category> categories(const Database &db);

// The catalogue as the picker lists it: 料理分類, 料理名, 料理分類ID, 料理名ID, ordered by
// category name and dish name. categoryId 0 lists every category. The search text matches
// anywhere in the dish name, literally, and folded like the composition search keys (かれー
// finds カレーライス); an empty text matches every dish.
ResultSet catalogue(const Database &db, qint64 categoryId, const QString &search);

// Copies a catalogue dish with every recipe food, its quantity times the servings, into the
// day. Returns the new 摂取料理ID. All rows or none are written.
qint64 addCatalogueDish(Database &db, qint64 kkId, qint64 ryouriId, const QString &name,
                        const QString &kubun, double servings);

// What a family eats every day: the person's catalogue dishes of a meal kind eaten most often in
// the days up to `today` (the last `days` days), the most recent first among equals.
struct OftenEaten {
    qint64 ryouriId = 0;
    QString name;
    int times = 0;
    QDate last;
};
inline constexpr int kOftenDays = 60;
QList<OftenEaten> oftenEaten(const Database &db, qint64 simeiId, const QString &kubun, const QDate &today,
                             int days = kOftenDays, int limit = 12);

// The grams of a food's serving guide ("1個＝300g（正味255g）" gives the edible 255, "茶碗1杯＝150g"
// 150); nothing when the guide gives none.
std::optional<double> guideGrams(const QString &guide);
// A single food as a dish of its own (an apple, a glass of milk): named after the food, with the
// grams of its serving guide, else 100 g. Returns the new 摂取料理ID; throws DbError when the
// food does not exist.
qint64 addSingleFood(Database &db, qint64 kkId, qint64 seiId, const QString &kubun);
QString singleFoodName(const QString &name, const QString &saibun);

// The household's own category, where dishes registered from a day go when they came from no
// catalogue dish.
QString ownCategoryText();
// An eaten dish, with its foods as they were eaten (per serving), becomes a catalogue dish named
// `name` (the household's own), in the category of the dish it was taken from, else the household's own
// category. Returns the new 料理名ID; 0 when the name is taken or the dish is gone.
qint64 registerEatenDish(Database &db, qint64 serId, const QString &name);

// Moves several eaten dishes to another meal kind at once. Returns how many moved.
int moveEatenDishes(Database &db, const QList<qint64> &serIds, const QString &kubun);

// ---- the foods of an eaten dish ----

// The foods of an eaten dish with their names and cooking methods (an inner join: a food whose
// composition row or cooking method is missing is not listed). Columns: 食品名, 細分, 分量,
// 調理法, 摂取食品ID, 成分表ID, 調理法ID, 摂取料理ID, 食品群, 分量目安.
ResultSet dishFoods(const Database &db, qint64 serId);
// The cooking methods (SELECT * FROM 調理法).
ResultSet cookingMethods(const Database &db);

bool eatenFoodExists(const Database &db, qint64 sesId);
qint64 addEatenFood(Database &db, qint64 kkId, qint64 serId, qint64 seiId, int tyouriId,
                    double grams);
// False when the food row no longer exists.
bool updateEatenFood(Database &db, qint64 sesId, qint64 seiId, int tyouriId, double grams);
bool deleteEatenFood(Database &db, qint64 sesId);

// Renames an eaten dish and moves it to a meal kind. False when the dish no longer exists.
bool renameEatenDish(Database &db, qint64 serId, const QString &name, const QString &kubun);

// ---- copying from another day ----

struct Person {
    qint64 id = 0;
    QString name;
};
QList<Person> persons(const Database &db);

struct RecordedDay {
    qint64 kkId = 0;
    QDate date;
};
inline constexpr int kCopyDays = 6;
// The person's most recent recorded days on or before `upTo`, newest first, at most `limit`.
QList<RecordedDay> recentDays(const Database &db, qint64 simeiId, const QDate &upTo,
                              int limit = kCopyDays);
// Every day of the person on which dishes were eaten, oldest first (the calendar marks them).
QList<QDate> daysWithDishes(const Database &db, qint64 simeiId);
// "yyyy年mm月dd日"
QString copyDayText(const QDate &d);

struct DishName {
    qint64 serId = 0;
    QString name;
    QString kubun; // 食事区分
};
// The dishes of a recorded day in meal order (朝食, 昼食, 夕食, その他), by name within a meal.
QList<DishName> dishNames(const Database &db, qint64 kkId);

// Copies each source dish (in the given order) with its foods onto the day `targetKK`;
// quantities as they stand. Returns the last new 摂取料理ID (0 when no source dish existed).
// All rows or none are written.
qint64 copyDishes(Database &db, qint64 targetKK, const QList<qint64> &sourceSerIds);

// The question before a copy.
QString copyQuestion(int checkedCount);

} // namespace mirte
