#pragma once
// 健康状態入力－料理入力: the dishes eaten on the day of the health record shown in the daily
// record window; the hub of the meal windows.

#include <QDate>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QLineEdit;
class QPushButton;

namespace mirte {

class F_KJNyuu01;
class F_KJS_Sin01;
class F_KJSeibun01;
class F_KJRNyu01_Ken;
class F_KJZNyu01;
class FlexGrid;
class StatusBarText;

// What the header boxes show, taken from the daily record window.
struct DayHeader {
    QString simei;   // the person's name
    QString hiduke;  // year + "年" + month + "月" + day + "日" + weekday
    QDate day;       // the record's date
    static DayHeader from(const F_KJNyuu01 *caller);
};

class F_KJRNyu01 : public QMainWindow {
    Q_OBJECT
public:
    explicit F_KJRNyu01(const DayHeader &header, QWidget *parent = nullptr);
    ~F_KJRNyu01() override;

    static QString defaultStatusText();

    const DayHeader &header() const { return m_header; }

    // The column layout of the grid, after every load or refresh.
    void CellResize();
    // Requeries the day's dishes and applies the layout; selects the dish `selectId` when given
    // (and listed), otherwise nothing.
    void refreshDishes(qint64 selectId = 0);
    // The meal kind of the current row ("" when no data row is current).
    QString currentKubun() const;
    // Writes a renamed dish into its grid row.
    void dishRenamed(qint64 serId, const QString &name, const QString &kubun);

    F_KJRNyu01_Ken *picker() const;
    F_KJZNyu01 *ingredients() const;
    F_KJSeibun01 *dayDetail() const;
    F_KJS_Sin01 *diagnosis() const;

    // ---- actions ----
    void Command2_Click(); // 料理一覧
    void Command4_Click(); // 削除
    void Command8_Click(); // 材料表示
    void Command5_Click(); // 成分表示
    void Command6_Click(); // 食事診断
    void mnCopy_Click();
    void mnEdit_Click();
    // 料理マスタに登録: the current eaten dish, with its foods as eaten, becomes a catalogue dish.
    void mnToroku_Click();
    // 区分をまとめて変更: several dishes of the day to another meal at once.
    void mnIdou_Click();

    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    FlexGrid *VSGrid1 = nullptr;
    QPushButton *Command2 = nullptr, *Command4 = nullptr, *Command8 = nullptr,
                *Command5 = nullptr, *Command6 = nullptr, *Command7 = nullptr;
    QAction *mnCopy = nullptr, *mnEdit = nullptr, *mnToroku = nullptr, *mnIdou = nullptr, *mnSetu = nullptr,
            *mnTojiru = nullptr;
    StatusBarText *StBar = nullptr;

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void buildUi();
    void Form_Load();
    void selectionRule();
    void noSelection();
    void cornerSort();
    // Shows a window that takes this one's place (and the picker's) until it closes.
    void openInstead(QWidget *w);

    DayHeader m_header;
    QPointer<F_KJRNyu01_Ken> m_ken;
    QPointer<F_KJZNyu01> m_zai;
    QPointer<F_KJSeibun01> m_seibun;
    QPointer<F_KJS_Sin01> m_sin;
};

} // namespace mirte
