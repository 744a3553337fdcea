#pragma once
// ユーザー名登録: adds, changes and deletes persons and marks the main user.
//
// Opened modal from the day window. After exec() the caller refreshes its person list and,
// when HenkouFlg is set, chooses ShownID() in it (0: the shown person is gone) and reloads.

#include <QDialog>
#include <array>
#include <optional>

#include "database.h"
#include "kojin.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirte {

class DataCombo;
class StatusBarText;
class F_User01_Settei;

class F_User01 : public QDialog {
    Q_OBJECT
public:
    explicit F_User01(QWidget *parent = nullptr);

    // Set when the person shown at closing is not the current person G_Simei_ID, or when
    // the current person was deleted.
    bool HenkouFlg = false;

    // The person shown in the boxes (0 / "" when none).
    qint64 ShownID() const;
    QString ShownName() const;

    DataCombo *DBCombo1 = nullptr;
    QLineEdit *Text3 = nullptr;             // name
    std::array<QLineEdit *, 3> Text1{};     // birth year, month, day
    QLineEdit *Text2 = nullptr;             // hidden: 氏名ID of the shown person
    std::array<QRadioButton *, 2> Option1{}; // 男, 女
    QCheckBox *Check1 = nullptr;            // main user
    QPushButton *Command1 = nullptr;        // 追加
    QPushButton *Command2 = nullptr;        // 削除
    QPushButton *Command3 = nullptr;        // 閉じる
    QPushButton *Command4 = nullptr;        // 変更
    QPushButton *Command5 = nullptr;        // 和暦
    StatusBarText *StBar = nullptr;
    QAction *mnSetu = nullptr;
    QAction *mnSyouSai = nullptr;
    QAction *mnTojiru = nullptr;
    F_User01_Settei *Settei = nullptr;      // the person's own target values

public slots:
    void reject() override; // Escape and the close box close like 閉じる

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void Form_Load();
    void Nyuuryoku_Clear();
    void DBCombo1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void mnSyouSai_Click();
    void refreshList(qint64 choose);
    void reportAndRelist(const DbError &e, qint64 choose);
    void setShownEnabled(bool on);
    // The checks shared by add and change; the person to save, or nothing after a message.
    std::optional<Kojin> Nyuuryoku_Check(qint64 exceptId);

    bool m_currentDeleted = false;
};

} // namespace mirte
