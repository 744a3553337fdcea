#pragma once
// Every message the program shows goes through MsgBox, so that tests can read
// what was shown and answer it. Flags follow the classic message-box values.

#include <QString>
#include <functional>

namespace mirte {

enum MsgFlags : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

enum MsgResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

struct MsgBoxRequest {
    QString prompt;
    int flags = vbOKOnly;
    QString title;
    int buttons() const { return flags & 0x0f; }
    int icon() const { return flags & 0x70; }
};

using MsgBoxHandler = std::function<int(const MsgBoxRequest &)>;

int MsgBox(const QString &prompt, int flags = vbOKOnly, const QString &title = QString());

// Installs the handler that shows messages; returns the previous one.
MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler);

// The program-wide error report: "Error <number>：<description>", title "エラー"; an error of the
// database engine (disk full, damaged file, …) is followed by a Japanese sentence on what
// happened and what to do.
void ShowError(int number, const QString &description);
QString engineErrorAdvice(int number);

} // namespace mirte
