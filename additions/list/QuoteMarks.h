#pragma once

#include "Addition.h"
#include "FreshChoice.h"

// What the record of games says of the highlighted quote, after the list's
// status line when asked: never played, or played so often, solved so
// often, and the best time. The record is read in the background, once
// when asked for and again after each game.
class QuoteMarks : public Addition {
    Q_OBJECT
public:
    explicit QuoteMarks(LobbySeam &lobby);

    static bool marksOn();
    void menuShowRecord_Click();
    // The words for one quote's history.
    static QString Note(const play::QuoteHistory &h);
    // The histories are read (after a game, or when asked for).
    bool ready() const { return m_ready; }

signals:
    void histories();

private:
    void show();
    void readInBackground();

    play::QuoteHistories m_histories;
    bool m_ready = false;
    bool m_reading = false, m_again = false;
};
