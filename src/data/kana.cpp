#include "kana.h"

namespace mirte {

QString foldForSearch(const QString &text)
{
    // Compatibility composition does the width folding: half-width katakana with their voicing
    // marks compose to full-width, and full-width ASCII decomposes to ASCII.
    QString s = text.normalized(QString::NormalizationForm_KC);
    for (QChar &c : s) {
        const char16_t u = c.unicode();
        // ァ..ヶ map onto ぁ..ゖ; ヷ..ヺ have no hiragana and the long-vowel mark stays.
        if (u >= 0x30A1 && u <= 0x30F6)
            c = QChar(char16_t(u - 0x60));
        else if (u == 0x30FD || u == 0x30FE) // ヽ ヾ iteration marks
            c = QChar(char16_t(u - 0x60));
    }
    return s.toLower().simplified();
}

} // namespace mirte
