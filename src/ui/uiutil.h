#pragma once
// Small helpers shared by the components and the windows: control-array names,
// twips, and the 16 basic palette colours.

#include <QColor>
#include <QString>

class QWidget;

namespace mirte {

// Object name of member `index` of a control array: arrayName("Text3", 0) == "Text3_0".
QString arrayName(const QString &base, int index);

// Positions and sizes are given in twips (1/1440 inch): 15 twips are one pixel at 96 dpi.
// The widget (when given) supplies its logical dpi; otherwise the primary screen's is used.
int twipsToPixels(int twips, const QWidget *widget = nullptr);
int pixelsToTwips(int pixels, const QWidget *widget = nullptr);

// The basic palette: 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 brown,
// 7 light grey, 8 dark grey, 9 light blue, 10 light green, 11 light cyan, 12 light red,
// 13 light magenta, 14 yellow, 15 white. Codes outside 0..15 wrap around.
QColor basicColor(int code);

} // namespace mirte
