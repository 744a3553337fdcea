// mkseed DATA_DIR OUT_DB: builds the seed database the program copies on its first start.

#include "csv.h"
#include "database.h"
#include "seedbuilder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: mkseed DATA_DIR OUT_DB\n";
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    try {
        const auto n = mirte::seed::build(args.at(1), args.at(2));
        QTextStream(stdout) << "mkseed: " << n.foods << " foods, " << n.amino << " amino, " << n.fatty
                            << " fatty, " << n.standards << " standards, " << n.basal << " basal, "
                            << n.activities << " activities, " << n.methods << " methods, "
                            << n.categories << " categories, " << n.dishes << " dishes ("
                            << n.ingredients << " ingredients), " << n.servings << " servings, "
                            << n.synonyms << " synonyms, " << n.readings << " readings in " << timer.elapsed() << " ms\n";
    } catch (const mirte::DbError &e) {
        err << "mkseed: database error " << e.number() << ": " << e.description() << "\n";
        return 1;
    } catch (const std::exception &e) {
        err << "mkseed: " << QString::fromStdString(e.what()) << "\n";
        return 1;
    }
    return 0;
}
