#include "filechoice.h"

#include "csv.h"
#include "handlers.h"
#include "msgbox.h"

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

QString chooseFile(QWidget *parent, const FileChoiceRequest &request)
{
    if (handler())
        return handler()(request);
    if (request.mode == FileChoiceRequest::Save)
        return QFileDialog::getSaveFileName(parent, request.title, request.suggested, request.filter);
    return QFileDialog::getOpenFileName(parent, request.title, request.suggested, request.filter);
}

FileChoiceHandler setFileChoiceHandler(FileChoiceHandler h)
{
    FileChoiceHandler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}

QString defaultExportFolder()
{
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

} // namespace mirte
