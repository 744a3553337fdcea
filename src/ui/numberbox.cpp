#include "numberbox.h"

#include "suuji.h"

#include <QLineEdit>

namespace mirte {

NumberValidator::NumberValidator(Sign sign, Kind kind, QObject *parent)
    : QValidator(parent), m_sign(sign), m_kind(kind)
{
}

QValidator::State NumberValidator::validate(QString &input, int &pos) const
{
    // Folding keeps every character in its place. Blanks, tabs and line breaks around the
    // number (a cell copied from a sheet ends in CR LF) are dropped instead of refusing the paste.
    input = HalfWidthNumber(input);
    qsizetype lead = 0;
    while (lead < input.size() && input.at(lead).isSpace())
        ++lead;
    qsizetype end = input.size();
    while (end > lead && input.at(end - 1).isSpace())
        --end;
    if (lead > 0 || end < input.size()) {
        pos = int(qBound<qsizetype>(0, pos - lead, end - lead));
        input = input.mid(lead, end - lead);
    }
    if (m_kind == FoldOnly)
        return Acceptable;
    bool point = false;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (c.isDigit() && c.unicode() < 128)
            continue;
        if (c == QLatin1Char('-') && i == 0 && m_sign == Signed)
            continue;
        // One point at most: "158.2.5" would be read as 158.2 without a word.
        if (c == QLatin1Char('.') && m_kind == Decimal && !point) {
            point = true;
            continue;
        }
        return Invalid;
    }
    return Acceptable;
}

DateFieldValidator::DateFieldValidator(int digits, bool digitsOnly, QObject *parent)
    : QValidator(parent), m_digits(digits), m_digitsOnly(digitsOnly)
{
}

QValidator::State DateFieldValidator::validate(QString &input, int &pos) const
{
    const QString folded = HalfWidthNumber(input);
    QString kept;
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < folded.size(); ++i) {
        if (folded.at(i).isSpace())
            continue;
        if (i < pos)
            ++keptBeforeCursor;
        kept += folded.at(i);
    }
    if (kept.size() > m_digits)
        return Invalid;
    if (m_digitsOnly)
        for (QChar c : kept)
            if (!(c.isDigit() && c.unicode() < 128))
                return Invalid;
    input = kept;
    pos = keptBeforeCursor;
    return Acceptable;
}

void makeDateFieldBox(QLineEdit *e, int digits, bool digitsOnly)
{
    e->setMaxLength(32767);
    e->setValidator(new DateFieldValidator(digits, digitsOnly, e));
}

void makeNumberBox(QLineEdit *e, NumberValidator::Sign sign, NumberValidator::Kind kind)
{
    e->setValidator(new NumberValidator(sign, kind, e));
}

} // namespace mirte
