// Not a test: opens the exercise windows over a realistic day from the shipped reference data and
// saves a picture of each (run under Xvfb). Usage: exercise_shots <seed database> <output folder>

#include "b_01.h"
#include "database.h"
#include "f_kjun_nyu01.h"
#include "f_kjun_nyu01_ken.h"
#include "f_kjun_sin01.h"
#include "f_kjun_sin01_adv.h"
#include "f_kjun_sin02.h"
#include "msgbox.h"
#include "testsupport.h"
#include "undou_sindan.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace mirte;

namespace {

void save(QWidget *w, const QDir &out, const QString &name)
{
    w->show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    w->grab().save(out.filePath(name + QStringLiteral(".png")));
}

qint64 activityId(const QString &name)
{
    return G_DB()
        .scalar(QStringLiteral("SELECT エネルギー消費量ID FROM エネルギー消費量 WHERE 運動名称 LIKE ? "
                               "ORDER BY エネルギー消費量ID LIMIT 1"),
                {QStringLiteral("%") + name + QStringLiteral("%")})
        .toLongLong();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    Syoki_Settei();
    if (argc < 3)
        return 2;
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shots.db"));
    QFile::copy(QString::fromLocal8Bit(argv[1]), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    G_DB().open(path);
    test::MsgRecorder msg;

    const QDate day = QDate::currentDate();
    G_Simei_ID = G_DB().insert(QStringLiteral("個人データ"), {{QStringLiteral("氏名"), QStringLiteral("山田花子")},
                                                              {QStringLiteral("生年月日"), QStringLiteral("1979-05-12")},
                                                              {QStringLiteral("性別"), 2}});
    G_KK_ID = G_DB().insert(QStringLiteral("健康状態管理"), {{QStringLiteral("氏名ID"), G_Simei_ID},
                                                            {QStringLiteral("日付"), dateParam(day)},
                                                            {QStringLiteral("身長"), 158.2},
                                                            {QStringLiteral("体重"), 54.5},
                                                            {QStringLiteral("健康状態"), QStringLiteral("健康")},
                                                            {QStringLiteral("生活強度"), 2}});
    G_Simei_Hyouji = QStringLiteral("氏名 ： 山田花子");
    G_Day_Hyouji = QStringLiteral("日付 ： %1年%2月%3日").arg(day.year()).arg(day.month()).arg(day.day());
    const QList<QPair<QString, int>> acts = {{QStringLiteral("睡眠"), 420}, {QStringLiteral("歩"), 35},
                                             {QStringLiteral("掃除"), 50}, {QStringLiteral("テニス"), 90},
                                             {QStringLiteral("デスクワーク"), 480}};
    for (const auto &a : acts) {
        const qint64 id = activityId(a.first);
        if (id)
            G_DB().insert(QStringLiteral("運動時間"), {{QStringLiteral("健康状態管理ID"), G_KK_ID},
                                                      {QStringLiteral("エネルギー消費量ID"), id},
                                                      {QStringLiteral("時間"), a.second / 1440.0}});
    }
    const ResultSet foods = G_DB().select(
        QStringLiteral("SELECT 成分表ID FROM 成分表 WHERE エネルギー > 100 ORDER BY 成分表ID LIMIT 6"));
    const qint64 dish = G_DB().insert(QStringLiteral("摂取料理"), {{QStringLiteral("健康状態管理ID"), G_KK_ID},
                                                                   {QStringLiteral("料理名"), QStringLiteral("夕食")},
                                                                   {QStringLiteral("食事区分"), QStringLiteral("夕食")}});
    const qint64 method = G_DB().scalar(QStringLiteral("SELECT MIN(調理法ID) FROM 調理法")).toLongLong();
    for (const QVariantList &f : foods.rows)
        G_DB().insert(QStringLiteral("摂取食品"), {{QStringLiteral("摂取料理ID"), dish},
                                                  {QStringLiteral("健康状態管理ID"), G_KK_ID},
                                                  {QStringLiteral("成分表ID"), f.at(0)},
                                                  {QStringLiteral("調理法ID"), method},
                                                  {QStringLiteral("分量"), 120}});

    // How long the diagnosis of this day takes (it runs each time the window opens).
    QElapsedTimer clock;
    clock.start();
    constexpr int kRuns = 200;
    for (int i = 0; i < kRuns; ++i) {
        Energy_Keisan(G_KK_ID, G_Simei_ID);
        Fuka_Hyou(G_KK_ID, 1200);
    }
    qInfo("diagnosis and load table: %.3f ms per day", double(clock.nsecsElapsed()) / 1e6 / kRuns);

    auto *w = new F_KJUn_Nyu01(nullptr);
    w->Text1->setText(QStringLiteral("山田花子"));
    w->Text2->setText(QStringLiteral("%1年%2月%3日（水）").arg(day.year()).arg(day.month()).arg(day.day()));
    save(w, out, QStringLiteral("f_kjun_nyu01"));
    w->Command1_Click();
    save(w->picker(), out, QStringLiteral("f_kjun_nyu01_ken"));
    auto *s = new F_KJUn_Sin01;
    save(s, out, QStringLiteral("f_kjun_sin01"));
    {
        F_KJUn_Sin01_Adv adv(s);
        save(&adv, out, QStringLiteral("f_kjun_sin01_adv"));
    }
    {
        F_KJUn_Sin02 d(s);
        save(&d, out, QStringLiteral("f_kjun_sin02"));
    }
    for (const QString &p : msg.prompts())
        qInfo("%s", qPrintable(p));
    delete s;
    delete w;
    G_DB().close();
    return 0;
}
