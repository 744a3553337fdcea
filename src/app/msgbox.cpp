#include "msgbox.h"

#include <QTextStream>

namespace mirte {

namespace {
// Without a window system (tools, core tests) a message is written to stderr and answered OK.
int consoleHandler(const MsgBoxRequest &r)
{
    QTextStream err(stderr);
    err << r.title << ": " << r.prompt << Qt::endl;
    return r.buttons() == vbYesNo || r.buttons() == vbYesNoCancel ? vbYes : vbOK;
}

MsgBoxHandler &handler()
{
    static MsgBoxHandler h = consoleHandler;
    return h;
}
} // namespace

int MsgBox(const QString &prompt, int flags, const QString &title)
{
    return handler()(MsgBoxRequest{prompt, flags, title});
}

MsgBoxHandler setMsgBoxHandler(MsgBoxHandler h)
{
    MsgBoxHandler old = std::move(handler());
    handler() = h ? std::move(h) : MsgBoxHandler(consoleHandler);
    return old;
}

void ShowError(int number, const QString &description)
{
    MsgBox(QStringLiteral("Error %1：%2").arg(number).arg(description), vbExclamation,
           QStringLiteral("エラー"));
}

} // namespace mirte
