#pragma once
// Clipboard and printer output of grids and graphs.

#include <QList>
#include <QString>

class QPrinter;
class QWidget;

namespace mirte {

class FlexGrid;
class Graph;

// Shows the copy dialog (modal) for a grid; `leaveOut` are the columns a text copy skips.
void Clip_Mat(FlexGrid *grid, const QList<int> &leaveOut = {});

// Copies the graph as a bitmap (white background) and says so.
void Clip_Gazou(Graph *graph);

// Puts a text on the clipboard (the graph screens' text copies) and says so.
void Clip_Text(const QString &text);

// "印刷を開始します。プリンタの準備はよろしいですか。" (OK / Cancel); true on OK.
bool Print_Kakunin();

// Asks for a printer and prints the graph under a title line. False when cancelled or the
// printer could not be started (that is reported).
bool Gr_Print(Graph *graph, const QString &title, QWidget *parent = nullptr);
// The printing part, on a printer set up by the caller (a PDF file in tests).
bool Gr_PrintTo(Graph *graph, QPrinter &printer, const QString &title);

} // namespace mirte
