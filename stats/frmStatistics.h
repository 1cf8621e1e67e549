#pragma once

#include "Figures.h"
#include "GamesChart.h"
#include "KelButton.h"
#include "modFadeInOut.h"

#include <QWidget>

class QLabel;

// How the player is doing: the figures of the record of games and a chart of
// the latest ones, in the game's own style. Opened modally from the quote
// list's menu; fades like the other windows; Esc closes it.
class frmStatistics : public QWidget {
    Q_OBJECT
public:
    explicit frmStatistics(QWidget *parent = nullptr);

    void Form_Load();
    void Form_Activate();
    void cmdResetStatistics_Click();
    void cmdReturn_Click();
    bool activated() const { return m_activated; }

    // Reads the record again and shows it.
    void ShowFigures();
    // The figures as the window words them, line by line.
    static QStringList FigureLines(const stats::Figures &f);

    FadeMachine fade;
    KelButton *cmdResetStatistics, *cmdReturn;
    QLabel *labelHeading, *lblFigures;
    stats::GamesChart *chartGames;
    stats::Figures figures;

protected:
    void showEvent(QShowEvent *e) override;

private:
    WindowDesign m_design;
    QString m_problem; // why the record could not be read, if it could not
    bool m_activated = false;
};
