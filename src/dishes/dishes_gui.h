#pragma once
// Small pieces the dish master windows share: the error trap of a handler, the hourglass and
// the two kinds of message.

#include "database.h"
#include "flexgrid.h"
#include "uiutil.h"
#include "msgbox.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <exception>

namespace mirte::dishes {

// Runs a handler; an error is reported the common way and ends the handler.
template <class Fn>
void guarded(Fn &&fn)
{
    try {
        fn();
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
    } catch (const std::exception &e) {
        ShowError(5, QString::fromLocal8Bit(e.what()));
    }
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

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

inline QString kakunin()
{
    return QStringLiteral("確認");
}

// A notice titled "確認".
inline void info(const QString &text)
{
    MsgBox(text, vbInformation, kakunin());
}

// A warning titled "確認" (a row that has gone).
inline void warn(const QString &text)
{
    MsgBox(text, vbExclamation, kakunin());
}

// An OK/Cancel question titled "確認"; true on OK.
inline bool ask(const QString &text)
{
    return MsgBox(text, vbOKCancel | vbQuestion, kakunin()) == vbOK;
}

} // namespace mirte::dishes
