#pragma once
// The one database of the program: a SQLite file reached through Qt Sql.
// Every value travels as a bound parameter; identifiers are quoted by quoteId().

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <optional>
#include <stdexcept>

namespace mirte {

// An engine error, carried to the handler that shows "Error <number>：<description>".
class DbError : public std::runtime_error {
public:
    DbError(int number, const QString &description);
    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// Rows of a query in SQL order, with the columns in query order
// (grids bound to "SELECT *" rely on that order).
struct ResultSet {
    QStringList columns;
    QList<QVariantList> rows;

    bool isEmpty() const { return rows.isEmpty(); }
    qsizetype size() const { return rows.size(); }
    int column(const QString &name) const { return int(columns.indexOf(name)); }
    QVariant value(qsizetype row, const QString &name) const;
    QVariantMap rowMap(qsizetype row) const;
};

// Durability: the household file runs with a write-ahead log (set when the program opens it) and
// synchronous = FULL on every connection. A transaction is on the disk when COMMIT returns; a
// process killed or a power cut in the middle of one leaves the file as it was before it, and the
// log is replayed or dropped when the file is next opened. A copy of the file alone is complete
// only after the last connection closed (the log is then merged and removed).
class Database {
public:
    explicit Database(QString connectionName = QStringLiteral("mirte"));
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens an existing database file; foreign keys are switched on for the connection.
    // Throws DbError when the file cannot be opened or is not one of ours.
    void open(const QString &path);
    // Creates a new file with the schema only (used by the seed builder and by tests).
    void create(const QString &path);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }
    QSqlDatabase connection() const;

    ResultSet select(const QString &sql, const QVariantList &params = {}) const;
    std::optional<QVariantMap> selectOne(const QString &sql, const QVariantList &params = {}) const;
    QVariant scalar(const QString &sql, const QVariantList &params = {}) const;
    // Runs a statement; returns the number of rows it changed.
    int exec(const QString &sql, const QVariantList &params = {});

    // Adds a row and returns its new automatic key.
    qint64 insert(const QString &table, const QVariantMap &values);
    // Changes the row whose key column equals key; returns rows changed (0 or 1).
    int update(const QString &table, const QString &keyColumn, const QVariant &key,
               const QVariantMap &values);
    // Deletes by key; declared cascades remove the dependent rows.
    int remove(const QString &table, const QString &keyColumn, const QVariant &key);
    // As update and remove, for a row the user chose on the screen: a row that is no longer
    // there (removed meanwhile) throws DbError 3167 instead of passing for done.
    void updateRow(const QString &table, const QString &keyColumn, const QVariant &key,
                   const QVariantMap &values);
    void removeRow(const QString &table, const QString &keyColumn, const QVariant &key);

    // A prepared statement kept for the life of the connection, for loops that
    // run the same query many times. Bind with addBindValue after calling.
    QSqlQuery &prepared(const QString &sql) const;

    // Runs fn inside one transaction: all of it is kept, or, when fn or the commit throws, none
    // of it, and the connection is out of the transaction again either way.
    // Inside another transaction fn simply joins it: the outer one keeps or drops it all.
    template <class Fn>
    void transaction(Fn &&fn)
    {
        if (m_transactionDepth > 0) {
            fn();
            return;
        }
        begin();
        m_transactionDepth = 1;
        try {
            fn();
            m_transactionDepth = 0;
            commit();
        } catch (...) {
            m_transactionDepth = 0;
            rollback();
            throw;
        }
    }

    void begin();
    void commit();
    // Never leaves the connection inside a transaction: when ROLLBACK itself fails, the
    // connection is opened again, which ends the transaction in the engine.
    void rollback();
    bool inTransaction() const;

    QStringList tables() const;
    QStringList columns(const QString &table) const;

    static QString quoteId(const QString &identifier);

private:
    QSqlQuery prepare(const QString &sql) const;
    QSqlQuery run(const QString &sql, const QVariantList &params) const;
    [[noreturn]] static void fail(const QSqlError &error);
    void applyPragmas();
    void connectTo(const QString &path);

    QString m_name;
    QString m_path;
    mutable QHash<QString, QSqlQuery> m_prepared;
    int m_transactionDepth = 0;
};

// The shared connection of the running program.
Database &G_DB();

// Dates are stored as ISO text "yyyy-MM-dd".
QVariant dateParam(const QDate &d);
QDate toDate(const QVariant &v);

// Reads the schema that ships inside the library.
QString schemaSql();

// The tables every database file of ours must have.
const QStringList &requiredTables();

} // namespace mirte
