#include "datepick.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QHBoxLayout>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

namespace mirte {

DatePick::DatePick(QWidget *parent) : QWidget(parent)
{
    auto *h = new QHBoxLayout(this);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    CmdCalendar = new QToolButton(this);
    CmdCalendar->setObjectName(QStringLiteral("CmdCalendar"));
    CmdCalendar->setText(QStringLiteral("暦"));
    CmdCalendar->setToolTip(QStringLiteral("カレンダーから日付を選びます。記録のある日は太字です。"));
    CmdToday = new QToolButton(this);
    CmdToday->setObjectName(QStringLiteral("CmdToday"));
    CmdToday->setText(QStringLiteral("今日"));
    CmdToday->setToolTip(QStringLiteral("今日の日付にします。"));
    h->addWidget(CmdCalendar);
    h->addWidget(CmdToday);
    connect(CmdCalendar, &QToolButton::clicked, this, [this] {
        const QDate d = openCalendar();
        if (d.isValid())
            emit picked(d);
    });
    connect(CmdToday, &QToolButton::clicked, this, &DatePick::today);
}

void DatePick::today()
{
    emit picked(QDate::currentDate());
}

QDate DatePick::openCalendar()
{
    QDialog dlg(this);
    dlg.setObjectName(QStringLiteral("F_Calendar"));
    dlg.setWindowTitle(QStringLiteral("日付の選択"));
    auto *v = new QVBoxLayout(&dlg);
    auto *cal = new QCalendarWidget(&dlg);
    cal->setObjectName(QStringLiteral("Calendar1"));
    cal->setGridVisible(true);
    cal->setMinimumSize(320, 230); // big enough to hit a day without aiming
    cal->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    cal->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    v->addWidget(cal);
    const QDate current = m_current ? m_current() : QDate();
    cal->setSelectedDate(current.isValid() ? current : QDate::currentDate());
    if (m_marked) {
        QTextCharFormat mark;
        mark.setFontWeight(QFont::Bold);
        mark.setBackground(QColor(0xd8, 0xec, 0xd0));
        for (const QDate &d : m_marked())
            cal->setDateTextFormat(d, mark);
    }
    QDate chosen;
    // A click on a day takes it at once, as a drop-down calendar does.
    connect(cal, &QCalendarWidget::clicked, &dlg, [&](const QDate &d) {
        chosen = d;
        dlg.accept();
    });
    connect(cal, &QCalendarWidget::activated, &dlg, [&](const QDate &d) {
        chosen = d;
        dlg.accept();
    });
    dlg.exec();
    return chosen;
}

} // namespace mirte
