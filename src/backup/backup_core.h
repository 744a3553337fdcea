#pragma once
// Copies of the household file: one the user asks for, the daily ones kept beside the file, and
// putting a copy back. Qt Core + Qt Sql (and the engine's own copy routine), no window.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace mirte {

class Database;
class DbError;

// True when the two paths name one and the same file (the same device and inode), whatever
// symlinked folder, hard link or mount leads there.
bool sameFile(const QString &a, const QString &b);
QString openFileTargetMessage(); // "使用中のデータベースには上書きできません。…"

// Writes a consistent copy of the open database to target, also while it is in use: the engine
// copies what the last finished transaction left. The copy is written beside target under a
// temporary name and renamed at the end, so target is either the old file or a whole copy.
// An existing target is replaced, unless it is the open database itself. Throws DbError.
void backupDatabase(Database &db, const QString &target);

// Why the file cannot be put back; empty when it is a sound copy of ours: a SQLite file that
// passes the engine's full integrity check, with every table the program needs, and reference
// data not newer than maxReferenceVersion (a copy from a newer program would lose its data here).
QString backupProblem(const QString &path, int maxReferenceVersion);

struct RestoreResult {
    QString safetyCopy;  // where the file as it was before has been kept
};

// Puts the copy at source back into the open database db (whose file keeps its place, its name
// and the one-copy lock held on it): checks the copy, keeps the current content as a safety copy
// in safetyDir, then copies the pages of source over the database in one write transaction, so a
// failure part-way leaves the database as it was. db is open on the same file afterwards.
// Throws DbError (with the reason from backupProblem when the copy is refused).
RestoreResult restoreDatabase(Database &db, const QString &source, const QString &safetyDir);

// The folder of the automatic copies of a household file: "backup" beside it.
QString dailyBackupDir(const QString &dbPath);
// The name of a day's copy, e.g. "MLTD13-20261209.db".
QString dailyBackupName(const QString &dbPath, const QDate &day);
// The automatic copies in dir for that household file, oldest first.
QStringList dailyBackups(const QString &dir, const QString &dbPath);

// Makes the day's copy when dir has none for today yet, then keeps only the newest `keep`
// copies. Returns the path of the copy made; empty when today's copy was already there.
// With checkSource the file is checked first (large files are not checked at start). The copy
// is checked before it counts: a damaged file or copy never takes the place of a sound copy.
// Throws DbError when the file is damaged (3049) or the copy cannot be written (the old copies
// are then kept).
QString makeDailyBackup(Database &db, const QString &dir, const QDate &today, int keep = 7,
                        bool checkSource = false);

// What became of the day's copy made beside the menu: nothing to say, or why it failed and
// what to do, once.
struct DailyBackupReport {
    bool failed = false;
    bool damaged = false; // the household file itself is damaged
    QString text;         // the notice for the user
};
using DailyBackupReporter = std::function<void(const DailyBackupReport &)>;
// Called in the thread that started the copy when it ends (through its event loop).
void setDailyBackupReporter(DailyBackupReporter reporter);
DailyBackupReport dailyBackupReport(const DbError &e, const QString &dir);

// The daily copies of the household file at dbPath, newest first, each with its day and
// whether it is sound (for the question at a refused start).
struct DailyCopy {
    QString path;
    QDate day;
    QString problem; // empty when sound
};
QList<DailyCopy> dailyCopies(const QString &dbPath, int maxReferenceVersion);
// A damaged household file replaced by a sound daily copy while the program is not using it:
// the file and its -wal and -shm are set aside in backup/ ("<name>-破損-<time>.db"), the copy
// put in its place. Returns where the damaged file went. Throws DbError.
QString replaceWithDailyCopy(const QString &dbPath, const QString &copy);

// The same on a connection of its own to the file at dbPath, in a thread of its own: ten years
// of records take half a second to copy, which the menu must not wait for. The write-ahead log
// lets it read while the program writes. A copy that cannot be written is only logged: it must
// not keep the household from its records. A call while one runs waits for that one first.
// Files above kDailyCheckFrom (not checked at start) are checked there first.
inline constexpr qint64 kDailyCheckFrom = 64LL * 1024 * 1024;
void startDailyBackup(const QString &dbPath, const QDate &today, int keep = 7);
// Returns when no daily copy is being made (the program's exit and a restore wait here).
void waitForDailyBackup();

} // namespace mirte
