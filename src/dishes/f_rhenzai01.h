#pragma once
// 料理マスタ編集-材料一覧: the recipe of the dish selected in the dish master (G_Mst_Ryouri_ID):
// its foods, chosen in the composition browser, with quantities and cooking methods.
// Closing it emits closed(), which brings the dish master back.

#include "f_zaiseibun01.h"
#include "ryouri_core.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace mirte {

class DataCombo;

class FlexGrid;
class StatusBarText;
struct FoodPick;

class F_RHenZai01 : public QMainWindow {
    Q_OBJECT
public:
    explicit F_RHenZai01(QWidget *parent = nullptr);

    static QString defaultStatusText();
    static QString captionFor(const QString &dishName);

    // The 材料ID of the ingredient in the entry fields (0 when none).
    qint64 SelectedZairyouID() const { return m_zairyouId; }
    // The nutrient table while it is open.
    F_ZaiSeiBun01 *dishDetail() const { return m_seibun; }

    void Command1_Click(); // 材料一覧
    void Command5_Click(); // 追加
    void Command4_Click(); // 変更
    void Command3_Click(); // 削除
    void Command6_Click(); // 成分表示
    void Command7_Click(); // 分量換算
    // The composition browser's choice (caller codes 3 and 11).
    void foodChosen(int callerCode, const FoodPick &pick);
    // Column widths and row heights of the list.
    void Retu_Settei();

    QGroupBox *Frame1 = nullptr;
    FlexGrid *vsGrid = nullptr;
    QLineEdit *Text9 = nullptr, *Text1 = nullptr, *Text2 = nullptr, *Text8 = nullptr, *Text3 = nullptr;
    DataCombo *DBCombo1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                *Command5 = nullptr, *Command6 = nullptr, *Command7 = nullptr;
    QAction *mnTojiru = nullptr, *mnSetu = nullptr;
    StatusBarText *StBar = nullptr;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *e) override;
    bool event(QEvent *e) override;

private:
    void buildUi();
    void Form_Load();
    void rowSelected(int row);
    void setRowButtons(bool on);
    // The checked quantity, shown back in Text3; nothing after the message.
    bool checkedQuantity(double &q);
    void writeRow(int row, qint64 zairyouId);
    // The ingredient the entry fields describe, with quantity q.
    Zairyou entered(double q);
    int rowOf(qint64 zairyouId) const;

    qint64 m_zairyouId = 0;
    QPointer<F_ZaiSeiBun01> m_seibun;
    bool m_removing = false; // a removed row selects nothing
};

} // namespace mirte
