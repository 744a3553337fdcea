#pragma once
// Whole files read and written by the tests that damage, compare or replace database files.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>

namespace mirte::test {

// The bytes of a file; empty when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces a file's content (the test fails when it cannot).
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace mirte::test
