#pragma once
// 期間指定: the first and last day of the records written out.

#include <QDate>
#include <QDialog>

class QDateEdit;
class QPushButton;

namespace mirte {

class F_KJNyuu01_Kikan : public QDialog {
    Q_OBJECT
public:
    F_KJNyuu01_Kikan(const QDate &from, const QDate &to, QWidget *parent = nullptr);

    QDate from() const;
    QDate to() const;

    QDateEdit *DTFrom = nullptr;
    QDateEdit *DTTo = nullptr;
    QPushButton *CmdOK = nullptr;
    QPushButton *CmdCancel = nullptr;
};

} // namespace mirte
