#pragma once
// The data-bound combo: lists one column of a result set and carries another column
// of the chosen row as its bound value.

#include <QComboBox>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include "database.h"

namespace mirte {

class DataCombo : public QComboBox {
    Q_OBJECT
public:
    explicit DataCombo(QWidget *parent = nullptr);

    // Fills the list from a result set; nothing is chosen afterwards.
    void setResultSet(const ResultSet &rs, const QString &listField, const QString &boundField);
    // Same from an SQL text on G_DB() (DbError on failure); refresh() runs it again and
    // keeps the chosen bound value when it is still listed.
    void setRowSource(const QString &sql, const QVariantList &params, const QString &listField,
                      const QString &boundField);
    void refresh();

    QString listField() const { return m_listField; }
    QString boundField() const { return m_boundField; }

    // Bound value of the chosen row; an invalid QVariant when nothing is chosen.
    QVariant boundValue() const;
    // Chooses the first row whose bound value equals `value` (numbers compare as numbers);
    // nothing is chosen when none does. Returns whether a row was found.
    bool setBoundValue(const QVariant &value);
    // Shown text of the chosen row ("" when none).
    QString text() const { return currentText(); }
    // Chooses the first row showing `text`; nothing when none does.
    bool setText(const QString &text);
    // The chosen row, all its columns ("" map when none); one column of it.
    QVariantMap currentRecord() const;
    QVariant field(const QString &column) const;
    int rowCountInList() const { return count(); }

signals:
    // The chosen row changed, by the user or by the program.
    void choiceChanged();

private:
    void fill(const ResultSet &rs);

    ResultSet m_rs;
    QString m_sql;
    QVariantList m_params;
    QString m_listField;
    QString m_boundField;
};

} // namespace mirte
