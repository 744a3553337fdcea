#pragma once
// 運動診断: the day's energy spent, split into basal and activity metabolism, against the
// energy eaten, as stacked bars.

#include "undou_sindan.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QPrinter;
class QPushButton;

namespace mirte {

class Graph;
class StatusBarText;

class F_KJUn_Sin01 : public QMainWindow {
    Q_OBJECT
public:
    // Computes the diagnosis of G_KK_ID for G_Simei_ID and draws it.
    explicit F_KJUn_Sin01(QWidget *parent = nullptr);

    static QString defaultStatusText();

    // The values of this loading, read by the detail table and the advice.
    double KisoTaisya = 0;
    double EnSyouhiRyou = 0;
    double KatudouTaisyaRyou = 0;
    double SessyuEn = 0;
    double KatudouSisuu = 0;
    int Sei_Betu = 0;
    const UndouSindan &result() const { return m_result; }

    void Command1_Click();  // 詳  細
    void Command3_Click();  // アドバイス
    void otPrint_Click();
    void otGazou_Click();
    void otHyou_Click();
    void Gr_Click(int set, int point);

    // "      <person>   <day>", the title line of the printed graph.
    QString printTitle() const;
    // Prints the graph on a printer set up by the caller.
    bool printTo(QPrinter &printer);
    // The two lines of the text copy.
    QString hyouText() const;

    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QLabel *LabJikan = nullptr; // what the recorded activities cover of the day
    Graph *Gr = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr;
    StatusBarText *StBar = nullptr;
    QAction *mnSetu = nullptr, *mnTojiru = nullptr, *otPrint = nullptr, *otGazou = nullptr,
            *otHyou = nullptr;

private:
    void buildUi();
    void Graph_Draw();

    UndouSindan m_result;
};

} // namespace mirte
