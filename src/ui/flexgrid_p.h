#pragma once
// The inside of FlexGrid, shared by its interface (flexgrid.cpp) and its columns and rows
// (flexgrid_columns.cpp).

#include "flexgrid.h"

#include "database.h"
#include "flexgridmodel.h"
#include "uiutil.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <QHash>
#include <optional>

namespace mirte {

namespace flexgriddetail {
// Gaining the focus does not make a row current: "no row" stays until a row is chosen.
class GridView : public QTableView {
public:
    using QTableView::QTableView;

    // Fits every row to its cells. A long list has thousands of rows but few distinct texts in a
    // column (dates aside), and while the widths stand a cell's height depends only on its text
    // and column: each of those is measured once per fit instead of once per cell.
    void resizeRowsToContentsOnce()
    {
        m_heights.emplace();
        resizeRowsToContents();
        m_heights.reset();
    }

    // The height that fits a row's cells.
    int fittingHeight(int row) const { return sizeHintForRow(row); }

    int sizeHintForRow(int row) const override
    {
        auto *m = qobject_cast<FlexGridModel *>(model());
        if (!m_heights || !m || verticalHeader()->resizeContentsPrecision() < m->columnCount())
            return QTableView::sizeHintForRow(row);
        ensurePolished();
        if (m_heights->size() != m->columnCount())
            m_heights->resize(m->columnCount());
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        QHeaderView *h = horizontalHeader();
        int hint = 0;
        for (int l = 0; l < m->columnCount(); ++l) {
            if (h->isSectionHidden(l))
                continue;
            const QString text = m->displayText(row, l);
            QHash<QString, int> &known = (*m_heights)[l];
            auto it = known.constFind(text);
            if (it == known.cend()) {
                const QModelIndex i = m->index(row, l);
                if (wordWrap()) {
                    option.rect = QRect(columnViewportPosition(l), rowViewportPosition(row), columnWidth(l),
                                        std::max(1, rowHeight(row)));
                    if (showGrid())
                        option.rect.setWidth(option.rect.width() - 1);
                }
                it = known.insert(text, itemDelegateForIndex(i)->sizeHint(option, i).height());
            }
            hint = std::max(hint, *it);
        }
        return showGrid() ? hint + 1 : hint;
    }

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QAbstractScrollArea::focusInEvent(event);
        viewport()->update();
    }

private:
    mutable std::optional<QList<QHash<QString, int>>> m_heights; // by model column, while fitting
};
} // namespace flexgriddetail

using flexgriddetail::GridView;

struct FlexGrid::Private {
    FlexGrid *q;
    QTableView *view = nullptr;
    QTableView *frozen = nullptr; // overlay for fixed columns, created on demand
    FlexGridModel *model = nullptr;

    QString sql;
    QVariantList params;
    QString corner;
    QHash<int, int> widthTwips; // logical column -> twips as set
    int fixedCols = 1;
    int moveFirst = 0;
    int moveLast = -1;
    bool reverting = false;
    int sortLogical = -1; // the sorted column itself, so that a drag does not lose it
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    bool headerClickSort = true;
    bool redraw = true;
    int col = 0;            // current column (kept while no row is current)
    int lastRow = 0;        // as last reported
    int lastCol = 0;
    int mouseRow = -1;
    int mouseCol = -1;
    int allRowTwips = -1;
    int selectorTwips = 200;
    int headerTwips = -1;
    QHash<int, int> rowTwips;  // model row -> twips as set
    bool settingCurrent = false;
    bool fitShown = false;     // rows read lazily: fitted as they come into view
    QList<bool> fitted;

    // Fits the rows in view not fitted yet (a lazily read grid after autoSizeRows).
    void fitRowsInView()
    {
        if (!fitShown || !view)
            return;
        if (fitted.size() != dataRows())
            fitted = QList<bool>(dataRows(), false);
        const int height = view->viewport()->height();
        for (int r = std::max(0, view->rowAt(0)); r >= 0 && r < dataRows(); ++r) {
            if (view->rowViewportPosition(r) >= height)
                break;
            if (!fitted[r]) {
                fitted[r] = true;
                view->setRowHeight(r, static_cast<GridView *>(view)->fittingHeight(r));
            }
        }
    }

    int dataCols() const { return model->columnCount(); }
    int dataRows() const { return model->rowCount(); }
    // API column (display position) -> model column, -1 when not a data column.
    int logical(int c) const
    {
        if (c < 1 || c > dataCols())
            return -1;
        return view->horizontalHeader()->logicalIndex(c - 1);
    }
    int position(int logicalCol) const
    {
        return logicalCol < 0 ? -1 : view->horizontalHeader()->visualIndex(logicalCol) + 1;
    }
    int px(int twips) const { return twipsToPixels(twips, view); }
    int tw(int pixels) const { return pixelsToTwips(pixels, view); }

    int currentRow() const
    {
        const QModelIndex i = view->currentIndex();
        return i.isValid() ? i.row() + 1 : 0;
    }

    void report()
    {
        const int r = currentRow();
        const int c = col;
        const bool rowChanged = r != lastRow;
        const bool cellChanged = rowChanged || c != lastCol;
        lastRow = r;
        lastCol = c;
        if (rowChanged)
            emit q->currentRowChanged(r);
        if (cellChanged)
            emit q->currentCellChanged(r, c);
    }

    void setCurrent(int r, int c)
    {
        col = std::clamp(c, 0, dataCols());
        if (r < 1 || r > dataRows()) {
            view->selectionModel()->clearSelection();
            view->selectionModel()->clearCurrentIndex();
        } else {
            int l = logical(std::max(1, col));
            if (l < 0)
                l = 0;
            if (dataCols() > 0) {
                const QModelIndex i = model->index(r - 1, l);
                settingCurrent = true;
                view->selectionModel()->setCurrentIndex(
                    i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                settingCurrent = false;
                view->scrollTo(i);
            }
        }
        report();
    }

    void resetColumns()
    {
        QHeaderView *h = view->horizontalHeader();
        widthTwips.clear();
        for (int l = 0; l < dataCols(); ++l) {
            view->setColumnHidden(l, false);
            h->resizeSection(l, h->defaultSectionSize());
        }
        // Back to query order.
        for (int v = 0; v < dataCols(); ++v) {
            const int from = h->visualIndex(v);
            if (from != v)
                h->moveSection(from, v);
        }
        sortLogical = -1;
        sortOrder = Qt::AscendingOrder;
        rowTwips.clear();
        applyRowHeights();
        syncFrozen();
    }

    void applyRowHeights()
    {
        if (allRowTwips >= 0) {
            for (int r = 0; r < dataRows(); ++r)
                view->setRowHeight(r, px(allRowTwips));
        }
    }

    // ---- fixed columns overlay ----
    void createFrozen()
    {
        frozen = new QTableView(view);
        frozen->setObjectName(QStringLiteral("fixedColumns"));
        frozen->setModel(model);
        frozen->setSelectionModel(view->selectionModel());
        frozen->setFocusPolicy(Qt::NoFocus);
        frozen->setSelectionBehavior(QAbstractItemView::SelectRows);
        frozen->setSelectionMode(QAbstractItemView::SingleSelection);
        frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
        frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        frozen->setFrameShape(QFrame::NoFrame);
        frozen->setCornerButtonEnabled(view->isCornerButtonEnabled());
        frozen->setStyleSheet(QStringLiteral("QTableView { border-right: 1px solid palette(mid); }"));
        frozen->verticalHeader()->setMinimumSectionSize(1);
        frozen->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        frozen->horizontalHeader()->setMinimumSectionSize(0);
        frozen->horizontalHeader()->setDefaultAlignment(kHeaderAlignment);
        frozen->horizontalHeader()->setHighlightSections(false);
        frozen->verticalHeader()->setHighlightSections(false);
        frozen->setWordWrap(view->wordWrap());
        QObject::connect(frozen->verticalScrollBar(), &QScrollBar::valueChanged,
                         view->verticalScrollBar(), &QScrollBar::setValue);
        QObject::connect(view->verticalScrollBar(), &QScrollBar::valueChanged,
                         frozen->verticalScrollBar(), &QScrollBar::setValue);
        q->hookView(frozen);
    }

    void syncFrozen()
    {
        if (fixedCols <= 1 || dataCols() == 0) {
            if (frozen)
                frozen->hide();
            view->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
            return;
        }
        if (!frozen)
            createFrozen();
        view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        QHeaderView *mh = view->horizontalHeader();
        QHeaderView *fh = frozen->horizontalHeader();
        // Same column order as the grid, only the fixed positions shown.
        for (int v = 0; v < dataCols(); ++v) {
            const int l = mh->logicalIndex(v);
            const int from = fh->visualIndex(l);
            if (from != v)
                fh->moveSection(from, v);
        }
        int width = view->verticalHeader()->isHidden() ? 0 : view->verticalHeader()->width();
        for (int l = 0; l < dataCols(); ++l) {
            const bool shown = mh->visualIndex(l) < fixedCols - 1 && !view->isColumnHidden(l);
            frozen->setColumnHidden(l, !shown);
            if (shown) {
                frozen->setColumnWidth(l, view->columnWidth(l));
                width += view->columnWidth(l);
            }
        }
        frozen->verticalHeader()->setVisible(!view->verticalHeader()->isHidden());
        frozen->verticalHeader()->setFixedWidth(view->verticalHeader()->width());
        frozen->verticalHeader()->setDefaultSectionSize(
            view->verticalHeader()->defaultSectionSize());
        for (int r = 0; r < dataRows(); ++r) {
            const int h = view->rowHeight(r);
            if (frozen->rowHeight(r) != h)
                frozen->setRowHeight(r, h);
        }
        fh->setFixedHeight(mh->height());
        const int fw = view->frameWidth();
        frozen->setGeometry(fw, fw, width, mh->height() + view->viewport()->height());
        frozen->verticalScrollBar()->setValue(view->verticalScrollBar()->value());
        frozen->show();
        frozen->raise();
    }
};

} // namespace mirte
