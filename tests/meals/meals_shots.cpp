// Not a test: walks the meal windows over a copy of the full seed database the way a user does
// (daily record → 食事入力 → 料理一覧 → three meals → 材料表示 → rename → copy) and saves a picture
// of each window (run under Xvfb). Usage: meals_shots <output folder> <seed.db>

#include "b_01.h"
#include "database.h"
#include "f_kjnyuu01.h"
#include "f_kjr_copy01.h"
#include "f_kjr_idou.h"
#include "f_kjr_rhen.h"
#include "f_kjrnyu01.h"
#include "f_kjrnyu01_ken.h"
#include "f_kjznyu01.h"
#include "f_seiken01.h"
#include "flexgrid.h"
#include "kenkou_core.h"
#include "meals_core.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

using namespace mirte;

namespace {

void settle()
{
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
}

void save(QWidget *w, const QDir &out, const QString &name)
{
    w->show();
    settle();
    w->grab().save(out.filePath(name + QStringLiteral(".png")));
}

// Pictures the next modal window, then lets `then` act on it.
void onNextModal(const QDir &out, const QString &name, std::function<void(QWidget *)> then)
{
    QTimer::singleShot(200, [out, name, then] {
        if (QWidget *m = QApplication::activeModalWidget()) {
            save(m, out, name);
            then(m);
        }
    });
}

void choose(F_KJRNyu01_Ken *ken, const QString &name)
{
    for (int r = 1; r < ken->vsGrid->rows(); ++r) {
        if (ken->vsGrid->textMatrix(r, 2) == name) {
            ken->vsGrid->setRow(r);
            return;
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    Syoki_Settei();
    if (argc < 3)
        return 2;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("shots.db"));
    QFile::copy(QString::fromLocal8Bit(argv[2]), path);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    G_DB().open(path);
    test::MsgRecorder msg;

    const qint64 p = test::addPerson(QStringLiteral("山田花子"), QDate(1979, 5, 12), 2, true);
    test::addPerson(QStringLiteral("山田太郎"), QDate(1976, 11, 3), 1);
    const QDate today = QDate::currentDate();
    qint64 yesterday = 0;
    for (int i = 8; i >= 0; --i) {
        KenkouRow r;
        r.simeiId = p;
        r.hiduke = today.addDays(-i);
        r.sintyou = 158.2;
        r.taijuu = 54.5;
        r.kenkou = QStringLiteral("健康");
        r.kyoudo = 2;
        const qint64 kk = insertKenkouRow(G_DB(), r);
        if (i == 1)
            yesterday = kk;
    }
    const ResultSet cat = catalogue(G_DB(), 0, QString());
    for (int i = 0; i < 5; ++i)
        addCatalogueDish(G_DB(), yesterday, cat.rows.at(i * 37).value(3).toLongLong(),
                         cat.rows.at(i * 37).value(1).toString(), G_Syokuji_Kubun.value(i % 4), 1);

    QPointer<F_KJRNyu01> meals;
    F_KJNyuu01::setMealsOpener([&](F_KJNyuu01 *caller) -> QWidget * {
        meals = new F_KJRNyu01(DayHeader::from(caller));
        return meals;
    });
    createSeiKen();
    auto *day = new F_KJNyuu01;
    save(day, out, QStringLiteral("1_f_kjnyuu01"));
    day->Command5_Click();
    if (!meals)
        return 3;
    save(meals, out, QStringLiteral("2_f_kjrnyu01_empty"));

    meals->Command2_Click();
    F_KJRNyu01_Ken *ken = meals->picker();
    save(ken, out, QStringLiteral("3_f_kjrnyu01_ken"));
    // Typed by reading, as the input method gives them.
    const struct { const char *typed; const char *dish; int kubun; const char *servings; } adds[] = {
        {"ごはん", "ご飯", 0, "1.0"}, {"みそしる", "豆腐とわかめの味噌汁", 0, "1.0"}, {"かれー", "カレーライス", 1, "1.5"},
        {"にくじゃが", "肉じゃが", 2, "1.0"}, {"おひたし", "ほうれん草のおひたし", 2, "0.5"}, {"だいがくいも", "大学いも", 3, "1.0"}};
    for (const auto &a : adds) {
        ken->Text1->setText(QString::fromUtf8(a.typed));
        ken->Command1_Click();
        choose(ken, QString::fromUtf8(a.dish));
        ken->Combo2->setCurrentIndex(a.kubun);
        ken->Text3->setText(QString::fromUtf8(a.servings));
        ken->Command2_Click();
    }
    ken->Combo2->setCurrentIndex(0);
    ken->Text1->setText(QStringLiteral("からあげ"));
    ken->Command1_Click();
    save(ken, out, QStringLiteral("4_f_kjrnyu01_ken_search"));
    ken->Text1->setText(QStringLiteral("ぴよぴよ"));
    ken->Command1_Click();
    save(ken, out, QStringLiteral("4c_f_kjrnyu01_ken_nothing"));
    ken->Text1->setText(QStringLiteral("からあげ"));
    ken->Command1_Click();
    // The whole screen: the picker beside the day's dishes.
    settle();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        screen->grabWindow(0).save(out.filePath(QStringLiteral("4b_screen.png")));
    ken->hide();
    save(meals, out, QStringLiteral("5_f_kjrnyu01_three_meals"));

    meals->VSGrid1->setRow(3);
    meals->Command8_Click();
    if (F_KJZNyu01 *z = meals->ingredients()) {
        save(z, out, QStringLiteral("6_f_kjznyu01"));
        // 材料一覧 → the browser → 選択 of its fifth food.
        G_Yobidasi = 1;
        z->Command1_Click();
        if (F_SeiKen01 *s = G_SeiKen()) {
            s->grid(0)->setRow(5);
            save(s, out, QStringLiteral("6b_f_seiken01"));
            s->Command5_Click();
            save(z, out, QStringLiteral("6c_f_kjznyu01_picked"));
        }
        z->close();
        settle();
    }

    onNextModal(out, QStringLiteral("7_f_kjr_rhen"), [](QWidget *m) { m->close(); });
    meals->mnEdit_Click();

    onNextModal(out, QStringLiteral("8_f_kjr_copy01"), [](QWidget *m) {
        if (auto *c = qobject_cast<F_KJR_Copy01 *>(m))
            c->Command1_Click();
    });
    meals->mnCopy_Click();
    save(meals, out, QStringLiteral("9_f_kjrnyu01_after_copy"));

    // Several dishes to another meal at once.
    {
        F_KJR_Idou idou(meals);
        if (idou.List1->count() > 1)
            idou.List1->item(1)->setCheckState(Qt::Checked);
        save(&idou, out, QStringLiteral("10_f_kjr_idou"));
    }
    meals->close();
    settle();
    delete day;
    destroySeiKen();
    return 0;
}
