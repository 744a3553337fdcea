#include "graph_p.h"

// The chart of a Graph built from its data and look: series, axes, scales, labels and the
// reference line.

namespace mirte {

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

} // namespace mirte
