#pragma once
// 運動入力: the activities of the shown day, each with its duration.

#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mirte {

class DataCombo;
class F_KJNyuu01;
class F_KJUn_Nyu01_Ken;
class F_KJUn_Sin01;
class FlexGrid;

class F_KJUn_Nyu01 : public QMainWindow {
    Q_OBJECT
public:
    // Opened for G_KK_ID; the name and the day are copied from the day window.
    explicit F_KJUn_Nyu01(F_KJNyuu01 *caller);
    ~F_KJUn_Nyu01() override;

    // Column layout of the list: hidden identifiers, the name's width, durations as "H：NN".
    void CellResize();
    // "計： <hours> 時間 <minutes> 分" over every listed duration.
    QString JikanKei() const;

    // ---- button actions ----
    void Command1_Click();  // 一覧
    void Command2_Click();  // 追加
    void Command3_Click();  // 変更
    void Command4_Click();  // 削除
    void Command6_Click();  // 運動診断

    qint64 selectedId() const { return m_selId; }
    F_KJUn_Nyu01_Ken *picker() const;
    F_KJUn_Sin01 *diagnosis() const;

    QLineEdit *Text1 = nullptr, *Text2 = nullptr;
    FlexGrid *vsGrid = nullptr;
    DataCombo *DBCombo1 = nullptr;
    std::array<QLineEdit *, 2> Text3{};
    QLabel *Label10 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr,
                *Command4 = nullptr, *Command6 = nullptr, *Command7 = nullptr;
    QAction *mnSetu = nullptr, *mnTojiru = nullptr;

protected:
    bool event(QEvent *e) override;

private:
    void buildUi(F_KJNyuu01 *caller);
    void Form_Load();
    // Re-reads the list and selects the row `id` (0: no row selected).
    void reload(qint64 id);
    void Sentaku_Clear();
    void Grid_RowChange(int row);
    bool checkJikan(bool overwrite, int &minutes);
    void refreshTotal();

    qint64 m_selId = 0;
    QPointer<F_KJUn_Nyu01_Ken> m_picker;
    QPointer<F_KJUn_Sin01> m_sindan;
};

} // namespace mirte
