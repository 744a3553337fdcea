#include "settei.h"

#include "database.h"

namespace mirte {

namespace {
bool hasTable(const Database &db)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = '設定'"))
               .toInt()
        > 0;
}
} // namespace

QString Settei_Get(const Database &db, const QString &name)
{
    if (!db.isOpen() || !hasTable(db))
        return {};
    return db.scalar(QStringLiteral("SELECT 値 FROM 設定 WHERE 名称 = ?"), {name}).toString();
}

void Settei_Set(Database &db, const QString &name, const QString &value)
{
    if (!db.isOpen())
        return;
    // Files made before there were settings get the table on the first one.
    db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS 設定 (名称 TEXT PRIMARY KEY, 値 TEXT)"));
    db.exec(QStringLiteral("INSERT OR REPLACE INTO 設定 (名称, 値) VALUES (?, ?)"), {name, value});
}

} // namespace mirte
