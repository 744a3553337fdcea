#pragma once
// 分量の換算: turns a weight before preparation into the edible weight of the food in G_Sei_ID.
// Callers exec() it and read KansanBunRyou when CancelFlg is false.

#include "henkan_core.h"

#include <QDialog>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mirte {

class StatusBarText;

class F_HenKan : public QDialog {
    Q_OBJECT
public:
    explicit F_HenKan(QWidget *parent = nullptr);

    double KansanBunRyou = 0;   // the converted quantity
    bool CancelFlg = true;      // true when left without 確定

    // 確定: converts and closes; a negative input is refused and the window stays.
    void Command1_Click();
    double haikiRate() const { return m_haiki.rate; }

    QLabel *label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QAction *mnTojiru = nullptr;
    StatusBarText *StBar = nullptr;

protected:
    void showEvent(QShowEvent *e) override;
    void reject() override;

private:
    void Form_Load();
    HaikiRitu m_haiki;
};

} // namespace mirte
