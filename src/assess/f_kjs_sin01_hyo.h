#pragma once
// The dietary standard table behind the 100 % of the diagnosis graphs.

#include <QDialog>

class QAction;
class QLabel;
class QPushButton;

namespace mirte {

class FlexGrid;

class F_KJS_Sin01_Hyo : public QDialog {
    Q_OBJECT
public:
    // mokuhyou: some nutrient is measured against its own target (the diagnosis window's
    // Label1 is shown); the table then has the target column and the note.
    explicit F_KJS_Sin01_Hyo(bool mokuhyou, QWidget *parent = nullptr);

    void mnClip_Click();

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
    FlexGrid *vsGrid = nullptr;
    QPushButton *Command1 = nullptr;
    QAction *mnTojiru = nullptr, *mnClip = nullptr;

private:
    void Form_Load(bool mokuhyou);
};

} // namespace mirte
