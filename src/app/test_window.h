#pragma once
// The developer's check window: fetch one composition row, flatten a text.

#include <QDialog>

class QLineEdit;
class QLabel;
class QPushButton;
class QTextEdit;

namespace mirte {

class Test : public QDialog {
    Q_OBJECT
public:
    explicit Test(QWidget *parent = nullptr);

    QLineEdit *Text1 = nullptr; // table name
    QLineEdit *Text2 = nullptr; // 成分表ID
    QLabel *Label3 = nullptr;   // the fetched row's 成分表ID
    QTextEdit *RText1 = nullptr;
    QTextEdit *RText2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr; // the file check

    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
};

} // namespace mirte
