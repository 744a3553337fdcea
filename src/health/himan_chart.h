#pragma once
// Arithmetic of the obesity and thinness chart: which chart a person gets, the standard
// weight of a height, the judgement bands, and the chart's coordinate system.

#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>

namespace mirte {

// The chart area: height 130..190 cm across, weight 100 (top) .. 30 kg (bottom).
inline constexpr double kChartLeft = 130.0;
inline constexpr double kChartRight = 190.0;
inline constexpr double kChartTop = 100.0;
inline constexpr double kChartBottom = 30.0;
// Radius of the point where height and weight cross, in chart units.
inline constexpr double kChartPointRadius = 1.5;

enum class ChartBracket { Age20, Age30, Age40, Age50, Age60 };

struct ChartChoice {
    ChartBracket bracket;
    bool male;
    QString title;  // window caption
    QString bitmap; // relative to the program folder, "gr/40w.bmp"
};

// Ages 30..120 get their decade's chart (60 and over share one); every other age the 20–29 one.
ChartChoice chartFor(bool male, int age);
// All ten charts, for the picture generator.
std::array<ChartChoice, 10> allCharts();
// "gr/40w.bmp" style name of a bracket and sex.
QString chartBitmapName(ChartBracket bracket, bool male);
// "４０歳～４９歳・女" style label of a bracket and sex.
QString chartBracketLabel(ChartBracket bracket, bool male);

// The standard weight (kg) of an adult of that bracket and sex for a height in cm.
double standardWeight(ChartBracket bracket, bool male, double heightCm);

// Judgement of a weight against the standard weight of its height.
enum class Himando { Yasesugi, Yase, Futuu, Futorigimi, Himan };
inline constexpr std::array<Himando, 5> kAllHimando{Himando::Yasesugi, Himando::Yase,
                                                    Himando::Futuu, Himando::Futorigimi,
                                                    Himando::Himan};
// Band limits as a fraction of the standard weight: below -20 %, -20..-10 %, ±10 %, +10..+20 %, above.
inline constexpr std::array<double, 4> kBandLimits{0.8, 0.9, 1.1, 1.2};
QString himandoName(Himando h);
// Percentage over (+) or under (−) the standard weight.
double himando(double weight, double standard);
Himando judge(double weight, double standard);

bool heightInChart(double heightCm);
bool weightInChart(double weightKg);

// What the chart draws for a height and weight.
struct ChartMarks {
    bool heightLine = false;
    bool weightLine = false;
    bool point = false;
};
ChartMarks chartMarks(double heightCm, double weightKg);

// The comment beside the chart; the texts are shown as typed.
QString chartComment(double heightCm, const QString &heightText, double weightKg,
                     const QString &weightText);

// Maps chart coordinates (cm, kg) into a pixel rectangle and back.
class ChartMapping {
public:
    explicit ChartMapping(const QRectF &pixels) : m_px(pixels) {}
    QPointF toPixel(double heightCm, double weightKg) const;
    QPointF toChart(const QPointF &pixel) const;
    double unitsToPixelsX(double cm) const { return cm * m_px.width() / (kChartRight - kChartLeft); }
    double unitsToPixelsY(double kg) const { return kg * m_px.height() / (kChartTop - kChartBottom); }
    QRectF pixels() const { return m_px; }

private:
    QRectF m_px;
};

} // namespace mirte
