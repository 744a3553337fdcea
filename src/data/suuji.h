#pragma once
// Number texts shared by the components and the routines above them: what a Japanese input
// method types, and numbers written with a picture.

#include <QString>

namespace mirte {

// The digits, point and signs a Japanese input method types in full width, as ASCII; every
// other character is left as it is.
QString HalfWidthNumber(const QString &text);

// Formats a number with a picture such as "000.0", "#####0.00" or "0".
QString Format(double value, const QString &picture);

} // namespace mirte
