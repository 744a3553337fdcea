#pragma once
// The quantity conversion: a weight before preparation to the edible weight, by the food's
// refuse rate (廃棄率, percent of the weight that is thrown away).

#include <QString>
#include <QtGlobal>

namespace mirte {

class Database;

struct HaikiRitu {
    bool found = false;   // false: no food (成分表ID 0 or unknown)
    double rate = 0;      // percent, 0 when no food
    QString name, saibun; // 食品名, 細分
};

// The refuse rate of a food. A rate outside 0..100 (only a household's own rows can hold one)
// counts as the nearest end, so that the edible part is never negative or more than bought.
HaikiRitu haikiRitu(const Database &db, qint64 seibunId);

// v × (100 − r) / 100, unrounded.
double kansanBunRyou(double input, double rate);

// The conversion takes numbers from 0 to kKansanMax grams (more is a typing slip, and 1e308 would
// write a 300-digit quantity into the caller's box).
inline constexpr double kKansanMax = 100000;
bool kansanInputValid(double input);
// The edible grams it gives must be a quantity the recipe and the day's foods accept.
inline constexpr double kKansanResultMax = 10000;
QString kansanTooMuchMessage();

// "20.0 ％", or "0 ％" when there is no food.
QString haikiRituText(const HaikiRitu &h);
// "対象の食品： " + name + "　" + sub-division, or "食品が選ばれていません。".
QString haikiStatusText(const HaikiRitu &h);

} // namespace mirte
