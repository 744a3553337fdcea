#pragma once
// The day's health record without any window: the stored row, the texts of the entry
// fields, the conversions between them, the change check and the table access.

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

#include "b_01.h"

namespace mirte {

class Database;

// One row of 健康状態管理. Optional numbers are empty when the column holds NULL.
struct KenkouRow {
    qint64 id = 0;      // 健康状態管理ID
    qint64 simeiId = 0; // 氏名ID
    QDate hiduke;       // 日付
    std::optional<double> sintyou, taijuu;
    QString kenkou;      // 健康状態
    int kyoudo = 0;      // 生活強度 1..4
    std::optional<double> ketuatuSita, ketuatuUe, taion, taisibou, kettouti, sinpaku, hosuu,
        undouryou;
    QString bikou;
};

// The texts of the entry fields, as the user sees them.
struct KenkouForm {
    QString year, month, day; // Text3(0..2)
    QString sintyou;          // Text5
    QString taijuu;           // Text6
    QString kenkou;           // Combo2 text
    int kyoudoIndex = 1;      // Combo1 position (0 = 軽い)
    QString ketuatuSita;      // Text7(0)
    QString ketuatuUe;        // Text7(1)
    QString taion;            // Text8
    QString taisibou;         // Text9
    QString kettouti;         // Text10
    QString sinpaku;          // Text11
    QString hosuu;            // Text1
    QString undouryou;        // Text2
    QString bikou;            // Text12
};

// The health states of the combo, in list order.
const QStringList &kenkouJoutai();

// The states that can apply to a person: pregnancy and lactation only to a woman of an age to
// bear a child (12 to 59 years); everyone else is offered 健康 alone.
QStringList kenkouChoices(int sex, int age);
bool kenkouAllowed(const QString &state, int sex, int age);
// "妊娠前半期" and the like for a person who cannot be in that state.
QString kenkouNotAllowedMessage();

// The date the three boxes form, or an invalid date when they form none.
QDate formDate(const QString &year, const QString &month, const QString &day);

// A stored number as plain text ("170", "65.5", "0"); empty for NULL.
QString numberText(const std::optional<double> &value);

// An optional measure as its box shows it: 0 is "not measured" and shows as an empty box.
QString measureText(const std::optional<double> &value);

// Rs_Data_Set: the fields for a stored row. With partial set only height, weight and the
// two combos carry over; the other boxes are cleared. The date boxes are left as they are.
void formFromRow(KenkouForm &form, const KenkouRow &row, bool partial);

// Space_Data_Set: every box cleared, 健康 and 普通 chosen.
void clearForm(KenkouForm &form);

// The row to store for the fields: every number by its leading numeric part (empty gives 0).
KenkouRow rowFromForm(const KenkouForm &form, qint64 simeiId, const QDate &day);

// The first box whose number no person can have (a blank or 0 in an optional box is "not
// measured"), or nothing when every box may be stored.
std::optional<KenkouKoumoku> kenkouOutOfRange(const KenkouForm &form);

// True when both blood pressures are given and the lower one is above the upper: typed the
// Japanese way round (上/下), they would be stored reversed.
bool ketuatuReversed(const KenkouForm &form);
QString ketuatuOrderMessage();

// True when the two forms hold the same entries, the day aside (numbers by value).
bool sameFields(const KenkouForm &a, const KenkouForm &b);

// Henkou_Check: true when the fields differ from the current row, or, without a current row,
// when anything but height, weight and the combos was typed or the day is not today.
bool henkouCheck(const KenkouForm &form, const KenkouRow *current, const QDate &today);

// Date texts of the window.
QString youbiText(const QDate &d);      // "（月）"
QString longDateText(const QDate &d);   // "2001年1月5日"
QString slashDateText(const QDate &d);  // "2001/01/05"
// 変更 on a row whose day was retyped: the row moves, with the day's meals and activities.
QString redateQuestion(const QDate &from, const QDate &to);
QString dayHyoujiText(const QString &year, const QString &month, const QString &day,
                      const QString &youbi); // "日付 ： 2001年1月5日（金）"

// ---- table access ----
// The person's rows in ascending date.
QList<KenkouRow> loadKenkouRows(const Database &db, qint64 simeiId);
// The same a page at a time: rows [first, first + count) of that order, and how many there are.
int countKenkouRows(const Database &db, qint64 simeiId);
QList<KenkouRow> loadKenkouRowsPage(const Database &db, qint64 simeiId, int first, int count);
// Where the row kkId of the person stands in that order; -1 when it is not the person's.
int kenkouRowIndex(const Database &db, qint64 simeiId, qint64 kkId);
std::optional<KenkouRow> loadKenkouRow(const Database &db, qint64 id);
// The id of the person's row on that day other than excludeId, or 0.
qint64 findKenkouDay(const Database &db, qint64 simeiId, const QDate &day, qint64 excludeId = 0);
qint64 insertKenkouRow(Database &db, const KenkouRow &row);
void updateKenkouRow(Database &db, const KenkouRow &row);
// Removes the day with its eaten dishes, foods and activities.
void deleteKenkouRow(Database &db, qint64 id);

} // namespace mirte
