#include "nippou.h"

#include "b_01.h"

#include <QDateTime>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace mirte {

namespace {

const QColor kFusoku(0x3f, 0x7c, 0xc4);
const QColor kTekisei(0x4f, 0xa0, 0x5a);
const QColor kKajou(0xd2, 0x45, 0x3a);
const QColor kRule(0x90, 0x90, 0x90);
const QColor kShade(0xf2, 0xf2, 0xf2);

QColor barColour(Hantei h)
{
    switch (h) {
    case Hantei::Fusoku:
        return kFusoku;
    case Hantei::Kajou:
        return kKajou;
    default:
        return kTekisei;
    }
}

// A value as the table shows it: two decimals below 100, one up to 10000, none above.
QString amount(double v)
{
    const double a = std::abs(v);
    if (a >= 10000)
        return Format(v, QStringLiteral("#,##0"));
    if (a >= 100)
        return Format(v, QStringLiteral("#,##0.0"));
    return Format(v, QStringLiteral("0.00"));
}

// Painting in millimetres on a page of any resolution.
class Page {
public:
    Page(QPainter &p, double dotsPerMm, const QString &family)
        : m_p(p), m_k(dotsPerMm), m_family(family)
    {
    }
    double k() const { return m_k; }
    QPainter &p() { return m_p; }

    QFont font(double sizeMm, bool bold = false) const
    {
        QFont f(m_family);
        f.setPixelSize(std::max(1, int(std::lround(sizeMm * m_k))));
        f.setBold(bold);
        f.setStyleStrategy(QFont::PreferAntialias);
        return f;
    }
    QRectF r(double x, double y, double w, double h) const { return {x * m_k, y * m_k, w * m_k, h * m_k}; }
    void text(double x, double y, double w, double h, const QString &s, double size, int flags,
              bool bold = false, const QColor &c = Qt::black)
    {
        m_p.setFont(font(size, bold));
        m_p.setPen(c);
        m_p.drawText(r(x, y, w, h), flags, s);
    }
    void line(double x1, double y1, double x2, double y2, const QColor &c, double widthMm = 0.2)
    {
        m_p.setPen(QPen(c, widthMm * m_k));
        m_p.drawLine(QPointF(x1 * m_k, y1 * m_k), QPointF(x2 * m_k, y2 * m_k));
    }
    void box(double x, double y, double w, double h, const QColor &fill)
    {
        m_p.fillRect(r(x, y, w, h), fill);
    }
    double textWidth(const QString &s, double size, bool bold = false) const
    {
        return QFontMetricsF(font(size, bold), m_p.device()).horizontalAdvance(s) / m_k;
    }

    // Lines of the advice, each wrapped to the width with its leading ideographic spaces kept
    // as a hanging indent. Returns the height used; paints only when `paint` is set.
    double paragraph(double x, double y, double w, const QStringList &lines, double size, double lead,
                     bool paint, double indentScale = 1)
    {
        const QFont f = font(size);
        const QFontMetricsF fm(f, m_p.device());
        const double step = size * lead;
        double used = 0;
        for (const QString &line : lines) {
            int n = 0;
            while (n < line.size() && line.at(n) == QChar(0x3000))
                ++n;
            const QString body = line.mid(n);
            if (body.trimmed().isEmpty()) {
                used += step * 0.5;
                continue;
            }
            const double indent = fm.horizontalAdvance(QString(n, QChar(0x3000))) / m_k * indentScale;
            // The bulleted lines go on under their text, past "☆".
            const double hang = body.startsWith(QStringLiteral("☆")) || body.startsWith(QStringLiteral("★"))
                                    ? fm.horizontalAdvance(body.left(1)) / m_k
                                    : 0;
            QTextLayout layout(body, f, m_p.device());
            layout.beginLayout();
            bool first = true;
            for (;;) {
                QTextLine tl = layout.createLine();
                if (!tl.isValid())
                    break;
                const double lx = indent + (first ? 0 : hang);
                tl.setLineWidth(std::max(1.0, (w - lx) * m_k));
                tl.setPosition(QPointF(lx * m_k, 0));
                first = false;
            }
            layout.endLayout();
            for (int i = 0; i < layout.lineCount(); ++i) {
                QTextLine tl = layout.lineAt(i);
                if (paint) {
                    m_p.setPen(Qt::black);
                    // Each line centred in its step; the layout put every line at y 0.
                    tl.draw(&m_p, QPointF(x * m_k, (y + used) * m_k + (step * m_k - tl.height()) * 0.5));
                }
                used += step;
            }
        }
        return used;
    }

    // The same lines in `cols` columns of about equal height; returns the tallest column.
    double columns(double x, double y, double w, const QStringList &lines, double size, double lead,
                   int cols, bool paint)
    {
        if (cols <= 1 || lines.isEmpty())
            return paragraph(x, y, w, lines, size, lead, paint);
        const double gap = 6;
        const double cw = (w - gap * (cols - 1)) / cols;
        // A narrow column keeps the indents' order but not their full width.
        const double scale = 0.55;
        QList<double> heights;
        double total = 0;
        for (const QString &line : lines) {
            heights << paragraph(0, 0, cw, {line}, size, lead, false, scale);
            total += heights.last();
        }
        // The least column height that takes every line in `cols` columns, filled in order.
        const auto place = [&](double limit, bool draw) {
            double tallest = 0, colH = 0;
            int c = 0;
            for (int i = 0; i < lines.size(); ++i) {
                const bool blank = lines[i].trimmed().isEmpty();
                if (colH > 0 && colH + heights[i] > limit + 1e-6) {
                    ++c;
                    colH = 0;
                }
                if (colH == 0 && blank)
                    continue; // no column starts with a gap
                if (draw) {
                    paragraph(x + c * (cw + gap), y + colH, cw, {lines[i]}, size, lead, true, scale);
                    if (c > 0 && colH == 0)
                        line(x + c * (cw + gap) - gap / 2, y, x + c * (cw + gap) - gap / 2, y + limit,
                             QColor(0xc8, 0xc8, 0xc8), 0.15);
                }
                colH += heights[i];
                tallest = std::max(tallest, colH);
            }
            return std::pair<int, double>{c + 1, tallest};
        };
        double lo = *std::max_element(heights.begin(), heights.end()), hi = std::max(lo, total);
        for (int i = 0; i < 40 && hi - lo > 0.05; ++i) {
            const double mid = (lo + hi) / 2;
            (place(mid, false).first <= cols ? hi : lo) = mid;
        }
        const double tallest = place(hi, false).second;
        if (paint)
            place(hi, true);
        return tallest;
    }

private:
    QPainter &m_p;
    double m_k;
    QString m_family;
};

} // namespace

QString nippouFontFamily()
{
    const QStringList families = QFontDatabase::families();
    for (const QString &want : {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                                QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic")})
        if (families.contains(want))
            return want;
    for (const QString &f : QFontDatabase::families(QFontDatabase::Japanese))
        return f;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

void setupNippouPrinter(QPrinter &printer)
{
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

bool printNippou(QPrinter &printer, const NippouData &d)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const double k = printer.resolution() / 25.4;
    Page pg(painter, k, nippouFontFamily());
    const double W = area.width() / k, H = area.height() / k;

    // ---- header ----
    double y = 0;
    pg.text(0, y, W, 9, QStringLiteral("食事診断　日報"), 6.5, Qt::AlignHCenter | Qt::AlignVCenter, true);
    y += 10;
    pg.text(0, y, W * 0.6, 6, QStringLiteral("氏名 ： ") + d.personText(), 3.8, Qt::AlignLeft | Qt::AlignVCenter);
    pg.text(W * 0.5, y, W * 0.5, 6, QStringLiteral("日付 ： ") + d.dayText(), 3.8, Qt::AlignRight | Qt::AlignVCenter);
    y += 6.5;
    pg.line(0, y, W, y, Qt::black, 0.4);
    y += 2.5;

    // ---- the fixed parts below the rates: energy balance and the footer ----
    const double footerH = 5;
    const double energyH = 24;

    // ---- rows and advice share what is left ----
    const int n = int(d.gyou.size());
    const double headH = 9;       // column captions and the graph's scale
    const double noteH = d.mokuhyouUsed ? 4.5 : 0;
    const double gap = 4;
    const double adviceTop = 6.5; // the advice's caption
    const double rest = H - y - footerH - energyH - gap * 2 - adviceTop - noteH - headH;
    double rowH = 5.2;
    const double lead = 1.45;
    const QString more = QStringLiteral("（詳しくは食事診断の画面の「ｱﾄﾞﾊﾞｲｽ」をご覧ください）");
    QStringList advice = d.advice;
    double adviceSize = 3.3;
    int cols = 1;
    const auto fits = [&] {
        return n * rowH + pg.columns(0, 0, W, advice, adviceSize, lead, cols, false) <= rest;
    };
    const auto shrinkText = [&](double from, double least) {
        adviceSize = from;
        while (!fits() && adviceSize > least)
            adviceSize -= 0.1;
    };
    // Smaller advice first, then narrower rows, then two columns; then the notes under each
    // finding go (the findings themselves stay), and last the end of the text is cut.
    shrinkText(3.3, 2.7);
    while (!fits() && rowH > 4.4)
        rowH -= 0.1;
    if (!fits()) {
        cols = 2;
        shrinkText(3.0, 2.4);
    }
    if (!fits()) {
        advice.clear();
        for (const QString &line : d.advice) {
            const bool blank = line.trimmed().isEmpty();
            if (!blank && !line.startsWith(QString(7, QChar(0x3000))))
                advice << line;
            else if (blank && !advice.isEmpty() && !advice.last().trimmed().isEmpty())
                advice << line;
        }
        // Gaps stay only before a heading.
        for (int i = int(advice.size()) - 1; i >= 0; --i)
            if (advice[i].trimmed().isEmpty()
                && (i + 1 >= advice.size() || !advice[i + 1].startsWith(QStringLiteral("★"))))
                advice.removeAt(i);
        advice << more;
        shrinkText(3.0, 2.3);
    }
    while (!fits() && advice.size() > 2) {
        advice.removeLast();
        advice.removeLast();
        advice << QStringLiteral("…") + more;
    }

    // ---- the rate table with the graph beside it ----
    const double cName = 40, cAmt = 25, cStd = 25, cRate = 18;
    const double gx = cName + cAmt + cStd + cRate + 3;
    const double gw = W - gx - 1;
    double maxScale = 200;
    const double fs = std::min(3.2, rowH * 0.62);
    const int al = Qt::AlignVCenter;
    pg.box(0, y, gx - 2, headH, kShade);
    pg.text(1, y, cName - 1, headH, QStringLiteral("栄養素"), fs, Qt::AlignLeft | al, true);
    pg.text(cName, y, cAmt - 1, headH, QStringLiteral("摂取量"), fs, Qt::AlignRight | al, true);
    pg.text(cName + cAmt, y, cStd - 1, headH, QStringLiteral("基準値"), fs, Qt::AlignRight | al, true);
    pg.text(cName + cAmt + cStd, y, cRate - 1, headH, QStringLiteral("充足率"), fs, Qt::AlignRight | al, true);
    // The graph's caption, legend and scale.
    {
        const double ls = fs * 0.85;
        double lx = gx;
        pg.text(lx, y, 30, headH * 0.5, QStringLiteral("充足率のグラフ"), ls, Qt::AlignLeft | al, true);
        lx = gx + gw;
        const std::pair<QString, QColor> keys[] = {{QStringLiteral("過剰"), kKajou},
                                                   {QStringLiteral("適正"), kTekisei},
                                                   {QStringLiteral("不足"), kFusoku}};
        for (const auto &[label, colour] : keys) {
            const double tw = pg.textWidth(label, ls);
            lx -= tw;
            pg.text(lx, y, tw, headH * 0.5, label, ls, Qt::AlignLeft | al);
            lx -= ls + 0.8;
            pg.box(lx, y + headH * 0.25 - ls * 0.4, ls * 0.8, ls * 0.8, colour);
            lx -= 2.5;
        }
        for (int s = 0; s <= int(maxScale); s += 50) {
            const double sx = gx + gw * s / maxScale;
            const double tw = 12;
            const int flag = s == 0 ? Qt::AlignLeft : s == int(maxScale) ? Qt::AlignRight : Qt::AlignHCenter;
            const double bx = s == 0 ? sx : s == int(maxScale) ? sx - tw : sx - tw / 2;
            pg.text(bx, y + headH * 0.5, tw, headH * 0.5, QStringLiteral("%1％").arg(s), ls, flag | al);
        }
    }
    y += headH;
    const double tableTop = y;
    for (int i = 0; i < n; ++i) {
        const NippouGyou &g = d.gyou[i];
        const double ry = y + i * rowH;
        if (i % 2 == 1)
            pg.box(0, ry, gx - 2, rowH, kShade);
        const bool noRef = g.kijun == 0;
        pg.text(1, ry, cName - 1, rowH, g.name, fs, Qt::AlignLeft | al);
        pg.text(cName, ry, cAmt - 1, rowH, amount(g.intake) + QLatin1Char(' ') + g.unit, fs, Qt::AlignRight | al);
        pg.text(cName + cAmt, ry, cStd - 1, rowH,
                (noRef ? QStringLiteral("－") : amount(g.kijun)) + (g.mokuhyou ? QStringLiteral("＊") : QString()),
                fs, Qt::AlignRight | al);
        const QColor rc = g.hantei == Hantei::Tekisei ? QColor(Qt::black) : barColour(g.hantei);
        pg.text(cName + cAmt + cStd, ry, cRate - 1, rowH,
                noRef ? QStringLiteral("－") : Format(g.ritu, QStringLiteral("0.0")) + QStringLiteral(" ％"), fs,
                Qt::AlignRight | al, g.hantei != Hantei::Tekisei, rc);
        if (!noRef && g.ritu > 0) {
            const double len = gw * std::min(g.ritu, maxScale) / maxScale;
            pg.box(gx, ry + rowH * 0.18, len, rowH * 0.64, barColour(g.hantei));
            // A bar beyond the scale ends in an open notch.
            if (g.ritu > maxScale) {
                pg.box(gx + gw - 2.2, ry + rowH * 0.18, 0.6, rowH * 0.64, Qt::white);
            }
        }
    }
    const double tableBottom = y + n * rowH;
    for (int s = 0; s <= int(maxScale); s += 50) {
        const double sx = gx + gw * s / maxScale;
        if (s == 100)
            pg.line(sx, tableTop - 0.5, sx, tableBottom + 0.5, QColor(0x30, 0x30, 0x30), 0.35);
        else
            pg.line(sx, tableTop, sx, tableBottom, kRule, s == 0 ? 0.25 : 0.1);
    }
    pg.line(0, tableTop, gx - 2, tableTop, kRule, 0.2);
    pg.line(0, tableBottom, gx - 2, tableBottom, kRule, 0.2);
    y = tableBottom + 1;
    if (d.mokuhyouUsed) {
        pg.text(0, y, W, noteH - 1, QStringLiteral("＊ 目標値が指定されている項目です（目標値に対する充足率）。"),
                fs * 0.9, Qt::AlignLeft | al);
        y += noteH - 1;
    }
    y += gap;

    // ---- advice ----
    pg.text(0, y, W, adviceTop - 1, QStringLiteral("アドバイス"), 4, Qt::AlignLeft | al, true);
    pg.line(0, y + adviceTop - 1, W, y + adviceTop - 1, kRule, 0.2);
    y += adviceTop;
    y += pg.columns(0, y, W, advice, adviceSize, lead, cols, true);
    y += gap;

    // ---- energy balance ----
    const double ey = std::max(y, H - footerH - energyH);
    pg.text(0, ey, W, 6, QStringLiteral("エネルギー収支"), 4, Qt::AlignLeft | al, true);
    pg.line(0, ey + 5.5, W, ey + 5.5, kRule, 0.2);
    {
        const double by = ey + 7;
        const double bs = 3.4;
        const double lw = 32, vw = 30;
        const double bx = lw + vw + 4, bw = W - bx - 2;
        const double top = std::max(d.sessyuEnergy, d.syouhiKnown ? d.syouhiEnergy : 0.0);
        const auto bar = [&](double yy, const QString &label, double v, const QColor &c) {
            pg.text(0, yy, lw, 5, label, bs, Qt::AlignLeft | al);
            pg.text(lw, yy, vw, 5, Format(v, QStringLiteral("#,##0")) + QStringLiteral(" kcal"), bs,
                    Qt::AlignRight | al);
            if (top > 0)
                pg.box(bx, yy + 1, bw * std::max(0.0, v) / top, 3, c);
        };
        bar(by, QStringLiteral("摂取エネルギー"), d.sessyuEnergy, QColor(0xe0, 0x9a, 0x3c));
        if (d.syouhiKnown) {
            bar(by + 5.5, QStringLiteral("消費エネルギー"), d.syouhiEnergy, QColor(0x5b, 0x7f, 0xa8));
            const double diff = d.sessyuEnergy - d.syouhiEnergy;
            QString sign = diff > 0 ? QStringLiteral("＋") : QString();
            QString s = QStringLiteral("差（摂取－消費） ： ") + sign + Format(diff, QStringLiteral("#,##0"))
                        + QStringLiteral(" kcal");
            if (!d.syouhiNote.isEmpty())
                s += QStringLiteral("　（") + d.syouhiNote + QStringLiteral("）");
            pg.text(0, by + 11, W, 5, s, bs, Qt::AlignLeft | al, true);
        } else {
            pg.text(0, by + 5.5, W, 5, QStringLiteral("消費エネルギー ： ") + d.syouhiNote, bs, Qt::AlignLeft | al);
        }
    }

    // ---- footer ----
    pg.line(0, H - footerH + 1, W, H - footerH + 1, kRule, 0.15);
    pg.text(0, H - footerH + 1, W, footerH - 1,
            QStringLiteral("ミルテ　　作成 ： ") + QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm")),
            2.6, Qt::AlignRight | al, false, QColor(0x60, 0x60, 0x60));
    return painter.end();
}

} // namespace mirte
