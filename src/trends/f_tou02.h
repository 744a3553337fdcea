#pragma once
// グラフ: the trend graph of the series the set-up window had computed.

#include "tou_core.h"

#include <QDialog>
#include <optional>

class QAction;
class QLabel;
class QPushButton;

namespace mirte {

class Graph;

class F_Tou02 : public QDialog {
    Q_OBJECT
public:
    // label1 and label2 are the two header texts ("名前 ： …", "開始日 ： …").
    F_Tou02(TouKikanSyu syu, bool energy, const QString &label1Text, const QString &label2Text,
            QWidget *parent = nullptr);

    void gmAvr_Click();
    void grMem_Click();
    void otPrint_Click();
    void otGazou_Click();
    void otHyou_Click();
    void otCsv_Click();   // the series for a spreadsheet

    // What is drawn, as the core laid it out.
    const TouData &data() const { return m_data; }
    const TouZu &zu() const { return m_zu; }
    std::optional<double> target() const { return m_target; }
    QString printTitle() const;

    QLabel *label1 = nullptr, *label2 = nullptr;
    Graph *Gr = nullptr;
    QLabel *Label3 = nullptr;   // the clicked value
    QLabel *Label4 = nullptr;   // the means, while they are drawn
    QPushButton *Command1 = nullptr;
    QAction *gmAvr = nullptr, *grMem = nullptr, *otPrint = nullptr, *otGazou = nullptr,
            *otHyou = nullptr, *otCsv = nullptr, *mnSetu = nullptr, *mnTojiru = nullptr;

private:
    void Gr_Hyouji();
    void Heikin_Hyouji();

    TouKikanSyu m_syu;
    bool m_energy;
    TouData m_data;
    TouZu m_zu;
    std::optional<double> m_target;
    std::optional<TouSyudou> m_scale;
};

} // namespace mirte
