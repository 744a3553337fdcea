#pragma once
// Shared routines that work on windows and grids.

#include <QtGlobal>

class QWidget;

namespace mirte {

class FlexGrid;

// Makes the first data row whose column `col`, read as a whole number, equals `id` the
// current and top row. False when no data row matches (the grid is left as it was).
bool Grid_ID_Sentaku(FlexGrid *grid, int col, qint64 id);

// Centres a window on its screen; a window larger than the screen goes to its top/left edge.
void Form_Center(QWidget *window);

} // namespace mirte
