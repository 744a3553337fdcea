#include "csv.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace mirte {

QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;     // inside a quoted field
    bool wasQuoted = false;  // the current field was quoted and is now closed
    bool fieldStarted = false;
    int line = 1;

    auto endField = [&] {
        record.append(field);
        field.clear();
        wasQuoted = false;
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        records.append(record);
        record.clear();
    };

    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field.append(QLatin1Char('"'));
                    ++i;
                } else {
                    quoted = false;
                    wasQuoted = true;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field.append(c);
            }
            continue;
        }
        if (c == QLatin1Char(',')) {
            endField();
            fieldStarted = true; // a comma always opens another field
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRecord();
            ++line;
        } else if (wasQuoted) {
            throw CsvError(QStringLiteral("line %1: text after a closing quote").arg(line));
        } else if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            fieldStarted = true;
        } else {
            field.append(c);
            fieldStarted = true;
        }
    }
    if (quoted)
        throw CsvError(QStringLiteral("line %1: quoted field not closed").arg(line));
    if (fieldStarted || wasQuoted || !field.isEmpty() || !record.isEmpty())
        endRecord();
    return records;
}

CsvTable CsvTable::fromText(const QString &text, const QString &name)
{
    CsvTable t;
    t.m_name = name;
    QList<QStringList> records = parseCsv(text);
    if (records.isEmpty())
        throw CsvError(QStringLiteral("%1: no header row").arg(name));
    t.m_header = records.takeFirst();
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QStringList &r = records.at(i);
        // Blank lines carry nothing; data files may end with one.
        if (r.size() == 1 && r.first().isEmpty())
            continue;
        if (r.size() != t.m_header.size())
            throw CsvError(QStringLiteral("%1: record %2 has %3 fields, the header %4")
                               .arg(name).arg(i + 2).arg(r.size()).arg(t.m_header.size()));
        t.m_rows.append(r);
    }
    return t;
}

CsvTable CsvTable::read(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw CsvError(QStringLiteral("%1: %2").arg(path, f.errorString()));
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return fromText(text, path);
}

int CsvTable::column(const QString &name) const
{
    const qsizetype i = m_header.indexOf(name);
    if (i < 0)
        throw CsvError(QStringLiteral("%1: no column '%2'").arg(m_name, name));
    return int(i);
}

} // namespace mirte

namespace mirte {

QString csvField(const QString &field)
{
    static const QString special = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (const QChar c : field)
        quote = quote || special.contains(c);
    if (!quote)
        return field;
    QString f = field;
    f.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + f + QLatin1Char('"');
}

QByteArray csvBytes(const QList<QStringList> &records)
{
    QString text;
    for (const QStringList &r : records) {
        QStringList fields;
        fields.reserve(r.size());
        for (const QString &f : r)
            fields << csvField(f);
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

void writeCsvFile(const QString &path, const QList<QStringList> &records)
{
    // Written beside the file and renamed at the end: a full disk leaves the old file or none,
    // never a cut-off one, and is told.
    const QByteArray bytes = csvBytes(records);
    QSaveFile f(path);
    const bool written = f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
    if (!written || QFileInfo(path).size() != bytes.size()) {
        if (written)
            QFile::remove(path);
        throw CsvError(QStringLiteral("ファイル '%1' に書き込めません（%2）。ディスクの空きと、書き込みできる場所かを確かめてください。")
                           .arg(path, written ? QStringLiteral("大きさが合いません") : f.errorString()));
    }
}

QString csvNumber(const QVariant &value, int decimals)
{
    if (!value.isValid() || value.isNull() || value.toString().trimmed().isEmpty())
        return {};
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok)
        return value.toString();
    QString s = QString::number(d, 'f', decimals);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

} // namespace mirte
