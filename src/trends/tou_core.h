#pragma once
// What the trend windows compute: the period and the dates typed, the drawing of a series
// table (which rows, which axis, which colour), the person's own target, the click read-out,
// the means over the points with data, the scale dialog's checks and the text copy.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace mirte {

// The period the set-up window asked for: 31 days, 26 weeks, or from..to of the user's choice.
enum class TouKikanSyu { Tuki, Hantosi, Kikan };

// The series table in use, in one shape whatever its length; points are numbered from 1.
struct TouData {
    int points = 0;
    QStringList labels;                   // [point - 1]
    std::array<QString, 4> mei{};         // rows 1..3
    std::array<QList<double>, 4> values{};// rows 1..3, [point - 1]
    QList<int> kensuu;                    // days with a record, [point - 1]
    std::array<QString, 3> tani{};        // units of rows 1..3
    bool ari(int point) const { return point >= 1 && point <= kensuu.size() && kensuu[point - 1] > 0; }
    double value(int row, int point) const { return values[row].value(point - 1); }
};
// The table the routines filled for that period, with G_Tou_Tani_Sitei.
TouData Tou_Data(TouKikanSyu syu);

// One drawn line: its row of the table, its value axis and its colour code.
struct TouSet {
    int row = 0;
    bool right = false;
    int color = 0;
};
struct TouZu {
    QList<TouSet> sets;  // set number = index + 1
    int leftCount = 0;   // sets drawn against the left axis, as the read-out counts them
    QString message;     // not empty: nothing to draw, say this
    bool ok() const { return message.isEmpty(); }
};
// The energy graph, or the item graph decided by which names of rows 1..3 are empty.
TouZu Tou_Zu(const TouData &data, bool energy);

// The switch column of a person's own target for an item ("" when the item has none).
QString Mokuhyou_Flg_Column(const QString &item);
// The person's own target for an item when its switch is on. Database errors are thrown.
std::optional<double> Mokuhyou_Get(qint64 simeiId, const QString &item);

// The mean of a row over the points with a record (nullopt when there are none).
std::optional<double> Tou_Heikin(const TouData &data, int row);

// The read-out of a clicked point: "0.0#" + " ( " + unit + " ) ".
QString Tou_Yomidasi(const TouZu &zu, const TouData &data, int set, int point);

// The table as text: every cell followed by a tab, every row by CR LF (days without a
// record hold their 0, as the table does).
QString Tou_Text(TouKikanSyu syu);

// The table for a spreadsheet: one record a point, under a header with the units. A daily
// series has 日付; a weekly one 開始日, 終了日 and the days with a record behind the mean.
// Dates are YYYY-MM-DD; a point without a record, and a health item not measured (0), is empty.
QList<QStringList> Tou_Csv_Records(TouKikanSyu syu);

// Every day the person has a record of, oldest first (the calendar marks them).
QList<QDate> Tou_Kiroku_Bi(qint64 simeiId);

// A date from the year, month and day boxes; invalid when they do not make one (2003/2/30).
QDate Tou_Hiduke(const QString &year, const QString &month, const QString &day);
// How a chosen period is drawn, for the set-up window ("１日ごと　３１点"); "" when unusable.
QString Tou_Kikan_Setumei(const QDate &from, const QDate &to);

// The scale dialog's check of its four boxes (upper, lower, lines, ticks).
struct TouSyudou {
    QString message;               // not empty: refused, say this
    int focus = -1;                // the box to go back to
    std::array<QString, 4> texts{};// the boxes rewritten ("0.00", whole numbers)
    double upper = 0, lower = 0;
    int lines = 0, ticks = 0;
    bool ok() const { return message.isEmpty(); }
};
inline constexpr int kTouSyudouMaxLines = 100;
// No item's series comes near this; a limit beyond it is a typing slip (1e308 would fill the
// box with 300 digits and the axis with nothing to see).
inline constexpr double kTouSyudouMaxAbs = 1000000;
TouSyudou Tou_Syudou_Check(const std::array<QString, 4> &texts);

} // namespace mirte
