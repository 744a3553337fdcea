#pragma once
// The data grid. Every row/column number of this API counts the header row (row 0) and the
// row-selector column (column 0): data cell (r, c) has r >= 1 and c >= 1, and data column
// k + 1 shows column k of a bound result set. Column numbers are display positions: after a
// column is dragged, its number is the position it was dropped at, and its width, format and
// alignment travel with it. Cells are read-only; screens edit through their own boxes.

#include <QPixmap>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

class QTableView;
class QHeaderView;
class QModelIndex;

namespace mirte {

struct ResultSet;
class FlexGridModel;

class FlexGrid : public QWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget *parent = nullptr);
    ~FlexGrid() override;

    // ---- size ----
    int rows() const;              // data rows + 1
    void setRows(int rows);        // at least 1; added rows are empty, surplus rows are dropped
    int cols() const;              // data columns + 1
    void setCols(int cols);        // at least 1; added columns are empty with an empty header

    // ---- cells ----
    // The text shown in a cell: the stored value through the column's format. Row 0 gives the
    // header texts, column 0 the selector texts, (0, 0) the corner text. Out of range gives "".
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);
    // The stored value (as bound or set), before any format.
    QVariant valueMatrix(int row, int col) const;
    void setValueMatrix(int row, int col, const QVariant &value);
    // Text of the current cell ("" when there is none).
    QString text() const;
    // Appends a data row; cells[0] is the selector text, cells[k] column k. Returns its number.
    int addRow(const QVariantList &cells);
    void removeRow(int row);
    // Removes all data rows (columns and headers stay).
    void clearRows();
    // First column at or after `from` whose header text equals `header`, or -1.
    int findCol(const QString &header, int from = 1) const;

    // ---- binding ----
    // Shows the result set: header texts are the column names, rows in result order.
    // Column layout (widths, formats, alignment, order), sort state and current row are reset.
    void setResultSet(const ResultSet &rs);
    // `rows` data rows, read a page at a time as they are shown, copied or looked up: the reader
    // gives the cells of columns 1.. of rows [first, first + count). Column widths then fit the
    // rows read so far.
    void setRowReader(int rows, std::function<QList<QVariantList>(int first, int count)> reader);
    // Binds to an SQL text on G_DB() and runs it (DbError on failure).
    void setRecordSource(const QString &sql, const QVariantList &params = {});
    QString recordSource() const;
    QVariantList recordParams() const;
    // Runs the record source again. Throws DbError.
    void refresh();

    // ---- columns ----
    int colWidth(int col) const;              // twips; 0 for a hidden column
    void setColWidth(int col, int twips);     // 0 hides the column
    bool colHidden(int col) const;
    // Data-cell alignment; an empty alignment is the general one (numbers right, text left).
    Qt::Alignment colAlignment(int col) const;
    void setColAlignment(int col, Qt::Alignment alignment);
    // Display picture for numeric cells, e.g. "000.0" or "#####0.00" (see Format()); "" = none.
    QString colFormat(int col) const;
    void setColFormat(int col, const QString &picture);
    // A display routine for the column, used instead of the picture (empty function clears).
    using CellFormatter = std::function<QString(const QVariant &)>;
    void setColFormatter(int col, CellFormatter formatter);
    // Fits a column to its contents (header included).
    void autoSizeCol(int col);
    // Columns kept in place when scrolling sideways, the selector column included (1 = only it).
    int fixedCols() const;
    void setFixedCols(int count);
    // Moves column `from` to position `to` (both >= 1); the columns between shift over.
    void moveColumn(int from, int to);
    // Columns first..last (last -1 = up to the last column) may be dragged by their header, and
    // only dropped inside that range. first < 1 switches dragging off (the default).
    void setColumnMoveRange(int first, int last = -1);
    std::pair<int, int> columnMoveRange() const;

    // ---- rows ----
    int rowHeight(int row) const;             // twips; row 0 is the header row
    void setRowHeight(int row, int twips);
    // Height of every row, the header and rows added later included.
    void setAllRowHeights(int twips);
    // Fits the data rows to their (wrapped) contents.
    // Fits every row to its cells; on a grid whose rows are read as they are shown, the rows are
    // fitted as they come into view.
    void autoSizeRows();
    void setWordWrap(bool on);

    // ---- current cell ----
    // The current row is 0 while no data row is current (nothing selected).
    int row() const;
    void setRow(int row);                     // 0 clears the selection
    int col() const;
    void setCol(int col);
    void setCurrentCell(int row, int col);
    int topRow() const;                       // first data row visible at the top
    void setTopRow(int row);
    // Cell under the mouse at the last mouse move (-1 outside cells).
    int mouseRow() const;
    int mouseCol() const;

    // ---- painting ----
    bool redraw() const;
    void setRedraw(bool on);                  // off: changes are not painted until back on

    // ---- sorting ----
    // Sorts the data rows by one column. Numbers compare as numbers, other texts as text;
    // empty cells come first ascending. Equal keys keep their order. The current row follows
    // its record.
    void sort(int col, Qt::SortOrder order);
    // A click on a data column's header sorts it: ascending, or descending when the grid is
    // already sorted ascending by that column (wherever it has been dragged since). On by default.
    bool headerClickSort() const;
    void setHeaderClickSort(bool on);
    int sortCol() const;                      // its position now; -1 when not sorted since binding
    Qt::SortOrder sortOrder() const;

    // ---- misc ----
    QString toolTipText() const;
    void setToolTipText(const QString &text);
    // The grid as it is shown, for the bitmap copy.
    QPixmap picture() const;

    // Where a cell is on screen: the widget to send mouse events to and the point in it
    // (nullptr when the cell is not visible). For tests and for positioning pop-ups.
    std::pair<QWidget *, QPoint> cellPosition(int row, int col) const;
    QTableView *view() const;

signals:
    void clicked(int row, int col);           // header (row 0) and selector (col 0) included
    void doubleClicked(int row, int col);
    void currentRowChanged(int row);          // also when the program moves it, 0 = none
    void currentCellChanged(int row, int col);
    void mouseMoved(int row, int col);        // -1, -1 outside cells
    void sorted(int col, Qt::SortOrder order);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void hookView(QTableView *view);

    struct Private;
    std::unique_ptr<Private> d;
    friend struct Private;
};

} // namespace mirte
