#include "f_kjun_sin02.h"

#include "b_01.h"
#include "b_01_gui.h"
#include "database.h"
#include "f_help.h"
#include "f_kjun_sin01.h"
#include "flexgrid.h"
#include "msgbox.h"
#include "undou_sindan.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace mirte {

namespace {

const QString kCaption1 = QStringLiteral("摂取エネルギー ： ");
const QString kCaption2 = QStringLiteral("消費エネルギー ： ");
const QString kCaption3 = QStringLiteral("　 差　　　分 　　 ： ");
const QString kCaption4 = QStringLiteral("生活活動指数（X) ： ");
constexpr int kWidths[4] = {200, 2500, 1700, 1300};

QString kcalText(double v)
{
    return Format(v, QStringLiteral("#####0.00")) + QStringLiteral("(Kcal)");
}

} // namespace

F_KJUn_Sin02::F_KJUn_Sin02(F_KJUn_Sin01 *sindan) : QDialog(sindan)
{
    setObjectName(QStringLiteral("F_KJUn_Sin02"));
    setWindowTitle(QStringLiteral("運動診断－詳細"));
    auto *outer = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    QMenu *out = menu->addMenu(QStringLiteral("出力(&O)"));
    otClip = out->addAction(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)"));
    otClip->setObjectName(QStringLiteral("otClip"));
    outer->setMenuBar(menu);
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(mnTojiru, &QAction::triggered, this, &QDialog::accept);
    connect(otClip, &QAction::triggered, this, &F_KJUn_Sin02::otClip_Click);

    auto *values = new QGridLayout;
    auto label = [this](const QString &name, const QString &tip) {
        auto *l = new QLabel(this);
        l->setObjectName(name);
        l->setToolTip(tip);
        return l;
    };
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("食事で摂取したエネルギーです。"));
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("一日に消費したエネルギーです。"));
    Label3 = label(QStringLiteral("Label3"),
                   QStringLiteral("摂取エネルギーから消費エネルギーを引いた値です。"));
    Label4 = label(QStringLiteral("Label4"),
                   QStringLiteral("一日の行動から換算した値です。生活強度を決めるための目安となります。"));
    values->addWidget(Label1, 0, 0);
    values->addWidget(Label2, 1, 0);
    values->addWidget(Label3, 2, 0);
    values->addWidget(Label4, 3, 0);
    values->setColumnStretch(1, 1);
    outer->addLayout(values);

    auto *frame = new QGroupBox(QStringLiteral("負荷エネルギー一覧："), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *frameBox = new QVBoxLayout(frame);
    vsGrid = new FlexGrid(frame);
    vsGrid->setObjectName(QStringLiteral("vsGrid"));
    vsGrid->setHeaderClickSort(false);
    vsGrid->setMinimumSize(420, 200);
    frameBox->addWidget(vsGrid);
    outer->addWidget(frame, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(100);
    buttons->addWidget(Command1);
    outer->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(vsGrid, &FlexGrid::mouseMoved, this, [this](int, int col) {
        vsGrid->setToolTipText(
            col == 3 ? QStringLiteral("※負荷エネルギー：安静時の負荷エネルギーを０として、運動や動作により消費したエネルギーの目安です。")
                     : QString());
    });

    try {
        Form_Load(sindan);
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
    }
    resize(520, 440);
}

void F_KJUn_Sin02::Form_Load(F_KJUn_Sin01 *sindan)
{
    vsGrid->setCols(4);
    vsGrid->setTextMatrix(0, 1, QStringLiteral("行った運動･動作"));
    vsGrid->setTextMatrix(0, 2, QStringLiteral("時間"));
    vsGrid->setTextMatrix(0, 3, QStringLiteral("負荷エネルギー (Kcal)"));
    vsGrid->setColAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    vsGrid->setColAlignment(3, Qt::AlignRight | Qt::AlignVCenter);

    // Figures of a day the diagnosis could not finish would pass for a judged day.
    if (!sindan || !sindan->result().complete()) {
        Label1->setText(kCaption1 + QStringLiteral("－"));
        Label2->setText(kCaption2 + QStringLiteral("－"));
        Label3->setText(kCaption3 + QStringLiteral("－"));
        Label4->setText(kCaption4 + QStringLiteral("－"));
        m_stopped = true;
    } else {
        Label1->setText(kCaption1 + kcalText(sindan->SessyuEn));
        Label2->setText(kCaption2 + kcalText(sindan->EnSyouhiRyou));
        Label3->setText(kCaption3 + kcalText(sindan->SessyuEn - sindan->EnSyouhiRyou));
        Label4->setText(kCaption4 + Format(sindan->KatudouSisuu, QStringLiteral("##0.00")));
        const FukaHyou h = Fuka_Hyou(G_KK_ID, sindan->KisoTaisya);
        m_stopped = h.stopped;
        vsGrid->setRedraw(false);
        for (const FukaGyou &g : h.gyou)
            vsGrid->addRow({QString(), g.meisyou, g.jikan, g.fuka});
        vsGrid->setRedraw(true);
    }
    for (int c = 0; c < 4; ++c) {
        vsGrid->setColWidth(c, kWidths[c]);
        // A long activity name or the header must not be cut off.
        if (c > 0) {
            const int given = vsGrid->colWidth(c);
            vsGrid->autoSizeCol(c);
            vsGrid->setColWidth(c, std::max(given, vsGrid->colWidth(c)));
        }
    }
}

void F_KJUn_Sin02::otClip_Click()
{
    Clip_Mat(vsGrid, {0});
}

} // namespace mirte
