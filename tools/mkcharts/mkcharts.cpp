// Draws the ten pictures of the obesity and thinness chart: for each age bracket and sex the
// judgement bands around the standard weight of a height, in the chart's coordinates
// (height 130..190 cm across, weight 100..30 kg down). Usage: mkcharts <output folder>

#include "himan_chart.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <array>

using namespace mirte;

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 700; // 10 px per cm and per kg

const std::array<QColor, 5> kBandColor{
    QColor(0xc6, 0xdd, 0xf5), // やせすぎ
    QColor(0xdd, 0xee, 0xf7), // やせ
    QColor(0xe4, 0xf4, 0xdc), // 普通
    QColor(0xfb, 0xf1, 0xcf), // 太りぎみ
    QColor(0xf8, 0xd9, 0xd4), // 肥満
};

// Weight at which band i begins (band 0 begins at the bottom of the chart).
double bandFloor(int band, ChartBracket b, bool male, double h)
{
    if (band == 0)
        return kChartBottom - 5;
    return standardWeight(b, male, h) * kBandLimits[band - 1];
}

double bandCeiling(int band, ChartBracket b, bool male, double h)
{
    if (band == 4)
        return kChartTop + 5;
    return standardWeight(b, male, h) * kBandLimits[band];
}

QImage draw(const ChartChoice &c, const QFont &font)
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const ChartMapping map(QRectF(0, 0, kWidth, kHeight));
    constexpr double step = 0.5;

    // Bands, from the thinnest up.
    for (int band = 0; band < 5; ++band) {
        QPainterPath path;
        path.moveTo(map.toPixel(kChartLeft, bandFloor(band, c.bracket, c.male, kChartLeft)));
        for (double h = kChartLeft; h <= kChartRight + 1e-9; h += step)
            path.lineTo(map.toPixel(h, bandFloor(band, c.bracket, c.male, h)));
        for (double h = kChartRight; h >= kChartLeft - 1e-9; h -= step)
            path.lineTo(map.toPixel(h, bandCeiling(band, c.bracket, c.male, h)));
        path.closeSubpath();
        p.fillPath(path, kBandColor[band]);
    }

    // Grid every 5 cm / 5 kg, stronger every 10.
    for (int h = 130; h <= 190; h += 5) {
        p.setPen(QPen(QColor(h % 10 ? 0xdd : 0xbb, h % 10 ? 0xdd : 0xbb, h % 10 ? 0xdd : 0xbb), 1));
        p.drawLine(map.toPixel(h, kChartBottom), map.toPixel(h, kChartTop));
    }
    for (int w = 30; w <= 100; w += 5) {
        p.setPen(QPen(QColor(w % 10 ? 0xdd : 0xbb, w % 10 ? 0xdd : 0xbb, w % 10 ? 0xdd : 0xbb), 1));
        p.drawLine(map.toPixel(kChartLeft, w), map.toPixel(kChartRight, w));
    }

    // Band borders, and the standard weight itself dashed.
    auto curve = [&](double factor) {
        QPainterPath path;
        path.moveTo(map.toPixel(kChartLeft, standardWeight(c.bracket, c.male, kChartLeft) * factor));
        for (double h = kChartLeft + step; h <= kChartRight + 1e-9; h += step)
            path.lineTo(map.toPixel(h, standardWeight(c.bracket, c.male, h) * factor));
        return path;
    };
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.5));
    for (double f : kBandLimits)
        p.drawPath(curve(f));
    p.setPen(QPen(QColor(0x30, 0x80, 0x30), 1.5, Qt::DashLine));
    p.drawPath(curve(1.0));

    // Band names where each band is comfortably inside the picture.
    QFont big = font;
    big.setPixelSize(20);
    big.setBold(true);
    p.setFont(big);
    const QFontMetricsF fm(big);
    for (int band = 0; band < 5; ++band) {
        const QString name = himandoName(kAllHimando[band]);
        const double halfCm = (fm.horizontalAdvance(name) / 2 + 6) * (kChartRight - kChartLeft) / kWidth;
        const double needKg = (fm.height() + 6) * (kChartTop - kChartBottom) / kHeight;
        if (band >= 1 && band <= 3) {
            // The narrow middle bands: the name runs along the band.
            for (double h : {160.0, 150.0, 170.0, 140.0, 178.0}) {
                const double lo = bandFloor(band, c.bracket, c.male, h);
                const double hi = bandCeiling(band, c.bracket, c.male, h);
                // 普通 sits above the dashed standard line rather than on it.
                const double kg = band == 2 ? (standardWeight(c.bracket, c.male, h) + hi) / 2 : (lo + hi) / 2;
                const QPointF at = map.toPixel(h, kg);
                const QPointF a = map.toPixel(h - 1, standardWeight(c.bracket, c.male, h - 1));
                const QPointF b = map.toPixel(h + 1, standardWeight(c.bracket, c.male, h + 1));
                const double angle = std::atan2(b.y() - a.y(), b.x() - a.x());
                const double thick = map.unitsToPixelsY((band == 2 ? 0.5 : 1.0) * (hi - lo)) * std::cos(angle);
                const double half = fm.horizontalAdvance(name) / 2 + 4;
                const QPointF ends[2] = {at - QPointF(std::cos(angle), std::sin(angle)) * half,
                                         at + QPointF(std::cos(angle), std::sin(angle)) * half};
                const QRectF inside(0, 0, kWidth, kHeight);
                if (thick < fm.height() + 2 || !inside.contains(ends[0]) || !inside.contains(ends[1]))
                    continue;
                p.save();
                p.translate(at);
                p.rotate(angle * 180 / M_PI);
                p.setPen(QColor(0x33, 0x33, 0x33));
                p.drawText(QPointF(-fm.horizontalAdvance(name) / 2, fm.ascent() / 2 - fm.descent() / 2), name);
                p.restore();
                break;
            }
            continue;
        }
        for (double h : {166.0, 176.0, 156.0, 146.0, 138.0, 182.0}) {
            // The whole name must sit inside the band, at both ends of the text.
            const double l = h - halfCm, r = h + halfCm;
            if (l < kChartLeft || r > kChartRight)
                continue;
            const double lo = std::max({bandFloor(band, c.bracket, c.male, l),
                                    bandFloor(band, c.bracket, c.male, r), kChartBottom + 1});
            const double hi = std::min({bandCeiling(band, c.bracket, c.male, l),
                                    bandCeiling(band, c.bracket, c.male, r), kChartTop - 1});
            if (hi - lo < needKg)
                continue;
            // Next to the band's lower border for the wide outer bands, in the middle otherwise.
            const double kg = band == 4 ? lo + needKg / 2 + 3 : band == 0 ? hi - needKg / 2 - 3 : (lo + hi) / 2;
            const QPointF at = map.toPixel(h, kg);
            p.setPen(QColor(0x33, 0x33, 0x33));
            p.drawText(QPointF(at.x() - fm.horizontalAdvance(name) / 2, at.y() + fm.ascent() / 2 - 2),
                       name);
            break;
        }
    }

    // Which chart this is, and the legend of the dashed line.
    QFont small = font;
    small.setPixelSize(16);
    p.setFont(small);
    const QFontMetricsF sm(small);
    const QString title = chartBracketLabel(c.bracket, c.male);
    const QString legend = QStringLiteral("破線：標準体重");
    const double boxW = qMax(sm.horizontalAdvance(title), sm.horizontalAdvance(legend)) + 16;
    const QRectF box(8, 8, boxW, 2 * sm.height() + 12);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(box);
    p.setPen(Qt::black);
    p.drawText(QPointF(box.left() + 8, box.top() + 6 + sm.ascent()), title);
    p.setPen(QColor(0x30, 0x80, 0x30));
    p.drawText(QPointF(box.left() + 8, box.top() + 6 + sm.height() + sm.ascent()), legend);
    p.end();
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: mkcharts <output folder>" << Qt::endl;
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        err << "cannot create " << out.path() << Qt::endl;
        return 1;
    }
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setStyleHint(QFont::SansSerif);
    for (const ChartChoice &c : allCharts()) {
        // The names carry the "gr/" folder of the program; here only the file name counts.
        const QString file = out.filePath(c.bitmap.section(QLatin1Char('/'), -1));
        if (!draw(c, font).save(file, "BMP")) {
            err << "cannot write " << file << Qt::endl;
            return 1;
        }
    }
    return 0;
}
