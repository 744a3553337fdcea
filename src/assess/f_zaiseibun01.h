#pragma once
// 成分詳細（料理別／料理マスタ）: the foods of one dish in full composition, with a total.

#include "b_seibun.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QPushButton;

namespace mirte {

class SeibunGrids;

class F_ZaiSeiBun01 : public QMainWindow {
    Q_OBJECT
public:
    explicit F_ZaiSeiBun01(QWidget *parent = nullptr);

    // What to show, set before show(): 1 the catalogue dish G_Mst_Ryouri_ID (材料),
    // 2 the eaten dish G_SeR_ID.
    int YobiFlg = 0;

    // Fills the tables (show() does it once); false for an unknown YobiFlg (after saying so).
    bool Form_Load();
    const SeibunHyou &table() const { return m_table; }
    void mnClip_Click();

    QLabel *Label1 = nullptr;
    SeibunGrids *Grids = nullptr;
    QPushButton *Command1 = nullptr;
    QAction *mnTojiru = nullptr, *mnClip = nullptr;

protected:
    void showEvent(QShowEvent *e) override;

private:
    SeibunHyou m_table;
    bool m_loaded = false;
};

} // namespace mirte
