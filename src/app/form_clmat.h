#pragma once
// The copy-to-clipboard dialog of the list screens: the grid as a picture or as
// tab-separated text.

#include <QDialog>
#include <QList>

class QRadioButton;
class QPushButton;

namespace mirte {

class FlexGrid;

class Form_ClMat : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHiColSize = 10;

    explicit Form_ClMat(FlexGrid *grid, QWidget *parent = nullptr);

    // Columns left out of a text copy: up to 10 column numbers (more are ignored); -1 is an
    // empty entry. The list lasts as long as the dialog.
    void SetHiCol(const QList<int> &cols);
    bool HiCol_Check(int col) const;
    QList<int> hiCols() const { return m_hiCol; }

    // Which copy "実  行" makes.
    bool pictureChosen() const;
    void choosePicture(bool picture);

    // The tab-separated text of a grid: every cell followed by TAB, every row by CR LF,
    // line breaks inside a cell removed, header row included, left-out columns skipped.
    static QString gridText(const FlexGrid *grid, const QList<int> &leaveOut);

private:
    void execute();

    FlexGrid *m_grid;
    QList<int> m_hiCol;
    QRadioButton *m_option[2];
    QPushButton *m_command1;
    QPushButton *m_command2;
};

} // namespace mirte
