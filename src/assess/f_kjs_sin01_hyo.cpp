#include "f_kjs_sin01_hyo.h"

#include "b_01_gui.h"
#include "b_sindan.h"
#include "flexgrid.h"
#include "sindan_window.h"
#include "uiutil.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

F_KJS_Sin01_Hyo::F_KJS_Sin01_Hyo(bool mokuhyou, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_KJS_Sin01_Hyo"));
    setWindowTitle(QStringLiteral("食事診断－標準値"));
    auto *outer = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&G)"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    QMenu *out = menu->addMenu(QStringLiteral("出力(&O)"));
    mnClip = out->addAction(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)"));
    mnClip->setObjectName(QStringLiteral("mnClip"));
    outer->setMenuBar(menu);

    auto label = [this](const QString &name) {
        auto *l = new QLabel(this);
        l->setObjectName(name);
        return l;
    };
    Label1 = label(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("対象基準"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    outer->addWidget(Label1);
    auto *head = new QGridLayout;
    Label2 = label(QStringLiteral("Label2"));
    Label3 = label(QStringLiteral("Label3"));
    Label4 = label(QStringLiteral("Label4"));
    Label5 = label(QStringLiteral("Label5"));
    Label6 = label(QStringLiteral("Label6"));
    Label7 = label(QStringLiteral("Label7"));
    head->addWidget(Label2, 0, 0);
    head->addWidget(Label3, 0, 1);
    head->addWidget(Label4, 1, 0);
    head->addWidget(Label7, 1, 1);
    head->addWidget(Label5, 2, 0);
    head->addWidget(Label6, 2, 1);
    head->setContentsMargins(16, 0, 0, 0);
    outer->addLayout(head);

    vsGrid = new FlexGrid(this);
    vsGrid->setObjectName(QStringLiteral("vsGrid"));
    outer->addWidget(vsGrid, 1);
    Label8 = label(QStringLiteral("Label8"));
    Label8->setText(QStringLiteral("　目標値のある項目は、グラフの１００％の値に、目標値が使われます。"));
    Label8->setWordWrap(true);
    Label8->setVisible(false);
    outer->addWidget(Label8);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    row->addWidget(Command1);
    outer->addLayout(row);

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(mnTojiru, &QAction::triggered, this, &QDialog::accept);
    connect(mnClip, &QAction::triggered, this, [this] { guarded([this] { mnClip_Click(); }); });

    guarded([this, mokuhyou] { Form_Load(mokuhyou); });
}

void F_KJS_Sin01_Hyo::Form_Load(bool mokuhyou)
{
    // The row selector stays hidden: the table's first column is the nutrient's name.
    vsGrid->setRedraw(false);
    vsGrid->setHeaderClickSort(false);
    vsGrid->setCols(5);
    vsGrid->setRows(1 + kJudgedCount);
    vsGrid->setAllRowHeights(370);
    vsGrid->setColWidth(0, 0);
    vsGrid->setColWidth(1, 1570);
    vsGrid->setColWidth(2, 1000);
    vsGrid->setColWidth(3, mokuhyou ? 1000 : 0);
    vsGrid->setColWidth(4, 700);
    vsGrid->setColAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    vsGrid->setColAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    vsGrid->setColAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    vsGrid->setColAlignment(4, Qt::AlignLeft | Qt::AlignVCenter);
    const QStringList head{QStringLiteral("栄養素"), QStringLiteral("標準値"), QStringLiteral("目標値"),
                           QStringLiteral("単位")};
    for (int c = 0; c < head.size(); ++c)
        vsGrid->setTextMatrix(0, c + 1, head[c]);
    const QList<QStringList> rows = Hyoujun_Rows(G_Syoyouryou);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            vsGrid->setTextMatrix(r + 1, c + 1, rows[r][c]);
    vsGrid->setRedraw(true);

    Label2->setText(QStringLiteral("年齢 ： ") + G_Hyo_Nenrei);
    Label3->setText(QStringLiteral("性別 ： ") + G_Hyo_Seibetu);
    Label4->setText(QStringLiteral("生活強度 ： ") + G_Hyo_Kyoudo);
    Label5->setText(QStringLiteral("身長 ： ") + G_Hyo_Sintyou);
    Label6->setText(QStringLiteral("体重 ： ") + G_Hyo_Taijuu);
    Label7->setText(QStringLiteral("健康状態 ： ") + G_Hyo_Kenkou);

    // Room for the target column and its note.
    Label8->setVisible(mokuhyou);
    const int width = twipsToPixels(1570 + 1000 + 700 + (mokuhyou ? 1000 : 0) + 900, this);
    // Every nutrient in view where the screen is tall enough; on a small one the table scrolls
    // and the window still fits with its buttons.
    vsGrid->setMinimumSize(width, twipsToPixels(370 * 10, this));
    // A screen too low for it takes it smaller (the window rules); the table then scrolls.
    resize(width + 40, twipsToPixels(370 * 27, this) + 190);
}

void F_KJS_Sin01_Hyo::mnClip_Click()
{
    // The hidden row selector is no column of the table, nor is an unused target column.
    QList<int> leaveOut{0};
    if (vsGrid->colHidden(3))
        leaveOut << 3;
    Clip_Mat(vsGrid, leaveOut);
}

} // namespace mirte
