// A pair placed while the disk is busy: every sync of a file takes 100 ms,
// as it can when another program writes a lot. The game in progress is saved
// after every pair; the window must not wait for it. Printed: the longest
// time from a pair's last key to the solution repainted, with the save off
// the window's thread (as the game does) and, for comparison, with the same
// save waited for on the window's thread.
#include "Additions.h"
#include "Controls.h"
#include "SafeFile.h"
#include "SavedGame.h"
#include "frmMain.h"
#include "modSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>

namespace {

class BusyDisk : public safefile::System {
public:
    int fsync(int fd) override {
        QThread::msleep(100);
        return safefile::System::fsync(fd);
    }
};

// The longest pair, in ms; `waitForSave` waits for each save as a save on
// the window's thread would.
double longestPair(bool waitForSave) {
    auto *m = NewLobby();
    m->show();
    while (!m->activated())
        QApplication::processEvents();
    Ui(m).cmdSolveRandomQuote->PerformClick();
    play::GameKeeper &saved = m->seam().findChild<SavedGame *>()->keeper();
    saved.Finish();
    const QString quote = m->game.SolveQuote();
    double longest = 0;
    for (QChar letter : QStringLiteral("ETAOINSHRDLU")) {
        if (!quote.contains(letter)) continue;
        const char cipher = cipher::KeyTable(letter.unicode(), 1)[0].toLatin1();
        QTest::keyClick(Ui(m).txtLetter[1], cipher);
        QElapsedTimer t;
        t.start();
        QTest::keyClick(Ui(m).txtLetter[2], letter.toLower().toLatin1());
        if (waitForSave) saved.Finish();
        Ui(m).txtBox[1]->repaint();
        longest = qMax(longest, t.nsecsElapsed() / 1e6);
        if (!m->game.isOpen()) break;
    }
    if (m->game.isOpen()) Ui(m).cmdFinishedSolving->PerformClick(); // nothing kept for the next
    delete m;
    return longest;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    BusyDisk busy;
    safefile::setSystem(&busy);
    const double off = longestPair(false), on = longestPair(true);
    safefile::setSystem(nullptr);
    std::printf("A pair with the disk busy (every sync 100 ms), key to repaint (ms):\n");
    std::printf("  the save off the window's thread: %6.1f longest\n", off);
    std::printf("  the same save waited for:         %6.1f longest (%.0fx)\n", on,
                off > 0 ? on / off : 0.0);
    return 0;
}
