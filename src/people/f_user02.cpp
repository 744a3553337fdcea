#include "f_user02.h"

#include "era.h"
#include "msgbox.h"
#include "numberbox.h"

#include <QButtonGroup>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mirte {

F_User02::F_User02(const std::array<QLineEdit *, 3> &target, QWidget *parent)
    : QDialog(parent), m_target(target)
{
    setObjectName(QStringLiteral("F_User02"));
    setWindowTitle(QStringLiteral("和暦入力"));

    auto *group = new QButtonGroup(this);
    auto *eraRow = new QHBoxLayout;
    const auto &eras = Eras();
    for (int i = 0; i < int(Option1.size()); ++i) {
        Option1[i] = new QRadioButton(eras[i].name, this);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        group->addButton(Option1[i], i);
        eraRow->addWidget(Option1[i]);
    }
    eraRow->addStretch();
    connect(group, &QButtonGroup::idClicked, this, &F_User02::Option1_Click);

    auto *dateRow = new QHBoxLayout;
    const QStringList units{QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")};
    for (int i = 0; i < 3; ++i) {
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setMaxLength(2);
        makeNumberBox(Text1[i], NumberValidator::Unsigned, NumberValidator::FoldOnly);
        Text1[i]->setAlignment(Qt::AlignRight);
        Text1[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
        Text1[i]->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
        dateRow->addWidget(Text1[i]);
        dateRow->addWidget(new QLabel(units[i], this));
    }
    dateRow->addStretch();

    Command1 = new QPushButton(QStringLiteral("確  定"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1->setDefault(true);
    Command2->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &F_User02::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(eraRow);
    layout->addLayout(dateRow);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    Form_Load();
}

void F_User02::Form_Load()
{
    const QDate shown = readYmd(m_target[0]->text(), m_target[1]->text(), m_target[2]->text());
    if (const auto era = dateToEra(shown)) {
        Option1[era->era]->setChecked(true);
        m_letter = Eras().at(era->era).letter;
        Text1[0]->setText(QString::number(era->year));
        Text1[1]->setText(QString::number(era->month));
        Text1[2]->setText(QString::number(era->day));
        return;
    }
    // No usable date in the registry: start from the era of today with empty boxes.
    if (const auto now = dateToEra(QDate::currentDate())) {
        Option1[now->era]->setChecked(true);
        m_letter = Eras().at(now->era).letter;
    }
}

void F_User02::Option1_Click(int index)
{
    m_letter = Eras().at(index).letter;
}

void F_User02::Command1_Click()
{
    const QDate date = eraToDate(eraIndex(m_letter), Text1[0]->text(), Text1[1]->text(), Text1[2]->text());
    if (!date.isValid() || date > QDate::currentDate()) {
        MsgBox(QStringLiteral("生年月日を確認してください。"), vbInformation, QStringLiteral("確認"));
        Text1[0]->setFocus();
        return;
    }
    m_target[0]->setText(QString::number(date.year()));
    m_target[1]->setText(QString::number(date.month()));
    m_target[2]->setText(QString::number(date.day()));
    accept();
}

} // namespace mirte
