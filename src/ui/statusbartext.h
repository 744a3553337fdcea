#pragma once
// The status bar of a window: one panel of simple text, and hints that replace that text
// while the pointer is over a control.

#include <QHash>
#include <QStatusBar>

class QLabel;

namespace mirte {

class StatusBarText : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBarText(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    // Shows `hint` whenever the pointer enters or moves over `widget` (the window itself
    // included: that is how the window's own text comes back).
    void addHint(QWidget *widget, const QString &hint);
    void removeHint(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_label;
    QHash<QObject *, QString> m_hints;
};

} // namespace mirte
