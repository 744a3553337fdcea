#pragma once
// Judging a day's meals: intake rates per meal kind, the graph tables, the advice text,
// the standard table, the full intake table and the per-dish rates.

#include "b_01.h"
#include "b_sessyu.h"
#include "b_t01.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>

namespace mirte {

using SyoyouryouHyou = std::array<SyoyouryouEntry, kJudgedCount>;

// The rate that stands for "no reference to divide by".
inline constexpr double kRituNashi = 999;

// intake ÷ reference × 100; a reference of 0 gives 999.
double Sessyu_Ritu(double intake, double reference);

// A graph's data table: row 0 holds the nutrient names in cells 1..n, rows 1.. a series each
// with its label in cell 0 and its values in cells 1..n.
struct GraphHyou {
    QStringList names;          // row 0, cells 1..n
    QStringList labels;         // cell 0 of rows 1..
    QList<QList<double>> values; // [row - 1][cell - 1]

    int rows() const { return int(labels.size()) + 1; }
    int cells() const { return int(names.size()) + 1; }
    QVariant cell(int row, int col) const;
    // Every cell followed by TAB, every row by CR LF, as a spreadsheet pastes it.
    QString text() const;
};

// The two graphs of nutrients 0..13 and 14..24.
inline constexpr int kGraph1First = 0, kGraph1Count = 14;
inline constexpr int kGraph2First = 14, kGraph2Count = 11;

struct SindanKekka {
    GraphHyou gr1, gr2;
    bool mokuhyouUsed = false;  // some shown nutrient is measured against the own target
    // The day rate of nutrient i (0..24): the sum of the four meal rates.
    double dayRitu(int i) const;
};

// The meal rates of a filled day table against the standard: own target where switched on.
SindanKekka Sindan_Keisan(const SessyuryouHyou &day, const SyoyouryouHyou &std);

// ---- advice ----
// Where a day rate stands against the day's lower and upper references.
enum class Hantei { Tekisei, Fusoku, Kajou };
// The advice's rule: below the lower reference is a shortage, above the upper one an excess;
// a reference of 0 (or no standard) judges nothing.
bool Ritu_Fusoku(double ritu, const SyoyouryouEntry &e);
bool Ritu_Kajou(double ritu, const SyoyouryouEntry &e);
Hantei Ritu_Hantei(double ritu, const SyoyouryouEntry &e);
// Shortage and excess texts of nutrient i, lines separated by CR LF.
QString Fusoku_Text(int i);
QString Kajou_Text(int i);
// The whole advice for a day: shortages, excesses and the closing remark.
QString Advice_Text(const SindanKekka &k, const SyoyouryouHyou &std);

// ---- tables ----
// Rows of the standard table: name, standard, target ("" when not switched on), unit.
QList<QStringList> Hyoujun_Rows(const SyoyouryouHyou &std);
// Rows of the full intake table: name, four meals, total ("######0.00"), unit; 103 rows.
QList<QStringList> Sessyu_Zen_Rows(const SessyuryouHyou &day);
// The same table for a spreadsheet: a header row, then one record per nutrient with the day
// (yyyy-MM-dd), the name, the unit, the four meals of G_Syokuji_Kubun and the total, as plain
// numbers with up to four decimals.
QList<QStringList> Sessyu_Csv_Records(const SessyuryouHyou &day, const QDate &date);
// The per-dish graph table of nutrients first..first+count-1 against the standard only.
GraphHyou Ryouri_Graph(const std::array<double, kEiyouCount> &dish, const SyoyouryouHyou &std,
                       int first, int count);

// The meal-kind labels of the graph rows and their legend texts.
QStringList Syokuji_Ryaku();

} // namespace mirte
