#pragma once
// 食事診断－料理別: what one eaten dish gives of the 25 judged nutrients, against the standard.

#include "sindan_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirte {

class F_KJS_SinRb01 : public SindanWindow {
    Q_OBJECT
public:
    explicit F_KJS_SinRb01(QWidget *parent = nullptr);

    static QString defaultStatusText();
    QString printTitle() const override;
    const GraphHyou &graphData(int tab) const override;
    // The dish whose graph is shown (0 before the first).
    qint64 shownDish() const { return m_serId; }

    void Option1_Click(int index);
    void Command2_Click();

    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr;
    QRadioButton *Option1[4] = {};
    QComboBox *Combo1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr;

protected:
    QString readOut(const GraphHyou &t, int s, int p) const override;

private:
    void buildUi();
    void Form_Load();
    void fillDishes(int kubun);
    void zeroTables();

    GraphHyou m_gr1, m_gr2;
    qint64 m_serId = 0;
};

} // namespace mirte
