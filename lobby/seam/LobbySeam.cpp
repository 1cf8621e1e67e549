#include "LobbySeam.h"

#include <QTimer>

#include <utility>

void LobbySeam::holdOpening(const QObject *owner) {
    m_openingHeld.insert(owner);
}

void LobbySeam::releaseOpening(const QObject *owner) {
    if (m_openingHeld.remove(owner)) QTimer::singleShot(0, this, &LobbySeam::runAfterOpening);
}

void LobbySeam::afterOpening(std::function<void()> action) {
    m_afterOpening.append(std::move(action));
    // Not at once: every handler of the opening takes its hold first.
    QTimer::singleShot(0, this, &LobbySeam::runAfterOpening);
}

void LobbySeam::runAfterOpening() {
    if (!m_openingHeld.isEmpty()) return;
    const QList<std::function<void()>> actions = std::exchange(m_afterOpening, {});
    for (const auto &action : actions)
        action();
}
