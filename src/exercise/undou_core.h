#pragma once
// The day's activities: the list, the duration typed as hours and minutes, adding, changing
// and deleting rows of 運動時間, and the totals shown under the list.

#include "database.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace mirte {

// ---- lists ----

// The day's activities in the order they were entered; columns 運動時間ID, 健康状態管理ID,
// 運動名称, エネルギー消費量ID, 時間. One parameter: the 健康状態管理ID.
QString Undou_Ichiran_Sql();
// Every activity of the reference list, by name (the entry window's combo).
QString Undou_Meisyou_Sql();
// The picker's list: every activity whose name contains `text`, in table order. Hiragana,
// katakana, half- and full-width spellings find each other; an empty text lists them all.
// Quotes and wildcard characters are plain characters. Throws DbError.
ResultSet Undou_Kensaku(const QString &text);

// ---- durations ----

// A duration is stored as a fraction of one day, in whole minutes, under 24 hours.
inline constexpr int kMinutesPerDay = 1440;

struct JikanCheck {
    enum Result {
        Ok,
        NoActivity,  // "運動･動作名を選択してください。"
        Empty,       // "運動時間を入力してください。"
        Invalid,     // outside 0:00..23:59 or not whole numbers
    };
    Result result = Ok;
    int minutes = 0;   // the duration when Ok
    double days() const { return double(minutes) / kMinutesPerDay; }
};

// The checks of add and overwrite: the activity's bound value (below 1 is none), then the two
// boxes. One empty box counts as 0; a text that does not begin with a number counts as 0.
JikanCheck Jikan_Check(const QVariant &activityId, const QString &hours, const QString &minutes);
// The message of a refused check; add and overwrite word the invalid duration differently.
QString Jikan_Check_Message(JikanCheck::Result result, bool overwrite);

// A stored duration in whole minutes (nearest minute; stored values are whole minutes).
int Jikan_Fun(double days);
// "1：30": hours without a leading zero, a full-width colon, two-digit minutes.
QString Jikan_HNN(double days);
// "1:30:00", the form a duration is written in the detail table.
QString Jikan_HMS(double days);

// The sum of the durations as "計： 26 時間 5 分": whole days count 24 hours each.
QString Jikan_Kei_Text(const QList<double> &durations);

// ---- rows of 運動時間 ----

// Adds an activity to the day; returns the new 運動時間ID. Throws DbError.
qint64 Undou_Tuika(qint64 kkId, qint64 activityId, int minutes);
// Whether the row still exists (it may have gone with its day meanwhile). Throws DbError.
bool Undou_Aru(qint64 undouId);
// Overwrites a row; false when it no longer exists. Throws DbError.
bool Undou_Henkou(qint64 undouId, qint64 kkId, qint64 activityId, int minutes);
// Deletes a row. Throws DbError.
void Undou_Sakujo(qint64 undouId);

} // namespace mirte
