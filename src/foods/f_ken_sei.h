#pragma once
// 食品名検索指定: edits the food group and search text of one tab of the composition browser.

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace mirte {

class F_SeiKen01;

class F_Ken_Sei : public QDialog {
    Q_OBJECT
public:
    // Shows the condition of `tab`; the browser's Ken_Can_Flg is set until 検索 is pressed.
    F_Ken_Sei(F_SeiKen01 *browser, int tab);

    // 検索: keeps the condition for the tab and closes.
    void Command1_Click();

    QComboBox *Combo1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command4 = nullptr;

private:
    F_SeiKen01 *m_browser;
    int m_tab;
};

} // namespace mirte
