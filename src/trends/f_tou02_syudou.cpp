#include "f_tou02_syudou.h"

#include "msgbox.h"
#include "numberbox.h"
#include "statusbartext.h"
#include "uiutil.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

F_Tou02_Syudou::F_Tou02_Syudou(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_Tou02_Syudou"));
    setWindowTitle(QStringLiteral("グラフ　目盛の手動設定"));
    auto *outer = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    const QStringList captions{QStringLiteral("上限値"), QStringLiteral("下限値"),
                               QStringLiteral("ライン数"), QStringLiteral("ライン間の目盛数")};
    const QStringList hints{QStringLiteral("グラフの上限値を設定します。"),
                            QStringLiteral("グラフの下限値を設定します。"),
                            QStringLiteral("グラフに表示するライン数を設定します。"),
                            QStringLiteral("ライン間の目盛数を設定します。")};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(captions[i] + QStringLiteral(" ："), this), i, 0);
        Text1[i] = new QLineEdit(QStringLiteral("0"), this);
        Text1[i]->setObjectName(arrayName(QStringLiteral("Text1"), i));
        // The OK check tells the user what is wrong with a text, so nothing is refused here.
        makeNumberBox(Text1[i], NumberValidator::Signed, NumberValidator::FoldOnly);
        Text1[i]->setAlignment(Qt::AlignRight);
        Text1[i]->setMinimumWidth(Text1[i]->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 16);
        grid->addWidget(Text1[i], i, 1);
        connect(Text1[i], &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    }
    outer->addLayout(grid);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("O K"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    Command2 = new QPushButton(QStringLiteral("キャンセル"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setAutoDefault(false);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    outer->addLayout(buttons);
    StBar = new StatusBarText(this);
    StBar->setObjectName(QStringLiteral("StBar"));
    const QString own = QStringLiteral("グラフのY軸（左側）目盛を設定します。");
    StBar->setText(own);
    StBar->addHint(this, own);
    for (int i = 0; i < 4; ++i)
        StBar->addHint(Text1[i], hints[i]);
    StBar->addHint(Command1, QStringLiteral("設定した目盛でグラフを再表示します。"));
    StBar->addHint(Command2, QStringLiteral("何もせず、この画面を閉じます。"));
    outer->addWidget(StBar);

    connect(Command1, &QPushButton::clicked, this, &F_Tou02_Syudou::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void F_Tou02_Syudou::Command1_Click()
{
    std::array<QString, 4> texts;
    for (int i = 0; i < 4; ++i)
        texts[i] = Text1[i]->text();
    const TouSyudou k = Tou_Syudou_Check(texts);
    for (int i = 0; i < 4; ++i)
        Text1[i]->setText(k.texts[i]);
    if (!k.ok()) {
        MsgBox(k.message, vbInformation, QStringLiteral("確認"));
        Text1[k.focus]->setFocus();
        Text1[k.focus]->selectAll();
        return;
    }
    m_kekka = k;
    CanselFlg = false;
    accept();
}

} // namespace mirte
