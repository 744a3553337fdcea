#include "numberbox.h"

#include "b_01.h"

#include <QLineEdit>

namespace mirte {

NumberValidator::NumberValidator(Sign sign, Kind kind, QObject *parent)
    : QValidator(parent), m_sign(sign), m_kind(kind)
{
}

QValidator::State NumberValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos); // folding keeps every character in its place
    input = HalfWidthNumber(input);
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

void makeNumberBox(QLineEdit *e, NumberValidator::Sign sign, NumberValidator::Kind kind)
{
    e->setValidator(new NumberValidator(sign, kind, e));
}

} // namespace mirte
