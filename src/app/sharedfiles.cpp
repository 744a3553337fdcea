#include "sharedfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>


namespace mirte {

namespace {
const QString kSeed = QStringLiteral("data/seed.db");
}

QString applicationId()
{
    return QStringLiteral(MIRTE_APP_ID);
}

QString installedSharedRelative()
{
    return QStringLiteral(MIRTE_SHARE_FROM_BIN);
}

SharedLayout sharedLayout(const QString &programDir)
{
    const QDir program(programDir);
    if (QFileInfo::exists(program.filePath(kSeed)))
        return {QDir::cleanPath(program.absolutePath()), false};
    const QString installed = QDir::cleanPath(program.absoluteFilePath(installedSharedRelative()));
    if (QFileInfo::exists(QDir(installed).filePath(kSeed)))
        return {installed, true};
    return {QDir::cleanPath(program.absolutePath()), false};
}

SharedLayout sharedLayout()
{
    return sharedLayout(QCoreApplication::applicationDirPath());
}

QString sharedDir()
{
    return sharedLayout().dir;
}

QString sharedFile(const QString &relative)
{
    return QDir(sharedDir()).filePath(relative);
}

void nameApplication()
{
    // The user's data folder is ~/.local/share/mirte: no organisation folder above it.
    QCoreApplication::setApplicationName(QStringLiteral("mirte"));
    QCoreApplication::setOrganizationName(QString());
}

} // namespace mirte
