#include "tabcontrol.h"

namespace mirte {

TabControl::TabControl(QWidget *parent) : QTabWidget(parent)
{
    connect(this, &QTabWidget::currentChanged, this, [this](int current) {
        const int previous = m_previous;
        m_previous = current;
        if (previous != current)
            emit tabChanged(current, previous);
    });
}

void TabControl::setTab(int index)
{
    if (index >= 0 && index < count())
        setCurrentIndex(index);
}

} // namespace mirte
