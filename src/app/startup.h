#pragma once
// Where the database lives, how a new one is made, and the one-copy-at-a-time lock.
// Qt Core only, so that start-up can be tested without a window.

#include <QLockFile>
#include <QString>
#include <memory>

namespace mirte {

struct DbLocation {
    QString path;      // the household database
    QString seedPath;  // the shipped seed it is created from
};

// data/MLTD13.db beside the program; the user's data folder when that folder cannot be written.
DbLocation defaultDbLocation(const QString &programDir);

// Opens G_DB on path, creating it from the seed first when it does not exist, and brings its
// reference tables up to the shipped ones. Throws DbError; a file that is not ours is left untouched.
void openHouseholdDatabase(const QString &path, const QString &seedPath);

// Held for the life of the process; a second copy on the same database cannot take it.
class InstanceLock {
public:
    explicit InstanceLock(const QString &dbPath);
    bool tryLock();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace mirte
