#pragma once
// What the dish master windows share beside the common handler helpers: the warning of a row
// that has gone, and grid columns that take the spare width.

#include "f_help.h"
#include "f_seiken01.h"
#include "f_zaiseibun01.h"
#include "flexgrid.h"
#include "handlers.h"
#include "uiutil.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

namespace mirte::dishes {

// Gives column `col` the width the grid has left beside its other columns (at least
// minTwips), so that a long name shows without a sideways scroll bar.
inline void fillWidth(FlexGrid *g, int col, int minTwips)
{
    QTableView *v = g->view();
    int used = 0;
    for (int c = 0; c < g->cols(); ++c)
        if (c != col)
            used += g->colWidth(c);
    // Room for a vertical scroll bar is kept, so that a longer list does not need a sideways one.
    const int room = g->width() - 2 * v->frameWidth() - v->verticalScrollBar()->sizeHint().width();
    const int free = pixelsToTwips(room, g) - used - 30;
    g->setColWidth(col, std::max(minTwips, free));
}

// Keeps fillWidth applied whenever the grid changes size.
class FillWidth : public QObject {
public:
    FillWidth(FlexGrid *g, int col, int minTwips) : QObject(g), m_grid(g), m_col(col), m_min(minTwips)
    {
        g->installEventFilter(this);
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == m_grid && e->type() == QEvent::Resize && !m_grid->colHidden(m_col))
            fillWidth(m_grid, m_col, m_min);
        return false;
    }

private:
    FlexGrid *m_grid;
    int m_col, m_min;
};

// A button of these windows: Enter in a box presses none of them.
inline QPushButton *button(const QString &caption, const QString &name, const QString &tip, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setToolTip(tip);
    return b;
}

// The "画面(&G)" menu with 説明 (help on the window) and 閉じる.
inline void screenMenu(QMainWindow *w, QAction *&mnSetu, QAction *&mnTojiru)
{
    QMenu *gamen = w->menuBar()->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    QObject::connect(mnSetu, &QAction::triggered, w, [w] { ShowProgramHelp(w); });
    QObject::connect(mnTojiru, &QAction::triggered, w, &QWidget::close);
}

// The grid's tooltip: sorting over the header row, `overData` over a data row.
inline void gridTip(FlexGrid *g, int row, int col, const QString &overData)
{
    QString tip;
    if (row == 0 && col >= 0)
        tip = QStringLiteral("クリックでソートします。");
    else if (row > 0 && col >= 0)
        tip = overData;
    if (g->toolTipText() != tip)
        g->setToolTipText(tip);
}

// The list grid of these windows: a row chosen (by click, keys or a new sort) is shown through
// `selected`; a double-click on a row does what `open` (which stands for the button `opener`)
// does when that button is enabled; the tooltip over a row says so with `tip`.
template <class Selected, class Open>
void wireListGrid(FlexGrid *g, QWidget *owner, QPushButton *opener, Selected selected, Open open,
                  const QString &tip)
{
    QObject::connect(g, &FlexGrid::currentRowChanged, owner, selected);
    QObject::connect(g, &FlexGrid::sorted, owner, [g, selected] { selected(g->row()); });
    QObject::connect(g, &FlexGrid::doubleClicked, owner, [g, opener, open](int row, int) {
        // The row double-clicked is the one meant, whatever the press did.
        if (row < 1 || row >= g->rows())
            return;
        if (g->row() != row)
            g->setRow(row);
        if (opener->isEnabled())
            open();
    });
    QObject::connect(g, &FlexGrid::mouseMoved, owner, [g, tip](int row, int col) { gridTip(g, row, col, tip); });
}

// Opens the ingredient detail (caller code yobiFlg) in place of `caller`: the caller and the
// composition browser step aside, and the caller comes back when the detail closes.
inline F_ZaiSeiBun01 *openDetailInPlace(QWidget *caller, int yobiFlg)
{
    auto *detail = new F_ZaiSeiBun01(caller);
    detail->YobiFlg = yobiFlg;
    QPointer<QWidget> self(caller);
    QObject::connect(detail, &QObject::destroyed, caller, [self] {
        if (self) {
            self->show();
            self->activateWindow();
        }
    });
    detail->show();
    if (F_SeiKen01 *s = G_SeiKen())
        s->hide();
    caller->hide();
    return detail;
}

// A warning titled "確認" (a row that has gone).
inline void warn(const QString &text)
{
    MsgBox(text, vbExclamation, kakunin());
}

} // namespace mirte::dishes
