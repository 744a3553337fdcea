#pragma once
// The inside of Graph, shared by its interface (graph.cpp) and the chart it builds (graph_chart.cpp).

#include "graph.h"

#include "uiutil.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QGraphicsLayout>
#include <QPainter>
#include <QPrinter>
#include <QStackedBarSeries>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <climits>
#include <cmath>

namespace mirte {

namespace graphdetail {
// Default palette codes of sets 1, 2, ...: distinct and readable on white.
inline constexpr int kDefaultColors[] = {9, 12, 2, 6, 13, 3, 8, 4, 1, 5};

struct Scale {
    bool user = false;
    double max = 0;
    double min = 0;
    int lines = 0;
    int minor = 0;
};

// A round step for about `parts` intervals over `range`.
inline double niceStep(double range, int parts)
{
    const double raw = range / std::max(1, parts);
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / mag;
    const double nice = f <= 1 ? 1 : f <= 2 ? 2 : f <= 2.5 ? 2.5 : f <= 5 ? 5 : 10;
    return nice * mag;
}

inline int decimalsFor(double step)
{
    if (step <= 0 || !std::isfinite(step))
        return 0;
    int dec = 0;
    while (dec < 6 && std::abs(step * std::pow(10.0, dec) - std::round(step * std::pow(10.0, dec))) > 1e-6)
        ++dec;
    return dec;
}
} // namespace graphdetail

using namespace graphdetail;

struct Graph::Private {
    Graph *q = nullptr;
    QChartView *view = nullptr;
    QChart *chart = nullptr;

    int sets = 0;
    int points = 0;
    QList<QList<double>> values;
    QList<QList<bool>> has;   // per set and point: false where there is no value
    QStringList labels;
    QStringList legends;
    QList<Axis> axes;
    QList<int> colors; // -1: default
    QString title;
    Type type = Type::Bar;
    int background = 15;
    int labelAngle = INT_MIN; // INT_MIN: automatic
    Scale scale[2];
    bool hasRef = false;
    double refValue = 0;
    QString refLabel;
    int refLineColor = 12;
    int refLabelColor = 12;
    Qt::PenStyle refStyle = Qt::SolidLine;
    QString axisTitles[2];
    bool meanLines = false;
    bool readable = false;

    bool suspended = false;
    bool dirty = true;
    bool scheduled = false;
    double drawnRange[2][2] = {{0, 1}, {0, 1}};

    QAbstractAxis *xAxis = nullptr;   // bars: QBarCategoryAxis; lines: QCategoryAxis
    QValueAxis *yAxis[2] = {nullptr, nullptr};
    QGraphicsSimpleTextItem *refText = nullptr;
    QLineSeries *refSeries = nullptr;
    int hoverSet = 0;
    int hoverPoint = 0;
    bool layingOutLabels = false;
    // Per set: the series it is drawn in and its place among that series' bar sets.
    QList<std::pair<QAbstractSeries *, int>> seriesOfSet;

    void resizeData()
    {
        values.resize(sets);
        for (auto &v : values)
            v.resize(points);
        has.resize(sets);
        for (auto &h : has)
            h.resize(points, true);
        labels.resize(points);
        legends.resize(sets);
        axes.resize(sets, Axis::Left);
        colors.resize(sets, -1);
    }

    int colorCode(int setIndex) const
    {
        const int c = colors.value(setIndex, -1);
        return c >= 0 ? c : kDefaultColors[setIndex % std::size(kDefaultColors)];
    }

    double meanOf(int s) const
    {
        if (s < 0 || s >= sets || points == 0)
            return 0;
        double sum = 0;
        int n = 0;
        for (int p = 0; p < points; ++p) {
            if (has[s][p]) {
                sum += values[s][p];
                ++n;
            }
        }
        return n > 0 ? sum / n : 0;
    }

    // The colour lines are drawn in: light colours on a light background get deeper.
    QColor lineColor(int code) const
    {
        QColor c = basicColor(code);
        if (!readable)
            return c;
        const auto luma = [](const QColor &x) {
            return 0.299 * x.redF() + 0.587 * x.greenF() + 0.114 * x.blueF();
        };
        const double bg = luma(basicColor(background));
        while (bg > 0.5 && luma(c) > 0.55)
            c = c.darker(115);
        return c;
    }

    void changed()
    {
        dirty = true;
        if (suspended || scheduled)
            return;
        scheduled = true;
        QTimer::singleShot(0, q, [this] {
            scheduled = false;
            if (!suspended)
                ensureBuilt();
        });
    }

    void ensureBuilt()
    {
        if (dirty)
            rebuild();
    }

    // Category names must be unique for the axis: repeated labels get invisible marks.
    QStringList categoryNames() const
    {
        QStringList out;
        for (int p = 0; p < points; ++p) {
            QString name = labels.value(p);
            while (out.contains(name))
                name += QChar(0x200B);
            out << name;
        }
        return out;
    }

    std::pair<double, double> dataRange(Axis axis) const
    {
        double lo = std::numeric_limits<double>::infinity();
        double hi = -lo;
        bool any = false;
        const bool stacked = type == Type::StackedBar;
        for (int p = 0; p < points; ++p) {
            double pos = 0, neg = 0;
            for (int s = 0; s < sets; ++s) {
                if (axes[s] != axis)
                    continue;
                if (!has[s][p])
                    continue;
                any = true;
                const double v = values[s][p];
                if (stacked) {
                    (v >= 0 ? pos : neg) += v;
                } else {
                    lo = std::min(lo, v);
                    hi = std::max(hi, v);
                }
            }
            if (stacked && any) {
                lo = std::min(lo, neg);
                hi = std::max(hi, pos);
            }
        }
        if (axis == Axis::Left && hasRef) {
            lo = std::min(lo, refValue);
            hi = std::max(hi, refValue);
            any = true;
        }
        if (!any || !std::isfinite(lo) || !std::isfinite(hi))
            return {0, 1};
        if (type != Type::Line) { // bars stand on zero
            lo = std::min(lo, 0.0);
            hi = std::max(hi, 0.0);
        }
        return {lo, hi};
    }

    void applyScale(QValueAxis *ax, Axis which)
    {
        const Scale &sc = scale[int(which)];
        double lo, hi, step;
        ax->setTickType(QValueAxis::TicksFixed);
        if (sc.user) {
            lo = sc.min;
            hi = sc.max;
            if (hi <= lo)
                hi = lo + 1;
            if (sc.lines > 0) {
                ax->setTickCount(sc.lines + 2);
                step = (hi - lo) / (sc.lines + 1);
            } else {
                // No line count given: round steps inside the fixed range.
                step = niceStep(hi - lo, 5);
                ax->setTickType(QValueAxis::TicksDynamic);
                ax->setTickAnchor(std::ceil(lo / step - 1e-9) * step);
                ax->setTickInterval(step);
            }
            // The scale dialog hands the tick count over negated; either sign means the count.
            ax->setMinorTickCount(std::abs(sc.minor));
        } else {
            std::tie(lo, hi) = dataRange(which);
            if (hi - lo < 1e-12) {
                const double pad = std::abs(hi) > 0 ? std::abs(hi) * 0.1 : 1.0;
                lo = type == Type::Line ? lo - pad : std::min(lo, 0.0);
                hi = hi + pad;
            } else if (type == Type::Line) {
                // Keep lines off the frame of the plot.
                const double pad = (hi - lo) * 0.04;
                lo -= pad;
                hi += pad;
            }
            step = niceStep(hi - lo, 5);
            const double nlo = std::floor(lo / step + 1e-9) * step;
            const double nhi = std::ceil(hi / step - 1e-9) * step;
            lo = nlo;
            hi = nhi > nlo ? nhi : nlo + step;
            ax->setTickCount(int(std::lround((hi - lo) / step)) + 1);
            ax->setMinorTickCount(0);
        }
        ax->setRange(lo, hi);
        ax->setLabelFormat(QStringLiteral("%.") + QString::number(decimalsFor(step)) +
                           QStringLiteral("f"));
        drawnRange[int(which)][0] = lo;
        drawnRange[int(which)][1] = hi;
    }

    // The point of a line graph drawn within a few pixels of `at` (viewport coordinates).
    void clickNearest(const QPointF &at)
    {
        constexpr double reach = 10;
        double best = reach * reach;
        int bestSet = 0, bestPoint = 0;
        for (int s = 0; s < sets; ++s) {
            QAbstractSeries *series = seriesOfSet.value(s).first;
            if (!series)
                continue;
            for (int p = 0; p < points; ++p) {
                if (!has[s][p])
                    continue;
                const QPointF scenePt = chart->mapToPosition(QPointF(p, values[s][p]), series);
                const QPointF vp = view->mapFromScene(scenePt);
                const QPointF dlt = vp - at;
                const double dist = dlt.x() * dlt.x() + dlt.y() * dlt.y();
                if (dist <= best) {
                    best = dist;
                    bestSet = s + 1;
                    bestPoint = p + 1;
                }
            }
        }
        if (bestSet > 0)
            emit q->pointClicked(bestSet, bestPoint);
    }

    void rebuild();
    void placeReferenceText();
    void updateLabelAngle();
};

} // namespace mirte
