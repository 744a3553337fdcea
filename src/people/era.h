#pragma once
// Japanese era dates for the birth-date input, and the reading of typed year/month/day boxes.
// Qt has no Japanese calendar, so the era boundaries are a table of ours.

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace mirte {

struct Era {
    QChar letter;   // M, T, S, H, R
    QString name;   // "明治" ...
    QDate start;    // first day of the era (Gregorian)
};

// The eras in order, oldest first. 明治 starts on 1868-01-25, the Gregorian date of
// 明治元年1月1日: the era was applied to the whole of that year.
const QList<Era> &Eras();

// Index into Eras() for a letter (case-insensitive), or -1.
int eraIndex(QChar letter);

// The Gregorian date of era year/month/day, or an invalid date when the day does not exist
// or lies outside the era (平成1年1月7日 was still 昭和).
QDate eraToDate(int era, int eraYear, int month, int day);
// The same from the texts of the boxes (digits, full-width digits allowed, blanks trimmed).
QDate eraToDate(int era, const QString &year, const QString &month, const QString &day);

struct EraDate {
    int era = -1;
    int year = 0;
    int month = 0;
    int day = 0;
};

// The era form of a date; nothing before the first era.
std::optional<EraDate> dateToEra(const QDate &date);

// Reads year, month and day boxes as one date. A year of one or two digits is taken as
// 1930..2029 (00-29 -> 20xx, 30-99 -> 19xx); otherwise the year as written.
// Anything that is not a whole positive number, or no real day, gives an invalid date.
QDate readYmd(const QString &year, const QString &month, const QString &day);

} // namespace mirte
