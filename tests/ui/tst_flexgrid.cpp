#include "b_01.h"
#include "database.h"
#include "flexgrid.h"
#include "testsupport.h"
#include "uiutil.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

using namespace mirte;
using mirte::test::TempDb;

namespace {

// A grid of `data` rows, each a list of cells for columns 1..n; headers "A", "B", ...
void fill(FlexGrid &g, const QList<QStringList> &data)
{
    const int n = data.isEmpty() ? 1 : int(data.first().size());
    g.setCols(n + 1);
    g.setRows(int(data.size()) + 1);
    for (int c = 1; c <= n; ++c)
        g.setTextMatrix(0, c, QString(QChar('A' + c - 1)));
    for (int r = 0; r < data.size(); ++r)
        for (int c = 0; c < n; ++c)
            g.setTextMatrix(r + 1, c + 1, data[r][c]);
}

QStringList column(const FlexGrid &g, int c)
{
    QStringList out;
    for (int r = 1; r < g.rows(); ++r)
        out << g.textMatrix(r, c);
    return out;
}

void click(FlexGrid &g, int row, int col, bool twice = false)
{
    const auto [w, p] = g.cellPosition(row, col);
    QVERIFY2(w, "cell not visible");
    if (twice)
        QTest::mouseDClick(w, Qt::LeftButton, {}, p);
    else
        QTest::mouseClick(w, Qt::LeftButton, {}, p);
}

} // namespace

class TstFlexGrid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(Syoki_Settei());
    }

    // Row 0 is the header, column 0 the selector, in every call.
    void numbering()
    {
        FlexGrid g;
        QCOMPARE(g.rows(), 1);
        QCOMPARE(g.cols(), 1);
        g.setCols(4);
        g.setRows(3);
        QCOMPARE(g.rows(), 3);
        QCOMPARE(g.cols(), 4);
        QCOMPARE(g.view()->model()->rowCount(), 2);
        QCOMPARE(g.view()->model()->columnCount(), 3);
        g.setTextMatrix(0, 1, "名前");
        g.setTextMatrix(0, 0, "角");
        g.setTextMatrix(2, 0, "▶");
        g.setTextMatrix(2, 3, "右下");
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("名前"));
        QCOMPARE(g.view()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("名前"));
        QCOMPARE(g.textMatrix(0, 0), QStringLiteral("角"));
        QCOMPARE(g.textMatrix(2, 0), QStringLiteral("▶"));
        QCOMPARE(g.view()->model()->index(1, 2).data().toString(), QStringLiteral("右下"));
        QCOMPARE(g.textMatrix(2, 3), QStringLiteral("右下"));
        QCOMPARE(g.textMatrix(3, 1), QString());   // past the last row
        QCOMPARE(g.textMatrix(1, 4), QString());   // past the last column
        QCOMPARE(g.textMatrix(-1, 1), QString());
        g.setTextMatrix(5, 5, "x");                // ignored, no crash
        QCOMPARE(g.rows(), 3);

        // Growing keeps cells; shrinking drops the last rows and columns.
        g.setRows(5);
        QCOMPARE(g.textMatrix(2, 3), QStringLiteral("右下"));
        QCOMPARE(g.textMatrix(4, 3), QString());
        g.setCols(3);
        QCOMPARE(g.textMatrix(2, 3), QString());
        g.setRows(0); // never fewer than the header row
        QCOMPARE(g.rows(), 1);
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("名前"));

        QCOMPARE(g.addRow({"", "a", "b"}), 1);
        QCOMPARE(g.addRow({"", "c"}), 2);
        QCOMPARE(column(g, 1), (QStringList{"a", "c"}));
        QCOMPARE(column(g, 2), (QStringList{"b", ""}));
        g.removeRow(1);
        QCOMPARE(column(g, 1), (QStringList{"c"}));
        QCOMPARE(g.findCol("名前"), 1);
        QCOMPARE(g.findCol("名前", 2), -1);
    }

    void bindResultSet()
    {
        TempDb db;
        G_DB().exec("INSERT INTO 調理法 (調理法ID, 調理法) VALUES (1, '生'), (2, 'ゆで'), (3, '焼き')");
        FlexGrid g;
        g.setRecordSource("SELECT 調理法, 調理法ID FROM 調理法 WHERE 調理法ID >= ? ORDER BY 調理法ID",
                          {2});
        QCOMPARE(g.cols(), 3);
        QCOMPARE(g.rows(), 3);
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("調理法"));
        QCOMPARE(g.textMatrix(0, 2), QStringLiteral("調理法ID"));
        QCOMPARE(g.textMatrix(1, 1), QStringLiteral("ゆで"));
        QCOMPARE(g.textMatrix(2, 2), QStringLiteral("3"));
        QCOMPARE(g.valueMatrix(2, 2).toLongLong(), 3);
        QCOMPARE(g.row(), 0); // nothing chosen after binding

        // Refreshing runs the same text and parameters again.
        G_DB().exec("INSERT INTO 調理法 (調理法ID, 調理法) VALUES (4, '煮る')");
        g.setColWidth(2, 0);
        g.refresh();
        QCOMPARE(g.rows(), 4);
        QCOMPARE(g.textMatrix(3, 1), QStringLiteral("煮る"));
        QVERIFY(!g.colHidden(2)); // layout is the screen's to apply again

        // A failing query leaves the grid bound as it was.
        QVERIFY_THROWS_EXCEPTION(DbError, g.setRecordSource("SELECT nope FROM 調理法"));
        QCOMPARE(g.rows(), 4);
        QCOMPARE(g.recordParams(), QVariantList{2});

        // A plain result set: columns in query order, SELECT * included.
        g.setResultSet(G_DB().select("SELECT * FROM 調理法 ORDER BY 調理法ID DESC"));
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("調理法ID"));
        QCOMPARE(g.textMatrix(1, 1), QStringLiteral("4"));
        QCOMPARE(g.textMatrix(4, 2), QStringLiteral("生"));
    }

    // Rows read as they are shown: opening reads the pages in view, a look-up or a copy reads
    // what it needs, a moved column still gets its cells, a sort reads everything first.
    void rowsReadAsShown()
    {
        FlexGrid g;
        g.setCols(3);
        g.moveColumn(2, 1); // the reader gives columns in screen order
        QList<int> pages;
        g.setRowReader(1000, [&pages](int first, int count) {
            pages << first;
            QList<QVariantList> rows;
            for (int r = first; r < first + count; ++r)
                rows.append({QStringLiteral("行%1").arg(r + 1), r + 1});
            return rows;
        });
        g.resize(400, 300);
        g.show();
        g.autoSizeRows();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QCOMPARE(g.rows(), 1001);
        QVERIFY2(pages.size() <= 2, qPrintable(QString::number(pages.size())));
        QCOMPARE(g.textMatrix(1, 1), QStringLiteral("行1"));
        QCOMPARE(g.valueMatrix(1, 2).toInt(), 1);
        QCOMPARE(g.textMatrix(1000, 1), QStringLiteral("行1000"));
        QVERIFY(pages.contains(900));
        g.setTopRow(500);
        QTRY_VERIFY(pages.contains(500));
        g.sort(2, Qt::DescendingOrder);
        QCOMPARE(pages.size(), 10);
        QCOMPARE(g.valueMatrix(1, 2).toInt(), 1000);
    }

    void widthZeroHides()
    {
        FlexGrid g;
        fill(g, {{"1", "2", "3"}});
        QCOMPARE(g.colWidth(0), 200); // the selector column is narrow
        g.setColWidth(2, 1500);
        QCOMPARE(g.colWidth(2), 1500);
        QCOMPARE(g.view()->columnWidth(1), twipsToPixels(1500, g.view()));
        g.setColWidth(2, 0);
        QVERIFY(g.colHidden(2));
        QVERIFY(g.view()->isColumnHidden(1));
        QCOMPARE(g.colWidth(2), 0);
        QCOMPARE(g.textMatrix(1, 2), QStringLiteral("2")); // hidden, still readable
        g.setColWidth(2, 700);
        QVERIFY(!g.colHidden(2));
        QCOMPARE(g.colWidth(2), 700);
        g.setColWidth(0, 0);
        QVERIFY(g.view()->verticalHeader()->isHidden());
        QCOMPARE(g.colWidth(0), 0);
    }

    void format_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lead zeros") << QVariant(12.345) << "000.0" << "012.3";
        QTest::newRow("two decimals") << QVariant(1234.5) << "#####0.00" << "1234.50";
        QTest::newRow("text number") << QVariant("7.25") << "0.0" << "7.3";
        QTest::newRow("integer") << QVariant(qint64(42)) << "0.000" << "42.000";
        QTest::newRow("no picture") << QVariant(0.1 + 0.2) << "" << "0.3";
        QTest::newRow("whole double") << QVariant(3.0) << "" << "3";
        QTest::newRow("text stays") << QVariant("ごはん") << "0.0" << "ごはん";
        QTest::newRow("empty stays") << QVariant("") << "0.0" << "";
        QTest::newRow("null stays") << QVariant() << "0.0" << "";
    }
    void format()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, picture);
        QFETCH(QString, shown);
        FlexGrid g;
        g.setCols(2);
        g.setRows(2);
        g.setColFormat(1, picture);
        g.setValueMatrix(1, 1, value);
        QCOMPARE(g.textMatrix(1, 1), shown);
        QCOMPARE(g.view()->model()->index(0, 0).data().toString(), shown);
        QCOMPARE(g.valueMatrix(1, 1), value);
    }

    void formatterAndAlignment()
    {
        FlexGrid g;
        fill(g, {{"0.5", "abc"}});
        g.setColFormatter(1, [](const QVariant &v) { return QStringLiteral("<%1>").arg(v.toString()); });
        QCOMPARE(g.textMatrix(1, 1), QStringLiteral("<0.5>"));
        const QModelIndex num = g.view()->model()->index(0, 0);
        const QModelIndex txt = g.view()->model()->index(0, 1);
        auto align = [](const QModelIndex &i) {
            return Qt::Alignment(i.data(Qt::TextAlignmentRole).value<Qt::Alignment>());
        };
        QVERIFY(align(num) & Qt::AlignRight); // general: numbers right
        QVERIFY(align(txt) & Qt::AlignLeft);  // text left
        g.setColAlignment(2, Qt::AlignHCenter);
        QCOMPARE(g.colAlignment(2), Qt::Alignment(Qt::AlignHCenter));
        QVERIFY(align(txt) & Qt::AlignHCenter);
    }

    void sorting_data()
    {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("numbers as numbers") << QStringList{"10", "9", "100", "-2.5"}
                                            << int(Qt::AscendingOrder)
                                            << QStringList{"-2.5", "9", "10", "100"};
        QTest::newRow("numbers descending") << QStringList{"10", "9", "100"}
                                            << int(Qt::DescendingOrder)
                                            << QStringList{"100", "10", "9"};
        QTest::newRow("text") << QStringList{"b", "C", "a"} << int(Qt::AscendingOrder)
                              << QStringList{"a", "b", "C"};
        QTest::newRow("kana") << QStringList{"やさい", "さかな", "あじ"} << int(Qt::AscendingOrder)
                              << QStringList{"あじ", "さかな", "やさい"};
        QTest::newRow("empty first") << QStringList{"5", "", "x", "1"} << int(Qt::AscendingOrder)
                                     << QStringList{"", "1", "5", "x"};
        QTest::newRow("empty last descending") << QStringList{"5", "", "x", "1"}
                                               << int(Qt::DescendingOrder)
                                               << QStringList{"x", "5", "1", ""};
        QTest::newRow("dates") << QStringList{"2024-03-01", "2023-12-31", "2024-01-15"}
                               << int(Qt::AscendingOrder)
                               << QStringList{"2023-12-31", "2024-01-15", "2024-03-01"};
    }
    void sorting()
    {
        QFETCH(QStringList, cells);
        QFETCH(int, order);
        QFETCH(QStringList, sorted);
        FlexGrid g;
        QList<QStringList> data;
        for (int i = 0; i < cells.size(); ++i)
            data << QStringList{cells[i], QString::number(i)};
        fill(g, data);
        QSignalSpy spy(&g, &FlexGrid::sorted);
        g.sort(1, Qt::SortOrder(order));
        QCOMPARE(column(g, 1), sorted);
        // Whole rows move.
        for (int r = 1; r < g.rows(); ++r)
            QCOMPARE(g.textMatrix(r, 1), cells[g.textMatrix(r, 2).toInt()]);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(g.sortCol(), 1);
    }

    void sortKeepsOrderOfEqualKeysAndFollowsCurrentRecord()
    {
        FlexGrid g;
        fill(g, {{"2", "a"}, {"1", "b"}, {"2", "c"}, {"1", "d"}});
        g.setRow(3); // "c"
        QSignalSpy rowSpy(&g, &FlexGrid::currentRowChanged);
        g.sort(1, Qt::AscendingOrder);
        QCOMPARE(column(g, 2), (QStringList{"b", "d", "a", "c"}));
        QCOMPARE(g.row(), 4);
        QCOMPARE(g.textMatrix(g.row(), 2), QStringLiteral("c"));
        QCOMPARE(rowSpy.size(), 1);
        QCOMPARE(rowSpy.at(0).at(0).toInt(), 4);
        g.sort(1, Qt::DescendingOrder);
        QCOMPARE(column(g, 2), (QStringList{"a", "c", "b", "d"}));
    }

    // A header click sorts ascending, the next click on it descending, another column
    // ascending again; the click itself is reported with row 0.
    void headerClickToggles()
    {
        FlexGrid g;
        g.resize(400, 300);
        fill(g, {{"3", "x"}, {"1", "z"}, {"2", "y"}});
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QSignalSpy clicks(&g, &FlexGrid::clicked);
        click(g, 0, 1);
        QCOMPARE(column(g, 1), (QStringList{"1", "2", "3"}));
        QCOMPARE(g.sortOrder(), Qt::AscendingOrder);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.last().at(0).toInt(), 0);
        QCOMPARE(clicks.last().at(1).toInt(), 1);
        click(g, 0, 1);
        QCOMPARE(column(g, 1), (QStringList{"3", "2", "1"}));
        click(g, 0, 1);
        QCOMPARE(column(g, 1), (QStringList{"1", "2", "3"}));
        click(g, 0, 2);
        QCOMPARE(column(g, 2), (QStringList{"x", "y", "z"}));
        QCOMPARE(g.sortCol(), 2);
        QCOMPARE(g.sortOrder(), Qt::AscendingOrder);

        // The corner is reported and left to the screen.
        click(g, 0, 0);
        QCOMPARE(clicks.last().at(0).toInt(), 0);
        QCOMPARE(clicks.last().at(1).toInt(), 0);
        QCOMPARE(column(g, 2), (QStringList{"x", "y", "z"}));

        g.setHeaderClickSort(false);
        click(g, 0, 1);
        QCOMPARE(column(g, 2), (QStringList{"x", "y", "z"}));
        QCOMPARE(clicks.last().at(1).toInt(), 1);
    }

    // The toggle belongs to the column, not to its place: after the sorted column is dragged
    // elsewhere its next click reverses it, and the column now standing in its old place
    // starts ascending.
    void headerClickToggleFollowsDraggedColumn()
    {
        FlexGrid g;
        g.resize(500, 300);
        fill(g, {{"3", "b", "x"}, {"1", "c", "z"}, {"2", "a", "y"}});
        g.setColumnMoveRange(1, -1);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        click(g, 0, 1);
        QCOMPARE(column(g, 1), (QStringList{"1", "2", "3"}));
        g.view()->horizontalHeader()->moveSection(0, 2); // A dragged to the third place
        QCOMPARE(g.textMatrix(0, 3), QStringLiteral("A"));
        QCOMPARE(g.sortCol(), 3);
        click(g, 0, 3);
        QCOMPARE(column(g, 3), (QStringList{"3", "2", "1"}));
        QCOMPARE(g.sortOrder(), Qt::DescendingOrder);
        click(g, 0, 1); // B, now where A was
        QCOMPARE(column(g, 1), (QStringList{"a", "b", "c"}));
        QCOMPARE(g.sortCol(), 1);
        QCOMPARE(g.sortOrder(), Qt::AscendingOrder);
    }

    void currentRow()
    {
        FlexGrid g;
        g.resize(400, 300);
        fill(g, {{"a", "1"}, {"b", "2"}, {"c", "3"}});
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QSignalSpy rows(&g, &FlexGrid::currentRowChanged);
        QSignalSpy clicks(&g, &FlexGrid::clicked);
        QSignalSpy doubles(&g, &FlexGrid::doubleClicked);

        g.setRow(2);
        QCOMPARE(g.row(), 2);
        QCOMPARE(g.text(), QString()); // current column is still the selector
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.last().at(0).toInt(), 2);
        // The whole row, and only it, is selected.
        const QModelIndexList sel = g.view()->selectionModel()->selectedRows();
        QCOMPARE(sel.size(), 1);
        QCOMPARE(sel.first().row(), 1);
        g.setRow(2); // no change, no signal
        QCOMPARE(rows.size(), 1);
        g.setCol(1);
        QCOMPARE(g.text(), QStringLiteral("b"));

        g.setRow(0);
        QCOMPARE(g.row(), 0);
        QVERIFY(g.view()->selectionModel()->selectedRows().isEmpty());
        QCOMPARE(rows.last().at(0).toInt(), 0);

        click(g, 3, 2);
        QCOMPARE(g.row(), 3);
        QCOMPARE(g.col(), 2);
        QCOMPARE(rows.last().at(0).toInt(), 3);
        QCOMPARE(clicks.last().at(0).toInt(), 3);
        QCOMPARE(clicks.last().at(1).toInt(), 2);

        click(g, 1, 0); // the selector picks the row
        QCOMPARE(g.row(), 1);
        QCOMPARE(clicks.last().at(1).toInt(), 0);

        click(g, 2, 1, true);
        QCOMPARE(doubles.size(), 1);
        QCOMPARE(doubles.last().at(0).toInt(), 2);
        QCOMPARE(doubles.last().at(1).toInt(), 1);

        // Removing the current row moves the current row; the change is reported.
        g.setRow(3);
        const int before = int(rows.size());
        g.setRows(2);
        QVERIFY(g.row() <= 1);
        QVERIFY(rows.size() > before);
        QCOMPARE(rows.last().at(0).toInt(), g.row());

        // The grid is read-only.
        QCOMPARE(g.view()->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void topRowAndRowHeight()
    {
        FlexGrid g;
        g.resize(300, 200);
        QList<QStringList> data;
        for (int i = 1; i <= 100; ++i)
            data << QStringList{QString::number(i)};
        fill(g, data);
        g.setAllRowHeights(300);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QCOMPARE(g.rowHeight(5), 300);
        QCOMPARE(g.rowHeight(0), 300);
        QCOMPARE(g.topRow(), 1);
        g.setTopRow(50);
        QCOMPARE(g.topRow(), 50);
        g.setRowHeight(0, 800);
        QCOMPARE(g.rowHeight(0), 800);
        g.setRowHeight(3, 600);
        QCOMPARE(g.rowHeight(3), 600);
        QCOMPARE(g.rowHeight(4), 300);
        g.addRow({"", "101"}); // added rows get the common height
        QCOMPARE(g.rowHeight(101), 300);
    }

    // Only columns of the allowed range are dragged, and only inside it; width and format
    // travel with the column.
    // Fitting rows measures each distinct text of a column once; the heights must still be those
    // the view finds cell by cell, whatever repeats, wraps or breaks lines.
    void fittedRowsMatchCellByCell_data()
    {
        QTest::addColumn<QList<QStringList>>("data");
        QTest::addColumn<int>("narrowCol"); // column set narrow before the fit, 0 for none
        QTest::addColumn<bool>("wrap");
        const QString longText = QStringLiteral("朝は散歩、昼は水泳、夜はストレッチをしました");
        QTest::newRow("repeated short texts")
            << QList<QStringList>{{"1", "健康"}, {"1", "健康"}, {"2", "健康"}} << 0 << true;
        QTest::newRow("a long text wraps in a narrow column")
            << QList<QStringList>{{"1", longText}, {"2", "短い"}, {"3", longText}} << 2 << true;
        QTest::newRow("line breaks repeat")
            << QList<QStringList>{{"a\nb", "x"}, {"a\nb", "a\nb\nc"}, {"a", "x"}} << 0 << true;
        QTest::newRow("same text in two columns of different width")
            << QList<QStringList>{{longText, longText}, {"y", longText}} << 1 << true;
        QTest::newRow("no wrap") << QList<QStringList>{{longText, "z"}, {"a\nb", "z"}} << 1 << false;
    }
    void fittedRowsMatchCellByCell()
    {
        QFETCH(QList<QStringList>, data);
        QFETCH(int, narrowCol);
        QFETCH(bool, wrap);
        for (QStringList &r : data)
            for (QString &c : r)
                c.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        FlexGrid g;
        g.resize(500, 300);
        fill(g, data);
        g.setWordWrap(wrap);
        if (narrowCol)
            g.setColWidth(narrowCol, 900);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.autoSizeRows();
        QList<int> fitted;
        for (int r = 0; r < data.size(); ++r)
            fitted << g.view()->rowHeight(r);
        g.view()->resizeRowsToContents(); // the view's own fit, every cell measured
        QList<int> own;
        for (int r = 0; r < data.size(); ++r)
            own << g.view()->rowHeight(r);
        QCOMPARE(fitted, own);
        // The rows with more lines are really taller than a plain one.
        if (wrap && narrowCol == 2)
            QVERIFY(fitted[0] > fitted[1]);
    }

    void columnMoveLimits()
    {
        FlexGrid g;
        fill(g, {{"1", "2", "3", "4", "5"}});
        g.setColWidth(4, 900);
        g.setColFormat(4, "0.0");
        g.setColumnMoveRange(3, -1);
        QHeaderView *h = g.view()->horizontalHeader();

        // A drop of column 4 at position 1 is taken back.
        h->moveSection(3, 0);
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("A"));
        QCOMPARE(g.textMatrix(0, 4), QStringLiteral("D"));
        // Dragging column 2 (outside the range) is taken back too.
        h->moveSection(1, 4);
        QCOMPARE(g.textMatrix(0, 2), QStringLiteral("B"));
        // Column 4 to position 3 is allowed.
        h->moveSection(3, 2);
        QCOMPARE(g.textMatrix(0, 3), QStringLiteral("D"));
        QCOMPARE(g.textMatrix(0, 4), QStringLiteral("C"));
        QCOMPARE(g.textMatrix(1, 3), QStringLiteral("4.0"));
        QCOMPARE(g.colWidth(3), 900);
        QCOMPARE(g.findCol("D"), 3);
        // The program itself may move any column.
        g.moveColumn(5, 1);
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("E"));
        QCOMPARE(g.textMatrix(1, 2), QStringLiteral("1"));

        // Dragging is off by default.
        FlexGrid plain;
        fill(plain, {{"1", "2"}});
        plain.view()->horizontalHeader()->moveSection(1, 0);
        QCOMPARE(plain.textMatrix(0, 1), QStringLiteral("A"));
    }

    void columnDragWithMouse()
    {
        FlexGrid g;
        g.resize(600, 200);
        fill(g, {{"1", "2", "3", "4"}});
        for (int c = 1; c <= 4; ++c)
            g.setColWidth(c, 1200);
        g.setColumnMoveRange(3, -1);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        auto drag = [&](int from, int to) {
            const auto [w, p] = g.cellPosition(0, from);
            auto [w2, q] = g.cellPosition(0, to);
            q.rx() += from > to ? -20 : 20; // past the middle of the target
            QTest::mousePress(w, Qt::LeftButton, {}, p);
            for (int i = 1; i <= 10; ++i) {
                QMouseEvent move(QEvent::MouseMove, p + (q - p) * i / 10,
                                 w->mapToGlobal(p + (q - p) * i / 10), Qt::NoButton,
                                 Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(w, &move);
            }
            QTest::mouseRelease(w, Qt::LeftButton, {}, q);
        };
        drag(1, 3); // column 1 is outside the range
        QCOMPARE(g.textMatrix(0, 1), QStringLiteral("A"));
        drag(4, 3);
        QCOMPARE(g.textMatrix(0, 3), QStringLiteral("D"));
        QCOMPARE(g.textMatrix(0, 4), QStringLiteral("C"));
    }

    void fixedColumns()
    {
        FlexGrid g;
        g.resize(400, 200);
        fill(g, {{"1", "2", "3", "4", "5", "6"}});
        for (int c = 1; c <= 6; ++c)
            g.setColWidth(c, 1500);
        g.setFixedCols(3);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        auto *overlay = g.view()->findChild<QTableView *>("fixedColumns");
        QVERIFY(overlay);
        QVERIFY(overlay->isVisible());
        QVERIFY(!overlay->isColumnHidden(0));
        QVERIFY(!overlay->isColumnHidden(1));
        QVERIFY(overlay->isColumnHidden(2));
        // A click on a fixed column reaches the grid like any other.
        QSignalSpy clicks(&g, &FlexGrid::clicked);
        click(g, 1, 2);
        QCOMPARE(clicks.last().at(1).toInt(), 2);
        QCOMPARE(g.row(), 1);
        g.setFixedCols(1);
        QVERIFY(!overlay->isVisible());
    }

    void mouseMoveAndToolTip()
    {
        FlexGrid g;
        g.resize(400, 200);
        fill(g, {{"a", "b"}, {"c", "d"}});
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QSignalSpy moves(&g, &FlexGrid::mouseMoved);
        for (auto [r, c] : {std::pair{2, 2}, std::pair{0, 1}, std::pair{1, 0}}) {
            const auto [w, p] = g.cellPosition(r, c);
            QVERIFY(w);
            QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(w, &move);
            QCOMPARE(moves.last().at(0).toInt(), r);
            QCOMPARE(moves.last().at(1).toInt(), c);
            QCOMPARE(g.mouseRow(), r);
            QCOMPARE(g.mouseCol(), c);
        }
        g.setToolTipText("クリックでソートします。");
        QCOMPARE(g.toolTipText(), QStringLiteral("クリックでソートします。"));
        QCOMPARE(g.view()->model()->index(0, 0).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("クリックでソートします。"));
        QCOMPARE(g.view()->model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("クリックでソートします。"));
        g.setToolTipText(QString());
        QVERIFY(!g.view()->model()->index(0, 0).data(Qt::ToolTipRole).isValid());
    }

    void redrawAndPicture()
    {
        FlexGrid g;
        g.resize(300, 150);
        fill(g, {{"朝食", "1"}});
        g.setRedraw(false);
        QVERIFY(!g.redraw());
        QVERIFY(!g.updatesEnabled());
        g.setTextMatrix(1, 1, "昼食"); // changes still land
        QCOMPARE(g.textMatrix(1, 1), QStringLiteral("昼食"));
        g.setRedraw(true);
        QVERIFY(g.updatesEnabled());
        const QPixmap pm = g.picture();
        QVERIFY(!pm.isNull());
        QCOMPARE(pm.size(), g.size());
    }
};

QTEST_MAIN(TstFlexGrid)
#include "tst_flexgrid.moc"
