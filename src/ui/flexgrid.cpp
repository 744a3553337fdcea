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

namespace {
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
} // namespace

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

FlexGrid::FlexGrid(QWidget *parent) : QWidget(parent), d(std::make_unique<Private>())
{
    d->q = this;
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    d->view = new GridView(this);
    d->view->setObjectName(QStringLiteral("view"));
    lay->addWidget(d->view);
    setFocusProxy(d->view);

    d->model = new FlexGridModel(this);
    d->view->setModel(d->model);
    d->view->setSelectionBehavior(QAbstractItemView::SelectRows);
    d->view->setSelectionMode(QAbstractItemView::SingleSelection);
    d->view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->view->setWordWrap(true);
    d->view->setTextElideMode(Qt::ElideNone);
    d->view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    QHeaderView *h = d->view->horizontalHeader();
    h->setDefaultAlignment(kHeaderAlignment);
    h->setMinimumSectionSize(0);
    h->setSectionsMovable(false);
    h->setHighlightSections(false);
    h->setSectionsClickable(true);
    QHeaderView *v = d->view->verticalHeader();
    v->setMinimumSectionSize(1);
    v->setSectionResizeMode(QHeaderView::Fixed);
    v->setDefaultSectionSize(std::max(v->minimumSectionSize(), fontMetrics().height() + 6));
    v->setHighlightSections(false);
    v->setFixedWidth(d->px(200));

    hookView(d->view);

    // Dragging a column: only inside the allowed range.
    h->viewport()->installEventFilter(this);
    connect(h, &QHeaderView::sectionMoved, this, [this](int, int oldVisual, int newVisual) {
        if (d->reverting)
            return;
        const int first = d->moveFirst;
        const int last = d->moveLast < 0 ? d->dataCols() : d->moveLast;
        const int to = newVisual + 1;
        const int from = oldVisual + 1;
        if (first < 1 || from < first || from > last || to < first || to > last) {
            d->reverting = true;
            d->view->horizontalHeader()->moveSection(newVisual, oldVisual);
            d->reverting = false;
        }
        d->syncFrozen();
        d->report();
    });
    connect(h, &QHeaderView::sectionResized, this, [this] { d->syncFrozen(); });
    connect(h, &QHeaderView::geometriesChanged, this, [this] { d->syncFrozen(); });
    connect(v, &QHeaderView::sectionResized, this, [this](int logicalRow, int, int size) {
        if (d->frozen)
            d->frozen->setRowHeight(logicalRow, size);
    });
    connect(d->view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &cur) {
                if (cur.isValid() && !d->settingCurrent)
                    d->col = d->position(cur.column());
                d->report();
            });
    connect(d->model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first, int last) {
        if (d->allRowTwips >= 0)
            for (int r = first; r <= last; ++r)
                d->view->setRowHeight(r, d->px(d->allRowTwips));
        d->syncFrozen();
    });
    connect(d->model, &QAbstractItemModel::rowsRemoved, this, [this] { d->report(); });
    if (auto *corner = d->view->findChild<QAbstractButton *>()) {
        disconnect(corner, nullptr, d->view, nullptr);
        connect(corner, &QAbstractButton::clicked, this, [this] { emit clicked(0, 0); });
    }
}

FlexGrid::~FlexGrid()
{
    // The view goes first, while the state its signals reach is still there, and without
    // telling this grid about its own teardown.
    for (QTableView *v : {d->frozen, d->view}) {
        if (!v)
            continue;
        for (QObject *o : std::initializer_list<QObject *>{v, v->horizontalHeader(), v->verticalHeader(),
                                                           v->selectionModel()})
            disconnect(o, nullptr, this, nullptr);
        v->viewport()->removeEventFilter(this);
        v->horizontalHeader()->viewport()->removeEventFilter(this);
        v->verticalHeader()->viewport()->removeEventFilter(this);
    }
    disconnect(d->model, nullptr, this, nullptr);
    delete d->view;
    d->view = nullptr;
    d->frozen = nullptr;
}

void FlexGrid::hookView(QTableView *view)
{
    view->viewport()->setMouseTracking(true);
    view->viewport()->installEventFilter(this);
    view->horizontalHeader()->viewport()->setMouseTracking(true);
    view->horizontalHeader()->viewport()->installEventFilter(this);
    view->verticalHeader()->viewport()->setMouseTracking(true);
    view->verticalHeader()->viewport()->installEventFilter(this);
    connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex &i) {
        emit clicked(i.row() + 1, d->position(i.column()));
    });
    connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int l) {
        const int c = d->position(l);
        if (d->headerClickSort && c >= 1) {
            const bool descending = d->sortLogical == l && d->sortOrder == Qt::AscendingOrder;
            sort(c, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        }
        emit clicked(0, c);
    });
    connect(view->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int l) { emit doubleClicked(0, d->position(l)); });
    connect(view->verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int r) { emit clicked(r + 1, 0); });
    connect(view->verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int r) { emit doubleClicked(r + 1, 0); });
}

// ---- size ----

int FlexGrid::rows() const { return d->dataRows() + 1; }

void FlexGrid::setRows(int rows)
{
    d->model->resizeTo(std::max(1, rows) - 1, d->dataCols());
    d->report();
}

int FlexGrid::cols() const { return d->dataCols() + 1; }

void FlexGrid::setCols(int cols)
{
    const int old = d->dataCols();
    d->model->resizeTo(d->dataRows(), std::max(1, cols) - 1);
    for (auto it = d->widthTwips.begin(); it != d->widthTwips.end();) {
        if (it.key() >= d->dataCols())
            it = d->widthTwips.erase(it);
        else
            ++it;
    }
    if (d->col > d->dataCols())
        d->col = d->dataCols();
    if (d->dataCols() != old)
        d->syncFrozen();
    d->report();
}

// ---- cells ----

QString FlexGrid::textMatrix(int row, int col) const
{
    if (row == 0 && col == 0)
        return d->corner;
    if (row == 0)
        return d->model->header(d->logical(col));
    if (row < 0 || row > d->dataRows())
        return {};
    if (col == 0)
        return d->model->selector(row - 1);
    return d->model->displayText(row - 1, d->logical(col));
}

void FlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    setValueMatrix(row, col, text);
}

QVariant FlexGrid::valueMatrix(int row, int col) const
{
    if (row == 0 || col == 0)
        return textMatrix(row, col);
    if (row < 0 || row > d->dataRows())
        return {};
    return d->model->value(row - 1, d->logical(col));
}

void FlexGrid::setValueMatrix(int row, int col, const QVariant &value)
{
    if (row == 0 && col == 0)
        d->corner = value.toString();
    else if (row == 0)
        d->model->setHeader(d->logical(col), value.toString());
    else if (col == 0)
        d->model->setSelector(row - 1, value.toString());
    else
        d->model->setValue(row - 1, d->logical(col), value);
}

QString FlexGrid::text() const
{
    return textMatrix(row(), col());
}

int FlexGrid::addRow(const QVariantList &cells)
{
    QVariantList byLogical(d->dataCols());
    for (int c = 1; c < cells.size() && c <= d->dataCols(); ++c)
        byLogical[d->logical(c)] = cells[c];
    d->model->insertDataRow(d->dataRows(), cells.isEmpty() ? QString() : cells[0].toString(),
                            byLogical);
    return d->dataRows();
}

void FlexGrid::removeRow(int row)
{
    if (row < 1 || row > d->dataRows())
        return;
    d->model->removeDataRow(row - 1);
    d->report();
}

void FlexGrid::clearRows()
{
    setRows(1);
}

int FlexGrid::findCol(const QString &header, int from) const
{
    for (int c = std::max(1, from); c <= d->dataCols(); ++c)
        if (textMatrix(0, c) == header)
            return c;
    return -1;
}

// ---- binding ----

void FlexGrid::setResultSet(const ResultSet &rs)
{
    d->view->selectionModel()->clearSelection();
    d->model->setTable(rs.columns, rs.rows);
    d->col = 0;
    d->resetColumns();
    d->report();
}

void FlexGrid::setRecordSource(const QString &sql, const QVariantList &params)
{
    const ResultSet rs = G_DB().select(sql, params);
    d->sql = sql;
    d->params = params;
    setResultSet(rs);
}

QString FlexGrid::recordSource() const { return d->sql; }
QVariantList FlexGrid::recordParams() const { return d->params; }

void FlexGrid::refresh()
{
    if (d->sql.isEmpty())
        return;
    setResultSet(G_DB().select(d->sql, d->params));
}

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
    static_cast<GridView *>(d->view)->resizeRowsToContentsOnce();
    d->syncFrozen();
}

void FlexGrid::setWordWrap(bool on)
{
    d->view->setWordWrap(on);
    if (d->frozen)
        d->frozen->setWordWrap(on);
}

// ---- current cell ----

int FlexGrid::row() const { return d->currentRow(); }

void FlexGrid::setRow(int row) { d->setCurrent(row, d->col); }

int FlexGrid::col() const { return d->col; }

void FlexGrid::setCol(int col) { d->setCurrent(row(), col); }

void FlexGrid::setCurrentCell(int row, int col) { d->setCurrent(row, col); }

int FlexGrid::topRow() const
{
    if (d->dataRows() == 0)
        return 0;
    const int r = d->view->rowAt(0);
    return r < 0 ? 1 : r + 1;
}

void FlexGrid::setTopRow(int row)
{
    if (row < 1 || row > d->dataRows() || d->dataCols() == 0)
        return;
    d->view->verticalScrollBar()->setValue(row - 1);
}

int FlexGrid::mouseRow() const { return d->mouseRow; }
int FlexGrid::mouseCol() const { return d->mouseCol; }

// ---- painting ----

bool FlexGrid::redraw() const { return d->redraw; }

void FlexGrid::setRedraw(bool on)
{
    if (d->redraw == on)
        return;
    d->redraw = on;
    setUpdatesEnabled(on);
    if (on) {
        d->syncFrozen();
        update();
    }
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

// ---- misc ----

QString FlexGrid::toolTipText() const { return d->model->toolTip(); }

void FlexGrid::setToolTipText(const QString &text)
{
    d->model->setToolTip(text);
    setToolTip(text);
}

QPixmap FlexGrid::picture() const
{
    return const_cast<FlexGrid *>(this)->grab();
}

std::pair<QWidget *, QPoint> FlexGrid::cellPosition(int row, int col) const
{
    QTableView *v = d->view;
    if (d->frozen && d->frozen->isVisible() && col >= 1 && col < d->fixedCols)
        v = d->frozen;
    if (row == 0 && col == 0) {
        if (auto *corner = v->findChild<QAbstractButton *>())
            return {corner, corner->rect().center()};
        return {nullptr, {}};
    }
    if (row == 0) {
        const int l = d->logical(col);
        if (l < 0 || v->isColumnHidden(l))
            return {nullptr, {}};
        QHeaderView *h = v->horizontalHeader();
        const int x = h->sectionViewportPosition(l) + h->sectionSize(l) / 2;
        return {h->viewport(), QPoint(x, h->height() / 2)};
    }
    if (row < 1 || row > d->dataRows())
        return {nullptr, {}};
    if (col == 0) {
        QHeaderView *h = v->verticalHeader();
        const int y = h->sectionViewportPosition(row - 1) + h->sectionSize(row - 1) / 2;
        return {h->viewport(), QPoint(h->width() / 2, y)};
    }
    const int l = d->logical(col);
    if (l < 0 || v->isColumnHidden(l))
        return {nullptr, {}};
    const QRect r = v->visualRect(d->model->index(row - 1, l));
    if (!r.isValid() || !v->viewport()->rect().intersects(r))
        return {nullptr, {}};
    return {v->viewport(), r.center()};
}

QTableView *FlexGrid::view() const { return d->view; }

bool FlexGrid::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    if (t == QEvent::MouseButtonPress && watched == d->view->horizontalHeader()->viewport()) {
        // Only the columns of the drag range can be picked up.
        auto *me = static_cast<QMouseEvent *>(event);
        QHeaderView *h = d->view->horizontalHeader();
        const int c = d->position(h->logicalIndexAt(me->position().toPoint()));
        const int last = d->moveLast < 0 ? d->dataCols() : d->moveLast;
        h->setSectionsMovable(d->moveFirst >= 1 && c >= d->moveFirst && c <= last);
    }
    if (t == QEvent::MouseButtonDblClick) {
        // Reported here: the item view only reports a double click on a row that was
        // already current before the first click.
        auto *me = static_cast<QMouseEvent *>(event);
        for (QTableView *v : {d->view, d->frozen}) {
            if (v && watched == v->viewport() && me->button() == Qt::LeftButton) {
                const QModelIndex i = v->indexAt(me->position().toPoint());
                if (i.isValid())
                    emit doubleClicked(i.row() + 1, d->position(i.column()));
            }
        }
    }
    if (t == QEvent::MouseMove) {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint p = me->position().toPoint();
        int r = -1, c = -1;
        for (QTableView *v : {d->view, d->frozen}) {
            if (!v)
                continue;
            if (watched == v->viewport()) {
                const int vr = v->rowAt(p.y());
                const int vc = v->columnAt(p.x());
                if (vr >= 0 && vc >= 0) {
                    r = vr + 1;
                    c = d->position(vc);
                }
            } else if (watched == v->horizontalHeader()->viewport()) {
                const int l = v->horizontalHeader()->logicalIndexAt(p);
                if (l >= 0) {
                    r = 0;
                    c = d->position(l);
                }
            } else if (watched == v->verticalHeader()->viewport()) {
                const int vr = v->verticalHeader()->logicalIndexAt(p);
                if (vr >= 0) {
                    r = vr + 1;
                    c = 0;
                }
            }
        }
        d->mouseRow = r;
        d->mouseCol = c;
        emit mouseMoved(r, c);
    }
    return QWidget::eventFilter(watched, event);
}

void FlexGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    d->syncFrozen();
}

} // namespace mirte
