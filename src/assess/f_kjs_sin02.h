#pragma once
// 摂取栄養素詳細: all 103 nutrients of the day, meal by meal and in total.

#include <QDialog>

class QAction;
class QLabel;
class QPushButton;

namespace mirte {

class FlexGrid;

class F_KJS_Sin02 : public QDialog {
    Q_OBJECT
public:
    // Shows G_Sessyuryou as the diagnosis window last filled it.
    explicit F_KJS_Sin02(QWidget *parent = nullptr);

    void mnClip_Click();
    // CSV出力: G_Sessyuryou of the day G_KK_ID, meal by meal, to a file the user picks.
    void mnCsv_Click();
    static void saveDayCsv(QWidget *parent);

    QLabel *Label2 = nullptr, *Label3 = nullptr;
    FlexGrid *vsGrid = nullptr;
    QPushButton *Command1 = nullptr;
    QAction *mnTojiru = nullptr, *mnClip = nullptr, *mnCsv = nullptr;

private:
    void Form_Load();
};

} // namespace mirte
