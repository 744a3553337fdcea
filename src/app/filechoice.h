#pragma once
// The file the user picks for saving or opening. Goes through one place, so that tests answer
// it as they answer message boxes.

#include <QString>
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

// The folder proposed for files the user writes out: the documents folder.
QString defaultExportFolder();

} // namespace mirte
