#include "updown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace mirte {

UpDown::UpDown(QWidget *parent) : QWidget(parent)
{
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    m_up = new QToolButton(this);
    m_up->setObjectName(QStringLiteral("up"));
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setObjectName(QStringLiteral("down"));
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        b->setMinimumSize(12, 8);
        lay->addWidget(b);
    }
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    setFixedWidth(17);
}

void UpDown::setValue(int value)
{
    value = std::clamp(value, m_min, m_max);
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged(m_value);
}

void UpDown::setRange(int min, int max)
{
    if (max < min)
        std::swap(min, max);
    m_min = min;
    m_max = max;
    const int v = std::clamp(m_value, m_min, m_max);
    if (v != m_value) {
        m_value = v;
        emit valueChanged(m_value);
    }
}

void UpDown::setIncrement(int step)
{
    m_increment = std::max(1, step);
}

void UpDown::setWrap(bool on)
{
    m_wrap = on;
}

void UpDown::step(int delta)
{
    qint64 v = qint64(m_value) + delta;
    if (v > m_max)
        v = m_wrap ? m_min : m_max;
    else if (v < m_min)
        v = m_wrap ? m_max : m_min;
    setValue(int(v));
}

void UpDown::stepUp()
{
    step(m_increment);
    emit upClicked();
}

void UpDown::stepDown()
{
    step(-m_increment);
    emit downClicked();
}

} // namespace mirte
