#pragma once
// Helpers shared by the tests: a temporary database per test and a message-box recorder.

#include "database.h"
#include "msgbox.h"

#include <QDate>
#include <QList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

namespace mirte::test {

// A fresh database file with the schema, opened as G_DB for the life of the object.
class TempDb {
public:
    TempDb();
    ~TempDb();
    Database &db() { return G_DB(); }
    QString path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Adds a person through the data layer; `main` makes them the main user.
qint64 addPerson(const QString &name, const QDate &birth, int sex, bool main = false);

// Records every message shown and answers from a queue (OK / Yes when the queue is empty).
class MsgRecorder {
public:
    MsgRecorder();
    ~MsgRecorder();
    void answer(int result) { m_answers.push_back(result); }
    const QList<MsgBoxRequest> &shown() const { return m_shown; }
    QStringList prompts() const;
    QString last() const { return m_shown.isEmpty() ? QString() : m_shown.last().prompt; }
    void clear() { m_shown.clear(); }

private:
    QList<MsgBoxRequest> m_shown;
    std::deque<int> m_answers;
    MsgBoxHandler m_previous;
};

// While alive, a process running as root acts as the user "nobody" (real and effective ids), so
// that file permissions bind it as they bind a user; for anyone else it does nothing.
class AsOrdinaryUser {
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser &) = delete;
    AsOrdinaryUser &operator=(const AsOrdinaryUser &) = delete;

private:
    bool m_switched = false;
};

// While alive, no file of the process can grow beyond `bytes`: a write past it fails as on a
// full disk (the signal such a write raises is ignored).
class DiskFull {
public:
    explicit DiskFull(qint64 bytes);
    ~DiskFull();
    DiskFull(const DiskFull &) = delete;
    DiskFull &operator=(const DiskFull &) = delete;

private:
    qint64 m_previous = -1;
};

} // namespace mirte::test
