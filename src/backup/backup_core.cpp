#include "backup_core.h"

#include "database.h"
#include "refdata.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>

#include <cstdio>
#include <optional>
#include <sqlite3.h>

namespace mirte {

namespace {

// A read-only connection of its own, for looking into a copy without touching it.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString &path)
        : m_name(QStringLiteral("mirte-copy-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        m_open = db.open();
        if (!m_open)
            m_error = db.lastError().text();
    }
    ~ReadOnlyFile()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    // The first column of every row; nullopt when the statement fails.
    std::optional<QStringList> column(const QString &sql, const QVariantList &params = {}) const
    {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            return fail(q);
        for (const QVariant &p : params)
            q.addBindValue(p);
        if (!q.exec())
            return fail(q);
        QStringList out;
        while (q.next())
            out << q.value(0).toString();
        return out;
    }

private:
    std::optional<QStringList> fail(const QSqlQuery &q) const
    {
        m_error = q.lastError().databaseText();
        if (m_error.isEmpty())
            m_error = q.lastError().text();
        return std::nullopt;
    }

    QString m_name;
    mutable QString m_error;
    bool m_open = false;
};

sqlite3 *engineHandle(const QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(v.constData());
}

bool replaceFile(const QString &from, const QString &to)
{
    // rename() replaces the target in one step; QFile::rename would refuse an existing one.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

QString prefixOf(const QString &dbPath)
{
    return QFileInfo(dbPath).completeBaseName() + QLatin1Char('-');
}

} // namespace

void backupDatabase(Database &db, const QString &target)
{
    const QString part = target + QStringLiteral(".part");
    // What a copy cut short left (a program killed while copying): the engine would take an old
    // journal beside the new file for one of its own and roll the copy back with it.
    auto removePart = [&] {
        QFile::remove(part);
        QFile::remove(part + QStringLiteral("-journal"));
    };
    removePart();
    try {
        db.exec(QStringLiteral("VACUUM INTO ?"), {QDir::toNativeSeparators(part)});
    } catch (const DbError &) {
        removePart();
        throw;
    }
    QFile::remove(part + QStringLiteral("-journal"));
    if (!replaceFile(part, target)) {
        QFile::remove(part);
        throw DbError(3026, QStringLiteral("バックアップ '%1' を書き込めません。").arg(target));
    }
}

QString backupProblem(const QString &path, int maxReferenceVersion)
{
    const QFileInfo fi(path);
    if (!fi.exists() || !fi.isFile())
        return QStringLiteral("ファイル '%1' が見つかりません。").arg(path);
    {
        // The engine would take any file for a new, empty database; look at the header first.
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly) || !f.read(16).startsWith("SQLite format 3"))
            return QStringLiteral("'%1' はミルテのデータベースではありません。").arg(fi.fileName());
    }
    ReadOnlyFile file(path);
    if (!file.isOpen())
        return QStringLiteral("'%1' を開けません（%2）。").arg(fi.fileName(), file.error());
    const auto check = file.column(QStringLiteral("PRAGMA integrity_check(5)"));
    if (!check)
        return QStringLiteral("'%1' は壊れています（%2）。").arg(fi.fileName(), file.error());
    if (*check != QStringList{QStringLiteral("ok")})
        return QStringLiteral("'%1' は壊れています（%2）。").arg(fi.fileName(), check->join(QLatin1Char(' ')));
    const auto tables = file.column(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
    if (!tables)
        return QStringLiteral("'%1' を読めません（%2）。").arg(fi.fileName(), file.error());
    for (const QString &t : requiredTables()) {
        if (!tables->contains(t))
            return QStringLiteral("'%1' はミルテのデータベースではありません（テーブル '%2' がありません）。")
                .arg(fi.fileName(), t);
    }
    if (tables->contains(QStringLiteral("参照データ版"))) {
        const auto v = file.column(QStringLiteral("SELECT 版 FROM 参照データ版 WHERE 名称=?"),
                                   {referenceVersionName()});
        const int version = v && !v->isEmpty() ? v->first().toInt() : 0;
        if (version > maxReferenceVersion)
            return QStringLiteral("'%1' はこのミルテより新しい版で作られています。新しい版のミルテで復元してください。")
                .arg(fi.fileName());
    }
    return {};
}

RestoreResult restoreDatabase(Database &db, const QString &source, const QString &safetyDir)
{
    // The day's copy must not be read from the file while its pages are replaced.
    waitForDailyBackup();
    const QString path = db.path();
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(path).canonicalFilePath())
        throw DbError(3049, QStringLiteral("使用中のデータベースそのものは復元に使えません。"));
    const QString problem = backupProblem(source, referenceVersion(db));
    if (!problem.isEmpty())
        throw DbError(3049, problem);

    RestoreResult result;
    if (!QDir().mkpath(safetyDir))
        throw DbError(3026, QStringLiteral("フォルダ '%1' を作れません。").arg(safetyDir));
    result.safetyCopy = safetyDir + QLatin1Char('/') + QFileInfo(path).completeBaseName()
        + QStringLiteral("-復元前-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))
        + QStringLiteral(".db");
    backupDatabase(db, result.safetyCopy);

    // A fresh connection holds no statement of the windows, which would keep the engine from
    // writing every page.
    db.close();
    db.open(path);
    {
        ReadOnlyFile from(source);
        sqlite3 *src = from.isOpen() ? engineHandle(from.db()) : nullptr;
        sqlite3 *dst = engineHandle(db.connection());
        if (!src || !dst)
            throw DbError(3049, QStringLiteral("'%1' を開けません。").arg(source));
        sqlite3_backup *copy = sqlite3_backup_init(dst, "main", src, "main");
        if (!copy)
            throw DbError(sqlite3_errcode(dst), QString::fromUtf8(sqlite3_errmsg(dst)));
        // All pages in one step: one write transaction on the household file, kept whole or not at all.
        const int rc = sqlite3_backup_step(copy, -1);
        sqlite3_backup_finish(copy);
        if (rc != SQLITE_DONE)
            throw DbError(rc, QStringLiteral("復元できませんでした（%1）。データベースは元のままです。")
                                  .arg(QString::fromUtf8(sqlite3_errstr(rc))));
    }
    // The engine's cached schema belongs to the old content.
    db.close();
    db.open(path);
    return result;
}

QString dailyBackupDir(const QString &dbPath)
{
    return QFileInfo(dbPath).absolutePath() + QStringLiteral("/backup");
}

QString dailyBackupName(const QString &dbPath, const QDate &day)
{
    return prefixOf(dbPath) + day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".db");
}

QStringList dailyBackups(const QString &dir, const QString &dbPath)
{
    const QString prefix = prefixOf(dbPath);
    QStringList out;
    const QStringList names = QDir(dir).entryList({prefix + QStringLiteral("*.db")}, QDir::Files, QDir::Name);
    for (const QString &n : names) {
        // Only names of the form <base>-yyyyMMdd.db: the safety copies of a restore stay.
        const QString day = n.mid(prefix.size(), n.size() - prefix.size() - 3);
        if (day.size() == 8 && QDate::fromString(day, QStringLiteral("yyyyMMdd")).isValid())
            out << QDir(dir).filePath(n);
    }
    return out;
}

namespace {
QThread *&dailyThread()
{
    static QThread *t = nullptr;
    return t;
}
} // namespace

void startDailyBackup(const QString &dbPath, const QDate &today, int keep)
{
    waitForDailyBackup();
    QThread *t = QThread::create([dbPath, today, keep] {
        try {
            // A connection belongs to the thread that made it: this one lives and dies here.
            Database db(QStringLiteral("mirte-daily-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
            db.open(dbPath);
            makeDailyBackup(db, dailyBackupDir(dbPath), today, keep);
        } catch (const DbError &e) {
            qWarning("daily backup: %s", qPrintable(e.description()));
        }
    });
    dailyThread() = t;
    // The application's end waits for it too (a program left by a test or an early return).
    static const bool waits = (qAddPostRoutine(waitForDailyBackup), true);
    Q_UNUSED(waits);
    t->start(QThread::LowPriority);
}

void waitForDailyBackup()
{
    if (QThread *t = dailyThread()) {
        t->wait();
        delete t;
        dailyThread() = nullptr;
    }
}

QString makeDailyBackup(Database &db, const QString &dir, const QDate &today, int keep)
{
    const QString target = QDir(dir).filePath(dailyBackupName(db.path(), today));
    if (QFileInfo::exists(target))
        return {};
    if (!QDir().mkpath(dir))
        throw DbError(3026, QStringLiteral("フォルダ '%1' を作れません。").arg(dir));
    // Daily copies of earlier days cut short by the program's end are of no use now. Only names
    // of this file's daily copies: another household in the folder may be writing its own.
    const QString prefix = prefixOf(db.path());
    for (const QString &n : QDir(dir).entryList({prefix + QStringLiteral("*.db.part*")}, QDir::Files)) {
        const QString day = n.mid(prefix.size(), 8);
        const QString rest = n.mid(prefix.size() + 8);
        if (QDate::fromString(day, QStringLiteral("yyyyMMdd")).isValid()
            && (rest == QLatin1String(".db.part") || rest == QLatin1String(".db.part-journal")))
            QFile::remove(QDir(dir).filePath(n));
    }
    backupDatabase(db, target);
    QStringList all = dailyBackups(dir, db.path());
    while (all.size() > keep)
        QFile::remove(all.takeFirst());
    return target;
}

} // namespace mirte
