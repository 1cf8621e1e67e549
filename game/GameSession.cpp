#include "GameSession.h"

void GameSession::clear() {
    m_game = SolveGame();
    m_hintsGiveLetters = true;
    m_lastPair = {};
    m_key.clear();
    m_keptSeconds = 0;
    m_began = QDateTime();
}

void GameSession::start(const QString &quote, const QString &enciphered, const QString &key) {
    m_game.start(quote, enciphered);
    m_hintsGiveLetters = true;
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
}

void GameSession::resume() {
    m_game.startClock(now().addSecs(-m_keptSeconds));
    if (!m_began.isValid()) m_began = now();
    emit started();
}

void GameSession::placePair(const QString &cipher, const QString &plain) {
    m_game.applyPair(cipher, plain);
    m_lastPair = {cipher, plain};
    emit changed();
}

int GameSession::hint(const std::function<int(int, int)> &randomBetween) {
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

void GameSession::countHint() {
    m_game.countHint();
    emit changed();
}

void GameSession::solve() {
    m_game.showAnswer();
    emit changed();
}

bool GameSession::undo() {
    if (!m_game.undo()) return false;
    emit changed();
    return true;
}

bool GameSession::redo() {
    if (!m_game.redo()) return false;
    emit changed();
    return true;
}

bool GameSession::end(SolveGame::Outcome outcome, const QDateTime &at) {
    if (!m_game.close(at.isValid() ? at : now())) return false;
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
    s.seconds = qMax<qint64>(0, m_game.SolveStartTime().secsTo(at));
    s.hints = m_game.HintCount();
    s.key = m_key;
    s.quote = m_game.SolveQuote();
    s.enciphered = m_game.Enciphered();
    s.progress = m_game.SolveProgress();
    s.done = m_game.historyText(false);
    s.undone = m_game.historyText(true);
    return s;
}
