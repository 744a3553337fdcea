#include "graph_p.h"

namespace mirte {

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
