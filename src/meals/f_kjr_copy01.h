#pragma once
// 料理入力－他の日からコピー: copies chosen dishes of an earlier recorded day, of any person of
// the household, with all their foods onto the current day.

#include <QDate>
#include <QDialog>
#include <array>

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mirte {

class DatePick;

class F_KJRNyu01;

class F_KJR_Copy01 : public QDialog {
    Q_OBJECT
public:
    explicit F_KJR_Copy01(F_KJRNyu01 *owner);

    void Command3_Click(); // 検索
    void Command1_Click(); // コピー

    qint64 searchedPerson() const { return m_simeiId; }
    QDate searchDate() const { return m_date; }
    qint64 lastCopied() const { return m_lastSerId; }

    QComboBox *Combo1 = nullptr;
    std::array<QLineEdit *, 3> Text1{};
    DatePick *DatePick1 = nullptr; // calendar and 今日 beside the date boxes
    QPushButton *Command3 = nullptr;
    QLineEdit *Text2 = nullptr;
    QListWidget *List1 = nullptr;
    QListWidget *List2 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr;
    QAction *mnTojiru = nullptr, *mnSetu = nullptr;

private:
    void listDays();
    void listDishes();

    F_KJRNyu01 *m_owner;
    qint64 m_simeiId = 0;
    QDate m_date;
    qint64 m_lastSerId = 0;
};

} // namespace mirte
