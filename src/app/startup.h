#pragma once
// Where the database lives, how a new one is made, and the one-copy-at-a-time lock.
// Qt Core only, so that start-up can be tested without a window.

#include "backup_core.h"
#include <QString>

namespace mirte {

class Database;

struct DbLocation {
    QString path;      // the household database
    QString seedPath;  // the shipped seed it is created from
};

// Run from its build folder: data/MLTD13.db beside the program, or the user's data folder when
// that folder cannot be written. Installed: always the user's data folder. The seed is the
// shipped one of either layout.
DbLocation defaultDbLocation(const QString &programDir);

// Creates the household file from the seed when it does not exist yet, with its folders (as
// --init-db does). Another copy creating it at the same moment is not an error. Throws DbError.
void ensureHouseholdFile(const QString &path, const QString &seedPath);

// Opens G_DB on path, creating it from the seed first when it does not exist, and brings its
// reference tables up to the shipped ones. A file that cannot be written is refused here, not at
// the first save. Throws DbError; a file that is not ours is left untouched.
void openHouseholdDatabase(const QString &path, const QString &seedPath);
// What the last start-up postponed and the user should know (empty when nothing).
QString &startupNotice();

// The engine's own check of the file's pages: empty when the file is sound, otherwise what the
// check found (its first lines). Reads the whole file: a few ms per MB.
QString databaseProblem(const Database &db);
// Files up to this size are checked at every start; larger ones beside the menu, in the thread
// that makes the day's copy.
inline constexpr qint64 kStartupCheckLimit = kDailyCheckFrom;

// Held for the life of the process. The lock is on the database file itself, so a second copy
// is kept out whatever path (symlink, hard link) it reaches the file by, and the system drops it
// when its owner dies: there is no stale lock to take over.
class InstanceLock {
public:
    enum Result { Locked, HeldByAnother, Failed };
    explicit InstanceLock(QString dbPath);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    Result tryLock();
    // Why the lock could not be taken, for the error message.
    QString errorText() const { return m_error; }

private:
    QString m_path;
    QString m_error;
    int m_fd = -1;
};

} // namespace mirte
