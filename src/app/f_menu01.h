#pragma once
// The main menu: four top-level screens, the check window and the exit.

#include <QMainWindow>
#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QStatusBar;

namespace mirte {

class F_Menu01 : public QMainWindow {
    Q_OBJECT
public:
    // Opens the screen of a button and returns it (shown); nullptr when it could not be opened.
    // The menu hides itself while the screen lives and comes back when the screen is destroyed or hidden
    // for good (the screen emits closed() or is deleted).
    using Opener = std::function<QWidget *()>;

    explicit F_Menu01(QWidget *parent = nullptr);

    // Buttons 1..4 are enabled once their screen is registered.
    void setOpener(int index, Opener opener);

    // Runs what a press of button `index` does.
    void Command1_Click(int index);

    // 画面 > バックアップ / 復元: a copy of the open database to a file the user picks, and
    // putting such a copy back in place of the records.
    void mnBackup_Click();
    void mnRestore_Click();
    // The shipped seed, whose reference figures a restored older copy is brought up to.
    void setSeedPath(const QString &path) { m_seedPath = path; }

    // Closes the database and ends the program.
    void exitSequence();

    static QString defaultStatusText() { return QStringLiteral("ミルテメニュー画面です。"); }
    QString statusText() const;
    // Something the user should know once (a missing dictionary, a daily copy that failed):
    // shown in the status bar until the pointer brings a button's hint.
    void showNotice(const QString &text);

    std::array<QPushButton *, 7> Command1{}; // index 1..6
    QLabel *Image1 = nullptr;

public slots:
    // Shows the menu again, centred, when a screen has closed.
    void showAgain();

signals:
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *obj, QEvent *ev) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    void showDefaultStatus();
    void watch(QWidget *screen);

    QStatusBar *m_stBar = nullptr;
    QLabel *m_stText = nullptr;
    bool m_defaultShowing = true;
    std::array<Opener, 7> m_openers;
    std::array<QString, 7> m_hints;
    bool m_exiting = false;
    QString m_seedPath;
};

} // namespace mirte
