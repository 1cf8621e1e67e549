#pragma once

#include "SolveGame.h"

#include <QWidget>

// The solver's letter strip: the 26 cipher letters in order, each with how
// often it occurs in the quote (faint when never) and the plain letter the
// player has given it (red when that plain letter is given to another cipher
// letter too).
class LetterStrip : public QWidget {
    Q_OBJECT
public:
    explicit LetterStrip(QWidget *parent = nullptr);
    void setEntries(const QList<SolveGame::StripEntry> &entries);
    const QList<SolveGame::StripEntry> &entries() const { return m_entries; }
    // The cell of cipher letter `index` (0 for A), in the strip's pixels.
    QRect cell(int index) const;

    static const QColor Ink, Faint, Conflict;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QList<SolveGame::StripEntry> m_entries;
};
