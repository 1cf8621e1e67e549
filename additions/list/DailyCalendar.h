#pragma once

#include "DailyDays.h"
#include "DesignedWindow.h"

#include <QDate>
#include <QHash>
#include <functional>

class Announcer;
class QCalendarWidget;
class QLabel;

// The days of Today's Quote as a month calendar: each day marked with how far
// its puzzle got (solved on its day, solved later, started, not played), the
// days in a row above it, and the day chosen played (Return, a double click
// or Play This Day). Arrows move by day, Page Up and Page Down by month; only
// the days from the first to today can be chosen.
class frmDailyCalendar : public DesignedWindow {
    Q_OBJECT
public:
    frmDailyCalendar(const QList<stats::Game> &games, const QDate &today,
                     QWidget *parent = nullptr);

    void Form_Load();
    void Form_Activate() override;
    void cmdPlayDay_Click();
    void cmdReturn_Click();
    void Form_KeyDownF1();
    std::function<void(QWidget *)> showHelp;

    // What the window says of a day: its name, its number and its state.
    static QString DayLine(const QDate &day, const stats::DayResult &result);
    // The mark a day's state is drawn with, in the calendar and its key.
    static QString Mark(stats::DayState state);

    QCalendarWidget *calendar;
    QLabel *labelHeading, *lblRuns, *lblDay, *lblKey;
    KelButton *cmdPlayDay, *cmdReturn;

signals:
    // The player chose a day to play; the window then closes.
    void dayChosen(const QDate &day);

private:
    void showDay();
    QHash<QDate, stats::DayResult> m_days;
    Announcer *m_announcer = nullptr;
};
