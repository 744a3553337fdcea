#pragma once
// The three tables of the nutrient detail windows: main nutrients, fatty acids, amino acids.

#include "b_seibun.h"

#include <QWidget>

class QAction;
class QBoxLayout;
class QLabel;
class QMainWindow;
class QPushButton;

namespace mirte {

class FlexGrid;
class TabControl;

class SeibunGrids : public QWidget {
    Q_OBJECT
public:
    explicit SeibunGrids(QWidget *parent = nullptr);

    // Shows the tables; the header rows come first.
    void show(const SeibunHyou &t);
    FlexGrid *shownGrid() const;

    TabControl *SSTab1 = nullptr;
    FlexGrid *vsGrid[kSeibunGrids] = {};
    QLabel *Label4 = nullptr; // the unit note of tabs 1 and 2

private:
    void tabShown(int tab);
};

// The frame both detail windows share: 画面 > 閉じる, 出力 > ｸﾘｯﾌﾟﾎﾞｰﾄﾞ, the tables and a 閉じる
// button (the menu item and the button close the window). The window puts its own header
// lines into `header`, above the tables, and connects mnClip.
struct SeibunFrame {
    QAction *mnTojiru = nullptr, *mnClip = nullptr;
    QBoxLayout *header = nullptr;
    SeibunGrids *grids = nullptr;
    QPushButton *close = nullptr;
};
SeibunFrame buildSeibunFrame(QMainWindow *w);

} // namespace mirte
