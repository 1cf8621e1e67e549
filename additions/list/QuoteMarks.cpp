#include "QuoteMarks.h"

#include "GameRecord.h"
#include "Minutes.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

QuoteMarks::QuoteMarks(LobbySeam &lobby) : Addition(lobby, QStringLiteral("quoteMarks")) {
    lobby.addListMenuItem(
        tr("Show &Played Record"), [this] { menuShowRecord_Click(); }, [] { return marksOn(); });
    connect(&lobby, &LobbySeam::highlightChanged, this, &QuoteMarks::show);
    connect(&lobby, &LobbySeam::quoteListFilled, this, &QuoteMarks::show);
    connect(this, &QuoteMarks::histories, this, &QuoteMarks::show);
    connect(&lobby.board().session(), &GameSession::closed, this, [this] {
        m_ready = false; // one game more on record
        show();
    });
}

bool QuoteMarks::marksOn() {
    return Settings::IsOn(Settings::Keys::QuoteMarks);
}

void QuoteMarks::menuShowRecord_Click() {
    Settings::SetOn(Settings::Keys::QuoteMarks, !marksOn());
    show();
}

QString QuoteMarks::Note(const play::QuoteHistory &h) {
    // Short, to fit the line beside the design's words and the difficulty.
    if (h.played == 0) return tr(" \u00B7 Unplayed");
    const QString played = h.played == 1 ? tr("once") : QString::number(h.played);
    if (h.solved == 0) return tr(" \u00B7 Played %1, unsolved").arg(played);
    const QString best = ClockText(h.bestSeconds);
    if (h.solved == 1) return tr(" \u00B7 Solved, best %1").arg(best);
    return tr(" \u00B7 Solved \u00D7%1, best %2").arg(h.solved).arg(best);
}

void QuoteMarks::show() {
    const QStringList &quotes = lobby.quotes();
    const int row = lobby.highlightedRow();
    if (!marksOn() || row < 1 || row > quotes.size()) {
        lobby.setStatusNote(objectName(), {});
        return;
    }
    if (!m_ready) {
        lobby.setStatusNote(objectName(), {});
        return readInBackground();
    }
    lobby.setStatusNote(objectName(), Note(m_histories.value(play::HashOfQuote(quotes[row - 1]))));
}

void QuoteMarks::readInBackground() {
    if (m_reading) {
        m_again = true; // a game ended while reading: read once more after
        return;
    }
    m_reading = true;
    QPointer<QuoteMarks> self(this);
    QThreadPool::globalInstance()->start([self] {
        play::QuoteHistories h;
        play::FoldHistories(h, stats::ReadGames(), 0);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, h = std::move(h)] {
                if (!self) return;
                self->m_reading = false;
                if (std::exchange(self->m_again, false)) return self->readInBackground();
                self->m_histories = h;
                self->m_ready = true;
                emit self->histories();
            },
            Qt::QueuedConnection);
    });
}
