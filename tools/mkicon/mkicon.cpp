// Draws the program's icon - a rice bowl under a myrtle leaf and its berries - as the scalable
// SVG and as PNGs of the usual sizes, from one set of shapes so that they cannot drift apart.
// Usage: mkicon <hicolor folder> <icon name> <size>...; writes scalable/apps/<name>.svg and
// <n>x<n>/apps/<name>.png for each size.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <vector>

namespace {

constexpr double kBox = 256; // the drawing's own units
constexpr double kArc = 0.5523; // a quarter circle as one cubic curve

struct Shape {
    QColor fill;
    QString svg;        // the path in SVG's notation
    QPainterPath path;  // the same path for the raster pictures
};

class PathBuilder {
public:
    PathBuilder &move(double x, double y) { m_svg += QStringLiteral("M%1 %2 ").arg(x).arg(y); m_path.moveTo(x, y); return *this; }
    PathBuilder &line(double x, double y) { m_svg += QStringLiteral("L%1 %2 ").arg(x).arg(y); m_path.lineTo(x, y); return *this; }
    PathBuilder &curve(double x1, double y1, double x2, double y2, double x, double y)
    {
        m_svg += QStringLiteral("C%1 %2 %3 %4 %5 %6 ").arg(x1).arg(y1).arg(x2).arg(y2).arg(x).arg(y);
        m_path.cubicTo(x1, y1, x2, y2, x, y);
        return *this;
    }
    Shape close(const QColor &fill)
    {
        m_svg += QStringLiteral("Z");
        m_path.closeSubpath();
        return {fill, m_svg, m_path};
    }

private:
    QString m_svg;
    QPainterPath m_path;
};

// A rectangle with rounded corners of radius r.
Shape roundRect(double x, double y, double w, double h, double r, const QColor &fill)
{
    const double k = r * kArc;
    return PathBuilder()
        .move(x + r, y).line(x + w - r, y)
        .curve(x + w - r + k, y, x + w, y + r - k, x + w, y + r).line(x + w, y + h - r)
        .curve(x + w, y + h - r + k, x + w - r + k, y + h, x + w - r, y + h).line(x + r, y + h)
        .curve(x + r - k, y + h, x, y + h - r + k, x, y + h - r).line(x, y + r)
        .curve(x, y + r - k, x + r - k, y, x + r, y)
        .close(fill);
}

Shape circle(double cx, double cy, double r, const QColor &fill)
{
    return roundRect(cx - r, cy - r, 2 * r, 2 * r, r, fill);
}

std::vector<Shape> shapes()
{
    const QColor myrtle(0x3f, 0x7d, 0x4e), leaf(0xb5, 0xdd, 0xa4), vein(0x6a, 0xa8, 0x5e),
        bowl(0xfb, 0xfa, 0xf4), rim(0xd8, 0x5b, 0x4a), berry(0x5b, 0x3a, 0x8c);
    std::vector<Shape> s;
    s.push_back(roundRect(16, 16, 224, 224, 48, myrtle));
    // The leaf, its midrib a narrow leaf of a darker green.
    s.push_back(PathBuilder().move(120, 124).curve(70, 104, 78, 52, 132, 34)
                    .curve(166, 70, 160, 112, 120, 124).close(leaf));
    s.push_back(PathBuilder().move(120, 122).curve(112, 96, 118, 62, 132, 38)
                    .curve(124, 66, 120, 96, 122, 122).close(vein));
    s.push_back(circle(178, 76, 16, berry));
    s.push_back(circle(198, 106, 11, berry));
    // The bowl: a half disc with a red band under the rim, on a foot.
    s.push_back(PathBuilder().move(48, 130).line(208, 130).curve(208, 174, 172, 210, 128, 210)
                    .curve(84, 210, 48, 174, 48, 130).close(bowl));
    s.push_back(PathBuilder().move(50, 142).line(206, 142).curve(205, 148, 203, 153, 201, 158)
                    .line(55, 158).curve(53, 153, 51, 148, 50, 142).close(rim));
    s.push_back(roundRect(100, 206, 56, 14, 5, bowl));
    return s;
}

bool writeSvg(const QString &file, const std::vector<Shape> &all)
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&f);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kBox << "\" height=\"" << kBox
        << "\" viewBox=\"0 0 " << kBox << ' ' << kBox << "\">\n";
    for (const Shape &s : all)
        out << "  <path fill=\"" << s.fill.name() << "\" d=\"" << s.svg << "\"/>\n";
    out << "</svg>\n";
    return f.flush();
}

bool writePng(const QString &file, int size, const std::vector<Shape> &all)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / kBox, size / kBox);
        p.setPen(Qt::NoPen);
        for (const Shape &s : all) {
            p.setBrush(s.fill);
            p.drawPath(s.path);
        }
    }
    return img.save(file, "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc < 4) {
        err << "usage: mkicon <hicolor folder> <icon name> <size>...\n";
        return 64;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    const std::vector<Shape> all = shapes();
    const QString svg = root.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name));
    if (!QDir().mkpath(QFileInfo(svg).absolutePath()) || !writeSvg(svg, all)) {
        err << "mkicon: cannot write " << svg << '\n';
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        if (size < 1) {
            err << "mkicon: not a size: " << argv[i] << '\n';
            return 64;
        }
        const QString png = root.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name));
        if (!QDir().mkpath(QFileInfo(png).absolutePath()) || !writePng(png, size, all)) {
            err << "mkicon: cannot write " << png << '\n';
            return 1;
        }
    }
    return 0;
}
