#include "windowrules.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QScreen>

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
        if (event->type() == QEvent::Show) {
            keepReadable(static_cast<QWidget *>(watched));
            fitToScreen(static_cast<QWidget *>(watched));
        }
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
    static bool isWindow(const QWidget *w)
    {
        return w->windowType() == Qt::Window || w->windowType() == Qt::Dialog;
    }

    // A window opens wholly inside the screen's free area, its buttons in reach: too big, it
    // shrinks (its grids scroll); out of the area, it moves in.
    static void fitToScreen(QWidget *w)
    {
        if (!isWindow(w) || !w->screen())
            return;
        fitWithin(w, w->screen()->availableGeometry());
    }

    // The layout's own minimum lets grids and charts shrink to nothing; the floor is the size
    // the window asks for at first, somewhat reduced, unless the window set one itself.
    static void keepReadable(QWidget *w)
    {
        if (!isWindow(w) || w->minimumSize() != QSize(0, 0)
            || w->property("mirteFloor").toBool())
            return;
        w->setProperty("mirteFloor", true);
        const QSize floor = (w->sizeHint() * 3 / 4).expandedTo(w->minimumSizeHint());
        if (floor.isValid())
            w->setMinimumSize(floor.boundedTo(w->size().expandedTo(w->minimumSizeHint())));
    }
};
} // namespace

void fitWithin(QWidget *w, const QRect &area)
{
    // Before the first show the frame is not known; a title bar and borders take about this.
    QSize frame = w->frameGeometry().size() - w->geometry().size();
    if (frame.width() <= 0 && frame.height() <= 0)
        frame = QSize(8, 36);
    const QSize room = area.size() - frame;
    if (w->width() > room.width() || w->height() > room.height()) {
        w->setMinimumSize(w->minimumSize().boundedTo(room));
        w->resize(w->size().boundedTo(room));
    }
    const QRect g(w->pos(), w->size() + frame);
    QPoint p = g.topLeft();
    if (g.right() > area.right())
        p.setX(area.right() - g.width() + 1);
    if (g.bottom() > area.bottom())
        p.setY(area.bottom() - g.height() + 1);
    p.setX(qMax(p.x(), area.left()));
    p.setY(qMax(p.y(), area.top()));
    if (p != g.topLeft())
        w->move(p);
}

void installWindowRules()
{
    static WindowRules *rules = nullptr;
    if (rules)
        return;
    rules = new WindowRules(qApp);
    qApp->installEventFilter(rules);
}

} // namespace mirte
