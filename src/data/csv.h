#pragma once
// Comma-separated text as the shipped data files use it (RFC 4180 quoting).

#include <QByteArray>
#include <QList>
#include <QVariant>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace mirte {

class CsvError : public std::runtime_error {
public:
    explicit CsvError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// Splits text into records of fields. Quoted fields may hold commas, doubled quotes and
// line breaks; CR LF and LF both end a record; a final line end adds no empty record.
// Throws CsvError on a quote left open or text straight after a closing quote.
QList<QStringList> parseCsv(const QString &text);

// One file with a header row; fields are found by header name.
class CsvTable {
public:
    // Reads a UTF-8 file (a leading BOM is skipped). Throws CsvError when the file cannot be
    // read, or when a record has a different number of fields than the header.
    static CsvTable read(const QString &path);
    static CsvTable fromText(const QString &text, const QString &name = QString());

    const QStringList &header() const { return m_header; }
    const QList<QStringList> &rows() const { return m_rows; }
    qsizetype size() const { return m_rows.size(); }
    // Index of a header name; throws CsvError when it is missing.
    int column(const QString &name) const;
    bool hasColumn(const QString &name) const { return m_header.contains(name); }
    QString value(qsizetype row, const QString &name) const { return m_rows.at(row).at(column(name)); }
    QString name() const { return m_name; }

private:
    QString m_name;
    QStringList m_header;
    QList<QStringList> m_rows;
};

// Writing, for a spreadsheet: UTF-8 with a byte-order mark (a Japanese spreadsheet then reads
// the characters right), CR LF line ends, and a field quoted only when it holds a comma, a quote
// or a line break.
QString csvField(const QString &field);
QByteArray csvBytes(const QList<QStringList> &records);
// Writes the file whole or not at all. Throws CsvError when it cannot be written.
void writeCsvFile(const QString &path, const QList<QStringList> &records);
// A number as a cell: empty when there is none, otherwise up to `decimals` places without
// trailing zeros and never in exponent form.
QString csvNumber(const QVariant &value, int decimals = 2);

} // namespace mirte
