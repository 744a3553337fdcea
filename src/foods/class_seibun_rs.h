#pragma once
// Opens one food's row of one of the three composition tables.

#include <QString>
#include <QVariantMap>
#include <optional>

namespace mirte {

class Class_Seibun_RS {
public:
    qint64 SeiBunHyouID() const { return m_id; }
    void setSeiBunHyouID(qint64 id) { m_id = id; }

    // Only "成分表", "アミノ酸組成表" and "脂肪酸組成表" are kept (after trimming); anything else becomes empty.
    QString TableName() const { return m_table; }
    void setTableName(const QString &name);

    // True when a table is set, the id is not 0 and the row exists; false otherwise, errors included.
    bool GetRS();
    const std::optional<QVariantMap> &RS_Obj() const { return m_row; }

private:
    qint64 m_id = 0;
    QString m_table;
    std::optional<QVariantMap> m_row;
};

} // namespace mirte
