#include "era.h"

namespace mirte {

namespace {

// A whole positive number typed into a box; -1 when the text is anything else.
int readNumber(const QString &text)
{
    // Full-width digits come from the Japanese input method.
    const QString s = text.normalized(QString::NormalizationForm_KC).trimmed();
    if (s.isEmpty() || s.size() > 9)
        return -1;
    for (const QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    return s.toInt();
}

} // namespace

const QList<Era> &Eras()
{
    static const QList<Era> eras{
        {QLatin1Char('M'), QStringLiteral("明治"), QDate(1868, 1, 25)},
        {QLatin1Char('T'), QStringLiteral("大正"), QDate(1912, 7, 30)},
        {QLatin1Char('S'), QStringLiteral("昭和"), QDate(1926, 12, 25)},
        {QLatin1Char('H'), QStringLiteral("平成"), QDate(1989, 1, 8)},
        {QLatin1Char('R'), QStringLiteral("令和"), QDate(2019, 5, 1)},
    };
    return eras;
}

int eraIndex(QChar letter)
{
    const QChar up = letter.toUpper();
    const auto &eras = Eras();
    for (int i = 0; i < eras.size(); ++i)
        if (eras[i].letter == up)
            return i;
    return -1;
}

QDate eraToDate(int era, int eraYear, int month, int day)
{
    const auto &eras = Eras();
    if (era < 0 || era >= eras.size() || eraYear < 1)
        return {};
    const QDate start = eras[era].start;
    const QDate date(start.year() + eraYear - 1, month, day);
    if (!date.isValid() || date < start)
        return {};
    if (era + 1 < eras.size() && date >= eras[era + 1].start)
        return {};
    return date;
}

QDate eraToDate(int era, const QString &year, const QString &month, const QString &day)
{
    const int y = readNumber(year), m = readNumber(month), d = readNumber(day);
    if (y < 0 || m < 0 || d < 0)
        return {};
    return eraToDate(era, y, m, d);
}

std::optional<EraDate> dateToEra(const QDate &date)
{
    if (!date.isValid())
        return std::nullopt;
    const auto &eras = Eras();
    for (int i = int(eras.size()) - 1; i >= 0; --i) {
        if (date >= eras[i].start)
            return EraDate{i, date.year() - eras[i].start.year() + 1, date.month(), date.day()};
    }
    return std::nullopt;
}

QDate readYmd(const QString &year, const QString &month, const QString &day)
{
    int y = readNumber(year);
    const int m = readNumber(month), d = readNumber(day);
    if (y < 0 || m < 0 || d < 0)
        return {};
    const QString yt = year.normalized(QString::NormalizationForm_KC).trimmed();
    if (yt.size() <= 2)
        y += y < 30 ? 2000 : 1900;
    if (y < 1)
        return {};
    return QDate(y, m, d); // invalid when the day does not exist
}

} // namespace mirte
