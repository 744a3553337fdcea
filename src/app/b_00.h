#pragma once
// Small shared routines: SQL text helpers, the main-user lookup, check-box conversions.

#include <QString>
#include <QVariant>

namespace mirte {

class Database;

// Doubles every apostrophe, for texts that still end up between quotes (LIKE patterns are
// bound as parameters, but search words keep this form for display and compatibility).
QString Apos_Double(const QString &in);

// The 氏名ID of the main user, or 0 when none is set or that person no longer exists.
qint64 MainUser_Get(const Database &db);

int Flg_To_Check(const QVariant &flag);
bool Check_To_Flg(int checkValue);

QString Str_Del(const QString &text, const QString &sub);
QString Str_DelAll(const QString &text, const QString &sub);

} // namespace mirte
