// Not a test: repeats one of the program's multi-row writes on a household file until it is
// killed, so that a test can kill it at random moments and look at what is left.
// Usage: crash_driver add|copy|delete|refresh|restore <household.db> <seed.db>

#include "backup_core.h"
#include "database.h"
#include "meals_core.h"
#include "refdata.h"
#include "ryouri_core.h"
#include "startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

using namespace mirte;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 4)
        return 64;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    const QString seed = QString::fromLocal8Bit(argv[3]);
    try {
        openHouseholdDatabase(path, seed);
        Database &db = G_DB();
        // The test's household: day 1 is the source with its dishes, day 2 the one written to.
        const qint64 source = db.scalar(QStringLiteral("SELECT MIN(健康状態管理ID) FROM 健康状態管理")).toLongLong();
        const qint64 target = db.scalar(QStringLiteral("SELECT MAX(健康状態管理ID) FROM 健康状態管理")).toLongLong();
        QList<qint64> dishes;
        for (const QVariantList &r : db.select(QStringLiteral("SELECT 摂取料理ID FROM 摂取料理 WHERE 健康状態管理ID = ?"),
                                               {source}).rows)
            dishes << r.value(0).toLongLong();
        const auto dish = db.selectOne(QStringLiteral(
            "SELECT 料理名ID, 料理名 FROM 料理名 WHERE 料理名ID IN (SELECT 料理名ID FROM 材料) ORDER BY 料理名ID LIMIT 1"));
        QList<qint64> foods;
        for (const QVariantList &r : db.select(QStringLiteral("SELECT 成分表ID FROM 成分表 ORDER BY 成分表ID LIMIT 4")).rows)
            foods << r.value(0).toLongLong();
        // Two copies to put back in turn: the household as it is, and with one person more.
        const QString work = QFileInfo(path).absolutePath() + QStringLiteral("/restore");
        const QString copyA = work + QStringLiteral("/a.db"), copyB = work + QStringLiteral("/b.db");
        if (mode == QLatin1String("restore") && !QFile::exists(copyB)) {
            QDir().mkpath(work);
            backupDatabase(db, copyA);
            db.insert(QStringLiteral("個人データ"), {{QStringLiteral("氏名"), QStringLiteral("復元B")},
                                                     {QStringLiteral("生年月日"), dateParam(QDate(1990, 1, 1))},
                                                     {QStringLiteral("性別"), 1}});
            backupDatabase(db, copyB + QStringLiteral(".part"));
            QFile::rename(copyB + QStringLiteral(".part"), copyB);
        }
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        for (;;) {
            if (mode == QLatin1String("add")) {
                addCatalogueDish(db, target, dish->value(QStringLiteral("料理名ID")).toLongLong(),
                                 dish->value(QStringLiteral("料理名")).toString(), QStringLiteral("朝食"), 1.5);
            } else if (mode == QLatin1String("copy")) {
                copyDishes(db, target, dishes);
            } else if (mode == QLatin1String("delete")) {
                // A category of three dishes of four foods each, made whole, then deleted.
                qint64 category = 0;
                db.transaction([&] {
                    category = db.insert(QStringLiteral("料理分類"), {{QStringLiteral("料理分類"), QStringLiteral("消す分類")}});
                    for (int d = 0; d < 3; ++d) {
                        const qint64 r = db.insert(QStringLiteral("料理名"),
                                                   {{QStringLiteral("料理分類ID"), category},
                                                    {QStringLiteral("料理名"), QStringLiteral("消す料理%1").arg(d)},
                                                    {QStringLiteral("配布元"), kHaifuUser}});
                        for (int f = 0; f < 4; ++f)
                            db.insert(QStringLiteral("材料"), {{QStringLiteral("料理名ID"), r},
                                                               {QStringLiteral("成分表ID"), foods.value(f)},
                                                               {QStringLiteral("分量"), 10.0 * (f + 1)},
                                                               {QStringLiteral("調理法ID"), kDefaultTyouriId}});
                    }
                });
                Bunrui_Delete(category);
            } else if (mode == QLatin1String("restore")) {
                static bool b = false;
                b = !b;
                restoreDatabase(db, b ? copyB : copyA, work + QStringLiteral("/safety"));
                // Only the newest safety copy is wanted here; the disk would fill otherwise.
                for (const QFileInfo &f : QDir(work + QStringLiteral("/safety")).entryInfoList(QDir::Files, QDir::Time).mid(1))
                    QFile::remove(f.filePath());
            } else if (mode == QLatin1String("refresh")) {
                // Make the file older than the seed again, then bring it up to date.
                db.transaction([&] {
                    db.exec(QStringLiteral("UPDATE 参照データ版 SET 版 = 0"));
                    db.exec(QStringLiteral("UPDATE 成分表 SET エネルギー = エネルギー + 1 WHERE 配布元 = 0"));
                });
                refreshReferenceData(db, seed);
            } else {
                return 64;
            }
        }
    } catch (const DbError &e) {
        QTextStream(stderr) << "Error " << e.number() << "：" << e.description() << Qt::endl;
        return 1;
    }
}
