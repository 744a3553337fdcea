#include "flexgrid_p.h"

// FlexGrid's columns (widths, alignment, formats, moving), rows (heights) and sorting.

namespace mirte {

// ---- columns ----

int FlexGrid::colWidth(int col) const
{
    if (col == 0) {
        const QHeaderView *v = d->view->verticalHeader();
        if (v->isHidden())
            return 0;
        return d->px(d->selectorTwips) == v->width() ? d->selectorTwips : d->tw(v->width());
    }
    const int l = d->logical(col);
    if (l < 0 || d->view->isColumnHidden(l))
        return 0;
    const int pixels = d->view->columnWidth(l);
    const auto it = d->widthTwips.constFind(l);
    if (it != d->widthTwips.constEnd() && d->px(*it) == pixels)
        return *it;
    return d->tw(pixels);
}

void FlexGrid::setColWidth(int col, int twips)
{
    twips = std::max(0, twips);
    if (col == 0) {
        QHeaderView *v = d->view->verticalHeader();
        v->setVisible(twips > 0);
        if (twips > 0) {
            d->selectorTwips = twips;
            v->setFixedWidth(d->px(twips));
        }
        d->syncFrozen();
        return;
    }
    const int l = d->logical(col);
    if (l < 0)
        return;
    d->widthTwips.insert(l, twips);
    if (twips == 0) {
        d->view->setColumnHidden(l, true);
    } else {
        d->view->setColumnHidden(l, false);
        d->view->setColumnWidth(l, std::max(1, d->px(twips)));
    }
    d->syncFrozen();
}

bool FlexGrid::colHidden(int col) const
{
    if (col == 0)
        return d->view->verticalHeader()->isHidden();
    const int l = d->logical(col);
    return l >= 0 && d->view->isColumnHidden(l);
}

Qt::Alignment FlexGrid::colAlignment(int col) const
{
    const int l = d->logical(col);
    return l < 0 ? Qt::Alignment() : d->model->column(l).alignment;
}

void FlexGrid::setColAlignment(int col, Qt::Alignment alignment)
{
    const int l = d->logical(col);
    if (l < 0)
        return;
    d->model->column(l).alignment = alignment;
    d->model->columnChanged(l);
}

QString FlexGrid::colFormat(int col) const
{
    const int l = d->logical(col);
    return l < 0 ? QString() : d->model->column(l).picture;
}

void FlexGrid::setColFormat(int col, const QString &picture)
{
    const int l = d->logical(col);
    if (l < 0)
        return;
    d->model->column(l).picture = picture;
    d->model->columnChanged(l);
}

void FlexGrid::setColFormatter(int col, CellFormatter formatter)
{
    const int l = d->logical(col);
    if (l < 0)
        return;
    d->model->column(l).formatter = std::move(formatter);
    d->model->columnChanged(l);
}

void FlexGrid::autoSizeCol(int col)
{
    if (col == 0)
        return;
    const int l = d->logical(col);
    if (l < 0)
        return;
    d->view->setColumnHidden(l, false);
    d->view->resizeColumnToContents(l);
    d->widthTwips.remove(l);
    d->syncFrozen();
}

int FlexGrid::fixedCols() const { return d->fixedCols; }

void FlexGrid::setFixedCols(int count)
{
    d->fixedCols = std::max(1, count);
    d->syncFrozen();
}

void FlexGrid::moveColumn(int from, int to)
{
    if (from < 1 || from > d->dataCols() || to < 1 || to > d->dataCols() || from == to)
        return;
    d->reverting = true; // a move by the program is not limited to the drag range
    d->view->horizontalHeader()->moveSection(from - 1, to - 1);
    d->reverting = false;
    d->syncFrozen();
    const QModelIndex cur = d->view->currentIndex();
    if (cur.isValid())
        d->col = d->position(cur.column());
    d->report();
}

void FlexGrid::setColumnMoveRange(int first, int last)
{
    d->moveFirst = first;
    d->moveLast = last;
}

std::pair<int, int> FlexGrid::columnMoveRange() const
{
    return {d->moveFirst, d->moveLast};
}

// ---- rows ----

int FlexGrid::rowHeight(int row) const
{
    // The twips last set are given back when the pixels still match them.
    auto back = [this](int pixels, std::initializer_list<int> candidates) {
        for (int t : candidates)
            if (t > 0 && d->px(t) == pixels)
                return t;
        return d->tw(pixels);
    };
    if (row == 0)
        return back(d->view->horizontalHeader()->height(), {d->headerTwips, d->allRowTwips});
    if (row < 1 || row > d->dataRows())
        return 0;
    return back(d->view->rowHeight(row - 1), {d->rowTwips.value(row - 1, -1), d->allRowTwips});
}

void FlexGrid::setRowHeight(int row, int twips)
{
    if (row >= 1)
        d->fitShown = false;
    const int pixels = std::max(1, d->px(twips));
    if (row == 0) {
        d->headerTwips = twips;
        d->view->horizontalHeader()->setFixedHeight(pixels);
        d->syncFrozen();
    } else if (row >= 1 && row <= d->dataRows()) {
        d->rowTwips.insert(row - 1, twips);
        d->view->setRowHeight(row - 1, pixels);
    }
}

void FlexGrid::setAllRowHeights(int twips)
{
    d->fitShown = false;
    d->allRowTwips = std::max(1, twips);
    d->headerTwips = -1;
    d->rowTwips.clear();
    const int pixels = std::max(1, d->px(twips));
    d->view->verticalHeader()->setDefaultSectionSize(pixels);
    d->view->horizontalHeader()->setFixedHeight(pixels);
    d->applyRowHeights();
    d->syncFrozen();
}

void FlexGrid::autoSizeRows()
{
    d->allRowTwips = -1;
    d->rowTwips.clear();
    if (d->model->readsLazily()) {
        d->fitShown = true;
        d->fitted.clear();
        d->fitRowsInView();
    } else {
        static_cast<GridView *>(d->view)->resizeRowsToContentsOnce();
    }
    d->syncFrozen();
}

void FlexGrid::setWordWrap(bool on)
{
    d->view->setWordWrap(on);
    if (d->frozen)
        d->frozen->setWordWrap(on);
}

// ---- sorting ----

void FlexGrid::sort(int col, Qt::SortOrder order)
{
    const int l = d->logical(col);
    if (l < 0)
        return;
    d->model->sortRows(l, order);
    d->sortLogical = l;
    d->sortOrder = order;
    const QModelIndex cur = d->view->currentIndex();
    if (cur.isValid())
        d->view->scrollTo(cur);
    d->report();
    emit sorted(col, order);
}

bool FlexGrid::headerClickSort() const { return d->headerClickSort; }
void FlexGrid::setHeaderClickSort(bool on) { d->headerClickSort = on; }
int FlexGrid::sortCol() const
{
    return d->sortLogical >= 0 && d->sortLogical < d->dataCols() ? d->position(d->sortLogical) : -1;
}
Qt::SortOrder FlexGrid::sortOrder() const { return d->sortOrder; }

} // namespace mirte
