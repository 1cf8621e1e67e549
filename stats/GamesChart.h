#pragma once

#include "Figures.h"

#include <QChartView>

// The chart of the statistics window: the minutes of the last games, one
// point each, coloured by how the game ended, with the average of the games
// solved. It draws with faces and sizes of its own, in pixels, so it looks
// the same on every desktop and at every screen resolution.
namespace stats {

// A scale of whole, evenly spaced ticks from 0: 0, step, 2 step, ... top.
struct Scale {
    int top = 1;
    int step = 1;
    int ticks() const { return top / step + 1; }
};
// The scale that holds `highest` with about `aim` steps of 1, 2 or 5 times
// a power of ten.
Scale ScaleFor(double highest, int aim);

class GamesChart : public QChartView {
    Q_OBJECT
public:
    explicit GamesChart(QWidget *parent = nullptr);
    void plot(const Figures &f);
    // What the chart tells in words, for a screen reader or a tooltip.
    QString summary() const { return m_summary; }
    const Scale &games() const { return m_games; }
    const Scale &minutes() const { return m_minutes; }
    bool empty() const { return m_empty; }

    static const QColor Solved, Shown, Abandoned, Average;

private:
    Scale m_games, m_minutes;
    bool m_empty = true;
    QString m_summary;
};

} // namespace stats
