#pragma once
// Nutrient intake of a day, per meal kind and in total, and of one eaten dish.

#include "b_01.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QString>
#include <QVariant>
#include <array>

namespace mirte {

// The day's total of one 成分表 column (nutrients 0..35), 0 when nothing was eaten.
// Database errors are thrown as DbError.
double Sessyuryou_Get(qint64 kkId, const QString &column);

// The same total for every recorded day of a person in [from, to], by 健康状態管理ID
// (days without eaten foods are absent). Used by the trend series.
QHash<qint64, double> Sessyuryou_Kikan_Get(qint64 simeiId, const QDate &from, const QDate &to,
                                          const QString &column);
// The same for several columns in one pass; one table per column, in the order given.
QList<QHash<qint64, double>> Sessyuryou_Kikan_Get(qint64 simeiId, const QDate &from,
                                                 const QDate &to, const QStringList &columns);

inline constexpr int kSessyuRows = 6;

// Day intake table: row 0 the nutrient names, rows 1..4 the meal kinds of G_Syokuji_Kubun,
// row 5 the total; columns are nutrient indexes 0..102.
struct SessyuryouHyou {
    std::array<QString, kEiyouCount> Mei{};                          // row 0
    std::array<std::array<double, kEiyouCount>, kSessyuRows> Ryou{}; // rows 1..5 (row 0 unused)
    QVariant cell(int row, int col) const
    {
        if (row < 0 || row >= kSessyuRows || col < 0 || col >= kEiyouCount)
            return {};
        return row == 0 ? QVariant(Mei[col]) : QVariant(Ryou[row][col]);
    }
};

extern SessyuryouHyou G_Sessyuryou;
// Amounts of the eaten dish last computed by Ryouri_Sessyu_Set (index = nutrient index).
extern std::array<double, kEiyouCount> G_Ryouri_Sessyu;

// Fills `out` for the day kkId. An eaten food whose 成分表 row is gone shows
// "成分表のレコードが削除されています。" and stops with false; the rows then hold partial sums.
// Database errors are thrown as DbError.
bool Sessyuryou_Keisan(qint64 kkId, SessyuryouHyou &out);
// The same into G_Sessyuryou.
bool Sessyuryou_Set(qint64 kkId);

// The amounts of one eaten dish (摂取料理ID) by the same rules; same stop and errors.
bool Ryouri_Sessyu_Keisan(qint64 serId, std::array<double, kEiyouCount> &out);
// The same into G_Ryouri_Sessyu.
bool Ryouri_Sessyu_Set(qint64 serId);

} // namespace mirte
