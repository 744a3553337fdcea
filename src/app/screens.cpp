#include "screens.h"

#include "f_menu01.h"

namespace mirte {

void registerScreens(F_Menu01 &menu)
{
    Q_UNUSED(menu);
}

} // namespace mirte
