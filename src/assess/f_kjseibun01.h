#pragma once
// 成分詳細（一日分）: every food eaten on the day, dish by dish, in full composition.

#include "b_seibun.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QPushButton;

namespace mirte {

class SeibunGrids;

class F_KJSeibun01 : public QMainWindow {
    Q_OBJECT
public:
    explicit F_KJSeibun01(QWidget *parent = nullptr);

    const SeibunHyou &table() const { return m_table; }
    void mnClip_Click();

    QLabel *Label1 = nullptr, *Label3 = nullptr;
    SeibunGrids *Grids = nullptr;
    QPushButton *Command1 = nullptr;
    QAction *mnTojiru = nullptr, *mnClip = nullptr;

private:
    void Form_Load();

    SeibunHyou m_table;
};

} // namespace mirte
