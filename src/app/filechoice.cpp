#include "filechoice.h"

#include "csv.h"
#include "handlers.h"
#include "msgbox.h"
#include "settei.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace mirte {

namespace {
FileChoiceHandler &handler()
{
    static FileChoiceHandler h;
    return h;
}
} // namespace

namespace {
const QString kLastFolder = QStringLiteral("最後に使ったフォルダ");

void rememberFolder(const QString &chosen)
{
    try {
        Settei_Set(G_DB(), kLastFolder, QFileInfo(chosen).absolutePath());
    } catch (const DbError &) {
        // Only a convenience: a file that cannot keep it still gets its file written.
    }
}
} // namespace

QString chooseFile(QWidget *parent, const FileChoiceRequest &request)
{
    QString chosen;
    if (handler())
        chosen = handler()(request);
    else if (request.mode == FileChoiceRequest::Save)
        chosen = QFileDialog::getSaveFileName(parent, request.title, request.suggested, request.filter);
    else
        chosen = QFileDialog::getOpenFileName(parent, request.title, request.suggested, request.filter);
    if (!chosen.isEmpty())
        rememberFolder(chosen);
    return chosen;
}

FileChoiceHandler setFileChoiceHandler(FileChoiceHandler h)
{
    FileChoiceHandler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}

QString defaultExportFolder()
{
    QString last;
    try {
        last = Settei_Get(G_DB(), kLastFolder);
    } catch (const DbError &) {
    }
    // Never the program's own folder: the folder the user last chose, else the documents.
    if (!last.isEmpty() && QDir(last).exists())
        return last;
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return docs.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::HomeLocation) : docs;
}

QString chooseExportFile(QWidget *parent, const QString &title, const QString &fileName,
                         const QString &filter, const QString &suffix)
{
    FileChoiceRequest req;
    req.title = title;
    // A name typed by the household ("A/B") must not turn into folders.
    QString name = fileName;
    for (const QChar c : {QChar(u'/'), QChar(u'\\'), QChar(u'\0')})
        name.replace(c, QLatin1Char('_'));
    req.suggested = defaultExportFolder() + QLatin1Char('/') + name;
    req.filter = filter;
    QString path = chooseFile(parent, req);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    return path;
}

QString saveCsvFile(QWidget *parent, const QString &fileName, const QList<QStringList> &records)
{
    const QString path = chooseExportFile(parent, QStringLiteral("CSV出力"), fileName,
                                          QStringLiteral("CSVファイル (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return {};
    try {
        writeCsvFile(path, records);
    } catch (const CsvError &e) {
        MsgBox(QString::fromStdString(e.what()), vbExclamation, kakunin());
        return {};
    }
    return path;
}

bool commitPdf(const QString &part, const QString &path)
{
    QFile f(part);
    bool whole = false;
    if (f.open(QIODevice::ReadOnly) && f.size() > 0) {
        f.seek(qMax<qint64>(0, f.size() - 64));
        whole = f.readAll().trimmed().endsWith("%%EOF");
    }
    f.close();
    if (whole) {
        QFile::remove(path);
        whole = QFile::rename(part, path);
    }
    if (!whole)
        QFile::remove(part);
    return whole;
}

} // namespace mirte
