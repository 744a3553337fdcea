#include "f_kjun_sin01_adv.h"

#include "f_kjun_sin01.h"
#include "undou_sindan.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

QString F_KJUn_Sin01_Adv::hanteiFukaText()
{
    return QStringLiteral("この日の運動状態は判定できません。");
}

F_KJUn_Sin01_Adv::F_KJUn_Sin01_Adv(F_KJUn_Sin01 *sindan) : QDialog(sindan)
{
    setObjectName(QStringLiteral("F_KJUn_Sin01_Adv"));
    setWindowTitle(QStringLiteral("運動診断－アドバイス"));
    auto *outer = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&G)"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    outer->setMenuBar(menu);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setMinimumSize(420, 110);
    outer->addWidget(Text1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(100);
    buttons->addWidget(Command1);
    outer->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(mnTojiru, &QAction::triggered, this, &QDialog::accept);

    // Advice is given only on an index that was computed for a day that could be judged.
    const bool known = sindan && sindan->result().complete();
    Text1->setPlainText(known ? Undou_Advice(sindan->KatudouSisuu, sindan->Sei_Betu)
                              : hanteiFukaText());
}

} // namespace mirte
