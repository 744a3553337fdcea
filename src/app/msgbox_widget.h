#pragma once
// Shows MsgBox requests as message boxes (the program installs this at start-up).

#include "msgbox.h"

class QMessageBox;
class QWidget;

namespace mirte {

// Installs the QMessageBox handler; returns the previous handler.
MsgBoxHandler installWidgetMsgBox();

// The window a message belongs to: the modal or active window, else the one the user worked
// in last, else any shown window.
QWidget *messageParent();

// The box a request is shown in (buttons, icon, title, Japanese button texts), not yet shown.
QMessageBox *createMessageBox(const MsgBoxRequest &request, QWidget *parent = nullptr);
// The MsgBox result for the button the user pressed in a box made by createMessageBox
// (Escape/close: Cancel, or No when there is no Cancel, or OK for an OK-only box).
int messageBoxResult(QMessageBox *box);

} // namespace mirte
