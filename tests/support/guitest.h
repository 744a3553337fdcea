#pragma once
// Helpers for driving windows in tests the way a user does: find a control by its object
// name, click it, type into it, and answer the next modal window.

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace mirte::test {

// The control named `name` below w; a missing control ends the test run at once.
template <class T>
T *child(QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

// Clicks an enabled, visible button.
inline void click(QWidget *w, const QString &name)
{
    auto *b = child<QAbstractButton>(w, name);
    QVERIFY2(b->isEnabled() && b->isVisible(), qPrintable(name));
    QTest::mouseClick(b, Qt::LeftButton);
}

// Replaces the text of a line edit: ASCII as key presses, anything else through the input
// method, as Japanese arrives.
inline void typeInto(QLineEdit *e, const QString &text)
{
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii) {
        QTest::keyClicks(e, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(e, &commit);
    }
}

inline void typeInto(QWidget *w, const QString &name, const QString &text)
{
    typeInto(child<QLineEdit>(w, name), text);
}

// Runs fn on the next modal window that opens (other than notThis), then closes it if fn left
// it open, so that a failed check inside fn cannot hang the test.
inline void onModal(std::function<void(QWidget *)> fn, QWidget *notThis = nullptr)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, fn, notThis] {
        QWidget *m = QApplication::activeModalWidget();
        if (!m || m == notThis)
            return;
        timer->stop();
        timer->deleteLater();
        fn(m);
        if (m->isVisible())
            m->close();
    });
    timer->start();
}

} // namespace mirte::test
