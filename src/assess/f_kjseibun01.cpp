#include "f_kjseibun01.h"

#include "b_01.h"
#include "b_01_gui.h"
#include "seibun_grids.h"
#include "sindan_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>

namespace mirte {

F_KJSeibun01::F_KJSeibun01(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_KJSeibun01"));
    setWindowTitle(QStringLiteral("成分詳細（一日分）"));
    setAttribute(Qt::WA_DeleteOnClose);
    const SeibunFrame f = buildSeibunFrame(this);
    mnTojiru = f.mnTojiru;
    mnClip = f.mnClip;
    Grids = f.grids;
    Command1 = f.close;
    auto *head = new QHBoxLayout;
    Label1 = new QLabel(centralWidget());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(centralWidget());
    Label3->setObjectName(QStringLiteral("Label3"));
    // The header texts carry their own captions ("氏名 ： ", "日付 ： ").
    head->addWidget(Label1);
    head->addSpacing(24);
    head->addWidget(Label3);
    head->addStretch(1);
    f.header->addLayout(head);
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
