#include "seibun_grids.h"

#include "flexgrid.h"
#include "tabcontrol.h"
#include "uiutil.h"

#include <algorithm>

#include <QAction>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace mirte {

SeibunGrids::SeibunGrids(QWidget *parent) : QWidget(parent)
{
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    SSTab1 = new TabControl(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    const QStringList captions{QStringLiteral("主な栄養素"), QStringLiteral("脂肪酸"), QStringLiteral("アミノ酸")};
    for (int g = 0; g < kSeibunGrids; ++g) {
        vsGrid[g] = new FlexGrid;
        vsGrid[g]->setObjectName(arrayName(QStringLiteral("vsGrid"), g));
        vsGrid[g]->setHeaderClickSort(false);
        SSTab1->addTab(vsGrid[g], captions[g]);
    }
    lay->addWidget(SSTab1, 1);
    Label4 = new QLabel(QStringLiteral("単位無しは、 　（mg）"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    lay->addWidget(Label4);
    connect(SSTab1, &TabControl::tabChanged, this, [this](int t, int) { tabShown(t); });
    tabShown(0);
}

void SeibunGrids::tabShown(int tab)
{
    // The unit note explains the columns without a unit, which only tabs 1 and 2 have.
    Label4->setVisible(tab != 0);
}

FlexGrid *SeibunGrids::shownGrid() const
{
    return vsGrid[qBound(0, SSTab1->tab(), kSeibunGrids - 1)];
}

void SeibunGrids::show(const SeibunHyou &t)
{
    for (int g = 0; g < kSeibunGrids; ++g) {
        FlexGrid *grid = vsGrid[g];
        const QStringList head = Seibun_Header(g);
        grid->setRedraw(false);
        grid->setCols(int(head.size()));
        grid->setRows(1 + int(t.rows[g].size()));
        for (int c = 0; c < head.size(); ++c)
            grid->setTextMatrix(0, c, head[c]);
        for (int r = 0; r < t.rows[g].size(); ++r) {
            const QStringList &row = t.rows[g][r];
            for (int c = 1; c < row.size(); ++c)
                grid->setTextMatrix(r + 1, c, row[c]);
        }
        grid->setColWidth(0, 200);
        // Names fit their column, up to a width that leaves room for the numbers.
        for (int c = 1; c <= 3; ++c) {
            grid->autoSizeCol(c);
            grid->setColWidth(c, qBound(1200, grid->colWidth(c) + 120, 3600));
        }
        // Amounts are at most "99999.00" wide: the header decides, without measuring every cell.
        const QFontMetrics fm(grid->font());
        const int number = fm.horizontalAdvance(QStringLiteral("99999.00"));
        for (int c = 4; c < head.size(); ++c) {
            grid->setColAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
            const int px = std::max(number, fm.horizontalAdvance(head[c])) + 16;
            grid->setColWidth(c, pixelsToTwips(px, grid));
        }
        grid->setFixedCols(3);
        grid->setRedraw(true);
    }
}

SeibunFrame buildSeibunFrame(QMainWindow *w)
{
    SeibunFrame f;
    QMenu *gamen = w->menuBar()->addMenu(QStringLiteral("画面(&G)"));
    f.mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    f.mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    QMenu *out = w->menuBar()->addMenu(QStringLiteral("出力(&O)"));
    f.mnClip = out->addAction(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)"));
    f.mnClip->setObjectName(QStringLiteral("mnClip"));

    auto *central = new QWidget(w);
    central->setObjectName(QStringLiteral("Form"));
    w->setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);
    f.header = new QVBoxLayout;
    outer->addLayout(f.header);
    f.grids = new SeibunGrids(central);
    outer->addWidget(f.grids, 1);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    f.close = new QPushButton(QStringLiteral("閉じる"), central);
    f.close->setObjectName(QStringLiteral("Command1"));
    row->addWidget(f.close);
    outer->addLayout(row);
    QObject::connect(f.close, &QPushButton::clicked, w, &QWidget::close);
    QObject::connect(f.mnTojiru, &QAction::triggered, w, &QWidget::close);
    return f;
}

} // namespace mirte
