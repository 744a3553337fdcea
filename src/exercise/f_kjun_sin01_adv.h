#pragma once
// 運動診断－アドバイス: one advice text for the day's activity index and the person's sex.

#include <QDialog>

class QAction;
class QPlainTextEdit;
class QPushButton;

namespace mirte {

class F_KJUn_Sin01;

class F_KJUn_Sin01_Adv : public QDialog {
    Q_OBJECT
public:
    explicit F_KJUn_Sin01_Adv(F_KJUn_Sin01 *sindan);

    // What a day that could not be judged shows instead of advice.
    static QString hanteiFukaText();

    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QAction *mnTojiru = nullptr;
};

} // namespace mirte
