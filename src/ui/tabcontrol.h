#pragma once
// The tab control: pages with a current tab the screens read and set.

#include <QTabWidget>

namespace mirte {

class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget *parent = nullptr);

    int tab() const { return currentIndex(); }
    void setTab(int index);                   // out of range is ignored
    int tabs() const { return count(); }

signals:
    // The shown tab changed, by the user or by setTab().
    void tabChanged(int current, int previous);

private:
    int m_previous = -1;
};

} // namespace mirte
