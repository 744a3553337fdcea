#include "msgbox_widget.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace mirte {

namespace {
constexpr int kDefaultButton2 = 256;
constexpr int kDefaultButton3 = 512;
} // namespace

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
    return setMsgBoxHandler([](const MsgBoxRequest &request) {
        QWidget *parent = QApplication::activeModalWidget();
        if (!parent)
            parent = QApplication::activeWindow();
        std::unique_ptr<QMessageBox> box(createMessageBox(request, parent));
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
