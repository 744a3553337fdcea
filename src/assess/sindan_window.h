#pragma once
// What the two rate-graph windows share: two graphs on two tabs, the scale switch, the
// bar read-out, printing and the two clipboard copies.

#include "b_sindan.h"
#include "handlers.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QPrinter;

namespace mirte {

class Graph;
class StatusBarText;
class TabControl;

class SindanWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit SindanWindow(QWidget *parent = nullptr);

    // ---- menu actions ----
    // Fixed 0..200 % scale or automatic scale; choosing the checked one does nothing.
    void Kirikae(bool fixed);
    bool fixedScale() const { return m_fixed; }
    // How many times the scale was actually switched (each switch redraws both graphs).
    int scaleSwitches() const { return m_switches; }
    // Asks, then prints the graph of the tab shown; `printer` set up by the caller (a PDF in
    // tests) skips the print dialog. True when a page was printed.
    bool mnPrint_Click(QPrinter *printer = nullptr);
    void mnGazou_Click();
    void mnText_Click();
    // The bar read-out of a click on set s, point p of the graph of tab `tab`.
    void Gr_Click(int tab, int s, int p);

    virtual QString printTitle() const = 0;
    // The data table of graph 0 or 1.
    virtual const GraphHyou &graphData(int tab) const = 0;
    Graph *shownGraph() const;

    TabControl *SSTab1 = nullptr;
    Graph *Gr1 = nullptr;
    Graph *Gr2 = nullptr;
    StatusBarText *StBar = nullptr;
    QAction *mnSetu = nullptr, *mnTojiru = nullptr, *mnKotei = nullptr, *mnZentai = nullptr,
            *mnPrint = nullptr, *mnGazou = nullptr, *mnText = nullptr;

protected:
    QMenu *m_outMenu = nullptr;  // 出力, for what a window adds of its own
    // Builds the menus and the tabs with the graphs; the caller places SSTab1.
    void buildGraphs();
    // Puts a data table into a graph; legend texts for the series (empty: no legend).
    void showTable(Graph *g, const GraphHyou &t, const QStringList &legends);
    // The read-out text of a bar.
    virtual QString readOut(const GraphHyou &t, int s, int p) const = 0;

private:
    void applyScale();

    bool m_fixed = false;
    int m_switches = 0;
};

} // namespace mirte
