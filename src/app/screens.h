#pragma once
// Hands the menu the screens that exist; one line per screen.

namespace mirte {
class F_Menu01;
void registerScreens(F_Menu01 &menu);
} // namespace mirte
