#pragma once
// Number boxes: what a user types with the Japanese input method on (１７０．５) arrives as the
// digits it is, typed, committed or pasted alike; anything that is no part of a number is refused.

#include <QValidator>

class QLineEdit;

namespace mirte {

class NumberValidator : public QValidator {
    Q_OBJECT
public:
    enum Sign { Unsigned, Signed };
    // FoldOnly folds and refuses nothing, for boxes whose window checks the text itself and
    // tells the user what is wrong.
    enum Kind { Integer, Decimal, FoldOnly };
    NumberValidator(Sign sign, Kind kind, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

private:
    Sign m_sign;
    Kind m_kind;
};

// A year, month or day box of at most `digits` characters. Blanks, tabs and line breaks that
// come with a paste are dropped before the length counts, so "\t2025" is the year 2025, not a
// year 202 cut short by a length limit; a longer text is refused whole instead of cut.
class DateFieldValidator : public QValidator {
    Q_OBJECT
public:
    DateFieldValidator(int digits, bool digitsOnly, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

private:
    int m_digits;
    bool m_digitsOnly;
};

// Makes e a date part box with the validator above (and no length limit of its own).
void makeDateFieldBox(QLineEdit *e, int digits, bool digitsOnly = false);

// Makes e a number box: the validator above, right-aligned text.
void makeNumberBox(QLineEdit *e, NumberValidator::Sign sign = NumberValidator::Unsigned,
                   NumberValidator::Kind kind = NumberValidator::Decimal);

} // namespace mirte
