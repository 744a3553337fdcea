#pragma once
// 詳細・目標値設定: a person's own target values of health items and nutrients.
// The registry owns one instance: it resets it, loads a person into it, shows it and saves it.

#include "kojin.h"

#include <QDialog>
#include <array>

class QAction;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace mirte {

class TabControl;

class F_User01_Settei : public QDialog {
    Q_OBJECT
public:
    explicit F_User01_Settei(QWidget *parent = nullptr);

    // True once anything was changed since the last reset or load; the registry clears it.
    bool HenkouFlg = false;

    // Every check box off, every value box "0" and disabled.
    void Hyouji_ReSet();
    // Shows a person's settings; value boxes are enabled exactly where checked; clears HenkouFlg.
    void Settei_Load(const KojinSettei &s);
    // What the boxes hold now.
    KojinSettei Settei_Get() const;

    // The closing check; false (after saying why and focusing the box) when a value is wrong.
    bool Tojiru_Check();

    TabControl *SSTab1 = nullptr;
    std::array<QCheckBox *, kKenkouChecks> Check1{};
    std::array<QLineEdit *, kKenkouBoxes> Text1{};
    std::array<QCheckBox *, kEiyou1Count> Check2{};
    std::array<QLineEdit *, kEiyou1Count> Text2{};
    std::array<QCheckBox *, kEiyou2Count> Check3{};
    std::array<QLineEdit *, kEiyou2Count> Text3{};
    QPushButton *Command3 = nullptr;
    QAction *mnSetu = nullptr;
    QAction *mnTojiru = nullptr;

public slots:
    void reject() override; // Escape runs the same check as 閉じる

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Command3_Click();
    void checkClicked(int page, int index);
    void enableBoxes();
    void moveNext(QLineEdit *box);
    QLineEdit *nextBox(QLineEdit *box) const;
    bool focusBox(QLineEdit *box);
    QWidget *buildKenkouPage();
    QWidget *buildEiyouPage(int page, int first, int count);

    QList<QLineEdit *> m_boxes; // every value box, for the key filter
    bool m_loading = false;
};

} // namespace mirte
