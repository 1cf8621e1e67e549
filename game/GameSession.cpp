#include "GameSession.h"

void GameSession::clear() {
    m_game = SolveGame();
    m_hintsGiveLetters = true;
    m_lastPair = {};
    m_key.clear();
    m_keptSeconds = 0;
    m_began = QDateTime();
    m_pausedAt = QDateTime();
}

void GameSession::start(const QString &quote, const QString &enciphered, const QString &key) {
    m_game.start(quote, enciphered);
    m_hintsGiveLetters = true;
    m_pausedAt = QDateTime();
    m_key = key;
    m_began = now();
    m_game.startClock(m_began);
    emit started();
}

void GameSession::restore(const play::KeptGame &kept) {
    clear();
    m_game.restore(kept.quote, kept.enciphered, kept.progress, kept.hints);
    m_game.restoreHistory(kept.done, kept.undone); // a history that does not fit is only left out
    m_keptSeconds = qMax<qint64>(0, kept.seconds);
    m_game.startClock(now().addSecs(-m_keptSeconds));
    m_key = kept.key;
    m_began = kept.started;
    m_hintsGiveLetters = kept.letterHints;
}

void GameSession::resume() {
    m_game.startClock(now().addSecs(-m_keptSeconds));
    if (!m_began.isValid()) m_began = now();
    emit started();
}

void GameSession::pause() {
    if (paused() || !m_game.isOpen() || m_game.isOver()) return;
    m_pausedAt = now();
    emit pausedChanged(true);
}

void GameSession::unpause() {
    unpauseAt(now());
}

void GameSession::unpauseAt(const QDateTime &at) {
    if (!paused()) return;
    // The game began later by the time it stood still.
    m_game.startClock(m_game.SolveStartTime().addMSecs(qMax<qint64>(0, m_pausedAt.msecsTo(at))));
    m_pausedAt = QDateTime();
    emit pausedChanged(false);
}

qint64 GameSession::seconds() const {
    return qMax<qint64>(0, m_game.SolveStartTime().secsTo(paused() ? m_pausedAt : now()));
}

void GameSession::placePair(const QString &cipher, const QString &plain) {
    unpause();
    m_game.applyPair(cipher, plain);
    m_lastPair = {cipher, plain};
    emit changed();
}

int GameSession::hint(const std::function<int(int, int)> &randomBetween) {
    unpause();
    if (!m_hintsGiveLetters) return -1;
    const int at = m_game.takeHint(randomBetween);
    if (at < 0) return at;
    m_game.applyPair(QString(m_game.Enciphered()[at]), QString(m_game.SolveQuote()[at]));
    emit changed();
    return at;
}

void GameSession::give(const QString &cipher) {
    for (QChar c : cipher)
        m_game.giveLetter(c);
    emit changed();
}

void GameSession::setHintsGiveLetters(bool on) {
    if (on == m_hintsGiveLetters) return;
    m_hintsGiveLetters = on;
    emit changed(); // the game as kept changes with it
}

void GameSession::countHint() {
    unpause();
    m_game.countHint();
    emit changed();
}

void GameSession::solve() {
    unpause();
    m_game.showAnswer();
    emit changed();
}

bool GameSession::undo() {
    unpause();
    if (!m_game.undo()) return false;
    emit changed();
    return true;
}

bool GameSession::redo() {
    unpause();
    if (!m_game.redo()) return false;
    emit changed();
    return true;
}

bool GameSession::end(SolveGame::Outcome outcome, const QDateTime &at) {
    const QDateTime when = at.isValid() ? at : now();
    if (m_game.isOpen()) unpauseAt(when);
    if (!m_game.close(when)) return false;
    emit ending(outcome);
    emit ended(outcome);
    m_began = QDateTime();
    return true;
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
    return s;
}
