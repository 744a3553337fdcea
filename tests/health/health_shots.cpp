// Not a test: opens the day window and the windows it leads to over a small household and
// saves a picture of each (run under Xvfb). Usage: health_shots <output folder> [width height]

#include "b_01.h"
#include "database.h"
#include "f_kjnyuu01.h"
#include "f_kjnyuu01_iti.h"
#include "f_kjnyuu01_tai.h"
#include "f_kjnyuu_set.h"
#include "kenkou_core.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QToolButton>

using namespace mirte;

namespace {

void save(QWidget *w, const QDir &out, const QString &name)
{
    w->show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    w->grab().save(out.filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    Syoki_Settei();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const int width = argc > 3 ? atoi(argv[2]) : 0;
    const int height = argc > 3 ? atoi(argv[3]) : 0;
    test::TempDb db;
    test::MsgRecorder msg;

    const qint64 p = G_DB().insert(QStringLiteral("個人データ"),
                                   {{QStringLiteral("氏名"), QStringLiteral("山田花子")},
                                    {QStringLiteral("生年月日"), QStringLiteral("1979-05-12")},
                                    {QStringLiteral("性別"), 2}});
    G_DB().insert(QStringLiteral("個人データ"), {{QStringLiteral("氏名"), QStringLiteral("山田太郎")},
                                                  {QStringLiteral("生年月日"), QStringLiteral("1976-11-03")},
                                                  {QStringLiteral("性別"), 1}});
    G_DB().exec(QStringLiteral("UPDATE USERCHECK SET MAINUSER = ?"), {p});
    const QDate today = QDate::currentDate();
    for (int i = 12; i >= 0; --i) {
        KenkouRow r;
        r.simeiId = p;
        r.hiduke = today.addDays(-i);
        r.sintyou = 158.2;
        r.taijuu = 54.5 + (i % 4) * 0.3;
        r.kenkou = QStringLiteral("健康");
        r.kyoudo = 2;
        r.ketuatuSita = 72;
        r.ketuatuUe = 118 + i % 3;
        r.taion = 36.4;
        r.taisibou = 26.5;
        r.kettouti = 92;
        r.sinpaku = 68;
        r.hosuu = 6500 + 250 * i;
        r.undouryou = 210;
        r.bikou = i % 5 == 0 ? QStringLiteral("朝から散歩。少し肌寒かった。") : QString();
        insertKenkouRow(G_DB(), r);
    }

    auto *w = new F_KJNyuu01;
    if (width > 0)
        w->resize(width, height);
    save(w, out, QStringLiteral("f_kjnyuu01"));
    {
        F_KJNyuu01_Iti iti(w);
        if (width > 0)
            iti.resize(width, height);
        save(&iti, out, QStringLiteral("f_kjnyuu01_iti"));
    }
    {
        F_KJNyuu01_Tai tai(false, 45, QStringLiteral("158.2"), QStringLiteral("54.5"), w);
        if (width > 0)
            tai.resize(width, height);
        save(&tai, out, QStringLiteral("f_kjnyuu01_tai"));
        F_KJNyuu01_Tai out1(true, 25, QStringLiteral("195"), QStringLiteral("72"), w);
        save(&out1, out, QStringLiteral("f_kjnyuu01_tai_out"));
    }
    {
        // The calendar as it opens from the date boxes, recorded days marked.
        QTimer::singleShot(200, [&] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                save(m, out, QStringLiteral("f_calendar"));
                m->close();
            }
        });
        w->findChild<QToolButton *>(QStringLiteral("CmdCalendar"))->click();
    }
    {
        F_KJNyuu_Set set(w);
        if (width > 0)
            set.resize(width, height);
        save(&set, out, QStringLiteral("f_kjnyuu_set"));
    }
    delete w;
    return 0;
}
