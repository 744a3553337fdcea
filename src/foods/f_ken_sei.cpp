#include "f_ken_sei.h"

#include "b_01.h"
#include "f_seiken01.h"
#include "seiken_core.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

F_Ken_Sei::F_Ken_Sei(F_SeiKen01 *browser, int tab) : QDialog(browser), m_browser(browser), m_tab(tab)
{
    setObjectName(QStringLiteral("F_Ken_Sei"));
    setWindowTitle(QStringLiteral("食品名検索指定"));

    auto *lay = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems(G_Syokuhin_Gun);
    Combo1->setMaxVisibleItems(19);
    form->addRow(QStringLiteral("食品群："), Combo1);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(260);
    Text1->setToolTip(QStringLiteral("食品名、細分、補足、別名のどこかに含まれる文字で探します。"));
    form->addRow(QStringLiteral("検索文字："), Text1);
    lay->addLayout(form);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("検索"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command4 = new QPushButton(QStringLiteral("閉じる"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    buttons->addWidget(Command1);
    buttons->addWidget(Command4);
    lay->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &F_Ken_Sei::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &QDialog::reject);

    // Loading: the tab's condition; leaving without 検索 counts as cancelled.
    const KensakuJouken &j = G_Kensaku_Jouken.at(m_tab);
    const int i = Combo1->findText(j.gun.isEmpty() ? zenSyokuhin() : j.gun);
    Combo1->setCurrentIndex(std::max(0, i));
    Text1->setText(j.text);
    Text1->selectAll();
    m_browser->Ken_Can_Flg = true;
}

void F_Ken_Sei::Command1_Click()
{
    G_Kensaku_Jouken[m_tab] = {Combo1->currentText(), Text1->text()};
    m_browser->Ken_Can_Flg = false;
    accept();
}

} // namespace mirte
