#include "DailyCalendar.h"

#include "Announcer.h"
#include "AppInfo.h"
#include "DailyQuote.h"
#include "Figures.h"
#include "HelpTopic.h"
#include "Labels.h"
#include "Minutes.h"
#include "ShowModal.h"
#include "TilePicture.h"
#include "TodaysQuote.h"
#include "WindowSize.h"
#include "frmManual.h"
#include "modStandard.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLocale>
#include <QPainter>
#include <QShortcut>
#include <QTextCharFormat>

using modFadeInOut::FadeEnabled;
using stats::DayState;

namespace {

// A calendar whose days carry the mark of their state under the number.
class DayCalendar : public QCalendarWidget {
public:
    DayCalendar(const QHash<QDate, stats::DayResult> &days, QWidget *parent)
        : QCalendarWidget(parent), m_days(days) {}

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override {
        const QString mark = frmDailyCalendar::Mark(m_days.value(date).state);
        const bool chosen = date == selectedDate();
        if (!chosen) QCalendarWidget::paintCell(painter, rect, date);
        painter->save();
        if (chosen) {
            // The day chosen in the palette's own pair, so that it reads in
            // the night colours as by day, the window active or not.
            painter->fillRect(rect, palette().brush(QPalette::Active, QPalette::Highlight));
            painter->setPen(palette().color(QPalette::Active, QPalette::HighlightedText));
            painter->drawText(rect, Qt::AlignCenter, QLocale().toString(date.day()));
        } else {
            painter->setPen(palette().color(QPalette::Text));
        }
        if (!mark.isEmpty())
            painter->drawText(rect.adjusted(0, 0, -rect.width() / 8, 0),
                              Qt::AlignRight | Qt::AlignVCenter, mark);
        painter->restore();
    }

private:
    const QHash<QDate, stats::DayResult> &m_days;
};

} // namespace

frmDailyCalendar::frmDailyCalendar(const QList<stats::Game> &games, const QDate &today,
                                   QWidget *parent)
    : DesignedWindow(QStringLiteral("frmDailyCalendar"), Frame::Captioned, {}, parent),
      m_days(stats::DaysOf(games)) {
    cmdPlayDay = designed(QStringLiteral("cmdPlayDay"));
    cmdReturn = designed(QStringLiteral("cmdReturn"));
    cmdReturn->setCancel(true);
    labelHeading = NewLabel(this, 210, 900, 6180, 330, tr("Today's Quote, day by day"));
    QFont bold(QStringLiteral("MS Sans Serif"));
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    labelHeading->setFont(bold);
    const QFont arial(QStringLiteral("Arial"), 9);
    lblRuns = NewLabel(this, 210, 1230, 6180, 300);
    lblRuns->setFont(arial);
    const stats::Figures f = stats::FiguresOf(games, today);
    lblRuns->setText(tr("Days in a row: %1 (longest %2)").arg(f.currentDays).arg(f.bestDays));

    calendar = new DayCalendar(m_days, this);
    calendar->setFont(arial);
    calendar->setDateRange(play::FirstDailyDate(), today);
    calendar->setSelectedDate(today);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setGridVisible(true);
    PlaceTwips(calendar, 210, 1590, 6180, 3480);
    // The days out of reach on a plain ground, not the window's picture.
    QPalette plain = calendar->palette();
    plain.setBrush(QPalette::Window, QApplication::palette().window());
    calendar->setPalette(plain);
    // Weekends in the text's colour, which reads on every ground, night or day.
    for (const Qt::DayOfWeek weekend : {Qt::Saturday, Qt::Sunday})
        calendar->setWeekdayTextFormat(weekend, QTextCharFormat());
    labelHeading->setBuddy(calendar);

    lblDay = NewLabel(this, 210, 5160, 6180, 480);
    lblDay->setFont(arial);
    lblDay->setWordWrap(true);
    lblKey = NewLabel(this, 210, 5640, 6180, 900);
    lblKey->setFont(arial);
    lblKey->setWordWrap(true);
    lblKey->setText(tr("%1 solved on its day   %2 solved later   %3 started\nReturn or a double "
                       "click plays the day; Page Up and Page Down change the month.")
                        .arg(Mark(DayState::SolvedOnDay), Mark(DayState::SolvedLater),
                             Mark(DayState::Started)));

    connect(calendar, &QCalendarWidget::selectionChanged, this, [this] {
        showDay();
        if (!m_announcer) m_announcer = new Announcer(this);
        m_announcer->say(lblDay->text());
    });
    connect(calendar, &QCalendarWidget::activated, this, &frmDailyCalendar::cmdPlayDay_Click);
    connect(cmdPlayDay, &KelButton::Click, this, &frmDailyCalendar::cmdPlayDay_Click);
    connect(cmdReturn, &KelButton::Click, this, &frmDailyCalendar::cmdReturn_Click);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, cmdReturn, &KelButton::PerformClick);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &frmDailyCalendar::Form_KeyDownF1);
    showHelp = [](QWidget *over) { ShowModal(new frmManual, over); };
    showDay();
    Form_Load();
}

void frmDailyCalendar::Form_Load() {
    FadeEnabled = modFadeInOut::SetFormAlpha(this, 0, false);
    SetDesignedSize(this, 6600, 6750);
    setWindowTitle(tr(" %1 - Today's Quote Calendar").arg(AppInfo::Title));
    modStandard::TilePicture(QStringLiteral(":/pictures/tiles/manual.png"), this);
}

void frmDailyCalendar::Form_Activate() {
    if (!beginActivation()) return;
    cmdPlayDay->Refresh();
    cmdReturn->Refresh();
    calendar->setFocus(); // the arrows move through the days at once
    FadeInIfEnabled();
    SayOnOpening(labelHeading->text() + QStringLiteral(". ") + lblRuns->text() +
                 QStringLiteral(". ") + lblDay->text());
}

QString frmDailyCalendar::Mark(DayState state) {
    switch (state) {
    case DayState::SolvedOnDay:
        return QStringLiteral("\u2605"); // a full star
    case DayState::SolvedLater:
        return QStringLiteral("\u2606"); // a hollow star
    case DayState::Started:
        return QStringLiteral("\u25CB"); // a ring
    case DayState::NotPlayed:
        break;
    }
    return {};
}

QString frmDailyCalendar::DayLine(const QDate &day, const stats::DayResult &result) {
    const QString name =
        tr("%1, #%2").arg(TodaysQuote::DayShown(day)).arg(TodaysQuote::Number(day));
    const stats::Game *g = result.solved ? &*result.solved : nullptr;
    switch (result.state) {
    case DayState::SolvedOnDay:
        return tr("%1: solved on its day, in %2 with %n hint(s).", nullptr, g->hints)
            .arg(name, ClockText(g->seconds));
    case DayState::SolvedLater:
        return tr("%1: solved later, on %2, in %3 with %n hint(s).", nullptr, g->hints)
            .arg(name, TodaysQuote::DayShown(g->finished.date()), ClockText(g->seconds));
    case DayState::Started:
        return tr("%1: started, not solved yet.").arg(name);
    case DayState::NotPlayed:
        break;
    }
    return tr("%1: not played yet.").arg(name);
}

void frmDailyCalendar::showDay() {
    const QDate day = calendar->selectedDate();
    lblDay->setText(DayLine(day, m_days.value(day)));
}

void frmDailyCalendar::cmdPlayDay_Click() {
    emit dayChosen(calendar->selectedDate());
    FadeOutOrEnd();
}

void frmDailyCalendar::cmdReturn_Click() {
    FadeOutOrEnd();
}

void frmDailyCalendar::Form_KeyDownF1() {
    const qint16 was = HelpTopic;
    HelpTopic = HelpTopics::SolvingOnScreen;
    if (showHelp) showHelp(this);
    HelpTopic = was;
}
