#pragma once
// 生活強度について: what the four activity intensities mean.

#include <QDialog>

class QAction;
class QPushButton;

namespace mirte {

class F_KJNyuu_Set : public QDialog {
    Q_OBJECT
public:
    explicit F_KJNyuu_Set(QWidget *parent = nullptr);

    QPushButton *Command1 = nullptr;
    QAction *mnTojiru = nullptr;
};

} // namespace mirte
