#pragma once
// The up-down arrows: up and down clicks, and a value stepped within a range.

#include <QWidget>

class QToolButton;

namespace mirte {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);                 // kept within the range
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    void setRange(int min, int max);
    int increment() const { return m_increment; }
    void setIncrement(int step);
    // Past an end the value wraps to the other end instead of stopping.
    bool wrap() const { return m_wrap; }
    void setWrap(bool on);

    // What a click on the arrows does: step the value, then tell.
    void stepUp();
    void stepDown();

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void upClicked();
    void downClicked();
    void valueChanged(int value);

private:
    void step(int delta);

    QToolButton *m_up;
    QToolButton *m_down;
    int m_value = 0;
    int m_min = 0;
    int m_max = 10;
    int m_increment = 1;
    bool m_wrap = false;
};

} // namespace mirte
