#pragma once
// 食べた料理の追加: finds a dish of the catalogue and adds it, with its recipe scaled by the
// servings, to the day's eaten dishes. Closing only hides it, so it keeps its settings.

#include <QMainWindow>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mirte {

class F_KJRNyu01;
class FlexGrid;
class StatusBarText;
class UpDown;

class F_KJRNyu01_Ken : public QMainWindow {
    Q_OBJECT
public:
    explicit F_KJRNyu01_Ken(F_KJRNyu01 *owner);

    static QString defaultStatusText();

    // Refills the category filter ("（全分類）" first) and chooses its first entry.
    void ComboReSet();
    // Lists the catalogue with the chosen category and the search text.
    void Command1_Click();
    // Adds the chosen dish to the day.
    void Command2_Click();
    // 料理マスタ編集: the dish master in place of this window and the day's dishes.
    void mnMstHen_Click();
    // Puts the window to the right of the day's dishes, or where it fits on the screen.
    void placeBeside(QWidget *w);
    // よく食べる料理: the person's dishes of the chosen meal most often eaten lately.
    void listOften();
    // 食品から追加: a food of the composition browser as a dish of its own.
    void CmdSyokuhin_Click();

    QComboBox *Combo1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    FlexGrid *vsGrid = nullptr;
    QLineEdit *Text2 = nullptr;
    QComboBox *Combo2 = nullptr;
    QLineEdit *Text3 = nullptr;
    UpDown *UpDown2 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QLabel *LabNasi = nullptr;       // "見つかりませんでした。…" where the list is
    QListWidget *LstYoku = nullptr;  // よく食べる料理
    QPushButton *CmdSyokuhin = nullptr;
    QAction *mnMstHen = nullptr, *mnTojiru = nullptr;
    StatusBarText *StBar = nullptr;

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void buildUi();
    void listCatalogue(qint64 categoryId, const QString &search);
    void hideIdColumns();
    void selectionRule();
    void servingsTyped();
    void backFromDishMaster();
    void oftenChosen();
    void foodPicked(qint64 seiId);
    void addDish(qint64 ryouriId, const QString &name);

    F_KJRNyu01 *m_owner;
    bool m_placed = false;
    bool m_fromOften = false; // 追加 takes the often-eaten list's dish, not the catalogue's
};

} // namespace mirte
