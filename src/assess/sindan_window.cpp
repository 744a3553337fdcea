#include "sindan_window.h"

#include "b_01_gui.h"
#include "f_help.h"
#include "graph.h"
#include "statusbartext.h"
#include "tabcontrol.h"

#include <QAction>
#include <QMenuBar>

namespace mirte {

SindanWindow::SindanWindow(QWidget *parent) : QMainWindow(parent) {}

void SindanWindow::buildGraphs()
{
    QMenu *gamen = menuBar()->addMenu(QStringLiteral("画面(&G)"));
    gamen->setObjectName(QStringLiteral("mnGamen"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    QMenu *scale = menuBar()->addMenu(QStringLiteral("スケール切替(&T)"));
    scale->setObjectName(QStringLiteral("scKirikae"));
    mnKotei = scale->addAction(QStringLiteral("固定表示(&K)"));
    mnKotei->setObjectName(QStringLiteral("mnKotei"));
    mnZentai = scale->addAction(QStringLiteral("全体表示(&A)"));
    mnZentai->setObjectName(QStringLiteral("mnZentai"));
    for (QAction *a : {mnKotei, mnZentai})
        a->setCheckable(true);
    QMenu *out = menuBar()->addMenu(QStringLiteral("出力(&O)"));
    m_outMenu = out;
    out->setObjectName(QStringLiteral("otPut"));
    mnPrint = out->addAction(QStringLiteral("印刷(&P)"));
    mnPrint->setObjectName(QStringLiteral("mnPrint"));
    QMenu *clip = out->addMenu(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)"));
    clip->setObjectName(QStringLiteral("mnClip"));
    mnGazou = clip->addAction(QStringLiteral("画像形式(&G)"));
    mnGazou->setObjectName(QStringLiteral("mnGazou"));
    mnText = clip->addAction(QStringLiteral("ﾃｷｽﾄ形式(&F)"));
    mnText->setObjectName(QStringLiteral("mnText"));

    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(mnTojiru, &QAction::triggered, this, &QWidget::close);
    // The check marks follow the scale in force, not the clicks.
    connect(mnKotei, &QAction::triggered, this, [this] { Kirikae(true); });
    connect(mnZentai, &QAction::triggered, this, [this] { Kirikae(false); });
    connect(mnPrint, &QAction::triggered, this, [this] { guarded([this] { mnPrint_Click(); }); });
    connect(mnGazou, &QAction::triggered, this, [this] { guarded([this] { mnGazou_Click(); }); });
    connect(mnText, &QAction::triggered, this, [this] { guarded([this] { mnText_Click(); }); });

    SSTab1 = new TabControl(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    Gr1 = new Graph;
    Gr1->setObjectName(QStringLiteral("Gr1"));
    Gr2 = new Graph;
    Gr2->setObjectName(QStringLiteral("Gr2"));
    SSTab1->addTab(Gr1, QStringLiteral("グラフ１"));
    SSTab1->addTab(Gr2, QStringLiteral("グラフ２"));
    for (Graph *g : {Gr1, Gr2}) {
        g->setTitle(QStringLiteral("栄養素の摂取率"));
        g->setType(Graph::Type::StackedBar);
        g->setMinimumSize(560, 360);
    }
    // The fixed scale is where every window starts.
    m_fixed = true;
    applyScale();
    connect(Gr1, &Graph::pointClicked, this, [this](int s, int p) { Gr_Click(0, s, p); });
    connect(Gr2, &Graph::pointClicked, this, [this](int s, int p) { Gr_Click(1, s, p); });
}

void SindanWindow::showTable(Graph *g, const GraphHyou &t, const QStringList &legends)
{
    g->setDrawingSuspended(true);
    g->setNumSets(t.rows() - 1);
    g->setNumPoints(t.cells() - 1);
    g->setPointLabels(t.names);
    for (int s = 1; s < t.rows(); ++s) {
        g->setValues(s, t.values[s - 1]);
        g->setLegendText(s, legends.value(s - 1));
    }
    g->redraw();
}

void SindanWindow::applyScale()
{
    for (Graph *g : {Gr1, Gr2}) {
        if (m_fixed)
            g->setUserScale(200, 0, 9, 1); // a line every 20 %
        else
            g->setAutoScale();
    }
    mnKotei->setChecked(m_fixed);
    mnZentai->setChecked(!m_fixed);
}

void SindanWindow::Kirikae(bool fixed)
{
    if (fixed == m_fixed) {
        mnKotei->setChecked(m_fixed);
        mnZentai->setChecked(!m_fixed);
        return;
    }
    for (Graph *g : {Gr1, Gr2})
        g->setDrawingSuspended(true);
    m_fixed = fixed;
    ++m_switches;
    applyScale();
    for (Graph *g : {Gr1, Gr2})
        g->redraw();
}

Graph *SindanWindow::shownGraph() const
{
    return SSTab1->tab() == 1 ? Gr2 : Gr1;
}

bool SindanWindow::mnPrint_Click(QPrinter *printer)
{
    if (!Print_Kakunin())
        return false;
    if (!printer)
        return Gr_Print(shownGraph(), printTitle(), this);
    // A printer that cannot start is said so, never taken as printed.
    if (!Gr_PrintTo(shownGraph(), *printer, printTitle())) {
        ShowError(482, QStringLiteral("プリンタを使用できません。"));
        return false;
    }
    return true;
}

void SindanWindow::mnGazou_Click()
{
    Clip_Gazou(shownGraph());
}

void SindanWindow::mnText_Click()
{
    Clip_Text(graphData(SSTab1->tab() == 1 ? 1 : 0).text());
}

void SindanWindow::Gr_Click(int tab, int s, int p)
{
    const GraphHyou &t = graphData(tab);
    if (s < 1 || s >= t.rows() || p < 1 || p >= t.cells())
        return;
    MsgBox(readOut(t, s, p), vbInformation, QStringLiteral("参考"));
}

} // namespace mirte
