#include "filechoice.h"

#include <QFileDialog>
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

} // namespace mirte
