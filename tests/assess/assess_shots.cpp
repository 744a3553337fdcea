// Not a test: opens the diagnosis windows over a realistic day (three meals and a snack,
// taken from the catalogue of the seed data) and saves a picture of each, and a printout of
// the diagnosis graph as PDF. Run under Xvfb: assess_shots <seed.db> <output folder>

#include "b_01.h"
#include "b_t01.h"
#include "database.h"
#include "filechoice.h"
#include "f_kjs_sin01.h"
#include "f_kjs_sin01_adv.h"
#include "f_kjs_sin01_hyo.h"
#include "f_kjs_sin02.h"
#include "f_kjs_sinrb01.h"
#include "f_kjseibun01.h"
#include "f_zaiseibun01.h"
#include "seibun_grids.h"
#include "tabcontrol.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace mirte;

namespace {

// What the event loop would have done by the time a user acts again.
void settle()
{
    for (int i = 0; i < 30; ++i) {
        QApplication::processEvents();
        // Outside the event loop, deferred deletes (the replaced chart items) need a push.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void save(QWidget *w, const QDir &out, const QString &name)
{
    w->show();
    settle();
    w->grab().save(out.filePath(name + QStringLiteral(".png")));
}

// Copies a catalogue dish (by name) into the day's meal kind, as the dish picker does.
void eatDish(qint64 kk, const QString &meal, const QString &name)
{
    const auto dish = G_DB().selectOne(QStringLiteral("SELECT 料理名ID FROM 料理名 WHERE 料理名 = ?"), {name});
    if (!dish)
        qFatal("no dish %s", qPrintable(name));
    const qint64 id = dish->value(QStringLiteral("料理名ID")).toLongLong();
    const qint64 ser = G_DB().insert(QStringLiteral("摂取料理"), {{QStringLiteral("健康状態管理ID"), kk},
                                                               {QStringLiteral("料理名ID"), id},
                                                               {QStringLiteral("料理名"), name},
                                                               {QStringLiteral("食事区分"), meal}});
    G_DB().exec(QStringLiteral("INSERT INTO 摂取食品 (摂取料理ID, 健康状態管理ID, 成分表ID, 調理法ID, 分量)"
                               " SELECT ?, ?, 成分表ID, 調理法ID, 分量 FROM 材料 WHERE 料理名ID = ?"),
                {ser, kk, id});
    G_SeR_ID = ser;
    G_Ryouri_Mei = name;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    Syoki_Settei();
    if (argc < 3)
        qFatal("usage: assess_shots <seed.db> <output folder>");
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("day.db"));
    QFile::copy(QString::fromLocal8Bit(argv[1]), path);
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    G_DB().open(path);
    test::MsgRecorder msg;

    const qint64 p = G_DB().insert(QStringLiteral("個人データ"),
                                   {{QStringLiteral("氏名"), QStringLiteral("山田花子")},
                                    {QStringLiteral("生年月日"), QStringLiteral("1979-05-12")},
                                    {QStringLiteral("性別"), 2}});
    G_KK_ID = G_DB().insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), p},
                                                          {QStringLiteral("日付"), QStringLiteral("2024-05-01")},
                                                          {QStringLiteral("身長"), 158.2},
                                                          {QStringLiteral("体重"), 54.5},
                                                          {QStringLiteral("健康状態"), QStringLiteral("健康")},
                                                          {QStringLiteral("生活強度"), 2}});
    G_Simei_ID = p;
    G_Simei_Hyouji = QStringLiteral("氏名 ： 山田花子");
    G_Day_Hyouji = QStringLiteral("日付 ： 2024年5月1日（水）");
    const QStringList breakfast = {QStringLiteral("納豆ご飯"), QStringLiteral("豆腐とわかめの味噌汁")};
    for (const QString &d : breakfast)
        eatDish(G_KK_ID, QStringLiteral("朝食"), d);
    eatDish(G_KK_ID, QStringLiteral("昼食"), QStringLiteral("きつねうどん"));
    for (const QString &d : {QStringLiteral("焼き鮭"), QStringLiteral("大根と油揚げの味噌汁"),
                             QStringLiteral("さばの味噌煮")})
        eatDish(G_KK_ID, QStringLiteral("夕食"), d);
    eatDish(G_KK_ID, QStringLiteral("その他"), QStringLiteral("焼きおにぎり"));
    Syoyouryou_Set(44, 300, 2, 2, 54.5, 158.2, QStringLiteral("健康"));
    Kojin_Settei_Get(p);
    G_Syoyouryou[0].Mokuhyou = 1800; // an own energy target
    G_Syoyouryou[0].Mokuhyou_Flg = true;

    auto *sin = new F_KJS_Sin01;
    save(sin, out, QStringLiteral("sin01_graph1"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.filePath(QStringLiteral("sin01_first.pdf")));
        sin->mnPrint_Click(&printer);
    }
    sin->SSTab1->setTab(1);
    save(sin, out, QStringLiteral("sin01_graph2"));
    sin->Kirikae(false);
    save(sin, out, QStringLiteral("sin01_graph2_whole"));
    sin->Kirikae(true);
    sin->SSTab1->setTab(0);
    settle();
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.filePath(QStringLiteral("sin01.pdf")));
        sin->mnPrint_Click(&printer);
    }
    {
        F_KJS_Sin01_Hyo hyo(sin->mokuhyouUsed());
        save(&hyo, out, QStringLiteral("sin01_hyo"));
    }
    {
        F_KJS_Sin01_Adv adv(sin->kekka());
        save(&adv, out, QStringLiteral("sin01_adv"));
    }
    {
        F_KJS_Sin02 s2;
        save(&s2, out, QStringLiteral("sin02"));
    }
    {
        auto *rb = new F_KJS_SinRb01;
        rb->Option1[2]->click();
        rb->Combo1->setCurrentIndex(2);
        rb->Command2->click();
        save(rb, out, QStringLiteral("sinrb01"));
        delete rb;
    }
    {
        auto *day = new F_KJSeibun01;
        save(day, out, QStringLiteral("seibun_day0"));
        day->Grids->SSTab1->setTab(1);
        save(day, out, QStringLiteral("seibun_day1"));
        day->Grids->SSTab1->setTab(2);
        save(day, out, QStringLiteral("seibun_day2"));
        delete day;
    }
    {
        auto *zai = new F_ZaiSeiBun01;
        zai->YobiFlg = 2;
        save(zai, out, QStringLiteral("zaiseibun"));
        delete zai;
    }
    {
        // The day report, with an hour of walking and the rest of the day on the record.
        for (const auto &[kind, days] : {std::pair<int, double>{1, 8.0 / 24}, {20, 1.0 / 24}, {30, 0.5 / 24}})
            G_DB().insert(QStringLiteral("運動時間"), {{QStringLiteral("健康状態管理ID"), G_KK_ID},
                                                      {QStringLiteral("エネルギー消費量ID"), kind},
                                                      {QStringLiteral("時間"), days}});
        const QString pdf = out.filePath(QStringLiteral("nippou.pdf"));
        QFile::remove(pdf);
        setFileChoiceHandler([pdf](const FileChoiceRequest &) { return pdf; });
        sin->mnNippou_Click();
        // The 出力 menu with the report item in it.
        if (auto *menu = sin->findChild<QMenu *>(QStringLiteral("otPut"))) {
            menu->popup(sin->mapToGlobal(QPoint(120, 30)));
            settle();
            menu->grab().save(out.filePath(QStringLiteral("sin01_menu.png")));
            menu->hide();
        }
    }
    delete sin;
    return 0;
}
