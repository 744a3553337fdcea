#include "f_kjseibun01.h"

#include "b_01.h"
#include "b_01_gui.h"
#include "seibun_grids.h"
#include "sindan_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

F_KJSeibun01::F_KJSeibun01(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_KJSeibun01"));
    setWindowTitle(QStringLiteral("成分詳細（一日分）"));
    setAttribute(Qt::WA_DeleteOnClose);
    QMenu *gamen = menuBar()->addMenu(QStringLiteral("画面(&G)"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    QMenu *out = menuBar()->addMenu(QStringLiteral("出力(&O)"));
    mnClip = out->addAction(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)"));
    mnClip->setObjectName(QStringLiteral("mnClip"));

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);
    auto *head = new QHBoxLayout;
    Label1 = new QLabel(central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(central);
    Label3->setObjectName(QStringLiteral("Label3"));
    // The header texts carry their own captions ("氏名 ： ", "日付 ： ").
    head->addWidget(Label1);
    head->addSpacing(24);
    head->addWidget(Label3);
    head->addStretch(1);
    outer->addLayout(head);
    Grids = new SeibunGrids(central);
    outer->addWidget(Grids, 1);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("閉じる"), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    row->addWidget(Command1);
    outer->addLayout(row);

    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    connect(mnTojiru, &QAction::triggered, this, &QWidget::close);
    connect(mnClip, &QAction::triggered, this, [this] { guarded([this] { mnClip_Click(); }); });
    resize(1100, 620);
    guarded([this] { Form_Load(); });
}

void F_KJSeibun01::Form_Load()
{
    Label1->setText(G_Simei_Hyouji);
    Label3->setText(G_Day_Hyouji);
    {
        WaitCursor wait;
        m_table = Seibun_Day(G_KK_ID);
    }
    Grids->show(m_table);
}

void F_KJSeibun01::mnClip_Click()
{
    Clip_Mat(Grids->shownGrid(), {0});
}

} // namespace mirte
