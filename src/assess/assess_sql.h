#pragma once
// Running a prepared statement of the assessment core; failures become DbError
// with the same number and text the database layer gives.

#include "database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace mirte::assess {

inline void execOrThrow(QSqlQuery &q)
{
    if (q.exec())
        return;
    const QSqlError e = q.lastError();
    bool ok = false;
    int number = e.nativeErrorCode().toInt(&ok);
    if (!ok)
        number = int(e.type()) + 3000;
    const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    q.finish();
    throw DbError(number, text);
}

} // namespace mirte::assess
