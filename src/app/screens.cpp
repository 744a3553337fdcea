#include "screens.h"

#include "f_kjnyuu01.h"
#include "f_menu01.h"

namespace mirte {

void registerScreens(F_Menu01 &menu)
{
    menu.setOpener(1, [] {
        auto *w = new F_KJNyuu01;
        w->show();
        return w;
    });
}

} // namespace mirte
