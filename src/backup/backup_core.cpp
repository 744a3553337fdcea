#include "backup_core.h"

#include "database.h"
#include "refdata.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>

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

// The engine's page check of an open file: empty when sound.
QString quickCheck(const Database &db)
{
    try {
        QStringList lines;
        for (const QVariantList &r : db.select(QStringLiteral("PRAGMA quick_check(5)")).rows)
            lines << r.value(0).toString();
        return lines == QStringList{QStringLiteral("ok")} ? QString() : lines.join(QLatin1Char(' '));
    } catch (const DbError &e) {
        // Only the engine's own word for damage counts as damage; busy or I/O is no verdict.
        if (e.number() == 11 || e.number() == 26)
            return e.description();
        throw;
    }
}

QMutex &reporterLock()
{
    static QMutex m;
    return m;
}

DailyBackupReporter &reporter()
{
    static DailyBackupReporter r;
    return r;
}
} // namespace

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa {}, sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 || ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

QString openFileTargetMessage()
{
    return QStringLiteral("使用中のデータベースには上書きできません。別の名前を指定してください。");
}

void backupDatabase(Database &db, const QString &target)
{
    // Through a symlinked folder, a hard link or a mount the target may be the open file itself:
    // replacing it would send every later change into a deleted file.
    if (sameFile(target, db.path()))
        throw DbError(3049, openFileTargetMessage());
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
    // The write-ahead log cannot take pages of another size: a sound copy made with another page
    // size would be refused as "readonly". Out of the log for the copy, back into it after.
    const bool wal = db.scalar(QStringLiteral("PRAGMA journal_mode")).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) == 0;
    db.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
    auto backToWal = [&] {
        if (wal)
            db.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    };
    try {
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
    } catch (const DbError &) {
        backToWal();
        throw;
    }
    // The engine's cached schema belongs to the old content.
    db.close();
    db.open(path);
    backToWal();
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
            // Files too large to check at start are checked here, beside the menu.
            makeDailyBackup(db, dailyBackupDir(dbPath), today, keep, QFileInfo(dbPath).size() > kDailyCheckFrom);
        } catch (const DbError &e) {
            qWarning("daily backup: %s", qPrintable(e.description()));
            const DailyBackupReport report = dailyBackupReport(e, dailyBackupDir(dbPath));
            QMutexLocker hold(&reporterLock());
            if (reporter() && QCoreApplication::instance())
                QMetaObject::invokeMethod(QCoreApplication::instance(), [r = reporter(), report] { r(report); },
                                          Qt::QueuedConnection);
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

QString makeDailyBackup(Database &db, const QString &dir, const QDate &today, int keep, bool checkSource)
{
    const QString target = QDir(dir).filePath(dailyBackupName(db.path(), today));
    if (QFileInfo::exists(target))
        return {};
    if (checkSource) {
        const QString problem = quickCheck(db);
        if (!problem.isEmpty())
            throw DbError(3049, QStringLiteral("データベース '%1' が壊れています（%2）。").arg(db.path(), problem));
    }
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
    // Only a sound copy counts among the ones kept; the older ones go only after it.
    {
        Database copy(QStringLiteral("mirte-daily-check-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
        QString problem;
        try {
            copy.open(target);
            problem = quickCheck(copy);
        } catch (const DbError &e) {
            problem = e.description();
        }
        copy.close();
        if (!problem.isEmpty()) {
            QFile::remove(target);
            throw DbError(3049, QStringLiteral("その日の控えが壊れていました（%1）。").arg(problem));
        }
    }
    QStringList all = dailyBackups(dir, db.path());
    while (all.size() > keep)
        QFile::remove(all.takeFirst());
    return target;
}

void setDailyBackupReporter(DailyBackupReporter r)
{
    QMutexLocker hold(&reporterLock());
    reporter() = std::move(r);
}

DailyBackupReport dailyBackupReport(const DbError &e, const QString &dir)
{
    DailyBackupReport r;
    r.failed = true;
    r.damaged = e.number() == 3049 && e.description().startsWith(QStringLiteral("データベース"));
    if (r.damaged)
        r.text = QStringLiteral("記録のファイルが壊れているため、今日の控えを作りませんでした。これまでの控えはそのまま残してあります。"
                                "画面→復元… で、backup フォルダーの正常な控えから元に戻してください。（%1）")
                     .arg(e.description());
    else
        r.text = QStringLiteral("今日の控え（毎日のバックアップ）を作れませんでした。ディスクの空きと、フォルダ '%1' に"
                                "書き込めるかを確かめてください。画面→バックアップ…で別の場所にも保存できます。（%2）")
                     .arg(QDir::toNativeSeparators(dir), e.description());
    return r;
}

QList<DailyCopy> dailyCopies(const QString &dbPath, int maxReferenceVersion)
{
    QList<DailyCopy> out;
    const QString prefix = prefixOf(dbPath);
    QStringList all = dailyBackups(dailyBackupDir(dbPath), dbPath);
    std::reverse(all.begin(), all.end());
    for (const QString &p : all) {
        const QString name = QFileInfo(p).fileName();
        out.append({p, QDate::fromString(name.mid(prefix.size(), 8), QStringLiteral("yyyyMMdd")),
                    backupProblem(p, maxReferenceVersion)});
    }
    return out;
}

QString replaceWithDailyCopy(const QString &dbPath, const QString &copy)
{
    const QString dir = dailyBackupDir(dbPath);
    if (!QDir().mkpath(dir))
        throw DbError(3026, QStringLiteral("フォルダ '%1' を作れません。").arg(dir));
    const QString aside = QDir(dir).filePath(QFileInfo(dbPath).completeBaseName() + QStringLiteral("-破損-")
                                             + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))
                                             + QStringLiteral(".db"));
    // The copy is put beside the file first, so that a failure leaves the damaged file in place.
    const QString part = dbPath + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(copy, part)) {
        QFile::remove(part);
        throw DbError(3026, QStringLiteral("'%1' を書き込めません。").arg(part));
    }
    QFile::setPermissions(part, QFile::permissions(part) | QFile::WriteOwner);
    // The damaged file keeps its logs and shared-memory file: an old log must never be replayed
    // onto the sound copy. Whatever fails part-way is put back, so the damaged file is never lost.
    QStringList moved;
    auto putBack = [&] {
        for (auto it = moved.crbegin(); it != moved.crend(); ++it)
            QFile::rename(aside + *it, dbPath + *it);
        QFile::remove(part);
    };
    for (const QString &suffix : {QStringLiteral(""), QStringLiteral("-wal"), QStringLiteral("-shm"),
                                  QStringLiteral("-journal")}) {
        if (!QFileInfo::exists(dbPath + suffix))
            continue;
        if (!QFile::rename(dbPath + suffix, aside + suffix)) {
            putBack();
            throw DbError(3026, QStringLiteral("'%1' を移せません。").arg(dbPath + suffix));
        }
        moved << suffix;
    }
    if (!QFile::rename(part, dbPath)) {
        putBack();
        throw DbError(3026, QStringLiteral("'%1' を書き込めません。").arg(dbPath));
    }
    return aside;
}

} // namespace mirte
