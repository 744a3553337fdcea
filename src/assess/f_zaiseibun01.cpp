#include "f_zaiseibun01.h"

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

F_ZaiSeiBun01::F_ZaiSeiBun01(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_ZaiSeiBun01"));
    setWindowTitle(QStringLiteral("成分詳細"));
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
    Label1 = new QLabel(central);
    Label1->setObjectName(QStringLiteral("Label1"));
    outer->addWidget(Label1);
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
    resize(1100, 520);
}

bool F_ZaiSeiBun01::Form_Load()
{
    m_loaded = true;
    bool ok = false;
    guarded([&] {
        WaitCursor wait;
        if (YobiFlg == 1) {
            setWindowTitle(QStringLiteral("成分詳細（料理マスタ）"));
            Label1->setText(QStringLiteral("料理名 ： ") + G_Mst_Ryouri_Mei);
            m_table = Seibun_Master(G_Mst_Ryouri_ID, G_Mst_Ryouri_Mei);
        } else if (YobiFlg == 2) {
            setWindowTitle(QStringLiteral("成分詳細（料理別）"));
            Label1->setText(QStringLiteral("料理名 ： ") + G_Ryouri_Mei);
            m_table = Seibun_Ryouri(G_SeR_ID, G_Ryouri_Mei);
        } else {
            MsgBox(QStringLiteral("プログラムエラー"), vbCritical, QStringLiteral("エラー"));
            return;
        }
        Grids->show(m_table);
        ok = true;
    });
    return ok;
}

void F_ZaiSeiBun01::showEvent(QShowEvent *e)
{
    if (!m_loaded)
        Form_Load();
    QMainWindow::showEvent(e);
}

void F_ZaiSeiBun01::mnClip_Click()
{
    Clip_Mat(Grids->shownGrid());
}

} // namespace mirte
