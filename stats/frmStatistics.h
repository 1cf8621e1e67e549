#pragma once

#include "DesignedWindow.h"
#include "Figures.h"
#include "GamesChart.h"

class QLabel;

// How the player is doing: the figures of the record of games and a chart of
// the latest ones, in the game's own style. Opened modally from the quote
// list's menu; fades like the other windows; Esc closes it.
class frmStatistics : public DesignedWindow {
    Q_OBJECT
public:
    explicit frmStatistics(QWidget *parent = nullptr);

    void Form_Load();
    void Form_Activate() override;
    void cmdResetStatistics_Click();
    void cmdReturn_Click();
    // F1: help, at the topic on statistics.
    void Form_KeyDownF1();
    // Opens the help window modally; replaceable in tests.
    std::function<void(QWidget *)> showHelp;

    // Reads the record again and shows it.
    void ShowFigures();
    // The figures as the window words them, line by line.
    static QStringList FigureLines(const stats::Figures &f);

    KelButton *cmdResetStatistics, *cmdReturn;
    QLabel *labelHeading, *lblFigures;
    stats::GamesChart *chartGames;
    stats::Figures figures;

private:
    QString m_problem; // why the record could not be read, if it could not
};
