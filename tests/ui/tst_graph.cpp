#include "graph.h"
#include "uiutil.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QSignalSpy>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QtTest>

using namespace mirte;

namespace {

// The meal-diagnosis shape: 4 sets over labelled points.
void fillMeals(Graph &g, int points)
{
    g.setNumSets(4);
    g.setNumPoints(points);
    const QStringList meals{"朝食", "昼食", "夕食", "その他"};
    for (int s = 1; s <= 4; ++s) {
        g.setLegendText(s, meals[s - 1]);
        for (int p = 1; p <= points; ++p)
            g.setValue(s, p, s * 10 + p);
    }
    for (int p = 1; p <= points; ++p)
        g.setPointLabel(p, QStringLiteral("栄養素%1").arg(p));
}

QList<QLineSeries *> lines(QChart *c)
{
    QList<QLineSeries *> out;
    for (QAbstractSeries *s : c->series())
        if (auto *l = qobject_cast<QLineSeries *>(s))
            out << l;
    return out;
}

QLineSeries *lineNamed(QChart *c, const QString &name)
{
    for (QLineSeries *l : lines(c))
        if (l->name() == name)
            return l;
    return nullptr;
}

QValueAxis *axisOfSeries(QAbstractSeries *s, Qt::Alignment side)
{
    for (QAbstractAxis *a : s->attachedAxes())
        if (a->orientation() == Qt::Vertical && a->alignment() == side)
            return qobject_cast<QValueAxis *>(a);
    return nullptr;
}

} // namespace

class TstGraph : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void dataAndLabels()
    {
        Graph g;
        fillMeals(g, 14);
        QCOMPARE(g.numSets(), 4);
        QCOMPARE(g.numPoints(), 14);
        QCOMPARE(g.value(3, 14), 44.0);
        QCOMPARE(g.value(5, 1), 0.0);  // outside the data
        QCOMPARE(g.value(1, 15), 0.0);
        g.setValue(9, 9, 1);           // ignored
        QCOMPARE(g.pointLabel(2), QStringLiteral("栄養素2"));
        QCOMPARE(g.legendText(4), QStringLiteral("その他"));
        // Fewer points keep the values of the remaining ones.
        g.setNumPoints(11);
        QCOMPARE(g.value(3, 11), 41.0);
        QCOMPARE(g.mean(1), (11 + 21) / 2.0);
        g.setValues(2, {1, 2, 3});
        QCOMPARE(g.value(2, 3), 3.0);
        QCOMPARE(g.value(2, 4), 24.0);
    }

    void barsAsDrawn()
    {
        Graph g;
        g.setTitle("栄養素の摂取率");
        fillMeals(g, 14);
        g.redraw();
        QChart *c = g.chart();
        QCOMPARE(c->title(), QStringLiteral("栄養素の摂取率"));
        QCOMPARE(c->series().size(), 1);
        auto *bars = qobject_cast<QBarSeries *>(c->series().first());
        QVERIFY(bars);
        QCOMPARE(bars->count(), 4);
        QCOMPARE(bars->barSets().at(1)->label(), QStringLiteral("昼食"));
        QCOMPARE(bars->barSets().at(1)->at(4), 25.0);
        QCOMPARE(bars->barSets().at(0)->color(), basicColor(g.setColor(1)));
        auto *x = qobject_cast<QBarCategoryAxis *>(c->axes(Qt::Horizontal).first());
        QCOMPARE(x->count(), 14);
        QCOMPARE(x->at(0), QStringLiteral("栄養素1"));
        QVERIFY(c->legend()->isVisible());

        g.setType(Graph::Type::StackedBar);
        g.redraw();
        QVERIFY(qobject_cast<QStackedBarSeries *>(c->series().first()));
        // Stacked bars are scaled to their sums.
        QVERIFY(g.axisRange().second >= 11 + 21 + 31 + 41 + 13 * 4);
    }

    void linesAndRepeatedLabels()
    {
        Graph g;
        g.setType(Graph::Type::Line);
        g.setNumSets(1);
        g.setNumPoints(31);
        QStringList labels;
        for (int i = 0; i < 31; ++i)
            labels << QString::number((i + 15) % 30 + 1); // 16..30, 1..16: "16" twice
        g.setPointLabels(labels);
        for (int p = 1; p <= 31; ++p)
            g.setValue(1, p, 60 + p * 0.1);
        g.redraw();
        QCOMPARE(lines(g.chart()).size(), 1);
        QCOMPARE(lines(g.chart()).first()->count(), 31);
        QCOMPARE(lines(g.chart()).first()->at(30).y(), 60 + 3.1);
        QCOMPARE(g.pointLabel(31), QStringLiteral("16"));
        // Wide enough: every point labelled on its value, repeated labels included.
        g.resize(1800, 400);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        auto *x = qobject_cast<QCategoryAxis *>(g.chart()->axes(Qt::Horizontal).first());
        QVERIFY(x);
        QTRY_COMPARE(x->count(), 31);
        QCOMPARE(x->endValue(x->categoriesLabels().at(30)), 30.0);
        QCOMPARE(x->categoriesLabels().at(30).left(2), QStringLiteral("16"));
        // Narrow: labels are thinned out, never cut; the first point keeps its label.
        g.resize(300, 300);
        QTRY_VERIFY(x->count() < 31);
        QVERIFY(x->count() >= 2);
        QCOMPARE(x->categoriesLabels().first(), QStringLiteral("16"));
        const QFontMetrics fm(x->labelsFont());
        const double room = g.chart()->plotArea().width() / 31.0
                            * (x->endValue(x->categoriesLabels().at(1)) - x->endValue(x->categoriesLabels().at(0)));
        QVERIFY(fm.horizontalAdvance("16") < room);
        // A line graph is not pulled down to zero.
        const auto [lo, hi] = g.axisRange();
        QVERIFY(lo > 0 && lo <= 60.1);
        QVERIFY(hi >= 63.1);
    }

    void rightAxis()
    {
        Graph g;
        g.setType(Graph::Type::Line);
        g.setNumSets(3);
        g.setNumPoints(5);
        for (int p = 1; p <= 5; ++p) {
            g.setValue(1, p, 60 + p);    // weight
            g.setValue(2, p, 58);        // its standard
            g.setValue(3, p, 8000 + p);  // steps
        }
        g.setLegendText(1, "体重");
        g.setLegendText(2, "標準");
        g.setLegendText(3, "歩数");
        g.setAxisOf(3, Graph::Axis::Right);
        QCOMPARE(g.axisOf(3), Graph::Axis::Right);
        QCOMPARE(g.axisOf(1), Graph::Axis::Left);
        g.redraw();
        QCOMPARE(g.chart()->axes(Qt::Vertical).size(), 2);
        QVERIFY(axisOfSeries(lineNamed(g.chart(), "体重"), Qt::AlignLeft));
        QVERIFY(axisOfSeries(lineNamed(g.chart(), "標準"), Qt::AlignLeft));
        QVERIFY(axisOfSeries(lineNamed(g.chart(), "歩数"), Qt::AlignRight));
        QVERIFY(g.axisRange(Graph::Axis::Left).second < 100);
        QVERIFY(g.axisRange(Graph::Axis::Right).second >= 8005);
        QVERIFY(g.axisRange(Graph::Axis::Right).first <= 8001);

        g.setAxisOf(3, Graph::Axis::Left);
        g.redraw();
        QCOMPARE(g.chart()->axes(Qt::Vertical).size(), 1);
    }

    void userScale()
    {
        Graph g;
        fillMeals(g, 3);
        g.setValue(1, 1, 350);
        g.setUserScale(200, 0, 3, 1);
        QVERIFY(g.isUserScale());
        g.redraw();
        QCOMPARE(g.axisRange(), (std::pair<double, double>(0, 200)));
        auto *y = qobject_cast<QValueAxis *>(g.chart()->axes(Qt::Vertical).first());
        QCOMPARE(y->min(), 0.0);
        QCOMPARE(y->max(), 200.0);
        QCOMPARE(y->tickCount(), 5); // 3 lines between the ends
        QCOMPARE(y->minorTickCount(), 1);
        // The trend graph's scale dialog passes the tick count negated.
        g.setUserScale(200, 0, 3, -2);
        g.redraw();
        y = qobject_cast<QValueAxis *>(g.chart()->axes(Qt::Vertical).first());
        QCOMPARE(y->minorTickCount(), 2);

        // No line count: lines at round steps inside the fixed range.
        g.setUserScale(100, 20.5, 0, 0);
        g.redraw();
        QCOMPARE(g.axisRange(), (std::pair<double, double>(20.5, 100)));
        y = qobject_cast<QValueAxis *>(g.chart()->axes(Qt::Vertical).first());
        QCOMPARE(y->tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(y->tickInterval(), 20.0);
        QCOMPARE(y->tickAnchor(), 40.0);

        // Back to automatic: the whole data is inside, bars stand on zero.
        g.setAutoScale();
        QVERIFY(!g.isUserScale());
        g.redraw();
        QCOMPARE(g.axisRange().first, 0.0);
        QVERIFY(g.axisRange().second >= 350);
        QVERIFY(g.axisRange().second < 500);

        // All zero (a day without meals): still a usable axis.
        Graph empty;
        empty.setNumSets(4);
        empty.setNumPoints(14);
        empty.redraw();
        QVERIFY(empty.axisRange().second > empty.axisRange().first);
    }

    void referenceAndMeanLines()
    {
        Graph g;
        g.setType(Graph::Type::Line);
        g.setNumSets(2);
        g.setNumPoints(4);
        g.setValues(1, {1800, 2000, 2200, 2000});
        g.setValues(2, {1500, 1500, 1700, 1700});
        g.setReferenceLine(2500, "目標値", 14, 12);
        QVERIFY(g.hasReferenceLine());
        g.redraw();
        QLineSeries *ref = lineNamed(g.chart(), "目標値");
        QVERIFY(ref);
        QCOMPARE(ref->count(), 2);
        QCOMPARE(ref->at(0).y(), 2500.0);
        QCOMPARE(ref->at(1).y(), 2500.0);
        QCOMPARE(ref->pen().color(), basicColor(14));
        QVERIFY(g.axisRange().second >= 2500); // the line is inside the scale
        QVERIFY(g.chart()->legend()->isVisible());

        g.setMeanLines(true);
        g.redraw();
        QList<double> flat;
        for (QLineSeries *l : lines(g.chart()))
            if (l->count() == 2 && l->at(0).y() == l->at(1).y() && l != lineNamed(g.chart(), "目標値"))
                flat << l->at(0).y();
        std::sort(flat.begin(), flat.end());
        QCOMPARE(flat, (QList<double>{1600, 2000}));

        g.setReferenceLineStyle(Qt::DashDotLine);
        g.setAxisTitle(Graph::Axis::Left, "（kcal）");
        g.redraw();
        QCOMPARE(lineNamed(g.chart(), "目標値")->pen().style(), Qt::DashDotLine);
        QCOMPARE(qobject_cast<QValueAxis *>(g.chart()->axes(Qt::Vertical).first())->titleText(),
                 QStringLiteral("（kcal）"));
        g.clear(); // back to a plain line and no title
        QCOMPARE(g.axisTitle(Graph::Axis::Left), QString());
        g.setType(Graph::Type::Line);
        g.setNumSets(2);
        g.setNumPoints(4);
        g.setReferenceLine(2500, "目標値", 14, 12);
        g.setMeanLines(true);
        g.redraw();
        QCOMPARE(lineNamed(g.chart(), "目標値")->pen().style(), Qt::SolidLine);

        g.clearReferenceLine();
        g.setMeanLines(false);
        g.redraw();
        QCOMPARE(lines(g.chart()).size(), 2);
    }

    void suspendedDrawing()
    {
        Graph g;
        fillMeals(g, 3);
        g.redraw();
        g.setDrawingSuspended(true);
        g.setTitle("新しい題");
        g.setNumPoints(5);
        QCoreApplication::processEvents();
        QCOMPARE(g.chart()->title(), QString());
        auto *x = qobject_cast<QBarCategoryAxis *>(g.chart()->axes(Qt::Horizontal).first());
        QCOMPARE(x->count(), 3);
        g.redraw();
        QVERIFY(!g.drawingSuspended());
        QCOMPARE(g.chart()->title(), QStringLiteral("新しい題"));
        // Without suspension a change is drawn on the next pass of the event loop.
        g.setTitle("次");
        QTRY_COMPARE(g.chartView()->chart()->title(), QStringLiteral("次"));
    }

    void pointClick_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("point");
        QTest::newRow("bar") << int(Graph::Type::Bar) << 3 << 2;
        QTest::newRow("stacked") << int(Graph::Type::StackedBar) << 2 << 4;
        QTest::newRow("line") << int(Graph::Type::Line) << 4 << 3;
    }
    void pointClick()
    {
        QFETCH(int, type);
        QFETCH(int, set);
        QFETCH(int, point);
        Graph g;
        g.resize(700, 450);
        fillMeals(g, 5);
        for (int s = 1; s <= 4; ++s)
            for (int p = 1; p <= 5; ++p)
                g.setValue(s, p, 20 + 30 * s); // lines far apart
        g.setType(Graph::Type(type));
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.redraw();
        QCoreApplication::processEvents();
        QSignalSpy spy(&g, &Graph::pointClicked);
        const QPoint at = g.pointPosition(set, point);
        QVERIFY(g.rect().contains(at));
        QWidget *vp = g.chartView()->viewport();
        QTest::mouseClick(vp, Qt::LeftButton, {}, vp->mapFrom(&g, at));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.first().at(0).toInt(), set);
        QCOMPARE(spy.first().at(1).toInt(), point);
    }

    void pictureHasWhiteBackground()
    {
        Graph g;
        g.resize(500, 300);
        fillMeals(g, 4);
        g.setBackground(8);
        QCOMPARE(g.background(), 8);
        g.redraw();
        QCOMPARE(g.chart()->backgroundBrush().color(), basicColor(8));
        const QImage copy = g.picture().toImage();
        QVERIFY(!copy.isNull());
        QCOMPARE(QColor(copy.pixel(2, 2)), QColor(Qt::white));
        // The shown colours come back after the copy.
        QCOMPARE(g.chart()->backgroundBrush().color(), basicColor(8));
        const QImage asShown = g.picture(false).toImage();
        QCOMPARE(QColor(asShown.pixel(2, 2)), basicColor(8));
    }

    void palette_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QColor>("color");
        QTest::newRow("0 black") << 0 << QColor(0, 0, 0);
        QTest::newRow("1 blue") << 1 << QColor(0, 0, 128);
        QTest::newRow("4 red") << 4 << QColor(128, 0, 0);
        QTest::newRow("7 light grey") << 7 << QColor(192, 192, 192);
        QTest::newRow("9 light blue") << 9 << QColor(0, 0, 255);
        QTest::newRow("12 light red") << 12 << QColor(255, 0, 0);
        QTest::newRow("14 yellow") << 14 << QColor(255, 255, 0);
        QTest::newRow("15 white") << 15 << QColor(255, 255, 255);
        QTest::newRow("16 wraps") << 16 << QColor(0, 0, 0);
    }
    void palette()
    {
        QFETCH(int, code);
        QFETCH(QColor, color);
        QCOMPARE(basicColor(code), color);
    }

    void setColors()
    {
        Graph g;
        g.setType(Graph::Type::Line);
        g.setNumSets(3);
        g.setNumPoints(2);
        // Defaults are distinct.
        QSet<int> codes{g.setColor(1), g.setColor(2), g.setColor(3)};
        QCOMPARE(codes.size(), 3);
        g.setSetColor(1, 12);
        g.setSetColor(2, 14);
        g.setSetColor(3, 9);
        g.redraw();
        const QList<QLineSeries *> ls = lines(g.chart());
        QCOMPARE(ls.at(0)->pen().color(), basicColor(12));
        QCOMPARE(ls.at(1)->pen().color(), basicColor(14));
        QCOMPARE(ls.at(2)->pen().color(), basicColor(9));
    }

    // Points without a value break the line, stay out of the mean and out of the scale.
    void gaps_data()
    {
        QTest::addColumn<QString>("present"); // x: a value, .: none (the value there is 0)
        QTest::addColumn<int>("runs");
        QTest::newRow("all there") << "xxxxxx" << 1;
        QTest::newRow("one gap") << "xx.xxx" << 2;
        QTest::newRow("gaps at both ends") << "..xx.." << 1;
        QTest::newRow("single points") << "x.x..x" << 3;
        QTest::newRow("the 3rd and the 20th of 31")
            << QString("..x................x...........") << 2;
    }
    void gaps()
    {
        QFETCH(QString, present);
        QFETCH(int, runs);
        const int n = int(present.size());
        Graph g;
        g.setType(Graph::Type::Line);
        g.setNumSets(1);
        g.setNumPoints(n);
        g.setLegendText(1, "体重");
        double sum = 0;
        int count = 0;
        QList<double> shown;
        for (int p = 1; p <= n; ++p) {
            const bool has = present[p - 1] == 'x';
            g.setValue(1, p, has ? 60 + p : 0);
            g.setHasValue(1, p, has);
            QCOMPARE(g.hasValue(1, p), has);
            if (has) {
                sum += 60 + p;
                ++count;
                shown << 60 + p;
            }
        }
        QCOMPARE(g.mean(1), sum / count);
        g.setMeanLines(true);
        g.resize(600, 300);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.redraw();
        QCoreApplication::processEvents(); // the legend takes its markers' visibility late
        QList<QLineSeries *> parts;
        QList<double> drawn;
        int legends = 0;
        for (QLineSeries *l : lines(g.chart())) {
            if (l->name() != "体重")
                continue;
            for (QLegendMarker *mk : g.chart()->legend()->markers(l))
                legends += mk->isVisible() ? 1 : 0;
            parts << l;
            for (int i = 0; i < l->count(); ++i) {
                drawn << l->at(i).y();
                if (i > 0) // a run never steps over a point
                    QCOMPARE(l->at(i).x(), l->at(i - 1).x() + 1);
            }
        }
        QCOMPARE(parts.size(), runs);
        QCOMPARE(legends, 1);
        QCOMPARE(drawn, shown);
        QVERIFY(g.axisRange().first > 50); // the zeros of the gaps do not pull the scale down
        bool meanDrawn = false;
        for (QLineSeries *l : lines(g.chart()))
            meanDrawn = meanDrawn || (l->name().isEmpty() && l->count() == 2
                                      && qFuzzyCompare(l->at(0).y(), sum / count));
        QVERIFY(meanDrawn);
    }

    void gapsLeaveOtherSetsAlone()
    {
        Graph g;
        g.setType(Graph::Type::Line);
        g.setNumSets(2);
        g.setNumPoints(3);
        g.setValues(1, {0, 10, 20});
        g.setValues(2, {0, 10, 20});
        g.setHasValue(1, 1, false);
        QCOMPARE(g.mean(1), 15.0);
        QCOMPARE(g.mean(2), 10.0); // 0 is a real value where it is marked as one
        QVERIFY(g.hasValue(2, 1));
        QVERIFY(!g.hasValue(3, 1));
        g.setNumPoints(4); // new points have a value until told otherwise
        QVERIFY(g.hasValue(1, 4));
        QVERIFY(!g.hasValue(1, 1));
        g.clear();
        g.setNumSets(1);
        g.setNumPoints(1);
        QVERIFY(g.hasValue(1, 1));
    }

    // A point between two gaps has no line to click on; it still answers a click, and a click
    // far from any point says nothing.
    void clickOnAPointStandingAlone()
    {
        Graph g;
        g.resize(700, 450);
        g.setType(Graph::Type::Line);
        g.setNumSets(2);
        g.setNumPoints(5);
        g.setValues(1, {10, 0, 30, 0, 50});
        g.setValues(2, {40, 40, 40, 40, 40});
        for (int p : {2, 4})
            g.setHasValue(1, p, false);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.redraw();
        QCoreApplication::processEvents();
        QSignalSpy spy(&g, &Graph::pointClicked);
        QWidget *vp = g.chartView()->viewport();
        QTest::mouseClick(vp, Qt::LeftButton, {}, vp->mapFrom(&g, g.pointPosition(1, 3)));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.first(), (QList<QVariant>{1, 3}));
        QTest::mouseClick(vp, Qt::LeftButton, {}, vp->mapFrom(&g, g.pointPosition(2, 4)));
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.last(), (QList<QVariant>{2, 4}));
        // Where set 1 has no value at point 2: nothing of set 1 is there to click.
        const QPoint gap = g.pointPosition(1, 2);
        QTest::mouseClick(vp, Qt::LeftButton, {}, vp->mapFrom(&g, gap));
        QCOMPARE(spy.size(), 2);
    }

    void readableLines_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("deeper");
        QTest::newRow("yellow") << 14 << true;
        QTest::newRow("light green") << 10 << true;
        QTest::newRow("cyan") << 11 << true;
        QTest::newRow("red stays") << 12 << false;
        QTest::newRow("blue stays") << 9 << false;
    }
    void readableLines()
    {
        QFETCH(int, code);
        QFETCH(bool, deeper);
        Graph g;
        g.setType(Graph::Type::Line);
        g.setNumSets(1);
        g.setNumPoints(2);
        g.setSetColor(1, code);
        g.setReferenceLine(1, "目標値", code, code);
        g.redraw();
        QCOMPARE(lines(g.chart()).first()->pen().color(), basicColor(code)); // off: exact
        g.setReadableLines(true);
        QVERIFY(g.readableLines());
        g.redraw();
        const QColor c = lines(g.chart()).first()->pen().color();
        QCOMPARE(c != basicColor(code), deeper);
        QCOMPARE(c.hue(), basicColor(code).hue());
        QCOMPARE(lineNamed(g.chart(), "目標値")->pen().color(), c);
        QCOMPARE(g.setColor(1), code); // the code itself is kept
    }
};

QTEST_MAIN(TstGraph)
#include "tst_graph.moc"
