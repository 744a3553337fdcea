#pragma once
// 統計: person, start date, period and kind of the trend graph; opens the graph.

#include "tou_core.h"

#include <QMainWindow>
#include <array>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirte {

class DataCombo;
class DatePick;
class StatusBarText;

class F_Tou01 : public QMainWindow {
    Q_OBJECT
public:
    explicit F_Tou01(QWidget *parent = nullptr);

    static QString defaultStatusText();

    // グラフ: checks, computes the series and shows the graph modal.
    void Command1_Click();
    // The period and kind chosen.
    TouKikanSyu kikanSyu() const;
    bool energy() const;

    DataCombo *DBCombo1 = nullptr;
    std::array<QLineEdit *, 3> Text3{};     // start: year, month, day
    std::array<QRadioButton *, 3> Option3{};// １ヶ月, 半年, 期間指定
    std::array<QLineEdit *, 3> Text4{};     // end of a chosen period
    DatePick *DatePick1 = nullptr, *DatePick2 = nullptr; // calendars of the start and the end
    QLabel *LabKikan = nullptr;             // how a chosen period is drawn
    std::array<QRadioButton *, 2> Option4{};// energy, two items
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr;
    std::array<QLabel *, 4> Label{};        // the item lists' labels (Label1..Label4)
    QFrame *Frame1 = nullptr, *Frame2 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr;
    StatusBarText *StBar = nullptr;
    QAction *mnSetu = nullptr, *mnTojiru = nullptr;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void buildUi();
    void Form_Load();
    void Option3_Click();
    void Option4_Click();
    void Kikan_Hyouji();
    QString label2Text() const;
};

} // namespace mirte
