#include "class_seibun_rs.h"

#include "database.h"

namespace mirte {

void Class_Seibun_RS::setTableName(const QString &name)
{
    const QString t = name.trimmed();
    static const QStringList allowed{QStringLiteral("成分表"), QStringLiteral("アミノ酸組成表"),
                                     QStringLiteral("脂肪酸組成表")};
    m_table = allowed.contains(t) ? t : QString();
}

bool Class_Seibun_RS::GetRS()
{
    m_row.reset();
    if (m_table.isEmpty() || m_id == 0)
        return false;
    try {
        // The table name comes from the fixed list above; the id is bound.
        m_row = G_DB().selectOne(QStringLiteral("SELECT * FROM %1 WHERE 成分表ID = ?")
                                     .arg(Database::quoteId(m_table)),
                                 {m_id});
    } catch (const DbError &) {
        m_row.reset();
    }
    return m_row.has_value();
}

} // namespace mirte
