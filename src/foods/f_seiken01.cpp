#include "f_seiken01.h"

#include "b_00_gui.h"
#include "b_01.h"
#include "database.h"
#include "f_help.h"
#include "f_ken_sei.h"
#include "flexgrid.h"
#include "msgbox.h"
#include "statusbartext.h"
#include "tabcontrol.h"
#include "uiutil.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

namespace {

F_SeiKen01 *s_seiken = nullptr;

QString basisLabel(bool kasyoku)
{
    return kasyoku ? QStringLiteral("脂肪酸組成表：可食部１００ｇ当たり")
                   : QStringLiteral("脂肪酸組成表：脂肪酸総量１００ｇ当たり");
}

// The hourglass for the length of a re-query, whatever way it ends.
struct Hourglass {
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
};

} // namespace

QString F_SeiKen01::defaultStatusText()
{
    return QStringLiteral("成分表の一覧です。成分表、アミノ酸、脂肪酸一覧の表示は、それぞれ独立しています。"
                          "表毎に検索、ソートしてください。");
}

F_SeiKen01::F_SeiKen01(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_SeiKen01"));
    setWindowTitle(QStringLiteral("成分表検索"));
    buildMenus();

    auto *central = new QWidget(this);
    auto *lay = new QVBoxLayout(central);
    lay->setContentsMargins(6, 6, 6, 4);
    SSTab1 = new TabControl(central);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    const QStringList tabs{QStringLiteral("成分表"), QStringLiteral("アミノ酸"), QStringLiteral("脂肪酸")};
    for (int t = 0; t < kSeiKenTabs; ++t) {
        auto *page = new QWidget(SSTab1);
        auto *pl = new QVBoxLayout(page);
        pl->setContentsMargins(4, 4, 4, 4);
        if (t == 2) {
            Label1 = new QLabel(basisLabel(false), page);
            Label1->setObjectName(QStringLiteral("Label1"));
            pl->addWidget(Label1);
        }
        vsGrid[t] = new FlexGrid(page);
        vsGrid[t]->setObjectName(arrayName(QStringLiteral("vsGrid"), t));
        pl->addWidget(vsGrid[t], 1);
        SSTab1->addTab(page, tabs.at(t));
        FlexGrid *g = vsGrid[t];
        g->setFixedCols(m_fixedCols);
        connect(g, &FlexGrid::mouseMoved, this, [this, t](int row, int col) { gridTip(t, row, col); });
        connect(g, &FlexGrid::doubleClicked, this, [this, g](int row, int) {
            if (row < 1 || !m_pickVisible)
                return;
            g->setRow(row);
            Command5_Click();
        });
    }
    lay->addWidget(SSTab1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command5 = new QPushButton(QStringLiteral("選　択"), central);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command4 = new QPushButton(QStringLiteral("閉じる"), central);
    Command4->setObjectName(QStringLiteral("Command4"));
    for (QPushButton *b : {Command5, Command4}) {
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }
    lay->addLayout(buttons);
    setCentralWidget(central);

    StBar = new StatusBarText(this);
    StBar->setText(defaultStatusText());
    StBar->addHint(this, defaultStatusText());
    setStatusBar(StBar);

    connect(Command5, &QPushButton::clicked, this, &F_SeiKen01::Command5_Click);
    connect(Command4, &QPushButton::clicked, this, &F_SeiKen01::Command4_Click);
    connect(SSTab1, &TabControl::tabChanged, this, [this](int current, int) {
        if (isVisible() && current >= 0)
            grid(current);
    });

    // Loading: every tab unfiltered, tab 0, per fatty acids, 6 fixed columns.
    Jouken_Reset();
    SSTab1->setTab(0);
    updateChecks();
    resize(1060, 660);
    Form_Center(this);
}

F_SeiKen01::~F_SeiKen01()
{
    if (s_seiken == this)
        s_seiken = nullptr;
}

void F_SeiKen01::buildMenus()
{
    auto named = [](QAction *a, const char *name) {
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu *gamen = menuBar()->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = named(gamen->addAction(QStringLiteral("説明(&H)")), "mnSetu");
    gamen->addSeparator();
    mnTojiru = named(gamen->addAction(QStringLiteral("閉じる(&Q)")), "mnTojiru");

    QMenu *hyouji = menuBar()->addMenu(QStringLiteral("表示切替(&T)"));
    QMenu *sibou = hyouji->addMenu(QStringLiteral("脂肪酸組成表(&B)"));
    gmSbo = named(sibou->addAction(QStringLiteral("脂肪酸100ｇ(&S)")), "gmSbo");
    gmKas = named(sibou->addAction(QStringLiteral("可食部100ｇ(&K)")), "gmKas");

    QMenu *retu = menuBar()->addMenu(QStringLiteral("横ｽｸﾛｰﾙの設定(&R)"));
    gmRetuSai = named(retu->addAction(QStringLiteral("細分まで固定(&L)")), "gmRetuSai");
    gmRetuSyo = named(retu->addAction(QStringLiteral("食品番号のみ固定(&M)")), "gmRetuSyo");
    gmRetuNasi = named(retu->addAction(QStringLiteral("固定列なし(&N)")), "gmRetuNasi");

    mnKensaku = named(menuBar()->addAction(QStringLiteral("検索(&F)")), "mnKensaku");

    QMenu *tani = menuBar()->addMenu(QStringLiteral("単位の説明(&T)"));
    tnSeiBun = named(tani->addAction(QStringLiteral("成分表(&Y)")), "tnSeiBun");
    tnAmino = named(tani->addAction(QStringLiteral("アミノ酸組成表(&U)")), "tnAmino");
    tnSibou = named(tani->addAction(QStringLiteral("脂肪酸組成表(&I)")), "tnSibou");

    for (QAction *a : {gmSbo, gmKas, gmRetuSai, gmRetuSyo, gmRetuNasi})
        a->setCheckable(true);

    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(mnTojiru, &QAction::triggered, this, &F_SeiKen01::Command4_Click);
    connect(gmSbo, &QAction::triggered, this, [this] { SibouKirikae(false, true); });
    connect(gmKas, &QAction::triggered, this, [this] { SibouKirikae(true, true); });
    connect(gmRetuSai, &QAction::triggered, this, [this] { RetuKotei(6); });
    connect(gmRetuSyo, &QAction::triggered, this, [this] { RetuKotei(3); });
    connect(gmRetuNasi, &QAction::triggered, this, [this] { RetuKotei(1); });
    connect(mnKensaku, &QAction::triggered, this, &F_SeiKen01::mnKensaku_Click);
    // The units pages; F1 afterwards is the window's own page again.
    connect(tnSeiBun, &QAction::triggered, this, [] { ShowHelpPage(helpTopicPage(20)); });
    connect(tnAmino, &QAction::triggered, this, [] { ShowHelpPage(helpTopicPage(21)); });
    connect(tnSibou, &QAction::triggered, this, [] { ShowHelpPage(helpTopicPage(22)); });
}

void F_SeiKen01::updateChecks()
{
    // A triggered checkable item flips itself; the marks always follow the state instead.
    gmSbo->setChecked(!m_kasyoku);
    gmKas->setChecked(m_kasyoku);
    gmRetuSai->setChecked(m_fixedCols == 6);
    gmRetuSyo->setChecked(m_fixedCols == 3);
    gmRetuNasi->setChecked(m_fixedCols == 1);
    Label1->setText(basisLabel(m_kasyoku));
}

void F_SeiKen01::setPickVisible(bool visible)
{
    m_pickVisible = visible;
    Command5->setVisible(visible);
}

SeibunKind F_SeiKen01::kindOf(int tab) const
{
    if (tab == 0)
        return SeibunKind::Seibun;
    if (tab == 1)
        return SeibunKind::Amino;
    return m_kasyoku ? SeibunKind::SibouKasyoku : SeibunKind::Sibou;
}

FlexGrid *F_SeiKen01::grid(int tab)
{
    if (tab < 0 || tab >= kSeiKenTabs)
        return nullptr;
    if (!m_loaded[tab]) {
        try {
            Rs_Set(tab);
        } catch (const DbError &e) {
            ShowError(e.number(), e.description());
        }
    }
    return vsGrid[tab];
}

void F_SeiKen01::showEvent(QShowEvent *e)
{
    // The tables are read when they are first looked at, not at start-up.
    grid(SSTab1->tab());
    QMainWindow::showEvent(e);
}

void F_SeiKen01::Rs_Set(int tab)
{
    FlexGrid *g = vsGrid[tab];
    Hourglass wait;
    g->setRedraw(false);
    g->setFixedCols(1);
    const KensakuJouken &j = G_Kensaku_Jouken.at(tab);
    const SeibunKind kind = kindOf(tab);
    try {
        g->setResultSet(seibunRows(kind, j.gun, j.text));
    } catch (...) {
        g->setFixedCols(m_fixedCols);
        g->setRedraw(true);
        throw;
    }
    m_loaded[tab] = true;
    if (kind == SeibunKind::SibouKasyoku) {
        // The headers lose the K of their alias; the products show three decimals.
        for (int c = seiken_col::SibouFirst; c <= seiken_col::SibouLast; ++c) {
            const QString h = g->textMatrix(0, c);
            g->setTextMatrix(0, c, h.left(h.size() - 1));
            g->setColFormat(c, QStringLiteral("0.000"));
        }
    }
    Retu_Settei(tab);
    g->setFixedCols(m_fixedCols);
    g->setRedraw(true);
}

void F_SeiKen01::Retu_Settei(int tab)
{
    FlexGrid *g = vsGrid[tab];
    g->setColWidth(0, 200);
    g->setColWidth(seiken_col::Id, 0);
    g->setColWidth(seiken_col::Bangou, 800);
    g->setColWidth(seiken_col::Gun, 1000);
    g->setColWidth(seiken_col::Mei, 2000);
    g->setColWidth(seiken_col::Saibun, 2000);
    g->setRowHeight(0, 800);
    const int last = g->cols() - 1;
    if (tab == 0) {
        // By header: the user may have dragged them elsewhere before a re-query.
        for (int c = seiken_col::FirstMovable; c <= last; ++c) {
            const QString h = g->textMatrix(0, c);
            int w = 700;
            if (h == QStringLiteral("分量目安") || h == QStringLiteral("別名"))
                w = 1800;
            else if (h == QStringLiteral("備考") || h == QStringLiteral("補足"))
                w = 2200;
            else if (h == QStringLiteral("配布元"))
                w = 0;
            g->setColWidth(c, w);
        }
    } else {
        const int lastShown = last - 2; // 配布元 and 分量目安 stay out of sight
        for (int c = seiken_col::FirstMovable; c <= last; ++c)
            g->setColWidth(c, c <= lastShown ? 700 : 0);
    }
    g->setColumnMoveRange(seiken_col::FirstMovable, -1);
}

void F_SeiKen01::RetuKotei(int fixedCols)
{
    if (fixedCols == m_fixedCols) {
        updateChecks();
        return;
    }
    m_fixedCols = fixedCols;
    for (FlexGrid *g : vsGrid)
        g->setFixedCols(fixedCols);
    updateChecks();
}

void F_SeiKen01::SibouKirikae(bool kasyoku, bool ask)
{
    try {
        if (ask) {
            if (kasyoku == m_kasyoku) {
                updateChecks();
                return;
            }
            const QString q = kasyoku
                ? QStringLiteral("可食部１００ｇ当たりの脂肪酸組成表に切り替えます。よろしいですか？")
                : QStringLiteral("脂肪酸１００ｇ当たりの脂肪酸組成表に切り替えます。よろしいですか？");
            if (MsgBox(q, vbOKCancel | vbQuestion, QStringLiteral("確認")) != vbOK) {
                updateChecks();
                return;
            }
        }
        const bool before = m_kasyoku;
        m_kasyoku = kasyoku;
        try {
            Rs_Set(2);
        } catch (...) {
            m_kasyoku = before;
            updateChecks();
            throw;
        }
        updateChecks();
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
    }
}

void F_SeiKen01::mnKensaku_Click()
{
    const int tab = SSTab1->tab();
    {
        F_Ken_Sei dialog(this, tab);
        dialog.exec();
    }
    if (!Ken_Can_Flg)
        Kensaku_Jikkou(tab);
}

void F_SeiKen01::Kensaku_Jikkou(int tab)
{
    try {
        for (FlexGrid *g : vsGrid)
            g->setRedraw(false);
        if (tab == 2)
            SibouKirikae(m_kasyoku, false);
        else
            Rs_Set(tab);
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
    }
    for (FlexGrid *g : vsGrid)
        g->setRedraw(true);
}

QString F_SeiKen01::guideOf(int tab, int row)
{
    FlexGrid *g = vsGrid[tab];
    int col = -1;
    if (tab == 0)
        col = g->findCol(QStringLiteral("分量目安"), seiken_col::FirstMovable);
    else
        col = tab == 1 ? seiken_col::AminoGuide : seiken_col::SibouGuide;
    return col < 0 ? QString() : g->textMatrix(row, col);
}

void F_SeiKen01::Command5_Click()
{
    const int code = G_Yobidasi;
    if (code != 1 && code != 3 && code != 11 && code != 12) {
        MsgBox(QStringLiteral("プログラムエラー"), vbExclamation, QStringLiteral("確認"));
        return;
    }
    const int tab = SSTab1->tab();
    FlexGrid *g = grid(tab);
    const int row = g->row();
    if (row < 1)
        return; // nothing chosen yet: nothing to hand over
    FoodPick pick;
    pick.seibunId = g->valueMatrix(row, seiken_col::Id).toLongLong();
    pick.group = g->textMatrix(row, seiken_col::Gun);
    pick.name = g->textMatrix(row, seiken_col::Mei);
    pick.saibun = g->textMatrix(row, seiken_col::Saibun);
    pick.guide = guideOf(tab, row);
    G_Sei_ID = pick.seibunId;
    emit foodChosen(code, pick);
}

void F_SeiKen01::Command4_Click()
{
    // Never unloaded while the program runs: closing only hides it. Any caller code hides it, so
    // that the window can always be closed.
    hide();
    if (G_Yobidasi == 4)
        emit closed();
}

void F_SeiKen01::closeEvent(QCloseEvent *e)
{
    e->ignore();
    Command4_Click();
}

void F_SeiKen01::gridTip(int tab, int row, int col)
{
    FlexGrid *g = vsGrid[tab];
    QString tip;
    if (row == 0 && col >= 0)
        tip = col < seiken_col::FirstMovable ? QStringLiteral("クリックでソートします。")
                                            : QStringLiteral("クリックでソート。ドラッグで列を移動します。");
    else if (row > 0 && col >= 0)
        tip = g->textMatrix(row, seiken_col::Mei) + QStringLiteral("  ") + g->textMatrix(row, seiken_col::Saibun)
            + QStringLiteral(" [ ") + g->textMatrix(row, seiken_col::Bangou) + QStringLiteral(" ]");
    if (g->toolTipText() != tip)
        g->setToolTipText(tip);
}

F_SeiKen01 *G_SeiKen()
{
    return s_seiken;
}

void createSeiKen()
{
    if (!s_seiken)
        s_seiken = new F_SeiKen01;
}

void destroySeiKen()
{
    delete s_seiken;
    s_seiken = nullptr;
}

} // namespace mirte
