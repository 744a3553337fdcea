#include "windowrules.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace mirte {

namespace {
class WindowRules : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType())
            return false;
        if (event->type() == QEvent::Show)
            keepReadable(static_cast<QWidget *>(watched));
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *ke = static_cast<QKeyEvent *>(event);
        if ((ke->key() != Qt::Key_Return && ke->key() != Qt::Key_Enter)
            || (ke->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *w = static_cast<QWidget *>(watched);
        // Key events travel up to the parents; act only where the key arrived.
        if (w != QApplication::focusWidget())
            return false;
        if (qobject_cast<QPushButton *>(w) || qobject_cast<QToolButton *>(w)) {
            auto *b = static_cast<QAbstractButton *>(w);
            if (b->isEnabled())
                b->click();
            return true;
        }
        auto *c = qobject_cast<QComboBox *>(w);
        const bool listBox = c && !c->isEditable() && !(c->view() && c->view()->isVisible());
        if (listBox || qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
            // focusNextChild() is protected; Tab takes the same step.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(w, &tab);
            return true;
        }
        return false;
    }

private:
    // The layout's own minimum lets grids and charts shrink to nothing; the floor is the size
    // the window asks for at first, somewhat reduced, unless the window set one itself.
    static void keepReadable(QWidget *w)
    {
        const Qt::WindowType type = w->windowType();
        if ((type != Qt::Window && type != Qt::Dialog) || w->minimumSize() != QSize(0, 0)
            || w->property("mirteFloor").toBool())
            return;
        w->setProperty("mirteFloor", true);
        const QSize floor = (w->sizeHint() * 3 / 4).expandedTo(w->minimumSizeHint());
        if (floor.isValid())
            w->setMinimumSize(floor.boundedTo(w->size().expandedTo(w->minimumSizeHint())));
    }
};
} // namespace

void installWindowRules()
{
    static WindowRules *rules = nullptr;
    if (rules)
        return;
    rules = new WindowRules(qApp);
    qApp->installEventFilter(rules);
}

} // namespace mirte
