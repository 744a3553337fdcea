// Not a test: the dish master, the category window, the recipe window beside the browser and
// the conversion over the shipped catalogue, saved as pictures (run under Xvfb).
// Usage: dishes_shots <output folder>

#include "b_01.h"
#include "database.h"
#include "f_henkan.h"
#include "f_rhen01.h"
#include "f_rhenzai01.h"
#include "f_ryobun01.h"
#include "f_seiken01.h"
#include "flexgrid.h"
#include "refdata.h"
#include "ryouri_core.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

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
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shots.db"));
    createFromSeed(QStringLiteral(MIRTE_SEED_DB), path);
    G_DB().open(path);
    test::MsgRecorder msg; // every question answered OK
    createSeiKen();
    G_Yobidasi = 3;

    auto *master = new F_RHen01;
    save(master, out, QStringLiteral("rhen01"));

    F_RyoBun01 bunrui(master);
    bunrui.vsGrid->setRow(2);
    save(&bunrui, out, QStringLiteral("ryobun01"));
    bunrui.hide();

    // A shipped dish with several foods.
    const qint64 dish = G_DB().scalar(QStringLiteral("SELECT 料理名ID FROM 材料 GROUP BY 料理名ID ORDER BY count(*) DESC LIMIT 1")).toLongLong();
    for (int r = 1; r < master->vsGrid->rows(); ++r)
        if (master->vsGrid->valueMatrix(r, ryouri_col::Id).toLongLong() == dish)
            master->vsGrid->setRow(r);
    master->Command5_Click();
    F_RHenZai01 *recipe = master->recipeWindow();
    save(recipe, out, QStringLiteral("rhenzai01"));
    recipe->Command1_Click();
    save(G_SeiKen(), out, QStringLiteral("seiken_from_recipe"));

    G_Sei_ID = 2017;
    F_HenKan h(recipe);
    save(&h, out, QStringLiteral("henkan_from_recipe"));
    return 0;
}
