#include "flexgridmodel.h"

#include "suuji.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace mirte {

FlexGridModel::FlexGridModel(QObject *parent) : QAbstractTableModel(parent) {}

int FlexGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FlexGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

bool FlexGridModel::numericValue(const QVariant &v, double *out)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        *out = v.toDouble();
        return std::isfinite(*out);
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return false;
        bool ok = false;
        *out = s.toDouble(&ok); // C-locale reading: "." is the decimal point
        return ok && std::isfinite(*out);
    }
    default:
        return false;
    }
}

QString FlexGridModel::plainText(const QVariant &v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::trunc(d) && std::abs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 15);
    }
    return v.toString();
}

QString FlexGridModel::displayText(int row, int col) const
{
    if (row < 0 || row >= m_rows.size() || col < 0 || col >= m_columns.size())
        return {};
    const QVariant &v = this->row(row)[col];
    const Column &c = m_columns[col];
    if (c.formatter)
        return c.formatter(v);
    if (!c.picture.isEmpty()) {
        double d = 0;
        if (numericValue(v, &d))
            return Format(d, c.picture);
    }
    return plainText(v);
}

QVariant FlexGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::TextAlignmentRole: {
        const Column &c = m_columns[index.column()];
        Qt::Alignment a = c.alignment;
        if (!(a & Qt::AlignHorizontal_Mask)) {
            double d = 0;
            a |= numericValue(row(index.row())[index.column()], &d) ? Qt::AlignRight
                                                                       : Qt::AlignLeft;
        }
        if (!(a & Qt::AlignVertical_Mask))
            a |= Qt::AlignVCenter;
        return QVariant::fromValue(a);
    }
    case Qt::ToolTipRole:
        return m_toolTip.isEmpty() ? QVariant() : QVariant(m_toolTip);
    default:
        return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole) {
        if (orientation == Qt::Horizontal)
            return m_columns.value(section).header;
        return m_selector.value(section);
    }
    if (role == Qt::ToolTipRole)
        return m_toolTip.isEmpty() ? QVariant() : QVariant(m_toolTip);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(kHeaderAlignment);
    return {};
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

const QVariantList &FlexGridModel::row(int r) const
{
    if (m_reader && !m_read[r]) {
        constexpr int kPage = 100;
        const int first = r / kPage * kPage;
        const int count = std::min(kPage, int(m_rows.size()) - first);
        const QList<QVariantList> page = m_reader(first, count);
        for (int i = 0; i < count; ++i) {
            QVariantList cells = page.value(i);
            cells.resize(m_columns.size());
            m_rows[first + i] = std::move(cells);
            m_read[first + i] = true;
        }
    }
    return m_rows[r];
}

void FlexGridModel::readAll()
{
    if (!m_reader)
        return;
    for (int r = 0; r < m_rows.size(); ++r)
        row(r);
    m_reader = {};
    m_read.clear();
}

void FlexGridModel::setRowReader(int dataRows, RowReader reader)
{
    beginResetModel();
    m_rows = QList<QVariantList>(std::max(0, dataRows));
    m_read = QList<bool>(m_rows.size(), false);
    m_selector.fill(QString(), m_rows.size());
    m_reader = std::move(reader);
    endResetModel();
}

void FlexGridModel::setTable(const QStringList &headers, const QList<QVariantList> &rows)
{
    beginResetModel();
    m_reader = {};
    m_read.clear();
    m_columns.clear();
    for (const QString &h : headers)
        m_columns.append(Column{h, {}, {}, {}});
    m_rows = rows;
    for (QVariantList &r : m_rows)
        r.resize(m_columns.size());
    m_selector.fill(QString(), m_rows.size());
    endResetModel();
}

void FlexGridModel::resizeTo(int dataRows, int dataCols)
{
    readAll();
    dataRows = std::max(0, dataRows);
    dataCols = std::max(0, dataCols);
    const int oldCols = int(m_columns.size());
    if (dataCols < oldCols) {
        beginRemoveColumns({}, dataCols, oldCols - 1);
        m_columns.resize(dataCols);
        for (QVariantList &r : m_rows)
            r.resize(dataCols);
        endRemoveColumns();
    } else if (dataCols > oldCols) {
        beginInsertColumns({}, oldCols, dataCols - 1);
        m_columns.resize(dataCols);
        for (QVariantList &r : m_rows)
            r.resize(dataCols);
        endInsertColumns();
    }
    const int oldRows = int(m_rows.size());
    if (dataRows < oldRows) {
        beginRemoveRows({}, dataRows, oldRows - 1);
        m_rows.resize(dataRows);
        m_selector.resize(dataRows);
        endRemoveRows();
    } else if (dataRows > oldRows) {
        beginInsertRows({}, oldRows, dataRows - 1);
        for (int i = oldRows; i < dataRows; ++i) {
            m_rows.append(QVariantList(m_columns.size()));
            m_selector.append(QString());
        }
        endInsertRows();
    }
}

void FlexGridModel::insertDataRow(int at, const QString &selector, const QVariantList &cells)
{
    readAll();
    at = std::clamp(at, 0, int(m_rows.size()));
    QVariantList row = cells.mid(0, m_columns.size());
    row.resize(m_columns.size());
    beginInsertRows({}, at, at);
    m_rows.insert(at, row);
    m_selector.insert(at, selector);
    endInsertRows();
}

void FlexGridModel::removeDataRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    readAll();
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    m_selector.removeAt(row);
    endRemoveRows();
}

QVariant FlexGridModel::value(int row, int col) const
{
    if (row < 0 || row >= m_rows.size() || col < 0 || col >= m_columns.size())
        return {};
    return this->row(row)[col];
}

void FlexGridModel::setValue(int row, int col, const QVariant &v)
{
    if (row < 0 || row >= m_rows.size() || col < 0 || col >= m_columns.size())
        return;
    this->row(row);
    m_rows[row][col] = v;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i);
}

void FlexGridModel::setHeader(int col, const QString &text)
{
    if (col < 0 || col >= m_columns.size())
        return;
    m_columns[col].header = text;
    emit headerDataChanged(Qt::Horizontal, col, col);
}

void FlexGridModel::setSelector(int row, const QString &text)
{
    if (row < 0 || row >= m_selector.size())
        return;
    m_selector[row] = text;
    emit headerDataChanged(Qt::Vertical, row, row);
}

void FlexGridModel::columnChanged(int col)
{
    if (col < 0 || col >= m_columns.size() || m_rows.isEmpty())
        return;
    emit dataChanged(index(0, col), index(int(m_rows.size()) - 1, col));
}

void FlexGridModel::sortRows(int col, Qt::SortOrder order)
{
    if (col < 0 || col >= m_columns.size() || m_rows.size() < 2)
        return;
    readAll();
    // Sort keys: empty < number < text; numbers by value, texts case-insensitively.
    struct Key {
        int kind;
        double number;
        QString text;
    };
    QList<Key> keys;
    keys.reserve(m_rows.size());
    for (const QVariantList &r : m_rows) {
        const QVariant &v = r[col];
        double d = 0;
        if (v.isNull() || v.toString().isEmpty())
            keys.append(Key{0, 0, {}});
        else if (numericValue(v, &d))
            keys.append(Key{1, d, {}});
        else
            keys.append(Key{2, 0, v.toString()});
    }
    auto less = [&](int a, int b) {
        const Key &x = keys[a];
        const Key &y = keys[b];
        if (x.kind != y.kind)
            return x.kind < y.kind;
        if (x.kind == 1)
            return x.number < y.number;
        if (x.kind == 2)
            return QString::compare(x.text, y.text, Qt::CaseInsensitive) < 0;
        return false;
    };
    QList<int> perm(m_rows.size());
    std::iota(perm.begin(), perm.end(), 0);
    if (order == Qt::AscendingOrder)
        std::stable_sort(perm.begin(), perm.end(), less);
    else
        std::stable_sort(perm.begin(), perm.end(), [&](int a, int b) { return less(b, a); });

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<int> newPos(perm.size());
    for (int i = 0; i < perm.size(); ++i)
        newPos[perm[i]] = i;
    QList<QVariantList> rows;
    QStringList selector;
    rows.reserve(m_rows.size());
    for (int i : perm) {
        rows.append(std::move(m_rows[i]));
        selector.append(m_selector[i]);
    }
    m_rows = std::move(rows);
    m_selector = std::move(selector);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &i : from)
        to.append(index(newPos[i.row()], i.column()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace mirte
