#include "GameSession.h"

#include "LetterSteps.h"
#include "NoWordBreaks.h"
#include "PuzzleKind.h"
#include "Solver.h"

#include <cstdlib>

qint16 GameSession::drawRecord(qint16 count, play::Level level) {
    const auto draw = [&] {
        return m_choose ? m_choose(count) : modStandard::RandomBetween(1, count);
    };
    if (level == play::Level::Any || !quoteOf) return draw();
    qint16 best = 0;
    int bestDistance = 99;
    for (int tries = 0; tries < 40 && bestDistance > 0; ++tries) {
        const qint16 record = draw();
        const QString quote = record >= 1 && record <= count ? quoteOf(record) : QString();
        if (quote.isEmpty()) continue;
        const int difficulty = m_levels.rate(quote);
        if (difficulty == play::QuoteLevels::NoLevel) continue; // of no level at all
        const int distance = std::abs(int(play::LevelOf(difficulty)) - int(level));
        if (distance < bestDistance) bestDistance = distance, best = record;
    }
    return best ? best : draw();
}

void GameSession::setChoice(std::function<qint16(qint16)> choose) {
    m_choose = std::move(choose);
}

void GameSession::clear() {
    m_game = SolveGame();
    m_hintsGiveLetters = true;
    m_replay = false;
    m_level = play::Level::Any;
    m_day = QDate();
    m_kind.clear();
    m_original.clear();
    m_language.reset();
    m_pencil.clear();
    m_lastPair = {};
    m_key.clear();
    m_keptSeconds = 0;
    m_restored = false;
    m_began = QDateTime();
    m_pausedAt = QDateTime();
    m_heldAt = QDateTime();
}

void GameSession::start(const QString &quote, const QString &enciphered, const QString &key,
                        play::Level level, const QDate &day, const QString &kind,
                        const QString &original) {
    m_game.start(quote, enciphered);
    m_restored = false;
    m_replay = false;
    m_level = level;
    m_day = day;
    m_kind = kind == play::WithWordBreaks().id() ? QString() : kind;
    m_original = m_kind.isEmpty() ? QString() : original.trimmed();
    m_language.reset();
    m_hintsGiveLetters = play::HintsGiveLetters(level);
    m_lastPair = {};
    m_pausedAt = QDateTime();
    m_heldAt = QDateTime();
    m_key = key;
    // The letters a game of its level gives are on the board from its start.
    for (QChar c : play::LettersGiven(m_game.Enciphered(), level))
        m_game.giveLetter(c);
    m_began = now();
    m_game.startClock(m_began);
    emit started();
}

void GameSession::restore(const play::KeptGame &kept) {
    clear();
    m_game.restore(kept.quote, kept.enciphered, kept.progress, kept.hints);
    m_game.restoreHistory(kept.done, kept.undone); // a history that does not fit is only left out
    m_keptSeconds = qMax<qint64>(0, kept.seconds);
    m_restored = true;
    m_game.startClock(now().addSecs(-m_keptSeconds));
    m_key = kept.key;
    m_began = kept.started;
    m_hintsGiveLetters = kept.letterHints;
    m_replay = kept.replay;
    m_day = kept.day;
    m_kind = kept.kind;
    m_original = kept.original;
    m_language.reset();
    m_pencil = kept.pencil;
}

bool GameSession::hasWordBreaks() const {
    return m_kind != play::WithoutWordBreaks().id();
}

solver::Language GameSession::language() const {
    if (!m_language) {
        const QString &quote = m_game.SolveQuote();
        m_language =
            hasWordBreaks() ? solver::ReadQuote(quote).language : solver::LanguageOfLetters(quote);
    }
    return *m_language;
}

void GameSession::setPencil(const QString &pairs) {
    if (pairs == m_pencil) return;
    m_pencil = pairs;
    emit changed(Move::Rule); // kept with the game, not a move of it
}

void GameSession::resume() {
    m_game.startClock(now().addSecs(-m_keptSeconds));
    if (!m_began.isValid()) m_began = now();
    emit started();
}

void GameSession::pause() {
    if (paused() || !m_game.isOpen() || m_game.isOver()) return;
    release();
    m_pausedAt = now();
    emit pausedChanged(true);
}

void GameSession::unpause() {
    unpauseAt(now());
}

void GameSession::hold() {
    if (held() || paused() || !m_game.isOpen() || m_game.isOver()) return;
    m_heldAt = now();
}

void GameSession::release() {
    standStill(m_heldAt, now());
}

void GameSession::standStill(QDateTime &since, const QDateTime &until) {
    if (!since.isValid()) return;
    // The game began later by the time it stood still.
    m_game.startClock(m_game.SolveStartTime().addMSecs(qMax<qint64>(0, since.msecsTo(until))));
    since = QDateTime();
}

void GameSession::unpauseAt(const QDateTime &at) {
    standStill(m_heldAt, at);
    if (!paused()) return;
    standStill(m_pausedAt, at);
    emit pausedChanged(false);
}

qint64 GameSession::seconds() const {
    const QDateTime still = paused() ? m_pausedAt : held() ? m_heldAt : now();
    return qMax<qint64>(0, m_game.SolveStartTime().secsTo(still));
}

void GameSession::placePair(const QString &cipher, const QString &plain) {
    unpause();
    m_game.applyPair(cipher, plain);
    m_lastPair = {cipher, plain};
    emit changed(Move::Pair);
}

int GameSession::hint(const std::function<int(int, int)> &randomBetween, QChar aimed) {
    unpause();
    if (!m_hintsGiveLetters) {
        emit hintRefused();
        return -1;
    }
    int at = aimed.isNull() ? -1 : m_game.takeHintOf(aimed);
    if (at < 0) at = m_game.takeHint(randomBetween);
    if (at < 0) return at;
    m_lastPair = {QString(m_game.Enciphered()[at]), QString(m_game.SolveQuote()[at])};
    m_game.applyPair(m_lastPair.first, m_lastPair.second);
    emit changed(Move::Hint);
    return at;
}

void GameSession::setHintsGiveLetters(bool on) {
    if (on == m_hintsGiveLetters) return;
    m_hintsGiveLetters = on;
    emit changed(Move::Rule); // the game as kept changes with it
}

void GameSession::setReplay(bool on) {
    if (on == m_replay) return;
    m_replay = on;
    emit changed(Move::Rule); // the game as kept changes with it
}

void GameSession::countHint() {
    unpause();
    m_game.countHint();
    emit changed(Move::CountedHint);
}

void GameSession::solve() {
    unpause();
    m_game.showAnswer();
    emit changed(Move::Solve);
}

bool GameSession::undo() {
    unpause();
    if (!m_game.undo()) return false;
    emit changed(Move::Undo);
    return true;
}

bool GameSession::redo() {
    unpause();
    if (!m_game.redo()) return false;
    emit changed(Move::Redo);
    return true;
}

bool GameSession::end(SolveGame::Outcome outcome, const QDateTime &at) {
    const QDateTime when = at.isValid() ? at : now();
    if (m_game.isOpen()) unpauseAt(when);
    if (!m_game.close(when)) return false;
    m_outcome = outcome;
    emit ending(outcome);
    emit ended(outcome);
    emit closed();
    m_began = QDateTime();
    return true;
}

play::KeptGame GameSession::endedGame() const {
    play::KeptGame s = kept();
    s.ended = m_game.EndTime().isValid() ? m_game.EndTime() : now();
    s.seconds = qMax<qint64>(0, m_game.SolveStartTime().secsTo(s.ended));
    s.outcome = m_outcome;
    return s;
}

void GameSession::suspend() {
    emit suspended();
}

play::KeptGame GameSession::kept() const {
    play::KeptGame s;
    const QDateTime at = now();
    s.started = m_began.isValid() ? m_began : at;
    s.seconds = seconds();
    s.hints = m_game.HintCount();
    s.key = m_key;
    s.quote = m_game.SolveQuote();
    s.enciphered = m_game.Enciphered();
    s.progress = m_game.SolveProgress();
    s.done = m_game.historyText(false);
    s.undone = m_game.historyText(true);
    s.letterHints = m_hintsGiveLetters;
    s.day = m_day;
    s.kind = m_kind;
    s.original = m_original;
    s.pencil = m_pencil;
    s.replay = m_replay;
    return s;
}
