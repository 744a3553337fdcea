#include "f_zaiseibun01.h"

#include "b_01.h"
#include "b_01_gui.h"
#include "seibun_grids.h"
#include "sindan_window.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>

namespace mirte {

F_ZaiSeiBun01::F_ZaiSeiBun01(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_ZaiSeiBun01"));
    setWindowTitle(QStringLiteral("成分詳細"));
    setAttribute(Qt::WA_DeleteOnClose);
    const SeibunFrame f = buildSeibunFrame(this);
    mnTojiru = f.mnTojiru;
    mnClip = f.mnClip;
    Grids = f.grids;
    Command1 = f.close;
    Label1 = new QLabel(centralWidget());
    Label1->setObjectName(QStringLiteral("Label1"));
    f.header->addWidget(Label1);
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
