#pragma once
// A calendar button and a "今日" button for the year / month / day boxes of a window: the
// calendar shows the month of the boxes with the recorded days marked, and a day picked there
// (or today) is handed back for the window to take as if it had been typed.

#include <QDate>
#include <QList>
#include <QWidget>
#include <functional>

class QCalendarWidget;
class QToolButton;

namespace mirte {

class DatePick : public QWidget {
    Q_OBJECT
public:
    explicit DatePick(QWidget *parent = nullptr);

    // The day the calendar opens on (the boxes' day; today when they hold none).
    void setCurrentProvider(std::function<QDate()> f) { m_current = std::move(f); }
    // The days with records, marked in the calendar.
    void setMarkedProvider(std::function<QList<QDate>()> f) { m_marked = std::move(f); }

    // Opens the calendar (modal); returns the day picked, invalid when closed without one.
    QDate openCalendar();
    void today();

    QToolButton *CmdCalendar = nullptr;
    QToolButton *CmdToday = nullptr;

signals:
    void picked(const QDate &day);

private:
    std::function<QDate()> m_current;
    std::function<QList<QDate>()> m_marked;
};

} // namespace mirte
