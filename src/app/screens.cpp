#include "screens.h"

#include "b_00_gui.h"
#include "f_kjnyuu01.h"
#include "f_kjrnyu01.h"
#include "f_rhen01.h"
#include "f_seiken01.h"
#include "f_kjun_nyu01.h"
#include "f_tou01.h"
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

// The roads that choose foods show the browser's 選択; the menu's own browser hides it.
void pickRoad(bool visible)
{
    if (F_SeiKen01 *s = G_SeiKen())
        s->setPickVisible(visible);
}
} // namespace

void registerScreens(F_Menu01 &menu)
{
    menu.setOpener(1, [] {
        pickRoad(true);
        return showCentred(new F_KJNyuu01);
    });
    menu.setOpener(2, [] { return showCentred(new F_Tou01); });
    menu.setOpener(3, [] {
        pickRoad(true);
        auto *w = new F_RHen01;
        w->YobidasiMoto = 1;
        return showCentred(w);
    });
    // The browser is never deleted: the menu watches its closed() to come back.
    menu.setOpener(4, []() -> QWidget * {
        F_SeiKen01 *s = G_SeiKen();
        if (!s)
            return nullptr;
        pickRoad(false);
        s->show();
        s->raise();
        s->activateWindow();
        return s;
    });
    F_KJNyuu01::setMealsOpener([](F_KJNyuu01 *caller) -> QWidget * {
        auto *w = new F_KJRNyu01(DayHeader::from(caller));
        w->move(caller->pos());
        return w;
    });
    F_KJNyuu01::setExerciseOpener([](F_KJNyuu01 *caller) -> QWidget * {
        auto *w = new F_KJUn_Nyu01(caller);
        w->ensurePolished();
        Form_Center(w);
        return w;
    });
}

} // namespace mirte
