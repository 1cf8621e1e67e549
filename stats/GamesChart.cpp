#include "GamesChart.h"

#include "Minutes.h"
#include "NightScheme.h"

#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <cmath>

namespace stats {

const QColor GamesChart::Solved(40, 150, 70), GamesChart::Shown(230, 140, 30),
    GamesChart::Abandoned(150, 150, 150), GamesChart::Average(70, 90, 200);

namespace {

QFont face(int pixels, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QValueAxis *axis(const Scale &s, const QString &title) {
    auto *a = new QValueAxis;
    a->setRange(0, s.top);
    a->setTickType(QValueAxis::TicksDynamic);
    a->setTickAnchor(0);
    a->setTickInterval(s.step);
    a->setMinorTickCount(0);
    a->setLabelFormat(QStringLiteral("%d"));
    a->setLabelsFont(face(10));
    a->setTitleFont(face(10));
    a->setTitleText(title);
    return a;
}

} // namespace

Scale ScaleFor(double highest, int aim) {
    const double rough = qMax(highest, 1.0) / qMax(aim, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    int step = 1;
    for (const int m : {1, 2, 5, 10})
        if (m * power >= rough) {
            step = qMax(1, int(std::lround(m * power)));
            break;
        }
    Scale s;
    s.step = step;
    s.top = qMax(step, int(std::ceil(qMax(highest, 1.0) / step)) * step);
    return s;
}

// By night the chart's ground dark, its words and lines light: the
// points keep their colours, which read on both.
static void ShowInNightColours(QChart *c) {
    if (!nightscheme::on()) return;
    const QColor ground = nightscheme::Night(Qt::white, QPalette::Base),
                 text = nightscheme::Night(Qt::black, QPalette::Text),
                 grid = nightscheme::Night(QColor(200, 200, 200), QPalette::Mid);
    c->setBackgroundBrush(ground);
    c->setTitleBrush(text);
    c->legend()->setLabelColor(text);
    for (QAbstractAxis *a : c->axes()) {
        a->setLabelsColor(text);
        a->setTitleBrush(text);
        a->setGridLineColor(grid);
        a->setLinePenColor(grid);
    }
}

GamesChart::GamesChart(QWidget *parent) : QChartView(new QChart, parent) {
    chart()->setBackgroundRoundness(6);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    chart()->setTitleFont(face(11, true));
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->legend()->setFont(face(9));
    // Four names side by side in the chart's width, none cut short.
    chart()->legend()->setContentsMargins(0, 0, 0, 0);
    setRenderHint(QPainter::Antialiasing);
    ShowInNightColours(chart());
}

void GamesChart::plot(const Figures &f) {
    QChart *c = chart();
    c->removeAllSeries();
    for (QAbstractAxis *a : c->axes()) {
        c->removeAxis(a);
        delete a; // handed back by the chart: it would be lost
    }
    m_empty = f.recent.isEmpty();
    setAccessibleName(tr("Chart of the last %1 games").arg(RecentGames));
    if (m_empty) {
        c->setTitle(tr("No games played yet"));
        c->legend()->hide();
        m_summary = tr("No games played yet.");
        setAccessibleDescription(m_summary);
        ShowInNightColours(c);
        return;
    }
    c->setTitle(tr("Minutes of the last %1 games").arg(RecentGames));
    c->legend()->show();

    auto *solved = new QScatterSeries, *shown = new QScatterSeries, *abandoned = new QScatterSeries;
    solved->setName(tr("solved"));
    shown->setName(tr("shown"));
    abandoned->setName(tr("abandoned"));
    solved->setColor(Solved);
    shown->setColor(Shown);
    abandoned->setColor(Abandoned);
    abandoned->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    for (auto *s : {solved, shown, abandoned}) {
        s->setMarkerSize(8);
        s->setBorderColor(Qt::transparent);
    }
    double highest = 0;
    int counts[3] = {};
    for (int i = 0; i < f.recent.size(); ++i) {
        const Game &g = f.recent[i];
        const double m = g.seconds / 60.0;
        highest = qMax(highest, m);
        QScatterSeries *s = g.outcome == Outcome::Solved  ? solved
                            : g.outcome == Outcome::Shown ? shown
                                                          : abandoned;
        ++counts[s == solved ? 0 : s == shown ? 1 : 2];
        s->append(i + 1, m);
    }
    auto *average = new QLineSeries;
    average->setName(tr("average"));
    average->setPen(QPen(Average, 1.5, Qt::DashLine));
    m_games = ScaleFor(qMax<qsizetype>(f.recent.size(), 5), 5);
    if (f.averageSeconds) {
        highest = qMax(highest, *f.averageSeconds / 60.0);
        average->append(0, *f.averageSeconds / 60.0);
        average->append(m_games.top, *f.averageSeconds / 60.0);
    }
    m_minutes = ScaleFor(highest, 4);
    QValueAxis *x = axis(m_games, tr("game")), *y = axis(m_minutes, tr("minutes"));
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    for (QXYSeries *s : std::initializer_list<QXYSeries *>{solved, shown, abandoned, average}) {
        c->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
    }
    // Only what is on the chart has a place in its legend.
    for (QLegendMarker *m : c->legend()->markers())
        m->setVisible(m->series() == average ? bool(f.averageSeconds)
                                             : static_cast<QXYSeries *>(m->series())->count() > 0);
    m_summary = (f.recent.size() == 1 ? tr("The last game: %2 solved, %3 shown with Solve, %4 "
                                           "abandoned; it took %5.")
                                      : tr("The last %1 games: %2 solved, %3 shown with Solve, %4 "
                                           "abandoned; the longest took %5.")
                                            .arg(f.recent.size()))
                    .arg(counts[0])
                    .arg(counts[1])
                    .arg(counts[2])
                    .arg(MinutesSecondsText(qint64(std::lround(highest * 60))));
    if (f.averageSeconds)
        m_summary +=
            tr(" Games solved take %1 on average.").arg(MinutesSecondsText(*f.averageSeconds));
    // What the chart shows, in words, for a screen reader: the summary, then
    // each game's minutes, as the points stand.
    QStringList games;
    for (int i = 0; i < f.recent.size(); ++i) {
        const Game &g = f.recent[i];
        games << tr("game %1, %2, %3")
                     .arg(i + 1)
                     .arg(MinutesSecondsText(g.seconds))
                     .arg(g.outcome == Outcome::Solved  ? tr("solved")
                          : g.outcome == Outcome::Shown ? tr("shown")
                                                        : tr("abandoned"));
    }
    setAccessibleDescription(m_summary + QLatin1Char(' ') + games.join(QStringLiteral("; ")) +
                             QLatin1Char('.'));
    ShowInNightColours(c);
}

} // namespace stats
