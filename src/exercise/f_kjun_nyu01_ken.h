#pragma once
// 運動・動作名検索: the activity picker beside the entry window; it stays open while the user
// chooses one activity after another, and only hides when closed.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace mirte {

class F_KJUn_Nyu01;
class FlexGrid;

class F_KJUn_Nyu01_Ken : public QDialog {
    Q_OBJECT
public:
    explicit F_KJUn_Nyu01_Ken(F_KJUn_Nyu01 *entry);

    // Hides the identifier and the rate, fits columns first..last, then clears the choice.
    void CellResize(int first, int last);
    // Above and to the right of the entry window, kept on its screen.
    void placeBeside(QWidget *entry);

    void Command1_Click();  // 検 索
    void Command2_Click();  // 選 択

    qint64 chosenId() const { return m_id; }
    QString chosenName() const { return m_name; }

    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr;
    FlexGrid *vsGrid = nullptr;
    QLabel *LabNasi = nullptr; // "見つかりませんでした。…" where the list is

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void Form_Load();
    void clearChoice();
    void Grid_RowChange(int row);

    F_KJUn_Nyu01 *m_entry;
    qint64 m_id = 0;
    QString m_name;
};

} // namespace mirte
