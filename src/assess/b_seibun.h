#pragma once
// The nutrient detail tables: every food of a day, of one eaten dish or of a catalogue dish,
// on three tables (main nutrients, fatty acids, amino acids) with subtotals and a total.

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace mirte {

inline constexpr int kSeibunGrids = 3;

// Column texts of table g (column 0 is the row-selector column, " ").
QStringList Seibun_Header(int g);
// The composition column each nutrient column of table 0 reads.
QStringList Seibun_Columns0();

struct SeibunHyou {
    // Data rows of each table (header not included); every row has the header's length.
    std::array<QList<QStringList>, kSeibunGrids> rows;
    // False when a food's 成分表 row was gone: the filling stopped there (after saying so).
    bool complete = true;
};

// Every eaten food of the day, grouped by dish with a "小計" after each dish, and "合計".
// Database errors are thrown as DbError.
SeibunHyou Seibun_Day(qint64 kkId);
// The foods of one eaten dish (摂取料理ID) and "合計".
SeibunHyou Seibun_Ryouri(qint64 serId, const QString &name);
// The ingredients of a catalogue dish (料理名ID, 材料) and "合計".
SeibunHyou Seibun_Master(qint64 ryouriId, const QString &name);

} // namespace mirte
