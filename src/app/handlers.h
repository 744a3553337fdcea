#pragma once
// What every window's handlers share: the error trap, the hourglass, the notices and questions.

#include "database.h"
#include "msgbox.h"

#include <QApplication>
#include <exception>

namespace mirte {

// Runs a handler; a database error is reported the common way and ends the handler.
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

inline const QString &kakunin()
{
    static const QString t = QStringLiteral("確認");
    return t;
}

inline const QString &errorTitle()
{
    static const QString t = QStringLiteral("エラー");
    return t;
}

// A notice titled "確認".
inline void info(const QString &text)
{
    MsgBox(text, vbInformation, kakunin());
}

// An OK/Cancel question titled "確認"; true on OK.
inline bool ask(const QString &text)
{
    return MsgBox(text, vbOKCancel | vbQuestion, kakunin()) == vbOK;
}

} // namespace mirte
