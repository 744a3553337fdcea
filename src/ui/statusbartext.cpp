#include "statusbartext.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace mirte {

StatusBarText::StatusBarText(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StBar"));
    setSizeGripEnabled(false);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("StBarText"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setMinimumWidth(1);
    addWidget(m_label, 1);
}

QString StatusBarText::text() const
{
    return m_label->text();
}

void StatusBarText::setText(const QString &text)
{
    m_label->setText(text);
}

void StatusBarText::addHint(QWidget *widget, const QString &hint)
{
    if (!widget)
        return;
    if (!m_hints.contains(widget)) {
        widget->installEventFilter(this);
        // Mouse moves over the widget itself (not its children) restore its text.
        widget->setMouseTracking(true);
        connect(widget, &QObject::destroyed, this, [this](QObject *o) { m_hints.remove(o); });
    }
    m_hints.insert(widget, hint);
}

void StatusBarText::removeHint(QWidget *widget)
{
    if (m_hints.remove(widget))
        widget->removeEventFilter(this);
}

bool StatusBarText::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
    case QEvent::HoverMove: {
        QObject *target = watched;
        // A move over a button reaches the button's window too (the button ignores it): the
        // hint is the one of the hinted widget nearest to what is under the pointer.
        if (event->type() != QEvent::Enter && watched->isWidgetType()) {
            const auto *w = static_cast<QWidget *>(watched);
            const QPoint global = static_cast<QSinglePointEvent *>(event)->globalPosition().toPoint();
            for (QWidget *u = QApplication::widgetAt(global); u && u != w; u = u->parentWidget()) {
                if (m_hints.contains(u) && w->isAncestorOf(u)) {
                    target = u;
                    break;
                }
            }
        }
        const auto it = m_hints.constFind(target);
        if (it != m_hints.constEnd() && m_label->text() != *it)
            m_label->setText(*it);
        break;
    }
    default:
        break;
    }
    return QStatusBar::eventFilter(watched, event);
}

} // namespace mirte
