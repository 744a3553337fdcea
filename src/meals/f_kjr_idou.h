#pragma once
// 料理入力－区分をまとめて変更: several dishes of the day moved to another meal at once (a
// breakfast logged as lunch, a snack that was dessert).

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;

namespace mirte {

class F_KJR_Idou : public QDialog {
    Q_OBJECT
public:
    explicit F_KJR_Idou(QWidget *parent = nullptr);

    // 移動: the checked dishes go to the chosen meal, all or none.
    void Command1_Click();

    QListWidget *List1 = nullptr; // the day's dishes in meal order, checkable
    QComboBox *Combo1 = nullptr;  // the meal they go to
    QPushButton *Command1 = nullptr, *Command2 = nullptr;
};

} // namespace mirte
