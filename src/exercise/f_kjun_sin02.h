#pragma once
// 運動診断－詳細: the day's energy figures and the load energy of every activity.

#include <QDialog>

class QAction;
class QLabel;
class QPushButton;

namespace mirte {

class F_KJUn_Sin01;
class FlexGrid;

class F_KJUn_Sin02 : public QDialog {
    Q_OBJECT
public:
    explicit F_KJUn_Sin02(F_KJUn_Sin01 *sindan);

    // The copy dialog over the table, without the selector column.
    void otClip_Click();
    bool stopped() const { return m_stopped; }

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    FlexGrid *vsGrid = nullptr;
    QPushButton *Command1 = nullptr;
    QAction *mnSetu = nullptr, *mnTojiru = nullptr, *otClip = nullptr;

private:
    void Form_Load(F_KJUn_Sin01 *sindan);

    bool m_stopped = false;
};

} // namespace mirte
