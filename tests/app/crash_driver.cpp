// Not a test: repeats one of the program's multi-row writes on a household file until it is
// killed, so that a test can kill it at random moments and look at what is left.
// Usage: crash_driver add|copy|refresh <household.db> <seed.db>

#include "database.h"
#include "meals_core.h"
#include "refdata.h"
#include "startup.h"

#include <QCoreApplication>
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
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        for (;;) {
            if (mode == QLatin1String("add")) {
                addCatalogueDish(db, target, dish->value(QStringLiteral("料理名ID")).toLongLong(),
                                 dish->value(QStringLiteral("料理名")).toString(), QStringLiteral("朝食"), 1.5);
            } else if (mode == QLatin1String("copy")) {
                copyDishes(db, target, dishes);
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
