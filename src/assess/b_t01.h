#pragma once
// Dietary standard of a person on a day, the energy spent on a day, and the trend series.

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <array>

namespace mirte {

// ---- dietary standard ----

// One judged nutrient (index 0..24 of G_Eiyou_Mei).
struct SyoyouryouEntry {
    double Syoyouryou = 0, Mokuhyou = 0, Jougen = 0, Kagen = 0;
    bool Mokuhyou_Flg = false;
};

// The standard of the current person and day; Jougen/Kagen of 0 mean "no reference".
extern std::array<SyoyouryouEntry, 25> G_Syoyouryou;
// Header texts of the standard table.
extern QString G_Hyo_Nenrei, G_Hyo_Seibetu, G_Hyo_Kyoudo, G_Hyo_Kenkou, G_Hyo_Sintyou, G_Hyo_Taijuu;

// Fills every field of G_Syoyouryou but the personal targets, and the header texts.
// A missing 標準所要量 row is reported, leaves the table as it was and returns false, so that
// no window judges against the previous person's standard. Database errors are thrown as DbError.
bool Syoyouryou_Set(int age, int days, int kyoudo, int sex, double weight, double height,
                    const QString &kenkou);

// Copies the person's own targets and their switches into G_Syoyouryou. Throws DbError.
void Kojin_Settei_Get(qint64 simeiId);

// The standard of one nutrient for a stored day (a 健康状態管理 row); 0 where there is none.
// Reports its own errors (database errors included) and then returns 0.
double Syoyouryou_Get(const QString &name, int age, int days, int sex, const QVariantMap &kkRecord);

// The reference 100 % of nutrient i (0..24): the own target when switched on, else the standard.
double Syoyouryou_Kijun(int i);

// ---- energy spent on a day ----

enum class SyouhiStatus {
    Ok,
    Infant,          // under one year: not computed
    KatudouMissing,  // an activity's エネルギー消費量 row is gone
    KisoMissing,     // no 基礎代謝基準値 row for the age key and sex
};

struct SyouhiEnergy {
    SyouhiStatus status = SyouhiStatus::Ok;
    bool over24 = false;             // the activities add up to more than a day: no rest share
    double katudouSisuu = 0;         // activity index X
    double kisoTaisya = 0;           // basal metabolism B (with the factor chosen by X)
    double katudouTaisyaRyou = 0;    // activity metabolism X × B
    double enSyouhiRyou = 0;         // 10/9 × B × (X + 1)
    double kirokuJikan = 0;          // the recorded activities' time, in days
    bool ok() const { return status == SyouhiStatus::Ok; }
};

// The 基礎代謝基準値 age key of an age in whole years (1..19, 20, 30, ... 80).
int Kiso_Nenrei(int age);
// The factor applied to the basal metabolism for ages 14 and over, chosen by X.
double Kiso_Keisuu(int age, double x);
// The activity index from activities given as (エネルギー代謝率, duration in days).
// Sets over24 when the durations exceed one day.
double Katudou_Sisuu(const QList<QPair<double, double>> &activities, bool *over24 = nullptr);

// Energy spent on the day kkId by a person of `age` years, sex code `sex`, weight in kg.
// Shows no message: the caller decides what to say about the status and over24.
// Database errors are thrown as DbError.
SyouhiEnergy Syouhi_Energy_Keisan(qint64 kkId, int age, int sex, double weight);

// ---- trend series ----

// Series table: row 0 holds the point labels, rows 1..3 a series each (cell 0 its name).
template <int N>
struct TouHyou {
    static constexpr int Cells = N;
    std::array<QString, N> Label{};                  // row 0, cells 1..N-1
    std::array<QString, 4> Mei{};                    // cell 0 of rows 1..3
    std::array<std::array<double, N>, 4> Value{};    // rows 1..3, cells 1..N-1
    // Days with a record behind each cell (0: none). A 0 value says nothing by itself:
    // 0 steps is a real value, a day nobody recorded is no value at all.
    std::array<int, N> Kensuu{};
    bool Ari(int col) const { return col > 0 && col < N && Kensuu[col] > 0; }
    // The table as cells: labels and names as text, values as numbers.
    QVariant cell(int row, int col) const
    {
        if (row < 0 || row > 3 || col < 0 || col >= N)
            return {};
        if (row == 0)
            return col == 0 ? QVariant() : QVariant(Label[col]);
        if (col == 0)
            return Mei[row];
        return Value[row][col];
    }
};

// The same table over a period of any length: cells 1..points() of every row.
struct TouKikan {
    QDate Start, End;            // first and last day covered
    int Step = 1;                // 1: one point a day; 7: weekly averages
    QStringList Label;           // row 0; index 0 unused
    std::array<QString, 4> Mei{};
    std::array<QList<double>, 4> Value{};
    QList<int> Kensuu;           // days with a record behind each cell
    int points() const { return int(Label.size()) - 1; }
    bool Ari(int col) const { return col > 0 && col < Kensuu.size() && Kensuu[col] > 0; }
    QVariant cell(int row, int col) const
    {
        if (row < 0 || row > 3 || col < 0 || col >= Label.size())
            return {};
        if (row == 0)
            return col == 0 ? QVariant() : QVariant(Label[col]);
        if (col == 0)
            return Mei[row];
        return Value[row][col];
    }
};

extern QDate G_Tou_Start;                       // first day of the period
extern std::array<QString, 2> G_Tou_Koumoku_Sitei; // names of the two chosen items
extern QStringList G_Tou_Koumoku;               // 11 health items (0 = none)
extern QStringList G_Tou_Tani;                  // their units
extern TouHyou<32> G_Tou_Tuki;                  // 31 days
extern TouHyou<27> G_Tou_Hantosi;               // 26 weekly averages
extern std::array<QString, 3> G_Tou_Tani_Sitei; // units of rows 1..3

// Fills G_Tou_Koumoku and G_Tou_Tani.
void Tou_Koumoku_Settei();

// Each returns true when the whole period was computed; a stop is reported by a message
// and leaves the cells computed so far (later cells hold 0). Database errors are thrown.
bool Energy_Tuki_Set();
bool Energy_Hantosi_Set();
// Item codes: -1/0 none, 1..10 G_Tou_Koumoku, 11..46 nutrients 0..35 of G_Eiyou_Mei.
bool Koumoku_Tuki_Set(int koumoku1, int koumoku2);
bool Koumoku_Hantosi_Set(int koumoku1, int koumoku2);

// ---- a period of the user's choice ----

inline constexpr int kTouKikanMaxDays = 731; // up to two years
inline constexpr int kTouHibiMaxDays = 92;   // one point a day up to about three months
// The step of a period from..to (both included): 1 (days) up to kTouHibiMaxDays days, 7 (weekly
// averages, the last week cut at `to`) up to kTouKikanMaxDays; 0 for an empty or longer period.
int Tou_Kikan_Step(const QDate &from, const QDate &to);
extern TouKikan G_Tou_Kikan;
// Fill G_Tou_Kikan and G_Tou_Tani_Sitei for G_Simei_ID, by the same day rules as above.
// An unusable period ("期間を確認してください。") computes nothing and returns false.
bool Energy_Kikan_Set(const QDate &from, const QDate &to);
bool Koumoku_Kikan_Set(const QDate &from, const QDate &to, int koumoku1, int koumoku2);

} // namespace mirte
