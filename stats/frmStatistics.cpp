#include "frmStatistics.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "Labels.h"
#include "Minutes.h"
#include "WindowSize.h"
#include "modStandard.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QLineSeries>
#include <QScatterSeries>
#include <QShortcut>
#include <QTimer>
#include <QValueAxis>

using modFadeInOut::FadeEnabled;

namespace {

const QColor SolvedColour(40, 150, 70), ShownColour(230, 140, 30), AverageColour(70, 90, 200);

QString minutes(std::optional<qint64> seconds) {
    return seconds ? MinutesText(*seconds) + QStringLiteral(" minutes") : QStringLiteral("-");
}

} // namespace

frmStatistics::frmStatistics(QWidget *parent)
    : QWidget(parent, Qt::Window), fade(this, [this] { close(); }) {
    setAttribute(Qt::WA_DeleteOnClose);
    MakeFixedWindow(this, false);
    WindowDesign::load(QStringLiteral(":/design/frmStatistics.kel"), m_design);
    cmdResetStatistics =
        KelButton::fromDesign(m_design, QStringLiteral("cmdResetStatistics"), this);
    cmdReturn = KelButton::fromDesign(m_design, QStringLiteral("cmdReturn"), this);
    cmdReturn->setCancel(true);
    labelHeading = NewLabel(this, 210, 900, 3000, 330, QStringLiteral("How you are doing"));
    QFont bold(QStringLiteral("MS Sans Serif"));
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    labelHeading->setFont(bold);
    lblFigures = NewLabel(this, 210, 1290, 2900, 4500);
    lblFigures->setFont(QFont(QStringLiteral("Arial"), 9));
    lblFigures->setTextInteractionFlags(Qt::TextSelectableByMouse); // figures can be copied
    lblFigures->setFocusPolicy(Qt::NoFocus);

    auto *chart = new QChart;
    chart->setBackgroundRoundness(6);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setTitle(QStringLiteral("Minutes of the last %1 games").arg(stats::RecentGames));
    chartGames = new QChartView(chart, this);
    chartGames->setRenderHint(QPainter::Antialiasing);
    chartGames->setFocusPolicy(Qt::NoFocus);
    PlaceTwips(chartGames, 3150, 900, 4260, 5000);

    connect(cmdResetStatistics, &KelButton::Click, this, &frmStatistics::cmdResetStatistics_Click);
    connect(cmdReturn, &KelButton::Click, this, &frmStatistics::cmdReturn_Click);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, cmdReturn, &KelButton::PerformClick);
    Form_Load();
}

void frmStatistics::Form_Load() {
    FadeEnabled = modFadeInOut::SetFormAlpha(this, 0, false);
    SetDesignedSize(this, 7660, 6600);
    setWindowTitle(QStringLiteral(" ") + AppInfo::Title + QStringLiteral(" - Statistics"));
    modStandard::TilePicture(QStringLiteral(":/pictures/tiles/manual.png"), this);
}

void frmStatistics::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    if (!m_activated) QTimer::singleShot(0, this, &frmStatistics::Form_Activate);
}

void frmStatistics::Form_Activate() {
    if (m_activated) return;
    m_activated = true;
    cmdResetStatistics->Refresh();
    cmdReturn->Refresh();
    ShowFigures();
    cmdReturn->setFocus(); // the safe button, not the one that forgets
    if (FadeEnabled) fade.StartFade(0, 255, 20, false);
    if (!m_problem.isEmpty())
        dialogs::message(this, AppInfo::Title,
                         QStringLiteral("Your record of games cannot be read:\n%1: %2.")
                             .arg(QDir::toNativeSeparators(stats::RecordPath()), m_problem),
                         dialogs::Icon::Exclamation);
}

QStringList frmStatistics::FigureLines(const stats::Figures &f) {
    return {
        QStringLiteral("Games played: %1").arg(f.played),
        QStringLiteral("Solved: %1").arg(f.solved),
        QStringLiteral("Shown with Solve: %1").arg(f.shown),
        QStringLiteral("Abandoned: %1").arg(f.abandoned),
        QString(),
        QStringLiteral("Best time: %1").arg(minutes(f.bestSeconds)),
        QStringLiteral("Average time: %1").arg(minutes(f.averageSeconds)),
        QStringLiteral("Hints per solved game: %1")
            .arg(f.hintsPerSolved ? QString::number(*f.hintsPerSolved, 'f', 1)
                                  : QStringLiteral("-")),
        QString(),
        QStringLiteral("Solved in a row now: %1").arg(f.currentStreak),
        QStringLiteral("Most solved in a row: %1").arg(f.bestStreak),
    };
}

void frmStatistics::ShowFigures() {
    m_problem.clear();
    figures = stats::FiguresOf(stats::ReadGames(nullptr, &m_problem));
    lblFigures->setText(FigureLines(figures).join(QLatin1Char('\n')));

    QChart *chart = chartGames->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *a : chart->axes())
        chart->removeAxis(a);
    auto *solved = new QScatterSeries, *shown = new QScatterSeries;
    solved->setName(QStringLiteral("solved"));
    shown->setName(QStringLiteral("shown"));
    solved->setColor(SolvedColour);
    shown->setColor(ShownColour);
    for (auto *s : {solved, shown}) {
        s->setMarkerSize(8);
        s->setBorderColor(Qt::transparent);
    }
    double highest = 1;
    for (int i = 0; i < figures.recent.size(); ++i) {
        const stats::Game &g = figures.recent[i];
        const double m = g.seconds / 60.0;
        highest = qMax(highest, m);
        (g.outcome == stats::Outcome::Solved ? solved : shown)->append(i + 1, m);
    }
    auto *average = new QLineSeries;
    average->setName(QStringLiteral("average solved"));
    average->setPen(QPen(AverageColour, 1.5, Qt::DashLine));
    if (figures.averageSeconds && !figures.recent.isEmpty()) {
        const double m = *figures.averageSeconds / 60.0;
        average->append(1, m);
        average->append(qMax<qsizetype>(figures.recent.size(), 2), m);
    }
    auto *x = new QValueAxis, *y = new QValueAxis;
    x->setRange(0, qMax<qsizetype>(figures.recent.size(), 10) + 1);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(QStringLiteral("game"));
    y->setRange(0, std::ceil(highest * 1.1));
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(QStringLiteral("minutes"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QXYSeries *s : std::initializer_list<QXYSeries *>{solved, shown, average}) {
        chart->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

void frmStatistics::cmdResetStatistics_Click() {
    if (dialogs::message(
            this, QStringLiteral("Reset Statistics"),
            QStringLiteral("Are you SURE you want to forget\nevery game played so far?"),
            dialogs::Icon::Question, dialogs::Buttons::YesNo,
            dialogs::Answer::No) != dialogs::Answer::Yes)
        return;
    const QString reason = stats::ResetRecord();
    if (!reason.isEmpty())
        dialogs::message(
            this, AppInfo::Title,
            QStringLiteral("The record of games could not be reset; it is as it was.\n\n") +
                stats::RecordPath() + QStringLiteral(": ") + reason,
            dialogs::Icon::Critical);
    ShowFigures();
}

void frmStatistics::cmdReturn_Click() {
    if (FadeEnabled)
        fade.StartFade(255, 0, 20, true);
    else
        close();
}
