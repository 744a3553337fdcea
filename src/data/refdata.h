#pragma once
// The read-only reference tables that ship with the program, and bringing an existing
// household database up to the shipped figures.

#include "database.h"

#include <QString>
#include <QStringList>

namespace mirte {

// Name of the row of 参照データ版 that says which shipped reference data a database holds.
QString referenceVersionName();

// The version a database holds; 0 when it has none.
int referenceVersion(const Database &db);
// The version of the reference data the seed file ships. Throws DbError.
int seedReferenceVersion(const QString &seedPath);

// The reference tables in the order they are filled (a table before the ones that point at it).
const QStringList &referenceTables();

// When the database holds older reference data than the seed, brings composition, amino-acid,
// fatty-acid, standards, basal-metabolism, activity and cooking-method tables up to the seed's
// figures in one transaction, row by row on their identifiers: changed rows are updated, new
// rows added, and rows the seed no longer has are deleted unless a record or recipe still uses
// them. Rows whose 配布元 is set and not 0 are the household's own and are left as they are.
// The dish catalogue and the household's records are never touched. Returns whether
// anything was written. Throws DbError on failure, leaving the database as it was.
bool refreshReferenceData(Database &user, const QString &seedPath);

// Copies the seed to a new database file; refuses (DbError) to overwrite an existing file.
void createFromSeed(const QString &seedPath, const QString &targetPath);

} // namespace mirte
