#pragma once

#include "Addition.h"

#include "GameRecord.h"
#include "SolveGame.h"

#include <QDate>
#include <functional>

class GameSession;

// Today's Quote, an addition to the lobby: one puzzle a day, the same for
// every player, from the list's menu, Ctrl+D or `cipherly --daily [DAY]`; the
// days in a row solved; and a solved game's result as one line to share
// (Ctrl+C, or from the closing message of a game of the day), with no letter
// of the answer in it. It hangs on the list's menu, keys, the lobby's opening
// and the session's end of a game.
class TodaysQuote : public BoardAddition {
    Q_OBJECT
public:
    TodaysQuote(LobbySeam &lobby, BoardSeam &board);
    ~TodaysQuote() override;

    // The day asked for on the command line, played once the lobby opens.
    static QDate Requested;
    // The request that asks a copy already running for `day`'s puzzle.
    static QString Request(const QDate &day);
    // A day asked for by another start of the game: offered here as soon as
    // the lobby can take it (at once in the list; over a game, by a question;
    // after the window or the editing in front of it).
    void dayAsked(const QDate &day);
    // The day's puzzle, as a game; false (and told) for a day with none.
    bool play(const QDate &day);
    void menuTodaysQuote_Click();
    // The calendar of the days; the day chosen in it is played.
    void menuCalendar_Click();
    // Shows the calendar over `over` and gives the day chosen (an invalid
    // date when none was); replaceable in tests.
    std::function<QDate(QWidget *over)> chooseDay;

    // The result of a solved game as one line: "Cipherly #40 · Today's Quote
    // 15 Jan 2027 · level 3 · solved in 2:14 · 0 hints · streak 5" for a game
    // of the day (no level for a quote with none).
    static QString ShareLine(const QDate &day, qint64 seconds, int hints, int streak,
                             int level = 0);
    // The day's number: 1 for the first day with a quote of the day.
    static int Number(const QDate &day);
    // "15 Jan 2027": how a day is written in messages and the share line.
    static QString DayShown(const QDate &day);
    // Copies the result of the solved game on show; false when none is.
    bool copyResult();
    // Today, by the player's clock; replaceable in tests.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

private:
    void offerAsked();
    QDate m_asked;
    bool m_opened = false;
    void gameClosed();
    // The share line of the day's first solve in `games`; empty for a day
    // not solved.
    QString resultLine(const QDate &day, const QList<stats::Game> &games);
    void copyLine(const QString &line);
    SolveGame::Outcome m_outcome = SolveGame::Outcome::Abandoned;
    QDate m_endedDay;
};
