#pragma once

#include "DailyQuote.h"
#include "GameFile.h"

// A kept game that could have been played, one letter on as its key, with
// the solution standing at `progress`.
inline play::KeptGame AppleADay(const QString &progress) {
    play::KeptGame s;
    s.started = QDateTime(QDate(2026, 12, 8), QTime(14, 3, 0));
    s.seconds = 95;
    s.hints = 2;
    s.key = QStringLiteral("BCDEFGHIJKLMNOPQRSTUVWXYZA");
    s.quote = QStringLiteral("AN APPLE A DAY, AS THEY SAY");
    s.enciphered = QStringLiteral("BO BQQMF B EBZ, BT UIFZ TBZ");
    s.progress = progress;
    return s;
}

// A kept game of the puzzle of `day`, begun that evening, nothing placed.
inline play::KeptGame KeptDaily(const QDate &day,
                                play::DailyLanguage language = play::DailyLanguage::English) {
    const play::Puzzle p = *play::DailyPuzzle(day, language);
    play::KeptGame s = AppleADay(QString());
    s.quote = p.board;
    s.enciphered = p.enciphered;
    s.key = p.key;
    s.progress = p.board;
    for (QChar &c : s.progress)
        if (c >= u'A' && c <= u'Z') c = SolveGame::Unsolved;
    s.day = day;
    s.started = QDateTime(day, QTime(20, 0));
    return s;
}
