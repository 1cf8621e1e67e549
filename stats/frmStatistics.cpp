#include "frmStatistics.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "HelpTopic.h"
#include "Labels.h"
#include "Minutes.h"
#include "ShowModal.h"
#include "TilePicture.h"
#include "WindowSize.h"
#include "frmManual.h"
#include "modStandard.h"

#include <QDir>
#include <QLocale>
#include <QShortcut>

using modFadeInOut::FadeEnabled;

namespace {

QString minutes(std::optional<qint64> seconds) {
    return seconds ? MinutesSecondsText(*seconds) : QStringLiteral("-");
}

} // namespace

frmStatistics::frmStatistics(QWidget *parent)
    : DesignedWindow(QStringLiteral("frmStatistics"), Frame::Captioned, {}, parent) {
    cmdResetStatistics = designed(QStringLiteral("cmdResetStatistics"));
    cmdReturn = designed(QStringLiteral("cmdReturn"));
    cmdReturn->setCancel(true);
    labelHeading = NewLabel(this, 210, 900, 3000, 330, tr("How you are doing"));
    QFont bold(QStringLiteral("MS Sans Serif"));
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    labelHeading->setFont(bold);
    lblFigures = NewLabel(this, 210, 1290, 2900, 4500);
    lblFigures->setFont(QFont(QStringLiteral("Arial"), 9));
    lblFigures->setTextInteractionFlags(Qt::TextSelectableByMouse); // figures can be copied
    lblFigures->setFocusPolicy(Qt::NoFocus);
    labelHeading->setBuddy(lblFigures);

    chartGames = new stats::GamesChart(this);
    chartGames->setFocusPolicy(Qt::NoFocus);
    PlaceTwips(chartGames, 3150, 900, 4260, 5000);

    connect(cmdResetStatistics, &KelButton::Click, this, &frmStatistics::cmdResetStatistics_Click);
    connect(cmdReturn, &KelButton::Click, this, &frmStatistics::cmdReturn_Click);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, cmdReturn, &KelButton::PerformClick);
    // F1 is help on what the player is doing, here as everywhere.
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &frmStatistics::Form_KeyDownF1);
    showHelp = [](QWidget *over) { ShowModal(new frmManual, over); };
    Form_Load();
}

void frmStatistics::Form_Load() {
    FadeEnabled = modFadeInOut::SetFormAlpha(this, 0, false);
    SetDesignedSize(this, 7660, 6600);
    setWindowTitle(tr(" %1 - Statistics").arg(AppInfo::Title));
    modStandard::TilePicture(QStringLiteral(":/pictures/tiles/manual.png"), this);
}

void frmStatistics::Form_Activate() {
    if (!beginActivation()) return;
    cmdResetStatistics->Refresh();
    cmdReturn->Refresh();
    ShowFigures();
    cmdReturn->setFocus(); // the safe button, not the one that forgets
    FadeInIfEnabled();
    SayOnOpening(FigureLines(figures)
                     .join(QStringLiteral(". "))
                     .replace(QStringLiteral(". . "), QStringLiteral(". ")) +
                 QStringLiteral(". ") + chartGames->summary());
    if (!m_problem.isEmpty())
        dialogs::message(this, AppInfo::Title,
                         tr("Your record of games cannot be read:\n%1: %2.")
                             .arg(QDir::toNativeSeparators(stats::RecordPath()), m_problem),
                         dialogs::Icon::Exclamation);
}

QStringList frmStatistics::FigureLines(const stats::Figures &f) {
    return {
        tr("Games played: %1").arg(f.played),
        tr("Solved: %1").arg(f.solved),
        tr("Shown with Solve: %1").arg(f.shown),
        tr("Abandoned: %1").arg(f.abandoned),
        QString(),
        tr("Best time: %1").arg(minutes(f.bestSeconds)),
        tr("Average time: %1").arg(minutes(f.averageSeconds)),
        tr("Hints per solved game: %1")
            .arg(f.hintsPerSolved ? QLocale().toString(*f.hintsPerSolved, 'f', 1)
                                  : QStringLiteral("-")),
        QString(),
        tr("Solved in a row now: %1").arg(f.currentStreak),
        tr("Most solved in a row: %1").arg(f.bestStreak),
        tr("Today's Quote in a row: %n day(s)", nullptr, f.currentDays),
        tr("Most days in a row: %1").arg(f.bestDays),
    };
}

void frmStatistics::ShowFigures() {
    m_problem.clear();
    figures = stats::FiguresOf(stats::ReadGames(nullptr, &m_problem));
    lblFigures->setText(FigureLines(figures).join(QLatin1Char('\n')));

    chartGames->plot(figures);
}

void frmStatistics::cmdResetStatistics_Click() {
    if (dialogs::message(this, tr("Reset Statistics"),
                         tr("Are you SURE you want to forget\nevery game played so far?\n\n"
                            "Random games will then also forget which quotes\nyou have "
                            "played, and may pick any of them again."),
                         dialogs::Icon::Question, dialogs::Buttons::YesNo,
                         dialogs::Answer::No) != dialogs::Answer::Yes)
        return;
    const QString reason = stats::ResetRecord();
    if (!reason.isEmpty())
        dialogs::message(this, AppInfo::Title,
                         tr("The record of games could not be reset; it is as it was.\n\n%1: %2")
                             .arg(stats::RecordPath(), reason),
                         dialogs::Icon::Critical);
    ShowFigures();
}

void frmStatistics::Form_KeyDownF1() {
    const qint16 was = HelpTopic;
    HelpTopic = HelpTopics::Statistics;
    if (showHelp) showHelp(this);
    HelpTopic = was;
}

void frmStatistics::cmdReturn_Click() {
    FadeOutOrEnd();
}
