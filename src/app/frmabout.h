#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace mirte {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QLabel *picIcon = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

    // There is no system-information tool on this platform; it says so.
    void StartSysInfo();
};

// The program's picture: used by the menu and the about box.
QPixmap programPicture(const QSize &size);

} // namespace mirte
