#pragma once
// Small pieces the dish master windows share: the error trap of a handler, the hourglass and
// the two kinds of message.

#include "database.h"
#include "msgbox.h"

#include <QApplication>
#include <exception>

namespace mirte::dishes {

// Runs a handler; an error is reported the common way and ends the handler.
template <class Fn>
void guarded(Fn &&fn)
{
    try {
        fn();
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
    } catch (const std::exception &e) {
        ShowError(5, QString::fromLocal8Bit(e.what()));
    }
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

inline QString kakunin()
{
    return QStringLiteral("確認");
}

// A notice titled "確認".
inline void info(const QString &text)
{
    MsgBox(text, vbInformation, kakunin());
}

// A warning titled "確認" (a row that has gone).
inline void warn(const QString &text)
{
    MsgBox(text, vbExclamation, kakunin());
}

// An OK/Cancel question titled "確認"; true on OK.
inline bool ask(const QString &text)
{
    return MsgBox(text, vbOKCancel | vbQuestion, kakunin()) == vbOK;
}

} // namespace mirte::dishes
