#include "flexgrid_p.h"

namespace mirte {

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
    // Rows read as they are shown are fitted as they come into view.
    connect(d->view->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { d->fitRowsInView(); });
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
    d->fitRowsInView();
    d->syncFrozen();
}

void FlexGrid::setRowReader(int rows, std::function<QList<QVariantList>(int first, int count)> reader)
{
    d->fitShown = false;
    d->fitted.clear();
    // The reader gives columns in their order on the screen when it was given; the model keeps
    // them by logical index, so a column moved later does not mix the pages.
    QList<int> logical;
    for (int c = 1; c <= d->dataCols(); ++c)
        logical << d->logical(c);
    d->model->setRowReader(rows, [logical, reader = std::move(reader)](int first, int count) {
        QList<QVariantList> page = reader(first, count);
        for (QVariantList &cells : page) {
            QVariantList byLogical(logical.size());
            for (int c = 0; c < cells.size() && c < logical.size(); ++c)
                byLogical[logical[c]] = cells[c];
            cells = std::move(byLogical);
        }
        return page;
    });
    d->applyRowHeights();
    d->report();
}

} // namespace mirte
