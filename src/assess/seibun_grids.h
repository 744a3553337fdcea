#pragma once
// The three tables of the nutrient detail windows: main nutrients, fatty acids, amino acids.

#include "b_seibun.h"

#include <QWidget>

class QLabel;

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

} // namespace mirte
