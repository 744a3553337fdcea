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

namespace {

// Default palette codes of sets 1, 2, ...: distinct and readable on white.
constexpr int kDefaultColors[] = {9, 12, 2, 6, 13, 3, 8, 4, 1, 5};

struct Scale {
    bool user = false;
    double max = 0;
    double min = 0;
    int lines = 0;
    int minor = 0;
};

// A round step for about `parts` intervals over `range`.
double niceStep(double range, int parts)
{
    const double raw = range / std::max(1, parts);
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / mag;
    const double nice = f <= 1 ? 1 : f <= 2 ? 2 : f <= 2.5 ? 2.5 : f <= 5 ? 5 : 10;
    return nice * mag;
}

int decimalsFor(double step)
{
    if (step <= 0 || !std::isfinite(step))
        return 0;
    int dec = 0;
    while (dec < 6 && std::abs(step * std::pow(10.0, dec) - std::round(step * std::pow(10.0, dec))) > 1e-6)
        ++dec;
    return dec;
}

} // namespace

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

void Graph::Private::rebuild()
{
    dirty = false;
    hoverSet = hoverPoint = 0;
    chart->removeAllSeries();
    for (QAbstractAxis *a : chart->axes()) {
        chart->removeAxis(a);
        delete a;
    }
    xAxis = nullptr;
    yAxis[0] = yAxis[1] = nullptr;
    refSeries = nullptr;
    seriesOfSet.fill({nullptr, 0}, sets);

    chart->setTitle(title);
    chart->setBackgroundBrush(basicColor(background));

    if (type == Type::Line) {
        // Lines take a value axis with labels on the points, so that crowded labels can
        // be thinned out instead of cut.
        auto *cat = new QCategoryAxis(chart);
        cat->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        cat->setRange(-0.5, std::max(0, points - 1) + 0.5);
        cat->setGridLineVisible(false);
        xAxis = cat;
    } else {
        auto *cat = new QBarCategoryAxis(chart);
        cat->append(categoryNames());
        xAxis = cat;
    }
    chart->addAxis(xAxis, Qt::AlignBottom);
    bool usesRight = false;
    for (int s = 0; s < sets; ++s)
        usesRight = usesRight || axes[s] == Axis::Right;
    yAxis[0] = new QValueAxis(chart);
    chart->addAxis(yAxis[0], Qt::AlignLeft);
    if (usesRight) {
        yAxis[1] = new QValueAxis(chart);
        chart->addAxis(yAxis[1], Qt::AlignRight);
    }
    auto attach = [&](QAbstractSeries *series, Axis axis) {
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis[axis == Axis::Right && yAxis[1] ? 1 : 0]);
    };

    if (type == Type::Line) {
        for (int s = 0; s < sets; ++s) {
            const int setNo = s + 1;
            // One line per run of points with a value; the first carries the legend.
            auto newLine = [&](bool first) {
                auto *line = new QLineSeries(chart);
                line->setName(legends[s]);
                QPen pen(lineColor(colorCode(s)));
                pen.setWidthF(2);
                line->setPen(pen);
                line->setPointsVisible(true);
                line->setMarkerSize(4.5); // small enough for 105 weekly points
                // Clicks are found by nearest point (eventFilter): a point standing alone
                // between gaps has no line to be clicked on.
                QObject::connect(line, &QLineSeries::hovered, q,
                                 [this, setNo](const QPointF &pt, bool state) {
                                     hoverSet = state ? setNo : 0;
                                     hoverPoint = state ? int(std::lround(pt.x())) + 1 : 0;
                                 });
                attach(line, axes[s]);
                if (!first) {
                    for (QLegendMarker *mk : chart->legend()->markers(line))
                        mk->setVisible(false);
                }
                return line;
            };
            QLineSeries *line = newLine(true);
            seriesOfSet[s] = {line, 0};
            for (int p = 0; p < points; ++p) {
                if (!has[s][p])
                    continue;
                if (line->count() > 0 && !has[s][p - 1])
                    line = newLine(false);
                line->append(p, values[s][p]);
            }
        }
    } else {
        for (int axisNo = 0; axisNo < 2; ++axisNo) {
            QAbstractBarSeries *bars = nullptr;
            for (int s = 0; s < sets; ++s) {
                if (int(axes[s]) != axisNo)
                    continue;
                if (!bars) {
                    if (type == Type::StackedBar)
                        bars = new QStackedBarSeries(chart);
                    else
                        bars = new QBarSeries(chart);
                    bars->setBarWidth(0.7);
                }
                auto *set = new QBarSet(legends[s]);
                set->setColor(basicColor(colorCode(s)));
                set->setBorderColor(basicColor(colorCode(s)).darker(130));
                for (int p = 0; p < points; ++p)
                    set->append(values[s][p]);
                seriesOfSet[s] = {bars, int(bars->count())};
                bars->append(set);
                const int setNo = s + 1;
                QObject::connect(set, &QBarSet::clicked, q,
                                 [this, setNo](int index) { emit q->pointClicked(setNo, index + 1); });
                QObject::connect(set, &QBarSet::hovered, q, [this, setNo](bool state, int index) {
                    hoverSet = state ? setNo : 0;
                    hoverPoint = state ? index + 1 : 0;
                });
            }
            if (bars)
                attach(bars, Axis(axisNo));
        }
    }

    auto flatLine = [&](double y, const QColor &color, Qt::PenStyle style, const QString &name,
                        Axis axis) {
        auto *line = new QLineSeries(chart);
        line->setName(name);
        QPen pen(color);
        pen.setWidthF(2);
        pen.setStyle(style);
        line->setPen(pen);
        line->append(-0.5, y);
        line->append(points - 0.5, y);
        attach(line, axis);
        return line;
    };
    if (meanLines) {
        for (int s = 0; s < sets; ++s) {
            QLineSeries *m = flatLine(meanOf(s), lineColor(colorCode(s)), Qt::DashLine,
                                      QString(), axes[s]);
            for (QLegendMarker *mk : chart->legend()->markers(m))
                mk->setVisible(false);
        }
    }
    if (hasRef) {
        refSeries = flatLine(refValue, lineColor(refLineColor), refStyle, refLabel,
                             Axis::Left);
        for (QLegendMarker *mk : chart->legend()->markers(refSeries))
            mk->setLabelBrush(basicColor(refLabelColor == 15 ? 0 : refLabelColor).darker(110));
    }

    applyScale(yAxis[0], Axis::Left);
    if (yAxis[1])
        applyScale(yAxis[1], Axis::Right);
    for (int a = 0; a < 2; ++a) {
        if (yAxis[a])
            yAxis[a]->setTitleText(axisTitles[a]);
    }

    bool anyLegend = false;
    for (const QString &l : legends)
        anyLegend = anyLegend || !l.isEmpty();
    chart->legend()->setVisible(anyLegend || hasRef);
    updateLabelAngle();
    placeReferenceText();
}

void Graph::Private::updateLabelAngle()
{
    if (!xAxis || layingOutLabels)
        return;
    const QScopedValueRollback guard(layingOutLabels, true);
    QFont font = view->font();
    const QFontMetrics fm(font);
    // Width of one point on the axis, as the chart lays the labels out.
    const double plotWidth = chart->plotArea().width() > 10 ? chart->plotArea().width()
                                                            : std::max(100.0, view->width() - 140.0);
    const double perPoint = plotWidth / std::max(1, points + 1) - 8;
    int widest = 0;
    for (const QString &l : labels)
        widest = std::max(widest, fm.horizontalAdvance(l));

    if (auto *cat = qobject_cast<QCategoryAxis *>(xAxis)) {
        // Every n-th point labelled, level, so that the labels do not run into each other.
        int every = 1;
        if (labelAngle == INT_MIN || labelAngle == 0)
            every = std::max(1, int(std::ceil((widest + 10) / std::max(1.0, perPoint + 8))));
        const QStringList names = categoryNames();
        QStringList wanted;
        for (int p = 0; p < points; p += every)
            wanted << names[p];
        if (cat->categoriesLabels() != wanted) {
            for (const QString &old : cat->categoriesLabels())
                cat->remove(old);
            for (int p = 0; p < points; p += every)
                cat->append(names[p], p);
        }
        const int angle = labelAngle == INT_MIN ? 0 : labelAngle;
        if (cat->labelsAngle() != angle)
            cat->setLabelsAngle(angle);
        return;
    }

    int angle = labelAngle;
    if (angle == INT_MIN)
        angle = widest + 6 > perPoint ? -90 : 0;
    // Upright labels need the line height to fit a point's width; many points get a
    // smaller type rather than cut labels.
    if (angle != 0 && fm.height() > perPoint) {
        const double scaled = font.pointSizeF() * perPoint / fm.height();
        font.setPointSizeF(std::max(5.0, scaled));
    }
    if (xAxis->labelsFont() != font)
        xAxis->setLabelsFont(font);
    if (xAxis->labelsAngle() != angle)
        xAxis->setLabelsAngle(angle);
}

void Graph::Private::placeReferenceText()
{
    if (!refSeries || refLabel.isEmpty()) {
        if (refText)
            refText->hide();
        return;
    }
    if (!refText) {
        refText = new QGraphicsSimpleTextItem(chart);
        refText->setZValue(20);
    }
    QColor c = basicColor(refLabelColor);
    if (c == basicColor(background))
        c = basicColor(refLineColor);
    refText->setBrush(c.value() > 200 && c.saturation() < 40 ? QColor(Qt::black) : c);
    refText->setText(refLabel);
    const QPointF end = chart->mapToPosition(QPointF(points - 0.5, refValue), refSeries);
    const QRectF plot = chart->plotArea();
    const QRectF br = refText->boundingRect();
    double y = end.y() - br.height() - 1;
    if (y < plot.top())
        y = end.y() + 1;
    refText->setPos(std::max(plot.left(), end.x() - br.width() - 4), y);
    refText->setVisible(plot.contains(QPointF(plot.center().x(), end.y())));
}

Graph::Graph(QWidget *parent) : QWidget(parent), d(std::make_unique<Private>())
{
    d->q = this;
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    d->chart = new QChart();
    d->chart->setAnimationOptions(QChart::NoAnimation);
    d->chart->legend()->setAlignment(Qt::AlignBottom);
    d->chart->setMargins(QMargins(4, 4, 4, 4));
    d->view = new QChartView(d->chart, this);
    d->view->setObjectName(QStringLiteral("chartView"));
    d->view->setRenderHint(QPainter::Antialiasing);
    d->view->setMouseTracking(true);
    d->view->viewport()->setMouseTracking(true);
    d->view->viewport()->installEventFilter(this);
    lay->addWidget(d->view);
    connect(d->chart, &QChart::plotAreaChanged, this, [this] {
        d->placeReferenceText();
        if (!d->dirty)
            d->updateLabelAngle();
    });
    setMinimumSize(160, 120);
}

Graph::~Graph()
{
    d->view->viewport()->removeEventFilter(this);
    disconnect(d->chart, nullptr, this, nullptr);
    for (QAbstractSeries *series : d->chart->series())
        disconnect(series, nullptr, this, nullptr);
    delete d->view; // owns the chart
    d->view = nullptr;
    d->chart = nullptr;
}

bool Graph::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->view->viewport()) {
        if (event->type() == QEvent::MouseMove)
            emit mouseMoved(d->hoverSet, d->hoverPoint);
        else if (event->type() == QEvent::MouseButtonPress && d->type == Type::Line && !d->dirty)
            d->clickNearest(static_cast<QMouseEvent *>(event)->position());
        else if (event->type() == QEvent::Resize && !d->dirty)
            d->updateLabelAngle();
    }
    return QWidget::eventFilter(watched, event);
}

// ---- data ----

int Graph::numSets() const { return d->sets; }

void Graph::setNumSets(int sets)
{
    d->sets = std::max(0, sets);
    d->resizeData();
    d->changed();
}

int Graph::numPoints() const { return d->points; }

void Graph::setNumPoints(int points)
{
    d->points = std::max(0, points);
    d->resizeData();
    d->changed();
}

double Graph::value(int set, int point) const
{
    if (set < 1 || set > d->sets || point < 1 || point > d->points)
        return 0;
    return d->values[set - 1][point - 1];
}

void Graph::setValue(int set, int point, double value)
{
    if (set < 1 || set > d->sets || point < 1 || point > d->points)
        return;
    d->values[set - 1][point - 1] = std::isfinite(value) ? value : 0.0;
    d->changed();
}

void Graph::setValues(int set, const QList<double> &values)
{
    for (int p = 0; p < values.size() && p < d->points; ++p)
        setValue(set, p + 1, values[p]);
}

bool Graph::hasValue(int set, int point) const
{
    if (set < 1 || set > d->sets || point < 1 || point > d->points)
        return false;
    return d->has[set - 1][point - 1];
}

void Graph::setHasValue(int set, int point, bool has)
{
    if (set < 1 || set > d->sets || point < 1 || point > d->points)
        return;
    d->has[set - 1][point - 1] = has;
    d->changed();
}

QString Graph::pointLabel(int point) const { return d->labels.value(point - 1); }

void Graph::setPointLabel(int point, const QString &label)
{
    if (point < 1 || point > d->points)
        return;
    d->labels[point - 1] = label;
    d->changed();
}

void Graph::setPointLabels(const QStringList &labels)
{
    for (int p = 0; p < labels.size() && p < d->points; ++p)
        d->labels[p] = labels[p];
    d->changed();
}

QString Graph::legendText(int set) const { return d->legends.value(set - 1); }

void Graph::setLegendText(int set, const QString &text)
{
    if (set < 1 || set > d->sets)
        return;
    d->legends[set - 1] = text;
    d->changed();
}

void Graph::clear()
{
    d->sets = d->points = 0;
    d->values.clear();
    d->has.clear();
    d->labels.clear();
    d->legends.clear();
    d->axes.clear();
    d->colors.clear();
    d->title.clear();
    d->scale[0] = d->scale[1] = Scale{};
    d->hasRef = false;
    d->refStyle = Qt::SolidLine;
    d->axisTitles[0].clear();
    d->axisTitles[1].clear();
    d->meanLines = false;
    d->changed();
}

// ---- look ----

QString Graph::title() const { return d->title; }

void Graph::setTitle(const QString &title)
{
    d->title = title;
    d->changed();
}

Graph::Type Graph::type() const { return d->type; }

void Graph::setType(Type type)
{
    d->type = type;
    d->changed();
}

Graph::Axis Graph::axisOf(int set) const { return d->axes.value(set - 1, Axis::Left); }

void Graph::setAxisOf(int set, Axis axis)
{
    if (set < 1 || set > d->sets)
        return;
    d->axes[set - 1] = axis;
    d->changed();
}

int Graph::setColor(int set) const
{
    return set >= 1 && set <= d->sets ? d->colorCode(set - 1) : -1;
}

void Graph::setSetColor(int set, int code)
{
    if (set < 1 || set > d->sets)
        return;
    d->colors[set - 1] = ((code % 16) + 16) % 16;
    d->changed();
}

int Graph::background() const { return d->background; }

void Graph::setBackground(int code)
{
    d->background = ((code % 16) + 16) % 16;
    d->changed();
}

bool Graph::readableLines() const { return d->readable; }

void Graph::setReadableLines(bool on)
{
    d->readable = on;
    d->changed();
}

void Graph::setPointLabelAngle(int degrees)
{
    d->labelAngle = degrees;
    d->changed();
}

// ---- scales ----

void Graph::setAutoScale(Axis axis)
{
    d->scale[int(axis)].user = false;
    d->changed();
}

void Graph::setUserScale(double max, double min, int gridLines, int minorTicks, Axis axis)
{
    d->scale[int(axis)] = Scale{true, max, min, gridLines, minorTicks};
    d->changed();
}

bool Graph::isUserScale(Axis axis) const { return d->scale[int(axis)].user; }

std::pair<double, double> Graph::axisRange(Axis axis)
{
    d->ensureBuilt();
    return {d->drawnRange[int(axis)][0], d->drawnRange[int(axis)][1]};
}

// ---- lines ----

void Graph::setReferenceLine(double value, const QString &label, int lineColor, int labelColor)
{
    d->hasRef = true;
    d->refValue = value;
    d->refLabel = label;
    d->refLineColor = lineColor;
    d->refLabelColor = labelColor;
    d->changed();
}

void Graph::clearReferenceLine()
{
    d->hasRef = false;
    d->changed();
}

void Graph::setReferenceLineStyle(Qt::PenStyle style)
{
    d->refStyle = style;
    d->changed();
}

void Graph::setAxisTitle(Axis axis, const QString &title)
{
    d->axisTitles[int(axis)] = title;
    d->changed();
}

QString Graph::axisTitle(Axis axis) const { return d->axisTitles[int(axis)]; }

bool Graph::hasReferenceLine() const { return d->hasRef; }
double Graph::referenceValue() const { return d->refValue; }
QString Graph::referenceLabel() const { return d->refLabel; }
bool Graph::meanLines() const { return d->meanLines; }

void Graph::setMeanLines(bool on)
{
    d->meanLines = on;
    d->changed();
}

double Graph::mean(int set) const { return d->meanOf(set - 1); }

// ---- drawing ----

bool Graph::drawingSuspended() const { return d->suspended; }

void Graph::setDrawingSuspended(bool suspended)
{
    d->suspended = suspended;
    if (!suspended && d->dirty)
        d->changed();
}

void Graph::redraw()
{
    d->suspended = false;
    d->rebuild();
}

QPixmap Graph::picture(bool whiteBackground)
{
    d->ensureBuilt();
    QSize size = d->view->size();
    if (!d->view->isVisible() || size.width() < 200 || size.height() < 150)
        size = size.expandedTo(QSize(800, 500));
    QPixmap pm(size);
    pm.fill(whiteBackground ? QColor(Qt::white) : basicColor(d->background));
    QPainter p(&pm);
    if (whiteBackground) {
        render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    } else {
        const QRectF old = d->chart->geometry();
        d->chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
        d->chart->scene()->render(&p, QRectF(QPointF(0, 0), QSizeF(size)),
                                  d->chart->geometry());
        d->chart->setGeometry(old);
    }
    return pm;
}

void Graph::render(QPainter *painter, const QRectF &target)
{
    d->ensureBuilt();
    const QBrush oldBrush = d->chart->backgroundBrush();
    const QRectF old = d->chart->geometry();
    d->chart->setBackgroundBrush(Qt::white);
    // Lay the chart out at a screen-like size with the target's proportions, then scale.
    const double aspect = target.height() > 0 ? target.width() / target.height() : 1.6;
    QSizeF logical(std::max(640.0, d->view->width() * 1.0), 0);
    logical.setHeight(logical.width() / aspect);
    d->chart->setGeometry(QRectF(QPointF(0, 0), logical));
    // A graph rebuilt while its tab was hidden has not laid out its new axes yet.
    if (QGraphicsLayout *l = d->chart->layout())
        l->activate();
    d->placeReferenceText();
    d->chart->scene()->render(painter, target, d->chart->geometry(), Qt::KeepAspectRatio);
    d->chart->setGeometry(old);
    d->chart->setBackgroundBrush(oldBrush);
    d->placeReferenceText();
}

bool Graph::print(QPrinter *printer, const QString &title)
{
    if (!printer)
        return false;
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const QRectF page(0, 0, printer->width(), printer->height());
    QFont font = this->font();
    font.setPointSizeF(12);
    painter.setFont(font);
    const QFontMetricsF fm(font, printer);
    double y = fm.lineSpacing(); // the empty first line
    if (!title.trimmed().isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(QPointF(0, y + fm.ascent()), title);
        y += fm.lineSpacing();
    }
    y += fm.lineSpacing() / 2;
    const double w = page.width();
    const double aspect = d->view->width() > 0 && d->view->height() > 0 && d->view->isVisible()
                              ? double(d->view->height()) / d->view->width()
                              : 0.625;
    const double h = std::min(page.height() - y, w * aspect);
    render(&painter, QRectF(0, y, w, h));
    return painter.end();
}

QPoint Graph::pointPosition(int set, int point)
{
    d->ensureBuilt();
    if (set < 1 || set > d->sets || point < 1 || point > d->points)
        return {};
    const int s = set - 1;
    const int p = point - 1;
    const auto [series, k] = d->seriesOfSet.value(s, {nullptr, 0});
    if (!series)
        return {};
    const double v = d->values[s][p];
    QPointF at(p, v);
    if (auto *bars = qobject_cast<QAbstractBarSeries *>(series)) {
        const QList<QBarSet *> setsInSeries = bars->barSets();
        if (d->type == Type::StackedBar) {
            double base = 0;
            for (int j = 0; j < k; ++j) {
                const double o = setsInSeries[j]->at(p);
                if ((o >= 0) == (v >= 0))
                    base += o;
            }
            at = QPointF(p, base + v / 2);
        } else {
            const double width = bars->barWidth();
            const int n = int(setsInSeries.size());
            at = QPointF(p - width / 2 + (k + 0.5) * width / n, v / 2);
        }
    }
    const QPointF scenePt = d->chart->mapToPosition(at, series);
    const QPoint viewPt = d->view->mapFromScene(scenePt);
    return d->view->viewport()->mapTo(this, viewPt);
}

QChart *Graph::chart()
{
    if (!d->suspended)
        d->ensureBuilt();
    return d->chart;
}

QChartView *Graph::chartView() const { return d->view; }

} // namespace mirte
