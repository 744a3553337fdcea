#pragma once
// The program's few settings (the folder last used for files, …), kept in the household file:
// the database is the one place the program keeps anything.

#include <QString>

namespace mirte {

class Database;

// The value stored under name; empty when none is (or the file predates the table).
QString Settei_Get(const Database &db, const QString &name);
void Settei_Set(Database &db, const QString &name, const QString &value);

} // namespace mirte
