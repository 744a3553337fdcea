#include "f_henkan.h"

#include "b_01.h"
#include "database.h"
#include "msgbox.h"
#include "statusbartext.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

F_HenKan::F_HenKan(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_HenKan"));
    setWindowTitle(QStringLiteral("分量の換算"));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *menu = new QMenuBar(this);
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&G)"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    outer->setMenuBar(menu);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 6);
    label1 = new QLabel(this);
    label1->setObjectName(QStringLiteral("label1"));
    label1->setText(QStringLiteral("　可食部の分量に換算し、前画面の分量に書き込みます。\r\n"
                                   "　例）甘ぐり ：廃棄率２０％\r\n"
                                   "　　　入力値　５０(ｇ)　→　出力値　４０(ｇ)"));
    label1->setFrameShape(QFrame::StyledPanel);
    label1->setMargin(6);
    body->addWidget(label1);

    auto *form = new QFormLayout;
    form->setContentsMargins(0, 8, 0, 0);
    Text1 = new QLineEdit(QStringLiteral("0"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAlignment(Qt::AlignRight);
    Text1->setMaximumWidth(140);
    form->addRow(QStringLiteral("入力値："), Text1);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    Text2->setAlignment(Qt::AlignRight);
    Text2->setMaximumWidth(140);
    Text2->setFocusPolicy(Qt::NoFocus);
    form->addRow(QStringLiteral("廃棄率："), Text2);
    body->addLayout(form);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("確定"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("閉じる"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    body->addLayout(buttons);
    outer->addLayout(body, 1);

    StBar = new StatusBarText(this);
    outer->addWidget(StBar);

    connect(Command1, &QPushButton::clicked, this, &F_HenKan::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &F_HenKan::reject);
    connect(mnTojiru, &QAction::triggered, this, &F_HenKan::reject);

    Form_Load();
}

void F_HenKan::Form_Load()
{
    try {
        m_haiki = haikiRitu(G_DB(), G_Sei_ID);
    } catch (const DbError &e) {
        m_haiki = HaikiRitu();
        ShowError(e.number(), e.description());
    }
    Text2->setText(haikiRituText(m_haiki));
    StBar->setText(haikiStatusText(m_haiki));
    StBar->addHint(this, haikiStatusText(m_haiki));
}

void F_HenKan::showEvent(QShowEvent *e)
{
    // The food may have changed since the window was made.
    Form_Load();
    Text1->setFocus();
    Text1->selectAll();
    QDialog::showEvent(e);
}

void F_HenKan::Command1_Click()
{
    const double v = Val(Text1->text());
    if (!kansanInputValid(v)) {
        MsgBox(v > kKansanMax ? QStringLiteral("１００，０００以下の数値を入れてください。")
                              : QStringLiteral("０以上の数値を入れてください。"),
               vbExclamation, QStringLiteral("確認"));
        Text1->setFocus();
        Text1->selectAll();
        return;
    }
    const double grams = kansanBunRyou(v, m_haiki.rate);
    if (grams > kKansanResultMax) {
        MsgBox(kansanTooMuchMessage(), vbExclamation, QStringLiteral("確認"));
        Text1->setFocus();
        Text1->selectAll();
        return;
    }
    CancelFlg = false;
    KansanBunRyou = grams;
    accept();
}

void F_HenKan::reject()
{
    // 閉じる, the menu item, Esc and the close box all leave without a value.
    CancelFlg = true;
    QDialog::reject();
}

} // namespace mirte
