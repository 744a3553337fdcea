#include "msgbox_widget.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <memory>

namespace mirte {

namespace {
constexpr int kDefaultButton2 = 256;
constexpr int kDefaultButton3 = 512;

// The window the user worked in last: when a message comes while no window is active (after
// a clipboard dialog or a file dialog closed), it is the window that asked.
class LastActiveWindow : public QObject {
public:
    using QObject::QObject;
    QPointer<QWidget> window;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
            auto *w = static_cast<QWidget *>(watched);
            if (w->isWindow() && !qobject_cast<QMessageBox *>(w))
                window = w;
        }
        return false;
    }
};

LastActiveWindow *lastActive()
{
    static QPointer<LastActiveWindow> tracker;
    if (!tracker && qApp) {
        tracker = new LastActiveWindow(qApp);
        qApp->installEventFilter(tracker);
    }
    return tracker;
}
} // namespace

QWidget *messageParent()
{
    if (QWidget *m = QApplication::activeModalWidget())
        return m;
    if (QWidget *w = QApplication::activeWindow())
        return w;
    if (LastActiveWindow *t = lastActive(); t && t->window && t->window->isVisible())
        return t->window;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
            return w;
    }
    return nullptr;
}

QMessageBox *createMessageBox(const MsgBoxRequest &request, QWidget *parent)
{
    auto *box = new QMessageBox(parent);
    box->setObjectName(QStringLiteral("MsgBox"));
    box->setWindowTitle(request.title.isEmpty() ? QStringLiteral("ミルテ") : request.title);
    box->setText(request.prompt);
    box->setTextFormat(Qt::PlainText);
    switch (request.icon()) {
    case vbCritical: box->setIcon(QMessageBox::Critical); break;
    case vbQuestion: box->setIcon(QMessageBox::Question); break;
    case vbExclamation: box->setIcon(QMessageBox::Warning); break;
    case vbInformation: box->setIcon(QMessageBox::Information); break;
    default: box->setIcon(QMessageBox::NoIcon); break;
    }
    QList<QMessageBox::StandardButton> order;
    switch (request.buttons()) {
    case vbOKCancel: order = {QMessageBox::Ok, QMessageBox::Cancel}; break;
    case vbYesNoCancel: order = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}; break;
    case vbYesNo: order = {QMessageBox::Yes, QMessageBox::No}; break;
    default: order = {QMessageBox::Ok}; break;
    }
    for (QMessageBox::StandardButton sb : order) {
        QPushButton *b = box->addButton(sb);
        switch (sb) {
        case QMessageBox::Ok: b->setText(QStringLiteral("OK")); break;
        case QMessageBox::Cancel: b->setText(QStringLiteral("キャンセル")); break;
        case QMessageBox::Yes: b->setText(QStringLiteral("はい")); break;
        case QMessageBox::No: b->setText(QStringLiteral("いいえ")); break;
        default: break;
        }
    }
    int def = 0;
    if (request.flags & kDefaultButton3)
        def = 2;
    else if (request.flags & kDefaultButton2)
        def = 1;
    box->setDefaultButton(order.value(def, order.first()));
    if (order.contains(QMessageBox::Cancel))
        box->setEscapeButton(QMessageBox::Cancel);
    else if (order.contains(QMessageBox::No))
        box->setEscapeButton(QMessageBox::No);
    else
        box->setEscapeButton(QMessageBox::Ok);
    return box;
}

int messageBoxResult(QMessageBox *box)
{
    QAbstractButton *clicked = box ? box->clickedButton() : nullptr;
    QMessageBox::StandardButton sb = clicked ? box->standardButton(clicked) : QMessageBox::NoButton;
    if (sb == QMessageBox::NoButton && box && box->escapeButton())
        sb = box->standardButton(box->escapeButton());
    switch (sb) {
    case QMessageBox::Cancel: return vbCancel;
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    default: return vbOK;
    }
}

MsgBoxHandler installWidgetMsgBox()
{
    lastActive();
    // The program ends by the menu's 終了 alone: a message closed while every other window is
    // hidden (a caller hides itself behind the window it opened) must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    return setMsgBoxHandler([](const MsgBoxRequest &request) {
        std::unique_ptr<QMessageBox> box(createMessageBox(request, messageParent()));
        // A message shown under the hourglass still gets the normal pointer.
        const bool busy = QApplication::overrideCursor() != nullptr;
        if (busy)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        box->exec();
        if (busy)
            QApplication::restoreOverrideCursor();
        return messageBoxResult(box.get());
    });
}

} // namespace mirte
