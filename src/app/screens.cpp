#include "screens.h"

#include "b_00_gui.h"
#include "f_kjnyuu01.h"
#include "f_kjun_nyu01.h"
#include "f_menu01.h"

namespace mirte {

namespace {
// Top-level screens open in the middle of the screen, wherever the window manager would put them.
QWidget *showCentred(QWidget *w)
{
    w->ensurePolished();
    if (!w->testAttribute(Qt::WA_Resized))
        w->adjustSize();
    Form_Center(w);
    w->show();
    return w;
}
} // namespace

void registerScreens(F_Menu01 &menu)
{
    menu.setOpener(1, [] { return showCentred(new F_KJNyuu01); });
    F_KJNyuu01::setExerciseOpener([](F_KJNyuu01 *caller) -> QWidget * {
        auto *w = new F_KJUn_Nyu01(caller);
        w->ensurePolished();
        Form_Center(w);
        return w;
    });
}

} // namespace mirte
