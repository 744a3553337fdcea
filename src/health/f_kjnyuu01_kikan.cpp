#include "f_kjnyuu01_kikan.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

namespace {
QDateEdit *dateEdit(const QString &name, const QDate &d, QWidget *parent)
{
    auto *e = new QDateEdit(d, parent);
    e->setObjectName(name);
    e->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    e->setCalendarPopup(true);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00")) + 40);
    return e;
}
} // namespace

F_KJNyuu01_Kikan::F_KJNyuu01_Kikan(const QDate &from, const QDate &to, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_KJNyuu01_Kikan"));
    setWindowTitle(QStringLiteral("CSV出力の期間"));
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(new QLabel(QStringLiteral("出力する期間を指定してください。"), this));
    auto *form = new QFormLayout;
    DTFrom = dateEdit(QStringLiteral("DTFrom"), from, this);
    DTTo = dateEdit(QStringLiteral("DTTo"), to, this);
    form->addRow(QStringLiteral("開始日："), DTFrom);
    form->addRow(QStringLiteral("終了日："), DTTo);
    lay->addLayout(form);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    CmdOK = new QPushButton(QStringLiteral("出 力"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setDefault(true);
    CmdCancel = new QPushButton(QStringLiteral("取 消"), this);
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    buttons->addWidget(CmdOK);
    buttons->addWidget(CmdCancel);
    lay->addLayout(buttons);
    connect(CmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// A period typed back to front is taken the right way round.
QDate F_KJNyuu01_Kikan::from() const
{
    return qMin(DTFrom->date(), DTTo->date());
}

QDate F_KJNyuu01_Kikan::to() const
{
    return qMax(DTFrom->date(), DTTo->date());
}

} // namespace mirte
