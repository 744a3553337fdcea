#pragma once
// Read-only view of a help text file (HTML, Markdown or plain text).

#include <QTextBrowser>

namespace mirte {

class RichTextView : public QTextBrowser {
    Q_OBJECT
public:
    explicit RichTextView(QWidget *parent = nullptr);

    // Loads and shows a file: .htm/.html as HTML, .md as Markdown, .rtf as its plain text,
    // anything else as plain text (UTF-8). False, with the view left empty, when the file
    // cannot be read.
    bool loadFile(const QString &path);
    QString fileName() const { return m_fileName; }

private:
    QString m_fileName;
};

} // namespace mirte
