#pragma once
// 料理マスタ編集: the dish catalogue with add, rename / re-categorise and delete, the way to
// the categories and to each dish's recipe.
//
// Opened from the main menu (YobidasiMoto 1: closed() brings the menu back) or from the dish
// picker (YobidasiMoto 2: backToPicker() brings the day's dishes and the picker back).

#include <QMainWindow>
#include "f_rhenzai01.h"

#include <QPointer>

class QAction;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace mirte {

class DataCombo;
class FlexGrid;
class StatusBarText;

class F_RHen01 : public QMainWindow {
    Q_OBJECT
public:
    explicit F_RHen01(QWidget *parent = nullptr);

    static QString defaultStatusText();

    // 1 main menu, 2 dish picker; set before the window is shown.
    int YobidasiMoto = 1;

    // Makes the grid's current row the selected dish (G_Mst_Ryouri_ID / G_Mst_Ryouri_Mei).
    void Ryouri_Sentaku();
    // Reads the dish list and the category combo again, keeping the selected dish and what
    // the entry fields hold where they still exist.
    void ReSet_Lists();
    // Shows a category in the combo (the category window's 選択).
    bool setCategory(qint64 bunruiId);

    void Command4_Click(); // 追加
    void Command3_Click(); // 変更
    void Command2_Click(); // 削除
    void Command5_Click(); // 材料入力
    void Command6_Click(); // 一覧 (categories)

    // The recipe window while it is open.
    F_RHenZai01 *recipeWindow() const { return m_recipe; }

    QGroupBox *Frame1 = nullptr;
    FlexGrid *vsGrid = nullptr;
    DataCombo *DBCombo1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                *Command5 = nullptr, *Command6 = nullptr;
    QAction *mnTojiru = nullptr, *mnSetu = nullptr;
    StatusBarText *StBar = nullptr;

signals:
    void closed();        // YobidasiMoto 1
    void backToPicker();  // YobidasiMoto 2

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void buildUi();
    void Form_Load();
    void rowSelected(int row);
    void hideColumns();
    void setDishButtons(bool on);
    // Category check and trimmed name shared by add and change; empty after a message.
    QString checkedName();

    QPointer<F_RHenZai01> m_recipe;
    bool m_removing = false; // a removed row selects nothing
};

} // namespace mirte
