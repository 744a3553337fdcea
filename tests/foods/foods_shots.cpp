// Not a test: the composition browser (each tab, both fatty-acid bases), its condition window
// and the quantity conversion over the shipped tables, saved as pictures (run under Xvfb).
// Usage: foods_shots <output folder>

#include "b_01.h"
#include "f_henkan.h"
#include "f_ken_sei.h"
#include "f_seiken01.h"
#include "foods_fixture.h"
#include "tabcontrol.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

using namespace mirte;

namespace {

void settle()
{
    for (int i = 0; i < 30; ++i)
        QApplication::processEvents();
}

void save(QWidget *w, const QDir &out, const QString &name)
{
    w->show();
    settle();
    w->grab().save(out.filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Syoki_Settei();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    test::TempDb db;
    test::copySeedFoods();
    test::MsgRecorder msg; // every question answered OK

    F_SeiKen01 s;
    for (int t = 0; t < kSeiKenTabs; ++t) {
        s.SSTab1->setTab(t);
        save(&s, out, QStringLiteral("seiken_tab%1").arg(t));
    }
    s.SibouKirikae(true, true);
    save(&s, out, QStringLiteral("seiken_tab2_kasyoku"));
    s.SSTab1->setTab(0);
    G_Kensaku_Jouken[0] = {QStringLiteral("野菜類"), QStringLiteral("ﾆﾝｼﾞﾝ")};
    s.Kensaku_Jikkou(0);
    s.setPickVisible(false);
    save(&s, out, QStringLiteral("seiken_menu_road"));

    F_Ken_Sei k(&s, 0);
    save(&k, out, QStringLiteral("ken_sei"));
    k.close();

    G_Sei_ID = 6214;
    F_HenKan h;
    save(&h, out, QStringLiteral("henkan"));
    G_Sei_ID = 0;
    F_HenKan none;
    save(&none, out, QStringLiteral("henkan_none"));
    return 0;
}
