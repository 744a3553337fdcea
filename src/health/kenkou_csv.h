#pragma once
// A person's days as a table for the doctor or a spreadsheet.

#include "kenkou_core.h"

#include <QDate>
#include <QList>
#include <QStringList>

namespace mirte {

// The header row (names with their units) and one record per day from `from` to `to` inclusive,
// oldest first. Dates as yyyy-MM-dd; a box left empty (kept as 0 or nothing) is an empty cell.
// kyoudoNames are the names of the activity levels 1..4.
QList<QStringList> kenkouCsvRecords(const QList<KenkouRow> &rows, const QDate &from, const QDate &to,
                                    const QStringList &kyoudoNames);

} // namespace mirte
