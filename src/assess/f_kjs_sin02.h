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

    QLabel *Label2 = nullptr, *Label3 = nullptr;
    FlexGrid *vsGrid = nullptr;
    QPushButton *Command1 = nullptr;
    QAction *mnTojiru = nullptr, *mnClip = nullptr;

private:
    void Form_Load();
};

} // namespace mirte
