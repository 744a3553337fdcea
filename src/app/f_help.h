#pragma once
// The help window: one help document, with links to the others.

#include <QMainWindow>

class QTextBrowser;
class QPushButton;

namespace mirte {

// Folder of the help documents (help/ among the shipped files).
QString helpFolder();

class F_Help : public QMainWindow {
    Q_OBJECT
public:
    explicit F_Help(QWidget *parent = nullptr);

    // The document to show, e.g. "H_KJS_Sin01_A.rtf" or "index.html"; a ".rtf" name shows the
    // HTML document of the same base name. Set before show().
    QString strHelpFile;

    // Loads strHelpFile; false (after saying so) when it cannot be found.
    bool Form_Load();

    QTextBrowser *RText1 = nullptr;
    QPushButton *Command1 = nullptr;

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_loaded = false;
};

// The help page about the window `from` belongs to; the start page for any other.
QString helpPageFor(const QWidget *from);

// Opens the program's help (F1 and every "説明(&H)" menu item) on the page about the window
// it was asked from.
void ShowProgramHelp(QWidget *from = nullptr);

// The page of a numbered help topic: 15 the composition browser, 20, 21 and 22 the units of the
// composition, amino-acid and fatty-acid tables; the start page for any other number.
QString helpTopicPage(int topic);

// Opens the program's help on one page (the same single help window as F1).
void ShowHelpPage(const QString &page);

// Installs the application-wide F1 key.
void installHelpKey();

} // namespace mirte
