#include "database.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>

namespace mirte {

DbError::DbError(int number, const QString &description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

QVariant ResultSet::value(qsizetype row, const QString &name) const
{
    const int c = column(name);
    if (c < 0 || row < 0 || row >= rows.size())
        return {};
    return rows.at(row).value(c);
}

QVariantMap ResultSet::rowMap(qsizetype row) const
{
    QVariantMap m;
    for (int c = 0; c < columns.size(); ++c)
        m.insert(columns.at(c), rows.at(row).value(c));
    return m;
}

Database::Database(QString connectionName) : m_name(std::move(connectionName)) {}

Database::~Database()
{
    close();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_name, false);
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_name) && connection().isOpen();
}

void Database::fail(const QSqlError &error)
{
    bool ok = false;
    int number = error.nativeErrorCode().toInt(&ok);
    if (!ok)
        number = int(error.type()) + 3000;
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    throw DbError(number, text);
}

void Database::applyPragmas()
{
    exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    exec(QStringLiteral("PRAGMA busy_timeout = 2000"));
    // Every COMMIT waits until the disk has it: a record the window showed as saved is still there
    // after a power cut. The household's few writes a minute can afford the wait.
    exec(QStringLiteral("PRAGMA synchronous = FULL"));
}

void Database::connectTo(const QString &path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        m_path = path;
        if (db.open())
            return;
    }
    const QSqlError e = QSqlDatabase::database(m_name, false).lastError();
    close();
    fail(e);
}

void Database::open(const QString &path)
{
    close();
    if (!QFileInfo::exists(path))
        throw DbError(3024, QStringLiteral("ファイル '%1' が見つかりません。").arg(path));
    connectTo(path);
    try {
        // A file that is not SQLite fails on its first read, not on open.
        exec(QStringLiteral("PRAGMA schema_version"));
        const QStringList have = tables();
        for (const QString &t : requiredTables()) {
            if (!have.contains(t))
                throw DbError(3078, QStringLiteral("テーブル '%1' が見つかりません。").arg(t));
        }
        applyPragmas();
    } catch (const DbError &) {
        close();
        throw;
    }
}

void Database::create(const QString &path)
{
    close();
    if (QFileInfo::exists(path))
        throw DbError(3204, QStringLiteral("ファイル '%1' は既に存在します。").arg(path));
    connectTo(path);
    try {
        applyPragmas();
        transaction([&] {
            // Statements are separated by ";" at a line end; the schema holds no such text elsewhere.
            const QStringList statements =
                schemaSql().split(QRegularExpression(QStringLiteral(";\\s*\\n")), Qt::SkipEmptyParts);
            for (QString s : statements) {
                s = s.trimmed();
                // Strip leading comment lines.
                while (s.startsWith(QLatin1String("--"))) {
                    const qsizetype nl = s.indexOf(QLatin1Char('\n'));
                    s = nl < 0 ? QString() : s.mid(nl + 1).trimmed();
                }
                if (!s.isEmpty())
                    exec(s);
            }
        });
    } catch (const DbError &) {
        close();
        QFile::remove(path);
        throw;
    }
}

void Database::close()
{
    m_prepared.clear();
    if (m_path.isEmpty())
        return;
    if (QSqlDatabase::contains(m_name)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    m_path.clear();
}

QSqlQuery Database::prepare(const QString &sql) const
{
    if (!isOpen())
        throw DbError(3420, QStringLiteral("データベースが開かれていません。"));
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        fail(q.lastError());
    return q;
}

QSqlQuery Database::run(const QString &sql, const QVariantList &params) const
{
    QSqlQuery q = prepare(sql);
    for (const QVariant &p : params)
        q.addBindValue(p);
    if (!q.exec())
        fail(q.lastError());
    return q;
}

ResultSet Database::select(const QString &sql, const QVariantList &params) const
{
    QSqlQuery q = run(sql, params);
    ResultSet rs;
    const QSqlRecord rec = q.record();
    const int n = rec.count();
    rs.columns.reserve(n);
    for (int i = 0; i < n; ++i)
        rs.columns << rec.fieldName(i);
    while (q.next()) {
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row << q.value(i);
        rs.rows << row;
    }
    return rs;
}

std::optional<QVariantMap> Database::selectOne(const QString &sql, const QVariantList &params) const
{
    QSqlQuery q = run(sql, params);
    if (!q.next())
        return std::nullopt;
    QVariantMap m;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        m.insert(rec.fieldName(i), q.value(i));
    return m;
}

QVariant Database::scalar(const QString &sql, const QVariantList &params) const
{
    QSqlQuery q = run(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

int Database::exec(const QString &sql, const QVariantList &params)
{
    QSqlQuery q = run(sql, params);
    return q.numRowsAffected();
}

QString Database::quoteId(const QString &identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

qint64 Database::insert(const QString &table, const QVariantMap &values)
{
    QStringList cols, marks;
    QVariantList params;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        cols << quoteId(it.key());
        marks << QStringLiteral("?");
        params << it.value();
    }
    const QString sql = cols.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteId(table))
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
              .arg(quoteId(table), cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    QSqlQuery q = run(sql, params);
    return q.lastInsertId().toLongLong();
}

int Database::update(const QString &table, const QString &keyColumn, const QVariant &key,
                     const QVariantMap &values)
{
    if (values.isEmpty())
        return 0;
    QStringList sets;
    QVariantList params;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        sets << quoteId(it.key()) + QStringLiteral("=?");
        params << it.value();
    }
    params << key;
    return exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3=?")
                    .arg(quoteId(table), sets.join(QLatin1Char(',')), quoteId(keyColumn)),
                params);
}

int Database::remove(const QString &table, const QString &keyColumn, const QVariant &key)
{
    return exec(QStringLiteral("DELETE FROM %1 WHERE %2=?").arg(quoteId(table), quoteId(keyColumn)),
                {key});
}

void Database::updateRow(const QString &table, const QString &keyColumn, const QVariant &key,
                         const QVariantMap &values)
{
    if (update(table, keyColumn, key, values) == 0 && !values.isEmpty())
        throw DbError(3167, QStringLiteral("レコードは削除されています。"));
}

void Database::removeRow(const QString &table, const QString &keyColumn, const QVariant &key)
{
    if (remove(table, keyColumn, key) == 0)
        throw DbError(3167, QStringLiteral("レコードは削除されています。"));
}

QSqlQuery &Database::prepared(const QString &sql) const
{
    auto it = m_prepared.find(sql);
    if (it == m_prepared.end())
        it = m_prepared.insert(sql, prepare(sql));
    it->finish();
    return *it;
}

void Database::begin()
{
    if (!connection().transaction())
        fail(connection().lastError());
}

void Database::commit()
{
    if (!connection().commit())
        fail(connection().lastError());
}

void Database::rollback()
{
    // Statements still stepping would keep the engine's transaction alive.
    for (QSqlQuery &q : m_prepared)
        q.finish();
    if (connection().rollback() && !inTransaction())
        return;
    const QString path = m_path;
    close();
    connectTo(path);
    applyPragmas();
}

bool Database::inTransaction() const
{
    // BEGIN inside a transaction is refused; outside one it starts one, which is ended at once.
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("BEGIN")))
        return true;
    q.exec(QStringLiteral("ROLLBACK"));
    return false;
}

QStringList Database::tables() const
{
    QStringList out;
    const ResultSet rs = select(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
    for (const auto &r : rs.rows)
        out << r.value(0).toString();
    return out;
}

QStringList Database::columns(const QString &table) const
{
    QStringList out;
    const ResultSet rs =
        select(QStringLiteral("SELECT name FROM pragma_table_xinfo(?)"), {table});
    for (const auto &r : rs.rows)
        out << r.value(0).toString();
    return out;
}

Database &G_DB()
{
    // Never destroyed: Qt Sql's own globals may be gone by the time static destructors run.
    // The exit sequence closes it explicitly.
    static Database *db = new Database(QStringLiteral("G_DB"));
    return *db;
}

QVariant dateParam(const QDate &d)
{
    return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
}

QDate toDate(const QVariant &v)
{
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate();
    const QString s = v.toString();
    return QDate::fromString(s.left(10), Qt::ISODate);
}

QString schemaSql()
{
    QFile f(QStringLiteral(":/mirte/schema.sql"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

const QStringList &requiredTables()
{
    static const QStringList t{
        QStringLiteral("個人データ"), QStringLiteral("USERCHECK"), QStringLiteral("健康状態管理"),
        QStringLiteral("摂取料理"), QStringLiteral("摂取食品"), QStringLiteral("運動時間"),
        QStringLiteral("料理分類"), QStringLiteral("料理名"), QStringLiteral("材料"),
        QStringLiteral("成分表"), QStringLiteral("アミノ酸組成表"), QStringLiteral("脂肪酸組成表"),
        QStringLiteral("調理法"), QStringLiteral("標準所要量"), QStringLiteral("基礎代謝基準値"),
        QStringLiteral("エネルギー消費量")};
    return t;
}

} // namespace mirte
