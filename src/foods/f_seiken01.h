#pragma once
// 成分表検索: the composition table and its amino-acid and fatty-acid tables on three tabs,
// each with its own search, sort and position. One instance lives for the whole run; the
// ingredient windows choose their foods here.

#include "seiken_core.h"

#include <QMainWindow>
#include <QString>
#include <array>

class QAction;
class QLabel;
class QPushButton;

namespace mirte {

class FlexGrid;
class StatusBarText;
class TabControl;

struct FoodPick {            // what 選択 hands to the calling window
    qint64 seibunId = 0;     // 成分表ID (also written to G_Sei_ID before the signal)
    QString group, name, saibun, guide;   // 食品群, 食品名, 細分, 分量目安
};

class F_SeiKen01 : public QMainWindow {
    Q_OBJECT
public:
    explicit F_SeiKen01(QWidget *parent = nullptr);
    ~F_SeiKen01() override;

    static QString defaultStatusText();

    void setPickVisible(bool visible);   // shows / hides Command5 "選　択"
    bool pickVisible() const { return m_pickVisible; }

    // 選　択: hands the current row of the current tab to the window of G_Yobidasi.
    void Command5_Click();
    // 閉じる, the menu item and the close box: hides the browser (and back to the menu on its road).
    void Command4_Click();
    // 検索: the condition window for the current tab, then the tab again under its condition.
    void mnKensaku_Click();
    // The tab again under its condition in G_Kensaku_Jouken (what 検索 ends with).
    void Kensaku_Jikkou(int tab);
    // The fatty-acid basis: per 100 g of edible part (true) or of fatty acids (false). From
    // the menu it asks first; a search runs it again without asking.
    void SibouKirikae(bool kasyoku, bool ask);
    bool kasyokuBasis() const { return m_kasyoku; }
    // 6, 3 or 1 fixed columns on all three grids (the menu items of 横ｽｸﾛｰﾙの設定).
    void RetuKotei(int fixedCols);
    int fixedColsSetting() const { return m_fixedCols; }

    // Set by the condition window: true when it was left without searching.
    bool Ken_Can_Flg = true;

    // The grid of a tab, filled with its query on first use.
    FlexGrid *grid(int tab);
    bool tabLoaded(int tab) const { return m_loaded.at(tab); }

    TabControl *SSTab1 = nullptr;
    std::array<FlexGrid *, kSeiKenTabs> vsGrid{};
    QLabel *Label1 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command4 = nullptr;
    StatusBarText *StBar = nullptr;
    QAction *mnSetu = nullptr, *mnTojiru = nullptr;
    QAction *gmSbo = nullptr, *gmKas = nullptr;
    QAction *gmRetuSai = nullptr, *gmRetuSyo = nullptr, *gmRetuNasi = nullptr;
    QAction *mnKensaku = nullptr;
    QAction *tnSeiBun = nullptr, *tnAmino = nullptr, *tnSibou = nullptr;

signals:
    // Emitted by 選択 (or a data-row double-click while 選択 is visible) for caller codes 1, 3 and 11
    // only, after G_Sei_ID is set; the window of that code fills its boxes and brings itself to the front.
    void foodChosen(int callerCode, const mirte::FoodPick &pick);
    // Closed on the menu road: the menu comes back.
    void closed();

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void buildMenus();
    SeibunKind kindOf(int tab) const;
    // Runs the tab's query under its condition and lays the grid out.
    void Rs_Set(int tab);
    void Retu_Settei(int tab);
    void updateChecks();
    void gridTip(int tab, int row, int col);
    QString guideOf(int tab, int row);

    std::array<bool, kSeiKenTabs> m_loaded{};
    bool m_kasyoku = false;
    int m_fixedCols = 6;
    bool m_pickVisible = true;
};

F_SeiKen01 *G_SeiKen();   // the one browser; nullptr before start-up created it
void createSeiKen();      // start-up; idempotent
void destroySeiKen();     // exit sequence

} // namespace mirte
