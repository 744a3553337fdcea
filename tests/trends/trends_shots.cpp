// Not a test: the trend windows over half a year of a person's records, saved as pictures
// (run under Xvfb). Usage: trends_shots <output folder> <seed database> [width height]

#include "b_01.h"
#include "b_t01.h"
#include "database.h"
#include "f_tou01.h"
#include "f_tou02.h"
#include "f_tou02_syudou.h"
#include "graph.h"
#include "msgbox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cmath>
#include <random>

using namespace mirte;

namespace {

void save(QWidget *w, const QDir &out, const QString &name)
{
    w->show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    w->grab().save(out.filePath(name + QStringLiteral(".png")));
}

QList<qint64> ids(const QString &sql)
{
    QList<qint64> out;
    for (const auto &r : G_DB().select(sql).rows)
        out << r.value(0).toLongLong();
    return out;
}

// Half a year up to today: most days recorded, some skipped, the weight slowly going down.
qint64 buildPerson()
{
    const QList<qint64> foods = ids(QStringLiteral(
        "SELECT 成分表ID FROM 成分表 WHERE エネルギー BETWEEN 60 AND 350 AND 食塩相当量 < 0.8 "
        "ORDER BY 成分表ID"));
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(0, 1);
    qint64 p = 0;
    G_DB().transaction([&] {
        p = G_DB().insert(QStringLiteral("個人データ"),
                          {{QStringLiteral("氏名"), QStringLiteral("山田花子")},
                           {QStringLiteral("生年月日"), QStringLiteral("1979-05-12")},
                           {QStringLiteral("性別"), 2},
                           {QStringLiteral("エネルギーflg"), 1},
                           {QStringLiteral("エネルギー"), 1800},
                           {QStringLiteral("体重flg"), 1},
                           {QStringLiteral("体重"), 52}});
        G_DB().exec(QStringLiteral("UPDATE USERCHECK SET MAINUSER = ?"), {p});
        const QDate today = QDate::currentDate();
        for (int i = 190; i >= 0; --i) {
            if (u(rng) < 0.18 || (i > 40 && i < 47)) // forgotten days and a week away
                continue;
            const QDate d = today.addDays(-i);
            const double weight = 56.5 - (190 - i) * 0.012 + (u(rng) - 0.5) * 0.6;
            const qint64 kk = G_DB().insert(QStringLiteral("健康状態管理"), {
                {QStringLiteral("氏名ID"), p}, {QStringLiteral("日付"), dateParam(d)},
                {QStringLiteral("身長"), 158.2}, {QStringLiteral("体重"), std::round(weight * 10) / 10},
                {QStringLiteral("健康状態"), QStringLiteral("健康")}, {QStringLiteral("生活強度"), 2},
                {QStringLiteral("血圧（下）"), 70 + int(u(rng) * 8)},
                {QStringLiteral("血圧（上）"), 112 + int(u(rng) * 12)},
                {QStringLiteral("体脂肪率"), 27.0 - (190 - i) * 0.008},
                {QStringLiteral("歩数"), d.dayOfWeek() >= 6 ? 3000 + int(u(rng) * 9000)
                                                          : 6000 + int(u(rng) * 4000)},
                {QStringLiteral("体温"), 36.2 + u(rng) * 0.5}});
            for (const QString &meal : {QStringLiteral("朝食"), QStringLiteral("昼食"), QStringLiteral("夕食")}) {
                const qint64 dish = G_DB().insert(QStringLiteral("摂取料理"),
                    {{QStringLiteral("健康状態管理ID"), kk}, {QStringLiteral("料理名"), QStringLiteral("料理")},
                     {QStringLiteral("食事区分"), meal}});
                const int n = 2 + int(u(rng) * 2);
                for (int f = 0; f < n; ++f)
                    G_DB().insert(QStringLiteral("摂取食品"),
                        {{QStringLiteral("摂取料理ID"), dish}, {QStringLiteral("健康状態管理ID"), kk},
                         {QStringLiteral("成分表ID"), foods.at(int(u(rng) * foods.size()))},
                         {QStringLiteral("調理法ID"), 1}, {QStringLiteral("分量"), 60 + int(u(rng) * 120)}});
                if (meal == QStringLiteral("朝食"))
                    G_DB().insert(QStringLiteral("摂取食品"),
                        {{QStringLiteral("摂取料理ID"), dish}, {QStringLiteral("健康状態管理ID"), kk},
                         {QStringLiteral("成分表ID"), 17045}, {QStringLiteral("調理法ID"), 1},
                         {QStringLiteral("分量"), 12 + int(u(rng) * 8)}});
            }
            const double walk = 0.5 + u(rng) * 1.5;
            for (auto [id, h] : std::initializer_list<std::pair<int, double>>{
                     {1, 7.0}, {3, 8.0}, {5, 1.5}, {6, 1.0}, {8, 0.5}, {9, walk}})
                G_DB().insert(QStringLiteral("運動時間"),
                              {{QStringLiteral("健康状態管理ID"), kk},
                               {QStringLiteral("エネルギー消費量ID"), id}, {QStringLiteral("時間"), h / 24}});
        }
    });
    return p;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    if (argc < 3) {
        fprintf(stderr, "usage: trends_shots <folder> <seed.db> [width height]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const int width = argc > 4 ? atoi(argv[3]) : 0;
    const int height = argc > 4 ? atoi(argv[4]) : 0;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shots.db"));
    QFile::copy(QString::fromLocal8Bit(argv[2]), path);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    setMsgBoxHandler([](const MsgBoxRequest &r) {
        fprintf(stderr, "message: %s\n", qPrintable(r.prompt));
        return int(vbOK);
    });
    G_DB().open(path);
    Syoki_Settei();
    Tou_Koumoku_Settei();
    G_Simei_ID = buildPerson();

    auto *setup = new F_Tou01;
    save(setup, out, QStringLiteral("f_tou01"));

    const QDate today = QDate::currentDate();
    const QString name = QStringLiteral("名前 ： 山田花子");
    auto start = [](const QDate &d) {
        return QStringLiteral("開始日 ： %1 年 %2 月 %3 日～").arg(d.year()).arg(d.month()).arg(d.day());
    };
    struct Shot { const char *file; TouKikanSyu syu; bool energy; int c1, c2; int back; };
    const Shot shots[] = {
        {"f_tou02_month_energy", TouKikanSyu::Tuki, true, 0, 0, 30},
        {"f_tou02_month_items", TouKikanSyu::Tuki, false, 2, 8, 30},
        {"f_tou02_half_energy", TouKikanSyu::Hantosi, true, 0, 0, 181},
        {"f_tou02_half_items", TouKikanSyu::Hantosi, false, 23, 2, 181},
    };
    for (const Shot &s : shots) {
        G_Tou_Start = today.addDays(-s.back);
        G_Tou_Koumoku_Sitei = {};
        if (!s.energy)
            G_Tou_Koumoku_Sitei = {s.c1 <= 10 ? G_Tou_Koumoku.value(s.c1) : G_Eiyou_Mei.value(s.c1 - 11),
                                   s.c2 <= 10 ? G_Tou_Koumoku.value(s.c2) : G_Eiyou_Mei.value(s.c2 - 11)};
        if (s.syu == TouKikanSyu::Tuki)
            s.energy ? Energy_Tuki_Set() : Koumoku_Tuki_Set(s.c1, s.c2);
        else
            s.energy ? Energy_Hantosi_Set() : Koumoku_Hantosi_Set(s.c1, s.c2);
        F_Tou02 g(s.syu, s.energy, name, start(G_Tou_Start));
        if (width > 0)
            g.resize(width, height);
        save(&g, out, QString::fromLatin1(s.file));
        if (s.syu == TouKikanSyu::Tuki && !s.energy) {
            g.gmAvr->trigger();
            save(&g, out, QStringLiteral("f_tou02_month_items_mean"));
        }
    }
    // A chosen period of four months: weekly means.
    Koumoku_Kikan_Set(today.addDays(-120), today, 2, 7);
    G_Tou_Koumoku_Sitei = {QStringLiteral("体重"), QStringLiteral("体脂肪率")};
    {
        F_Tou02 g(TouKikanSyu::Kikan, false, name, QStringLiteral("期間 ： 121日"));
        save(&g, out, QStringLiteral("f_tou02_chosen"));
    }
    {
        F_Tou02_Syudou d;
        save(&d, out, QStringLiteral("f_tou02_syudou"));
    }
    delete setup;
    G_DB().close();
    return 0;
}
