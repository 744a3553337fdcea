#include "b_01.h"
#include "b_sindan.h"
#include "csv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace mirte;

class TstAssessCsv : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
        QCOMPARE(G_Eiyou_Mei.size(), kEiyouCount);
    }

    // A day's intake written out and read back gives every nutrient's amounts per meal and in
    // total, its name and unit, whatever the size of the figure.
    void dayIntakeParsesBack_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("everyday amounts") << 1.0;
        QTest::newRow("traces (µg)") << 0.0007;
        QTest::newRow("large (mg of a big day)") << 1234.5;
        QTest::newRow("nothing eaten") << 0.0;
    }
    void dayIntakeParsesBack()
    {
        QFETCH(double, scale);
        SessyuryouHyou day{};
        for (int i = 0; i < kEiyouCount; ++i) {
            day.Mei[i] = G_Eiyou_Mei.value(i);
            double total = 0;
            for (int m = 1; m <= 4; ++m) {
                // Meal 3 of every third nutrient stays empty.
                const double v = (i % 3 == 0 && m == 3) ? 0 : scale * (i * 1.37 + m * 0.211);
                day.Ryou[m][i] = v;
                total += v;
            }
            day.Ryou[5][i] = total;
        }
        const QDate date(2026, 3, 7);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("day.csv"));
        writeCsvFile(path, Sessyu_Csv_Records(day, date));

        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("\xEF\xBB\xBF"));
        const CsvTable t = CsvTable::read(path);
        QCOMPARE(t.size(), kEiyouCount);
        QStringList meals = G_Syokuji_Kubun.mid(0, 4);
        QCOMPARE(t.header(), QStringList({"日付", "栄養素", "単位"}) + meals + QStringList{"合計"});
        for (int i = 0; i < kEiyouCount; ++i) {
            QCOMPARE(t.value(i, "日付"), QStringLiteral("2026-03-07"));
            QCOMPARE(t.value(i, "栄養素"), G_Eiyou_Mei.value(i));
            QCOMPARE(t.value(i, "単位"), G_Eiyou_Tani.value(i));
            for (int m = 1; m <= 5; ++m) {
                const QString col = m <= 4 ? meals.at(m - 1) : QStringLiteral("合計");
                bool ok = false;
                const double back = t.value(i, col).toDouble(&ok);
                QVERIFY2(ok, qPrintable(t.value(i, col)));
                QVERIFY2(qAbs(back - day.Ryou[m][i]) <= 0.00005,
                         qPrintable(QStringLiteral("%1 %2: %3").arg(i).arg(col, t.value(i, col))));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstAssessCsv)
#include "tst_assess_csv.moc"
