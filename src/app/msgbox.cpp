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

QString engineErrorAdvice(int number)
{
    switch (number) {
    case 5: // busy
    case 6: // locked
        return QStringLiteral("データベースが他の処理で使用中です。しばらく待ってから、もう一度操作してください。");
    case 8: // read-only
        return QStringLiteral("データベースに書き込めません。ファイルとフォルダーに書き込みができるかを確かめてください。"
                              "今の操作は保存されていません。");
    case 10: // I/O
        return QStringLiteral("ディスクの読み書きに失敗しました。ディスクやUSBメモリーの接続を確かめてください。"
                              "今の操作は保存されていません。");
    case 11: // corrupt
    case 26: // not a database
        return QStringLiteral("データベースが壊れています。画面→復元… で、backup フォルダーの正常な控えから元に戻してください。");
    case 13: // full
        return QStringLiteral("ディスクがいっぱいです。不要なファイルを消して空きを作ってから、もう一度操作してください。"
                              "今の操作は保存されていません。");
    case 14: // cannot open
        return QStringLiteral("データベースのファイルを開けません。ファイルが移動・削除されていないかを確かめてください。");
    default:
        return {};
    }
}

void ShowError(int number, const QString &description)
{
    // The engine's own words are for the record; the sentence says what happened and what to do.
    QString text = QStringLiteral("Error %1：%2").arg(number).arg(description);
    if (const QString advice = engineErrorAdvice(number); !advice.isEmpty())
        text += QStringLiteral("\n\n") + advice;
    MsgBox(text, vbExclamation, QStringLiteral("エラー"));
}

} // namespace mirte
