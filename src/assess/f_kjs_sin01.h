#pragma once
// 食事診断: the day's intake rates of the 25 judged nutrients, meal by meal, on two graphs.

#include "b_nippou.h"
#include "f_kjs_sinrb01.h"
#include "sindan_window.h"

#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace mirte {

class F_KJS_Sin01 : public SindanWindow {
    Q_OBJECT
public:
    explicit F_KJS_Sin01(QWidget *parent = nullptr);

    static QString defaultStatusText();
    QString printTitle() const override;
    const GraphHyou &graphData(int tab) const override;
    const SindanKekka &kekka() const { return m_kekka; }
    // True when the day's sums were complete and the graphs drawn.
    bool loaded() const { return m_loaded; }
    // Whether some nutrient is measured against its own target (Label1 shows it).
    bool mokuhyouUsed() const { return m_kekka.mokuhyouUsed; }

    // ---- buttons ----
    void Command2_Click(); // 詳  細
    void Command3_Click(); // 料理別
    void Command4_Click(); // 標準値
    void Command5_Click(); // 主な栄養素について
    void Command6_Click(); // ｱﾄﾞﾊﾞｲｽ
    // 出力 > 日報PDF: asks for a file and writes the one-page report of the day there.
    // True when the file was written.
    bool mnNippou_Click();
    // What the last report showed (empty before the first).
    const NippouData &lastNippou() const { return m_nippou; }

    QAction *mnCsv = nullptr;     // 出力 > CSV出力
    QAction *mnNippou = nullptr;  // 出力 > 日報PDF

    F_KJS_SinRb01 *perDish() const { return m_rb; }

    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                *Command5 = nullptr, *Command6 = nullptr;

protected:
    QString readOut(const GraphHyou &t, int s, int p) const override;

private:
    void buildUi();
    void Form_Load();

    SindanKekka m_kekka;
    NippouData m_nippou;
    bool m_loaded = false;
    QPointer<F_KJS_SinRb01> m_rb;
};

} // namespace mirte
