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

// Makes e a number box: the validator above, right-aligned text.
void makeNumberBox(QLineEdit *e, NumberValidator::Sign sign = NumberValidator::Unsigned,
                   NumberValidator::Kind kind = NumberValidator::Decimal);

} // namespace mirte
