#pragma once
// What the dish master windows share beside the common handler helpers: the warning of a row
// that has gone, and grid columns that take the spare width.

#include "flexgrid.h"
#include "handlers.h"
#include "uiutil.h"

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

// A warning titled "確認" (a row that has gone).
inline void warn(const QString &text)
{
    MsgBox(text, vbExclamation, kakunin());
}

} // namespace mirte::dishes
