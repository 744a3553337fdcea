#pragma once
// What every window of the program does alike, installed once on the application:
// - Enter on a button presses it; on a list box, a check box or an option it moves on to the
//   next control, as a Japanese desktop user expects (boxes move on by themselves).
// - A window cannot be shrunk below the size at which its controls stay readable.
// - A window opens wholly inside the screen's free area.

class QRect;
class QWidget;

namespace mirte {

void installWindowRules();

// Shrinks w to the area (its frame included) when it is bigger, and moves it inside.
void fitWithin(QWidget *w, const QRect &area);

} // namespace mirte
