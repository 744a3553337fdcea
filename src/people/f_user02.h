#pragma once
// 和暦入力: a birth date given in the Japanese era, written back into the registry's
// year, month and day boxes.

#include <QChar>
#include <QDialog>
#include <array>

class QLineEdit;
class QRadioButton;
class QPushButton;

namespace mirte {

class F_User02 : public QDialog {
    Q_OBJECT
public:
    // target: the registry's year, month and day boxes, read at load and written on 確定.
    explicit F_User02(const std::array<QLineEdit *, 3> &target, QWidget *parent = nullptr);

    std::array<QRadioButton *, 5> Option1{};
    std::array<QLineEdit *, 3> Text1{};
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

private:
    void Form_Load();
    void Command1_Click();
    void Option1_Click(int index);

    std::array<QLineEdit *, 3> m_target;
    QChar m_letter; // letter of the chosen era
};

} // namespace mirte
