#pragma once
// 料理材料一覧: the foods of one eaten dish with their quantities and cooking methods. Edits
// touch only the day's copy of the dish, never the catalogue recipe.

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mirte {

class DataCombo;
class F_KJRNyu01;
class F_ZaiSeiBun01;
class FlexGrid;
class StatusBarText;

class F_KJZNyu01 : public QMainWindow {
    Q_OBJECT
public:
    // Lists the foods of the eaten dish G_SeR_ID; `owner` is the day's dishes window.
    explicit F_KJZNyu01(F_KJRNyu01 *owner);

    static QString baseCaption();
    static QString defaultStatusText();

    // A food chosen in the composition browser: it fills the upper area (quantity, cooking
    // method and the eaten food being edited stay) and shows this window.
    void foodPicked(qint64 seiId, const QString &group, const QString &name, const QString &saibun,
                    const QString &guide);

    void Command5_Click(); // 追加
    void Command4_Click(); // 変更
    void Command3_Click(); // 削除
    void Command1_Click(); // 材料一覧
    void Command7_Click(); // 分量換算
    void Command6_Click(); // 成分表示
    F_ZaiSeiBun01 *dishDetail() const;

    FlexGrid *vsGrid = nullptr;
    QLineEdit *Text9 = nullptr, *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr,
              *Text8 = nullptr, *Text4 = nullptr, *Text5 = nullptr, *Text6 = nullptr;
    DataCombo *DBCombo1 = nullptr;
    QLabel *LabRyouri = nullptr;
    QPushButton *Command1 = nullptr, *Command5 = nullptr, *Command4 = nullptr,
                *Command3 = nullptr, *Command7 = nullptr, *Command6 = nullptr,
                *Command2 = nullptr;
    QAction *mnSetu = nullptr, *mnTojiru = nullptr;
    StatusBarText *StBar = nullptr;

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void buildUi();
    void Form_Load();
    void clearUpper();
    void loadFoods();
    void layoutGrid();
    void selectionRule();
    void methodChosen();
    void noFoodSelected();

    QPointer<F_KJRNyu01> m_owner;
    QPointer<F_ZaiSeiBun01> m_seibun;
    QString m_kubun;
    bool m_filling = false;
};

} // namespace mirte
