#pragma once
// 食事診断－アドバイス: the day's shortages and excesses in words.

#include "b_sindan.h"

#include <QDialog>

class QAction;
class QPlainTextEdit;
class QPushButton;

namespace mirte {

class F_KJS_Sin01_Adv : public QDialog {
    Q_OBJECT
public:
    // kekka: the rates of the diagnosis window that opens this one.
    explicit F_KJS_Sin01_Adv(const SindanKekka &kekka, QWidget *parent = nullptr);

    // The advice as built, CR LF line ends.
    QString adviceText() const { return m_text; }

    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QAction *mnTojiru = nullptr;

private:
    QString m_text;
};

} // namespace mirte
