#include "b_00_gui.h"

#include "b_01.h"
#include "flexgrid.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

namespace mirte {

bool Grid_ID_Sentaku(FlexGrid *grid, int col, qint64 id)
{
    if (!grid)
        return false;
    for (int r = 1; r < grid->rows(); ++r) {
        const QString cell = grid->textMatrix(r, col).trimmed();
        // An empty cell is no identifier (it would read as 0).
        if (cell.isEmpty())
            continue;
        if (std::llround(Val(cell)) == id) {
            grid->setRow(r);
            grid->setTopRow(r);
            return true;
        }
    }
    return false;
}

void Form_Center(QWidget *window)
{
    if (!window)
        return;
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect avail = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    const int top = avail.height() > frame.height() ? (avail.height() - frame.height()) / 2 : 0;
    const int left = avail.width() > frame.width() ? (avail.width() - frame.width()) / 2 : 0;
    window->move(avail.left() + left, avail.top() + top);
}

} // namespace mirte
