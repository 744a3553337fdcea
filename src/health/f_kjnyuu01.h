#pragma once
// 健康状態入力: the day's health record of one person, the program's main working screen.

#include "kenkou_core.h"

#include <QDate>
#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace mirte {

class DataCombo;
class StatusBarText;
class DatePick;
class UpDown;

class F_KJNyuu01 : public QMainWindow {
    Q_OBJECT
public:
    // Opens the window of the meals or the exercise for the shown day and returns it (shown or
    // not). The caller hides itself and comes back when that window is destroyed.
    using SubWindowOpener = std::function<QWidget *(F_KJNyuu01 *caller)>;
    // Until a window is registered its button stays disabled with a note of what is coming.
    static void setMealsOpener(SubWindowOpener opener);
    static void setExerciseOpener(SubWindowOpener opener);

    explicit F_KJNyuu01(QWidget *parent = nullptr);
    ~F_KJNyuu01() override;

    static QString defaultStatusText();

    // ---- operations other windows use ----
    void Rs_Data_Set(const KenkouRow &row, bool partial);
    void Space_Data_Set();
    void Hiduke_Hyouji(const QDate &d);
    void Name_Change();
    // Loads a saved row of the person (the past-records list): the day, every field, the age,
    // the date texts and the buttons of a saved row. False when the row is not the person's.
    bool Kiroku_Yomikomi(qint64 kkId);
    // Goes to a day (the arrows, the calendar, 今日): its stored record, or a new day with the
    // body measures of the latest earlier one; asks first when the user typed something.
    void goToDay(const QDate &day);

    // The person's rows in ascending date, and the current one (nullptr when there is none).
    const QList<KenkouRow> &records() const { return m_records; }
    const KenkouRow *currentRecord() const;
    KenkouForm form() const;

    // ---- button actions ----
    void Command1_Click();  // 追加
    void Command2_Click();  // 変更
    void Command9_Click();  // 削除
    void Command7_Click(int index); // 0 previous, 1 next
    void Command11_Click(); // 一覧表示
    void Command5_Click();  // 食事入力
    void Command6_Click();  // 運動入力
    void Command10_Click(); // 肥満とやせの判定図
    void Command8_Click();  // 生活強度について
    void Command4_Click();  // 新規／一覧

    QDate ThisDate;
    int Nenrei = 0;
    int Nenrei_Nissu = 0;
    bool Junbi_Flg = false;

    DataCombo *DBCombo1 = nullptr;
    QPushButton *Command4 = nullptr;
    QLabel *LabTosi = nullptr;
    QLabel *LabTaikaku = nullptr;
    DatePick *DatePick1 = nullptr;  // calendar and 今日 beside the day boxes  // BMI, or the Kaup / Rohrer index of a child
    QLabel *LabSeiBetu = nullptr;
    QFrame *Frame1 = nullptr;
    std::array<QLineEdit *, 3> Text3{};
    std::array<QLineEdit *, 4> Text4{};
    QLabel *LabYoubi = nullptr;
    UpDown *UpDown1 = nullptr;
    QLineEdit *Text5 = nullptr, *Text6 = nullptr;
    QComboBox *Combo2 = nullptr, *Combo1 = nullptr;
    std::array<QLineEdit *, 2> Text7{};
    QLineEdit *Text8 = nullptr, *Text9 = nullptr, *Text10 = nullptr, *Text11 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text12 = nullptr;
    std::array<QToolButton *, 2> Command7{};
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command9 = nullptr,
                *Command11 = nullptr, *Command5 = nullptr, *Command6 = nullptr,
                *Command3 = nullptr;
    QToolButton *Command8 = nullptr, *Command10 = nullptr;
    StatusBarText *StBar = nullptr;
    QAction *mnSetu = nullptr, *mnTojiru = nullptr;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *e) override;
    bool event(QEvent *e) override;
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    void buildUi();
    void Form_Load();
    void Nyuuryoku_Enabled(bool on);
    bool Henkou_Check() const;
    // The OK/Cancel question of a change on the screen; true when the action may go on.
    bool henkouKakunin();
    void setForm(const KenkouForm &f);
    void Nenrei_Hyouji();
    void setKenkouText(const QString &state);
    void Kenkou_Choices_Set();
    int shownAge() const;
    void Text4_Set();
    void Taikaku_Hyouji();
    void Day_Hyouji_Set();
    void setSavedButtons(bool on);
    void setNavigationShown(bool on);
    void reloadRecords(qint64 positionOn);
    void showRecord(int at);
    void dateBoxLeft();
    bool syncDateBoxes();
    bool checkDate();
    bool checkBody();
    void Combo1_Click();
    void openSubWindow(const SubWindowOpener &opener);
    bool isMale() const;

    QList<KenkouRow> m_records;
    int m_cur = -1;
    bool m_loading = false;
    KenkouForm m_shownForm; // the entries as last loaded or saved
    QList<QWidget *> m_entryWidgets;
    static SubWindowOpener s_meals;
    static SubWindowOpener s_exercise;
};

} // namespace mirte
