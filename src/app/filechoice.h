#pragma once
// The file the user picks for saving or opening. Goes through one place, so that tests answer
// it as they answer message boxes.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace mirte {

struct FileChoiceRequest {
    enum Mode { Save, Open } mode = Save;
    QString title;
    QString suggested;  // the proposed path (Save) or folder (Open)
    QString filter;     // e.g. "CSVファイル (*.csv)"
};

// Returns the chosen path; empty when the user cancelled.
QString chooseFile(QWidget *parent, const FileChoiceRequest &request);

using FileChoiceHandler = std::function<QString(const FileChoiceRequest &)>;
// Installs a handler in place of the dialog; returns the previous one (empty: the dialog).
FileChoiceHandler setFileChoiceHandler(FileChoiceHandler handler);

// The folder proposed for files the user writes out: the one last chosen in a file dialog
// (kept in the database), else the documents folder.
QString defaultExportFolder();

// Asks where to write a file, proposing fileName in the export folder. The chosen path gets
// ".suffix" when the user typed no suffix; empty when cancelled.
QString chooseExportFile(QWidget *parent, const QString &title, const QString &fileName,
                         const QString &filter, const QString &suffix);
// The same for a CSV file ("CSV出力"), then writes records to it; a file that cannot be written
// is said in a message box. Returns the path written; empty when cancelled or not written.
QString saveCsvFile(QWidget *parent, const QString &fileName, const QList<QStringList> &records);

// A PDF printed to `part` becomes `path` only when it is whole (it ends with its trailer): a full
// disk leaves no cut-off file behind. False, with part removed, when it is not.
bool commitPdf(const QString &part, const QString &path);

} // namespace mirte
