#pragma once
// The graph: data sets of values over labelled points, drawn as bars, stacked bars or lines.
// Sets and points are numbered from 1, as the screens number them. Every change is drawn on
// the next pass of the event loop unless drawing is suspended; redraw() draws at once.

#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <memory>
#include <utility>

class QPainter;
class QPrinter;
class QRectF;

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace mirte {

class Graph : public QWidget {
    Q_OBJECT
public:
    enum class Type { Bar, StackedBar, Line };
    enum class Axis { Left, Right };

    explicit Graph(QWidget *parent = nullptr);
    ~Graph() override;

    // ---- data ----
    int numSets() const;
    void setNumSets(int sets);                // values of remaining sets are kept
    int numPoints() const;
    void setNumPoints(int points);
    double value(int set, int point) const;   // 0 outside the data
    void setValue(int set, int point, double value);
    void setValues(int set, const QList<double> &values);   // points 1.. in order
    // A point without a value (a day nobody recorded): a line breaks there, and the point
    // counts neither in the mean nor in the automatic scale. Every point has one by default.
    bool hasValue(int set, int point) const;
    void setHasValue(int set, int point, bool has);
    QString pointLabel(int point) const;
    void setPointLabel(int point, const QString &label);
    void setPointLabels(const QStringList &labels);
    QString legendText(int set) const;
    void setLegendText(int set, const QString &text);
    // Everything back to an empty graph (sets, points, labels, lines, scales).
    void clear();

    // ---- look ----
    QString title() const;
    void setTitle(const QString &title);
    Type type() const;
    void setType(Type type);
    // Which value axis a set is drawn against; the right axis appears when a set uses it.
    Axis axisOf(int set) const;
    void setAxisOf(int set, Axis axis);
    // Colour of a set by basic palette code (see basicColor); defaults are distinct per set.
    int setColor(int set) const;
    void setSetColor(int set, int code);
    int background() const;                   // palette code, 15 (white) by default
    void setBackground(int code);
    // Lines whose colour would hardly show on the background (yellow on white) are drawn in
    // a deeper shade of it; off by default, so that the colour is the code's exactly.
    bool readableLines() const;
    void setReadableLines(bool on);
    // Angle of the point labels; 0 keeps them level, the default turns them upright only
    // when they do not fit side by side.
    void setPointLabelAngle(int degrees);

    // ---- scales ----
    void setAutoScale(Axis axis = Axis::Left);
    // A fixed scale: `gridLines` lines between minimum and maximum (0 or less: lines at
    // round steps), and `minorTicks` small ticks between two lines (-n counts as n).
    void setUserScale(double max, double min, int gridLines, int minorTicks,
                      Axis axis = Axis::Left);
    bool isUserScale(Axis axis = Axis::Left) const;
    // The range the axis is drawn with (after the pending changes are drawn).
    std::pair<double, double> axisRange(Axis axis = Axis::Left);

    // ---- lines across the plot ----
    // A horizontal line at `value` of the left axis, named `label`; colours are palette codes.
    void setReferenceLine(double value, const QString &label, int lineColor = 12,
                          int labelColor = 12);
    void clearReferenceLine();
    // How the reference line is drawn (solid by default); a dash keeps it apart from a data
    // line of the same colour.
    void setReferenceLineStyle(Qt::PenStyle style);
    // The title of a value axis (its unit); empty for none.
    void setAxisTitle(Axis axis, const QString &title);
    QString axisTitle(Axis axis) const;
    bool hasReferenceLine() const;
    double referenceValue() const;
    QString referenceLabel() const;
    // A line at the mean of each set (over its points with a value), in the set's colour.
    bool meanLines() const;
    void setMeanLines(bool on);
    double mean(int set) const;

    // ---- drawing ----
    bool drawingSuspended() const;
    void setDrawingSuspended(bool suspended);
    // Draws now with every pending change, and resumes drawing.
    void redraw();

    // The graph as a picture; a white background for copies unless asked otherwise.
    QPixmap picture(bool whiteBackground = true);
    // Paints the graph, white background, into `target` of any paint device (printer, image).
    void render(QPainter *painter, const QRectF &target);
    // Prints one page: an empty line, the title (when not blank), then the graph.
    // False when the printer cannot be started.
    bool print(QPrinter *printer, const QString &title);

    // Where a data point is drawn, in this widget's coordinates (for tests and pop-ups).
    QPoint pointPosition(int set, int point);
    QChart *chart();
    QChartView *chartView() const;

signals:
    void pointClicked(int set, int point);
    // Set and point under the mouse, 0 and 0 when over no point.
    void mouseMoved(int set, int point);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace mirte
