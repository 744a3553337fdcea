#pragma once
// Enter, the same in every window: on a button it presses the button, on a list box it moves on
// to the next control, as a Japanese desktop user expects. Installed once on the application.

namespace mirte {

void installKeyRules();

} // namespace mirte
