// Not a test: the dish master's road over the shipped catalogue, as a user takes it, with a
// picture of every window on the way (run under Xvfb). From the menu a dish "祖母の肉じゃが" in
// a new category, four foods from the browser (one through 分量換算), its nutrients, back to the
// menu; then on a day the picker finds it by a kana search and adds 1.5 servings, and its
// 料理マスタ編集 goes to the dish master and back.
// Usage: dishes_shots <output folder>

#include "b_01.h"
#include "database.h"
#include "datacombo.h"
#include "f_henkan.h"
#include "f_kjrnyu01.h"
#include "f_kjrnyu01_ken.h"
#include "f_menu01.h"
#include "f_rhen01.h"
#include "f_rhenzai01.h"
#include "f_ryobun01.h"
#include "f_seiken01.h"
#include "f_zaiseibun01.h"
#include "flexgrid.h"
#include "refdata.h"
#include "ryouri_core.h"
#include "screens.h"
#include "seiken_core.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

using namespace mirte;

namespace {

QDir g_out;
int g_shot = 0;

void settle()
{
    for (int i = 0; i < 30; ++i)
        QApplication::processEvents();
}

void save(QWidget *w, const QString &name)
{
    settle();
    const QString file = QStringLiteral("%1_%2.png").arg(++g_shot, 2, 10, QLatin1Char('0')).arg(name);
    w->window()->grab().save(g_out.filePath(file));
    std::printf("%s\n", qPrintable(file));
}

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "road broken: %s\n", what);
        std::exit(1);
    }
}

// Acts on the next modal window once it is up.
void onModal(std::function<void(QWidget *)> fn)
{
    auto *t = new QTimer;
    t->setInterval(50);
    QObject::connect(t, &QTimer::timeout, [t, fn] {
        QWidget *m = QApplication::activeModalWidget();
        if (!m)
            return;
        t->stop();
        t->deleteLater();
        settle();
        fn(m);
    });
    t->start();
}

void press(QWidget *w, const char *name)
{
    auto *b = w->findChild<QPushButton *>(QString::fromLatin1(name));
    check(b && b->isEnabled() && b->isVisible(), name);
    b->click();
}

void type(QWidget *w, const char *name, const QString &text)
{
    auto *e = w->findChild<QLineEdit *>(QString::fromLatin1(name));
    check(e, name);
    e->setText(text);
}

template <class T>
T *shown()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w); t && t->isVisible())
            return t;
    return nullptr;
}

// 選　択 on a food of the browser's first tab.
void pickFood(qint64 id)
{
    F_SeiKen01 *s = G_SeiKen();
    FlexGrid *g = s->grid(0);
    for (int r = 1; r < g->rows(); ++r)
        if (g->valueMatrix(r, seiken_col::Id).toLongLong() == id) {
            g->setRow(r);
            g->setTopRow(r);
        }
    press(s, "Command5");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Syoki_Settei();
    g_out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("road.db"));
    createFromSeed(QStringLiteral(MIRTE_SEED_DB), path);
    G_DB().open(path);
    test::MsgRecorder msg; // every question answered OK
    createSeiKen();

    F_Menu01 menu;
    registerScreens(menu);
    menu.show();
    save(&menu, QStringLiteral("menu"));

    menu.Command1_Click(3);
    F_RHen01 *master = shown<F_RHen01>();
    check(master && !menu.isVisible(), "dish master from the menu");
    save(master, QStringLiteral("dish_master"));

    type(master, "Text1", QStringLiteral("祖母の肉じゃが"));
    onModal([](QWidget *m) {
        type(m, "Text1", QStringLiteral("家庭の味"));
        press(m, "Command4");
        save(m, QStringLiteral("categories_added"));
        press(m, "Command5");
    });
    press(master, "Command6");
    check(master->DBCombo1->text() == QStringLiteral("家庭の味"), "category handed back");
    press(master, "Command4");
    check(G_Mst_Ryouri_Mei == QStringLiteral("祖母の肉じゃが"), "dish added");
    save(master, QStringLiteral("dish_added"));

    press(master, "Command5");
    F_RHenZai01 *recipe = master->recipeWindow();
    check(recipe && recipe->isVisible() && !master->isVisible(), "recipe window");
    save(recipe, QStringLiteral("recipe_empty"));

    press(recipe, "Command1");
    check(G_SeiKen()->isVisible() && G_SeiKen()->pickVisible(), "browser with 選択");
    pickFood(2017); // じゃがいも, bought with its skin: through 分量換算
    save(G_SeiKen(), QStringLiteral("browser"));
    onModal([](QWidget *m) {
        type(m, "Text1", QStringLiteral("130"));
        save(m, QStringLiteral("conversion"));
        press(m, "Command1");
    });
    press(recipe, "Command7");
    check(recipe->Text3->text() == QStringLiteral("117.00"), "converted quantity");
    recipe->DBCombo1->setText(QStringLiteral("煮る"));
    press(recipe, "Command5");
    const struct {
        qint64 id;
        const char *grams;
    } foods[] = {{11130, "60"}, {6153, "50"}, {6212, "30"}};
    for (const auto &f : foods) {
        pickFood(f.id);
        type(recipe, "Text3", QString::fromLatin1(f.grams));
        press(recipe, "Command5");
    }
    check(recipe->vsGrid->rows() == 5, "four foods");
    save(recipe, QStringLiteral("recipe_four_foods"));
    press(recipe, "Command6");
    check(recipe->dishDetail() && recipe->dishDetail()->isVisible() && !recipe->isVisible(), "nutrient table");
    save(recipe->dishDetail(), QStringLiteral("nutrients"));
    recipe->dishDetail()->close();
    settle();
    check(recipe->isVisible(), "back from the nutrients");
    recipe->close();
    settle();
    check(master->isVisible() && !G_SeiKen()->isVisible(), "back to the dish master");
    master->close();
    settle();
    check(menu.isVisible(), "back to the menu");

    // A day: the picker finds the dish by a kana search and adds 1.5 servings.
    const qint64 person = G_DB().insert(QStringLiteral("個人データ"), {{QStringLiteral("氏名"), QStringLiteral("山田花子")},
                                                                       {QStringLiteral("生年月日"), QStringLiteral("1979-05-12")},
                                                                       {QStringLiteral("性別"), 2}});
    G_Simei_ID = person;
    G_KK_ID = G_DB().insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), person},
                                                            {QStringLiteral("日付"), QStringLiteral("2024-05-20")}});
    auto *day = new F_KJRNyu01(DayHeader{QStringLiteral("山田花子"), QStringLiteral("2024年5月20日（月）"), QDate(2024, 5, 20)});
    day->show();
    press(day, "Command2");
    F_KJRNyu01_Ken *ken = day->picker();
    check(ken && ken->isVisible(), "picker");
    type(ken, "Text1", QStringLiteral("ｼﾞｬｶﾞ"));
    press(ken, "Command1");
    int found = -1;
    for (int r = 1; r < ken->vsGrid->rows(); ++r)
        if (ken->vsGrid->textMatrix(r, 2) == QStringLiteral("祖母の肉じゃが"))
            found = r;
    check(found > 0, "found by kana");
    ken->vsGrid->setRow(found);
    type(ken, "Text3", QStringLiteral("1.5"));
    save(ken, QStringLiteral("picker_found"));
    press(ken, "Command2");
    check(G_DB().scalar(QStringLiteral("SELECT sum(分量) FROM 摂取食品 WHERE 摂取料理ID = ?"), {G_SeR_ID}).toDouble()
              == (117.0 + 60 + 50 + 30) * 1.5,
          "1.5 servings");
    save(day, QStringLiteral("day_with_dish"));

    ken->mnMstHen->trigger();
    F_RHen01 *fromPicker = shown<F_RHen01>();
    check(fromPicker && fromPicker->YobidasiMoto == 2 && !day->isVisible(), "dish master from the picker");
    save(fromPicker, QStringLiteral("dish_master_from_picker"));
    fromPicker->close();
    settle();
    check(day->isVisible() && ken->isVisible(), "back to the day and the picker");
    save(ken, QStringLiteral("picker_again"));
    delete day;
    destroySeiKen();
    return 0;
}
