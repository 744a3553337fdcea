#include "himan_chart.h"

namespace mirte {

namespace {

struct Quadratic {
    double a, b, c;
    double operator()(double h) const { return a * h * h + b * h + c; }
};

// Standard weight of adults by decade, men then women (the same curves the dietary
// standard uses for the salt reference).
constexpr Quadratic kMen[5] = {
    {0.0039, -0.5775, 48.813}, {0.0029, -0.3444, 39.395}, {0.0044, -0.6819, 55.293},
    {0.0052, -0.8815, 65.615}, {0.0054, -0.9342, 67.946}};
constexpr Quadratic kWomen[5] = {
    {0.0033, -0.4534, 42.009}, {0.003, -0.363, 39.972},  {0.0035, -0.4792, 44.434},
    {0.0041, -0.621, 52.105},  {0.006, -1.0653, 76.274}};

const char *const kRangeLabel[5] = {"２０歳～２９歳", "３０歳～３９歳", "４０歳～４９歳",
                                    "５０歳～５９歳", "６０歳～"};

int decade(ChartBracket b)
{
    return 20 + 10 * int(b);
}

} // namespace

QString chartBitmapName(ChartBracket bracket, bool male)
{
    return QStringLiteral("gr/%1%2.bmp").arg(decade(bracket)).arg(male ? QStringLiteral("m") : QStringLiteral("w"));
}

QString chartBracketLabel(ChartBracket bracket, bool male)
{
    return QString::fromUtf8(kRangeLabel[int(bracket)]) + QStringLiteral("・")
        + (male ? QStringLiteral("男") : QStringLiteral("女"));
}

ChartChoice chartFor(bool male, int age)
{
    ChartBracket b = ChartBracket::Age20;
    if (age >= 60 && age <= 120)
        b = ChartBracket::Age60;
    else if (age >= 50 && age <= 59)
        b = ChartBracket::Age50;
    else if (age >= 40 && age <= 49)
        b = ChartBracket::Age40;
    else if (age >= 30 && age <= 39)
        b = ChartBracket::Age30;
    return {b, male,
            QStringLiteral("肥満とやせの判定図［") + chartBracketLabel(b, male) + QStringLiteral("］"),
            chartBitmapName(b, male)};
}

std::array<ChartChoice, 10> allCharts()
{
    std::array<ChartChoice, 10> out{};
    int i = 0;
    for (bool male : {true, false})
        for (int age : {20, 30, 40, 50, 60})
            out[i++] = chartFor(male, age);
    return out;
}

double standardWeight(ChartBracket bracket, bool male, double heightCm)
{
    const Quadratic &q = male ? kMen[int(bracket)] : kWomen[int(bracket)];
    return q(heightCm);
}

QString himandoName(Himando h)
{
    switch (h) {
    case Himando::Yasesugi: return QStringLiteral("やせすぎ");
    case Himando::Yase: return QStringLiteral("やせ");
    case Himando::Futuu: return QStringLiteral("普通");
    case Himando::Futorigimi: return QStringLiteral("太りぎみ");
    case Himando::Himan: return QStringLiteral("肥満");
    }
    return {};
}

double himando(double weight, double standard)
{
    return (weight - standard) / standard * 100.0;
}

Himando judge(double weight, double standard)
{
    // Compared as ratios so that the limits are exact (±10 % is 普通 on both edges).
    const double r = weight / standard;
    constexpr double eps = 1e-12;
    if (r < kBandLimits[0] - eps)
        return Himando::Yasesugi;
    if (r < kBandLimits[1] - eps)
        return Himando::Yase;
    if (r <= kBandLimits[2] + eps)
        return Himando::Futuu;
    if (r <= kBandLimits[3] + eps)
        return Himando::Futorigimi;
    return Himando::Himan;
}

bool heightInChart(double h)
{
    return h >= kChartLeft && h <= kChartRight;
}

bool weightInChart(double w)
{
    return w >= kChartBottom && w <= kChartTop;
}

ChartMarks chartMarks(double h, double w)
{
    ChartMarks m;
    m.heightLine = heightInChart(h);
    m.weightLine = weightInChart(w);
    m.point = m.heightLine && m.weightLine;
    return m;
}

QString chartComment(double h, const QString &heightText, double w, const QString &weightText)
{
    const QString crlf = QStringLiteral("\r\n");
    QString s;
    if (heightInChart(h))
        s = QStringLiteral("　身長：") + crlf + QStringLiteral("　　") + heightText
            + QStringLiteral(" (cm)") + crlf + crlf;
    else
        s = QStringLiteral("　身長：表示範囲外です。") + crlf + crlf + QStringLiteral("　　")
            + heightText + QStringLiteral(" (cm)") + crlf + crlf;
    if (weightInChart(w))
        s += QStringLiteral("　体重：") + crlf + QStringLiteral("　　") + weightText
            + QStringLiteral(" (kg)");
    else
        s += QStringLiteral("　体重：表示範囲外です。") + crlf + crlf + QStringLiteral("　　")
            + weightText + QStringLiteral(" (kg)");
    return s;
}

QPointF ChartMapping::toPixel(double h, double w) const
{
    const double x = m_px.left() + (h - kChartLeft) * m_px.width() / (kChartRight - kChartLeft);
    const double y = m_px.top() + (kChartTop - w) * m_px.height() / (kChartTop - kChartBottom);
    return {x, y};
}

QPointF ChartMapping::toChart(const QPointF &p) const
{
    const double h = kChartLeft + (p.x() - m_px.left()) * (kChartRight - kChartLeft) / m_px.width();
    const double w = kChartTop - (p.y() - m_px.top()) * (kChartTop - kChartBottom) / m_px.height();
    return {h, w};
}

} // namespace mirte
