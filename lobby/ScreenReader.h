#pragma once

#include <QObject>
#include <QString>

class frmMain;

// The lobby as a screen reader meets it: every control named for what it is
// in the mode on show, the rules tied to the box they explain, and what
// changes in a game told: the solution in progress after each pair, take-back
// or hint (unknown letters read as "blank"), and the closing message as an
// alert, also spoken with the button that takes the focus. It hangs on the
// lobby's mode and game signals and changes no pixel.
class ScreenReader : public QObject {
    Q_OBJECT
public:
    explicit ScreenReader(frmMain &lobby);

    // A solution in progress as it is read: "T blank E" for "T·E".
    static QString spoken(const QString &solution);

private:
    void nameForMode();
    void solutionChanged();
    void gameEnded();

    frmMain &m;
};
