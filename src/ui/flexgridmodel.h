#pragma once
// Storage behind FlexGrid: header texts, selector texts and cell values by logical column.

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace mirte {

// Header texts are centred and wrap onto more lines when the header row is high.
inline const Qt::Alignment kHeaderAlignment =
    Qt::Alignment(int(Qt::AlignCenter) | int(Qt::TextWordWrap));

class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using CellFormatter = std::function<QString(const QVariant &)>;
    struct Column {
        QString header;
        Qt::Alignment alignment; // empty: general
        QString picture;
        CellFormatter formatter;
    };

    explicit FlexGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void setTable(const QStringList &headers, const QList<QVariantList> &rows);
    // Rows read as they are asked for, a page at a time: a long list opens with only what is
    // shown. A change of the rows (or a sort) reads the rest first.
    using RowReader = std::function<QList<QVariantList>(int first, int count)>;
    void setRowReader(int dataRows, RowReader reader);
    bool readsLazily() const { return bool(m_reader); }
    void resizeTo(int dataRows, int dataCols);
    void insertDataRow(int at, const QString &selector, const QVariantList &cells);
    void removeDataRow(int row);

    QVariant value(int row, int col) const;
    void setValue(int row, int col, const QVariant &v);
    QString displayText(int row, int col) const;
    QString header(int col) const { return m_columns.value(col).header; }
    void setHeader(int col, const QString &text);
    QString selector(int row) const { return m_selector.value(row); }
    void setSelector(int row, const QString &text);

    Column &column(int col) { return m_columns[col]; }
    const Column &column(int col) const { return m_columns[col]; }
    void columnChanged(int col);

    void setToolTip(const QString &text) { m_toolTip = text; }
    QString toolTip() const { return m_toolTip; }

    // Stable sort of the rows by one column; persistent indexes follow their rows.
    void sortRows(int col, Qt::SortOrder order);

    // Shared text form of a stored value (numbers without noise digits).
    static QString plainText(const QVariant &v);
    static bool numericValue(const QVariant &v, double *out);

private:
    // The row as read (a page is read when it is not yet); every access to a row goes here.
    const QVariantList &row(int r) const;
    // Reads every row and stops reading lazily: before the rows themselves change.
    void readAll();

    QList<Column> m_columns;
    mutable QList<QVariantList> m_rows;
    mutable QList<bool> m_read; // lazily read rows: which are read
    RowReader m_reader;
    QStringList m_selector;
    QString m_toolTip;
};

} // namespace mirte
