#include "datacombo.h"

namespace mirte {

namespace {
// Bound values come from the database as numbers or texts; 3, 3.0 and "3" are the same key.
bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    bool okA = false, okB = false;
    const double x = a.toString().trimmed().toDouble(&okA);
    const double y = b.toString().trimmed().toDouble(&okB);
    if (okA && okB)
        return x == y;
    return a.toString() == b.toString();
}
} // namespace

DataCombo::DataCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(20);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit choiceChanged(); });
}

void DataCombo::setResultSet(const ResultSet &rs, const QString &listField,
                             const QString &boundField)
{
    m_listField = listField;
    m_boundField = boundField;
    m_sql.clear();
    m_params.clear();
    fill(rs);
}

void DataCombo::setRowSource(const QString &sql, const QVariantList &params,
                             const QString &listField, const QString &boundField)
{
    const ResultSet rs = G_DB().select(sql, params);
    m_listField = listField;
    m_boundField = boundField;
    m_sql = sql;
    m_params = params;
    fill(rs);
}

void DataCombo::refresh()
{
    if (m_sql.isEmpty())
        return;
    const QVariant keep = boundValue();
    const ResultSet rs = G_DB().select(m_sql, m_params);
    QSignalBlocker block(this);
    fill(rs);
    if (keep.isValid())
        setBoundValue(keep);
    block.unblock();
    emit choiceChanged();
}

void DataCombo::fill(const ResultSet &rs)
{
    m_rs = rs;
    const int listCol = rs.column(m_listField);
    QSignalBlocker block(this);
    QComboBox::clear();
    for (qsizetype r = 0; r < rs.size(); ++r)
        addItem(listCol >= 0 ? rs.rows[r].value(listCol).toString() : QString());
    setCurrentIndex(-1);
    block.unblock();
    emit choiceChanged();
}

QVariant DataCombo::boundValue() const
{
    const int idx = currentIndex();
    const int col = m_rs.column(m_boundField);
    if (idx < 0 || idx >= m_rs.size() || col < 0)
        return {};
    return m_rs.rows[idx].value(col);
}

bool DataCombo::setBoundValue(const QVariant &value)
{
    const int col = m_rs.column(m_boundField);
    int found = -1;
    if (col >= 0 && value.isValid()) {
        for (qsizetype r = 0; r < m_rs.size(); ++r) {
            if (sameValue(m_rs.rows[r].value(col), value)) {
                found = int(r);
                break;
            }
        }
    }
    setCurrentIndex(found);
    return found >= 0;
}

bool DataCombo::setText(const QString &text)
{
    const int idx = findText(text, Qt::MatchExactly);
    setCurrentIndex(idx);
    return idx >= 0;
}

QVariantMap DataCombo::currentRecord() const
{
    const int idx = currentIndex();
    if (idx < 0 || idx >= m_rs.size())
        return {};
    return m_rs.rowMap(idx);
}

QVariant DataCombo::field(const QString &column) const
{
    const int idx = currentIndex();
    if (idx < 0 || idx >= m_rs.size())
        return {};
    return m_rs.value(idx, column);
}

} // namespace mirte
