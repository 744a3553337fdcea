#pragma once
// 料理分類一覧: the dish categories with add, rename and delete; 選択 hands one back to the
// dish master. Opened modal from the dish master, which it refreshes when anything changed.

#include <QDialog>

class QAction;
class QLineEdit;
class QPushButton;

namespace mirte {

class F_RHen01;
class FlexGrid;

class F_RyoBun01 : public QDialog {
    Q_OBJECT
public:
    explicit F_RyoBun01(F_RHen01 *owner);

    // Set by any add, rename or delete of a category.
    bool HenkouFlg = false;

    void Command4_Click(); // 追加
    void Command3_Click(); // 変更
    void Command2_Click(); // 削除
    void Command5_Click(); // 選択
    void Command1_Click(); // 閉じる

    FlexGrid *vsGrid = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                *Command5 = nullptr;
    QAction *mnTojiru = nullptr;

public slots:
    void reject() override; // Escape and the close box close like 閉じる

private:
    void Form_Load();
    void rowSelected(int row);
    void setRowButtons(bool on);
    QString checkedName();

    F_RHen01 *m_owner;
    bool m_removing = false; // a removed row selects nothing
};

} // namespace mirte
