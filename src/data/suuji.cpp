#include "suuji.h"

#include <cmath>

namespace mirte {

QString HalfWidthNumber(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u >= 0xFF10 && u <= 0xFF19) // ０..９
            c = QChar(char16_t(u'0' + (u - 0xFF10)));
        else if (u == 0xFF0E) // ．
            c = QLatin1Char('.');
        else if (u == 0xFF0D || u == 0x2212 || u == 0x30FC) // －, −, and ー typed for a minus
            c = QLatin1Char('-');
        else if (u == 0xFF0B) // ＋
            c = QLatin1Char('+');
        else if (u == 0x3000) // ideographic space
            c = QLatin1Char(' ');
    }
    return out;
}

QString Format(double value, const QString &picture)
{
    const qsizetype dot = picture.indexOf(QLatin1Char('.'));
    const QString intPart = dot < 0 ? picture : picture.left(dot);
    const QString fracPart = dot < 0 ? QString() : picture.mid(dot + 1);
    int decimals = 0;
    for (QChar c : fracPart)
        if (c == QLatin1Char('0') || c == QLatin1Char('#'))
            ++decimals;
    const int minInt = int(intPart.count(QLatin1Char('0')));
    const bool group = intPart.contains(QLatin1Char(','));
    // Round half away from zero, as the classic formatter does.
    const double scale = std::pow(10.0, decimals);
    double r = std::round(std::abs(value) * scale + 1e-9) / scale;
    const bool negative = value < 0 && r != 0.0;
    QString s = QString::number(r, 'f', decimals);
    QString ip = dot < 0 ? s : s.section(QLatin1Char('.'), 0, 0);
    QString fp = decimals > 0 ? s.section(QLatin1Char('.'), 1, 1) : QString();
    // Trailing '#' decimals are optional digits.
    int optional = 0;
    for (qsizetype k = fracPart.size() - 1; k >= 0 && fracPart[k] == QLatin1Char('#'); --k)
        ++optional;
    while (optional-- > 0 && fp.endsWith(QLatin1Char('0')))
        fp.chop(1);
    if (ip == QLatin1String("0") && minInt == 0)
        ip.clear();
    while (ip.size() < minInt)
        ip.prepend(QLatin1Char('0'));
    if (group && ip.size() > 3) {
        for (qsizetype k = ip.size() - 3; k > 0; k -= 3)
            ip.insert(k, QLatin1Char(','));
    }
    QString out = ip;
    if (dot >= 0 && !fp.isEmpty())
        out += QLatin1Char('.') + fp;
    else if (dot >= 0 && decimals > 0)
        out += QLatin1Char('.');
    if (negative)
        out.prepend(QLatin1Char('-'));
    return out;
}

} // namespace mirte
