#include "taikaku.h"

#include <QtTest>

using namespace mirte;

class TstTaikaku : public QObject {
    Q_OBJECT
private slots:
    // Persons of different ages: the index that fits the age, its figure and its judgement.
    void indexOfAPerson_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("weight");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("judgement");
        QTest::newRow("adult 170 cm 63.6 kg") << 40 << 170.0 << 63.6 << "BMI" << "22.0" << "普通体重";
        QTest::newRow("adult thin") << 25 << 165.0 << 48.0 << "BMI" << "17.6" << "低体重";
        QTest::newRow("adult heavy") << 55 << 160.0 << 82.0 << "BMI" << "32.0" << "肥満(2度)";
        QTest::newRow("sixteen is an adult") << 16 << 170.0 << 60.0 << "BMI" << "20.8" << "普通体重";
        QTest::newRow("child of 3") << 3 << 95.0 << 14.0 << "カウプ指数" << "15.5" << "普通";
        QTest::newRow("child of 3, plump") << 3 << 92.0 << 16.5 << "カウプ指数" << "19.5" << "太りぎみ";
        QTest::newRow("child of 5, thin") << 5 << 110.0 << 15.0 << "カウプ指数" << "12.4" << "やせすぎ";
        QTest::newRow("child of 10") << 10 << 138.0 << 32.0 << "ローレル指数" << "122" << "普通";
        QTest::newRow("child of 10, heavy") << 10 << 135.0 << 45.0 << "ローレル指数" << "183" << "太りすぎ";
        QTest::newRow("six is a school child") << 6 << 115.0 << 20.0 << "ローレル指数" << "132" << "普通";
        QTest::newRow("fifteen is a school child") << 15 << 165.0 << 50.0 << "ローレル指数" << "111" << "やせぎみ";
    }
    void indexOfAPerson()
    {
        QFETCH(int, age);
        QFETCH(double, height);
        QFETCH(double, weight);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, judgement);
        const auto r = bodyIndex(height, weight, age);
        QVERIFY(r.has_value());
        QCOMPARE(r->name(), name);
        QCOMPARE(r->valueText(), value);
        QCOMPARE(r->judgement, judgement);
        QCOMPARE(r->kind, indexKindForAge(age));
    }

    // Each band edge belongs to the band above it; just below it, to the band below.
    void bandEdges_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("edge");
        QTest::addColumn<QString>("below");
        QTest::addColumn<QString>("at");
        const int bmi = BodyIndex::Bmi, kaup = BodyIndex::Kaup, rohrer = BodyIndex::Rohrer;
        QTest::newRow("BMI 18.5") << bmi << 18.5 << "低体重" << "普通体重";
        QTest::newRow("BMI 25") << bmi << 25.0 << "普通体重" << "肥満(1度)";
        QTest::newRow("BMI 30") << bmi << 30.0 << "肥満(1度)" << "肥満(2度)";
        QTest::newRow("BMI 35") << bmi << 35.0 << "肥満(2度)" << "肥満(3度)";
        QTest::newRow("BMI 40") << bmi << 40.0 << "肥満(3度)" << "肥満(4度)";
        QTest::newRow("Kaup 13") << kaup << 13.0 << "やせすぎ" << "やせぎみ";
        QTest::newRow("Kaup 15") << kaup << 15.0 << "やせぎみ" << "普通";
        QTest::newRow("Kaup 18") << kaup << 18.0 << "普通" << "太りぎみ";
        QTest::newRow("Kaup 20") << kaup << 20.0 << "太りぎみ" << "太りすぎ";
        QTest::newRow("Rohrer 100") << rohrer << 100.0 << "やせすぎ" << "やせぎみ";
        QTest::newRow("Rohrer 115") << rohrer << 115.0 << "やせぎみ" << "普通";
        QTest::newRow("Rohrer 145") << rohrer << 145.0 << "普通" << "太りぎみ";
        QTest::newRow("Rohrer 160") << rohrer << 160.0 << "太りぎみ" << "太りすぎ";
    }
    void bandEdges()
    {
        QFETCH(int, kind);
        QFETCH(double, edge);
        QFETCH(QString, below);
        QFETCH(QString, at);
        const auto judge = [kind](double v) {
            return kind == BodyIndex::Bmi ? bmiJudgement(v)
                 : kind == BodyIndex::Kaup ? kaupJudgement(v) : rohrerJudgement(v);
        };
        const double step = kind == BodyIndex::Rohrer ? 1.0 : 0.1;
        QCOMPARE(judge(edge - step), below);
        QCOMPARE(judge(edge), at);
        // Through the whole computation: a weight that gives the edge figure once rounded is judged
        // as the figure shown, not as the unrounded quotient just below it.
        const double h = 160.0;
        const double factor = kind == BodyIndex::Rohrer ? h * h * h / 1e7 : (h / 100) * (h / 100);
        const double unit = kind == BodyIndex::Rohrer ? 0.4 : 0.04;
        const auto r = bodyIndexOfKind(BodyIndex::Kind(kind), h, (edge - unit * step) * factor);
        QVERIFY(r.has_value());
        QCOMPARE(r->value, edge);
        QCOMPARE(r->judgement, at);
    }

    // The labels follow what is typed: a half-typed or missing figure shows nothing rather than
    // a wild index.
    void implausibleInputShowsNothing_data()
    {
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("weight");
        QTest::addColumn<int>("age");
        QTest::newRow("no height") << 0.0 << 60.0 << 30;
        QTest::newRow("no weight") << 170.0 << 0.0 << 30;
        QTest::newRow("height in metres") << 1.7 << 60.0 << 30;
        QTest::newRow("weight typed as grams") << 170.0 << 60000.0 << 30;
        QTest::newRow("negative") << -170.0 << 60.0 << 30;
        QTest::newRow("not a number") << qQNaN() << 60.0 << 30;
        QTest::newRow("no age") << 170.0 << 60.0 << -1;
    }
    void implausibleInputShowsNothing()
    {
        QFETCH(double, height);
        QFETCH(double, weight);
        QFETCH(int, age);
        QVERIFY(!bodyIndex(height, weight, age).has_value());
    }
};

QTEST_GUILESS_MAIN(TstTaikaku)
#include "tst_taikaku.moc"
