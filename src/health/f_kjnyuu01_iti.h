#pragma once
// 健康状態一覧: every saved day of the person; a chosen day is loaded into the day window.

#include <QDialog>

class QAction;
class QLabel;
class QPushButton;

namespace mirte {

class F_KJNyuu01;
class FlexGrid;
class StatusBarText;

class F_KJNyuu01_Iti : public QDialog {
    Q_OBJECT
public:
    explicit F_KJNyuu01_Iti(F_KJNyuu01 *caller);

    static QString defaultStatusText();

    // 選 択: loads the current row into the day window and closes (an empty list just closes).
    void Command2_Click();
    // Header double-click: switches between rows fitted to every column and rows fitted to the
    // current column only.
    void RowHeight_Toggle();
    bool rowsFitted() const { return m_fitted; }
    // The clipboard copy, without the selector and identifier columns.
    void otClip_Click();
    // The person's days of a period the user picks, as a CSV file.
    void otCsv_Click();

    QLabel *Label1 = nullptr;
    FlexGrid *VSGrid1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;
    StatusBarText *StBar = nullptr;
    QAction *mnTojiru = nullptr;
    QAction *otClip = nullptr;
    QAction *otCsv = nullptr;

private:
    void Form_Load();
    void fitRows();
    void fitRowsToColumn(int col);

    F_KJNyuu01 *m_caller;
    bool m_fitted = false;
};

} // namespace mirte
