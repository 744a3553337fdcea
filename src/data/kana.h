#pragma once
// Folding of Japanese text for searching: the search keys of the composition table and the
// words a user types are folded the same way, so that hiragana, katakana, half-width and
// full-width spellings of a name find each other.

#include <QString>

namespace mirte {

// Half-width katakana become full-width (ｶﾞ becomes ガ), full-width letters, digits and signs
// become ASCII, katakana become hiragana, letters become lower case; runs of blanks become one
// ASCII space and the ends are trimmed.
QString foldForSearch(const QString &text);

} // namespace mirte
