#include "richtextview.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <vector>

namespace mirte {

namespace {

// Plain text of an RTF document: groups of fonts, colours, styles, pictures and other
// ignorable destinations are skipped; \'hh bytes are decoded with the document's code page.
QString rtfToPlainText(const QByteArray &rtf)
{
    struct Group {
        bool skip = false;
        int uc = 1;
    };
    std::vector<Group> stack{Group{}};
    QByteArray codepage = "windows-1252";
    QString out;
    QByteArray pendingBytes;
    int skipChars = 0; // characters still to drop after a \u

    auto flush = [&] {
        if (pendingBytes.isEmpty())
            return;
        QStringDecoder dec(codepage.constData());
        if (!dec.isValid())
            dec = QStringDecoder(QStringDecoder::Latin1);
        out += dec.decode(pendingBytes);
        pendingBytes.clear();
    };
    auto emitText = [&](const QString &s) {
        if (stack.back().skip)
            return;
        flush();
        out += s;
    };

    static const QList<QByteArray> skipped = {"fonttbl", "colortbl", "stylesheet", "info",
                                              "pict",    "object",   "header",     "footer",
                                              "headerl", "headerr",  "footerl",    "footerr",
                                              "listtable", "listoverridetable", "themedata",
                                              "datastore", "latentstyles", "rsidtbl",
                                              "generator", "xmlnstbl"};
    const qsizetype n = rtf.size();
    qsizetype i = 0;
    while (i < n) {
        const char c = rtf[i];
        if (c == '{') {
            stack.push_back(stack.back());
            ++i;
        } else if (c == '}') {
            if (stack.size() > 1)
                stack.pop_back();
            ++i;
        } else if (c == '\\' && i + 1 < n) {
            const char next = rtf[i + 1];
            if (next == '\\' || next == '{' || next == '}') {
                if (skipChars > 0)
                    --skipChars;
                else
                    emitText(QString(QLatin1Char(next)));
                i += 2;
            } else if (next == '\'' && i + 3 < n) {
                bool ok = false;
                const int byte = rtf.mid(i + 2, 2).toInt(&ok, 16);
                if (skipChars > 0)
                    --skipChars;
                else if (ok && !stack.back().skip)
                    pendingBytes.append(char(byte));
                i += 4;
            } else if (next == '*') {
                stack.back().skip = true;
                i += 2;
            } else if (QChar::isLetter(uchar(next))) {
                qsizetype j = i + 1;
                while (j < n && QChar::isLetter(uchar(rtf[j])))
                    ++j;
                const QByteArray word = rtf.mid(i + 1, j - i - 1);
                qsizetype k = j;
                if (k < n && (rtf[k] == '-' || QChar::isDigit(uchar(rtf[k]))))
                    ++k;
                while (k < n && QChar::isDigit(uchar(rtf[k])))
                    ++k;
                const bool hasParam = k > j;
                const int param = hasParam ? rtf.mid(j, k - j).toInt() : 0;
                if (k < n && rtf[k] == ' ')
                    ++k;
                i = k;
                if (skipped.contains(word)) {
                    stack.back().skip = true;
                } else if (word == "par" || word == "line") {
                    emitText(QStringLiteral("\n"));
                } else if (word == "tab") {
                    emitText(QStringLiteral("\t"));
                } else if (word == "ansicpg" && hasParam) {
                    codepage = param == 932 ? QByteArray("Shift_JIS")
                                            : "windows-" + QByteArray::number(param);
                } else if (word == "uc" && hasParam) {
                    stack.back().uc = param;
                } else if (word == "u" && hasParam) {
                    emitText(QString(QChar(char16_t(param < 0 ? param + 65536 : param))));
                    skipChars = stack.back().uc;
                }
            } else {
                if (next == '~')
                    emitText(QStringLiteral(" "));
                i += 2;
            }
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else {
            if (skipChars > 0)
                --skipChars;
            else if (!stack.back().skip)
                pendingBytes.append(c);
            ++i;
        }
    }
    flush();
    return out;
}

} // namespace

RichTextView::RichTextView(QWidget *parent) : QTextBrowser(parent)
{
    setReadOnly(true);
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

bool RichTextView::loadFile(const QString &path)
{
    clear();
    m_fileName.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    const QString suffix = QFileInfo(path).suffix().toLower();
    setSearchPaths({QFileInfo(path).absolutePath()});
    if (suffix == QLatin1String("htm") || suffix == QLatin1String("html"))
        setHtml(QString::fromUtf8(bytes));
    else if (suffix == QLatin1String("md"))
        setMarkdown(QString::fromUtf8(bytes));
    else if (bytes.startsWith("{\\rtf"))
        setPlainText(rtfToPlainText(bytes));
    else
        setPlainText(QString::fromUtf8(bytes));
    m_fileName = path;
    return true;
}

} // namespace mirte
