#include "startup.h"
#include "yomi.h"
#include "yomi_mecab.h"

#include "database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "refdata.h"
#include "sharedfiles.h"

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
    const SharedLayout shared = sharedLayout(programDir);
    loc.seedPath = shared.dir + QStringLiteral("/data/seed.db");
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (shared.installed) {
        // The program's own folders belong to the system: the records live with the user and
        // outlast any upgrade or removal of the package. The folder is made with the file.
        loc.path = user + QStringLiteral("/MLTD13.db");
        return loc;
    }
    const QString dataDir = programDir + QStringLiteral("/data");
    if (folderWritable(dataDir) || QFileInfo::exists(dataDir + QStringLiteral("/MLTD13.db"))) {
        loc.path = dataDir + QStringLiteral("/MLTD13.db");
    } else {
        QDir().mkpath(user);
        loc.path = user + QStringLiteral("/MLTD13.db");
    }
    return loc;
}

void ensureHouseholdFile(const QString &path, const QString &seedPath)
{
    if (QFileInfo::exists(path))
        return;
    try {
        createFromSeed(seedPath, path);
    } catch (const DbError &) {
        if (!QFileInfo::exists(path))
            throw;
    }
}

void openHouseholdDatabase(const QString &path, const QString &seedPath)
{
    ensureHouseholdFile(path, seedPath);
    const QFileInfo file(path);
    // The engine writes its journal beside the file, so the folder must be writable too.
    if (!file.isWritable() || !folderWritable(file.absolutePath()))
        throw DbError(3051, QStringLiteral("データベース '%1' は読み取り専用のため、記録を保存できません。"
                                           "書き込みできるファイルを指定してください。")
                                .arg(file.absoluteFilePath()));
    G_DB().open(path);
    try {
        // A damaged file is noticed before anything is written to it.
        if (file.size() <= kStartupCheckLimit) {
            const QString problem = databaseProblem(G_DB());
            if (!problem.isEmpty())
                throw DbError(3049, QStringLiteral("データベース '%1' が壊れています。記録は書き込まずに終わります。"
                                                   "バックアップから元に戻してください。（%2）")
                                        .arg(file.absoluteFilePath(), problem));
        }
        // A file from a newer program would lose what this one does not know; it is left as it is.
        if (QFileInfo::exists(seedPath) && referenceVersion(G_DB()) > seedReferenceVersion(seedPath))
            throw DbError(3051, QStringLiteral("データベース '%1' は、このミルテより新しい版で作られています。"
                                               "新しい版のミルテで開いてください。記録はそのままです。")
                                    .arg(file.absoluteFilePath()));
        // Readers (a backup, another tool) then never make a save fail.
        G_DB().exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    } catch (const DbError &) {
        G_DB().close();
        throw;
    }
    startupNotice().clear();
    try {
        // Searches join the readings: the table is there even when the refresh below waits.
        Yomi_Table_Junbi(G_DB());
    } catch (const DbError &) {
    }
    if (QFileInfo::exists(seedPath)) {
        try {
            refreshReferenceData(G_DB(), seedPath);
        } catch (const DbError &e) {
            // The refresh is one transaction, undone whole: a full disk (or any failed write) only
            // postpones the new reference figures, and the records stay readable.
            startupNotice() = QStringLiteral("参照データ（食品成分表など）を更新できなかったため、次の起動に延ばしました（%1）。"
                                             "記録は見られますが、新しい記録を書き込むには、ディスクの空きを作ってください。")
                                  .arg(e.description());
        }
    }
    // Dishes written before their names had readings (or while the dictionary was missing)
    // get them now; a failure here costs only the search by reading.
    try {
        Yomi_Hojuu(G_DB());
    } catch (const DbError &) {
    }
}

QString &startupNotice()
{
    static QString notice;
    return notice;
}

QString databaseProblem(const Database &db)
{
    QStringList lines;
    try {
        const ResultSet rs = db.select(QStringLiteral("PRAGMA quick_check(5)"));
        for (const QVariantList &r : rs.rows)
            lines << r.value(0).toString();
    } catch (const DbError &e) {
        // A page too damaged to read stops the check itself.
        return e.description();
    }
    if (lines == QStringList{QStringLiteral("ok")})
        return {};
    return lines.join(QLatin1Char(' '));
}

InstanceLock::InstanceLock(QString dbPath) : m_path(std::move(dbPath)) {}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

InstanceLock::Result InstanceLock::tryLock()
{
    if (m_fd >= 0)
        return Locked;
    const QByteArray name = QFile::encodeName(m_path);
    // Read access is enough for the lock, so a read-only file gets its own, clearer message later.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        m_error = QStringLiteral("ファイル '%1' を開けません（%2）。")
                      .arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
        return Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK)
            return HeldByAnother;
        m_error = QStringLiteral("ファイル '%1' をロックできません（%2）。")
                      .arg(m_path, QString::fromLocal8Bit(std::strerror(err)));
        return Failed;
    }
    m_fd = fd;
    return Locked;
}

} // namespace mirte
