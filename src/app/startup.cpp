#include "startup.h"

#include "database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "refdata.h"

namespace mirte {

namespace {
bool folderWritable(const QString &dir)
{
    if (!QDir().mkpath(dir))
        return false;
    // isWritable() on a directory is not reliable for every file system; try a real file.
    QTemporaryFile probe(dir + QStringLiteral("/.probe-XXXXXX"));
    return probe.open();
}
} // namespace

DbLocation defaultDbLocation(const QString &programDir)
{
    DbLocation loc;
    const QString dataDir = programDir + QStringLiteral("/data");
    loc.seedPath = dataDir + QStringLiteral("/seed.db");
    if (folderWritable(dataDir) || QFileInfo::exists(dataDir + QStringLiteral("/MLTD13.db"))) {
        loc.path = dataDir + QStringLiteral("/MLTD13.db");
    } else {
        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(user);
        loc.path = user + QStringLiteral("/MLTD13.db");
    }
    return loc;
}

void openHouseholdDatabase(const QString &path, const QString &seedPath)
{
    if (!QFileInfo::exists(path))
        createFromSeed(seedPath, path);
    G_DB().open(path);
    if (QFileInfo::exists(seedPath)) {
        try {
            refreshReferenceData(G_DB(), seedPath);
        } catch (const DbError &) {
            G_DB().close();
            throw;
        }
    }
}

InstanceLock::InstanceLock(const QString &dbPath)
    : m_lock(std::make_unique<QLockFile>(dbPath + QStringLiteral(".lock")))
{
    m_lock->setStaleLockTime(0); // only a dead owner makes a lock stale
}

bool InstanceLock::tryLock()
{
    return m_lock->tryLock(0);
}

} // namespace mirte
