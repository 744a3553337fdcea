#pragma once
// グラフ　目盛の手動設定: upper and lower limit, grid lines and ticks of the left value axis.

#include "tou_core.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace mirte {

class StatusBarText;

class F_Tou02_Syudou : public QDialog {
    Q_OBJECT
public:
    explicit F_Tou02_Syudou(QWidget *parent = nullptr);

    // True until OK has passed its checks.
    bool CanselFlg = true;
    // The accepted scale (valid when CanselFlg is false).
    TouSyudou kekka() const { return m_kekka; }

    void Command1_Click(); // O K

    std::array<QLineEdit *, 4> Text1{};
    QPushButton *Command1 = nullptr, *Command2 = nullptr;
    StatusBarText *StBar = nullptr;

private:
    TouSyudou m_kekka;
};

} // namespace mirte
