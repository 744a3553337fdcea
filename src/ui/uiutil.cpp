#include "uiutil.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace mirte {

QString arrayName(const QString &base, int index)
{
    return base + QLatin1Char('_') + QString::number(index);
}

namespace {
double logicalDpi(const QWidget *widget)
{
    if (widget)
        return widget->logicalDpiX();
    if (const QScreen *s = QGuiApplication::primaryScreen())
        return s->logicalDotsPerInchX();
    return 96.0;
}
} // namespace

int twipsToPixels(int twips, const QWidget *widget)
{
    return int(std::lround(twips * logicalDpi(widget) / 1440.0));
}

int pixelsToTwips(int pixels, const QWidget *widget)
{
    return int(std::lround(pixels * 1440.0 / logicalDpi(widget)));
}

QColor basicColor(int code)
{
    static const QColor palette[16] = {
        QColor(0, 0, 0),       QColor(0, 0, 128),     QColor(0, 128, 0),
        QColor(0, 128, 128),   QColor(128, 0, 0),     QColor(128, 0, 128),
        QColor(128, 128, 0),   QColor(192, 192, 192), QColor(128, 128, 128),
        QColor(0, 0, 255),     QColor(0, 255, 0),     QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255),   QColor(255, 255, 0),
        QColor(255, 255, 255),
    };
    return palette[((code % 16) + 16) % 16];
}

} // namespace mirte
