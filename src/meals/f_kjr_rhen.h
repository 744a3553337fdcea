#pragma once
// 料理入力－料理名・食事区分変更: renames an eaten dish and moves it to another meal.

#include <QDialog>

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace mirte {

class F_KJRNyu01;

class F_KJR_RHen : public QDialog {
    Q_OBJECT
public:
    F_KJR_RHen(F_KJRNyu01 *owner, qint64 serId, const QString &name, const QString &kubun);

    // 変更: saves a changed name or meal after asking; unchanged values just close.
    void Command2_Click();

    QLineEdit *Text1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command2 = nullptr, *Command1 = nullptr;
    QAction *mnTojiru = nullptr;

private:
    F_KJRNyu01 *m_owner;
    qint64 m_serId;
    QString m_name;
    QString m_kubun;
};

} // namespace mirte
