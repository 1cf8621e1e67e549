#pragma once

#include <QList>
#include <QString>

// A kind of puzzle: how a quote is laid out on the board the player fills in,
// and how a fresh puzzle is made of it. The design's kind keeps the quote's
// words and breaks; another kind (letters in groups of five, no word breaks)
// is one more class, registered here.
namespace play {

// A puzzle ready to play or print: the board (the quote as the kind lays it
// out, the letters to find in place), the board enciphered, and the key (the
// scrambled letter of each plain letter A to Z).
struct Puzzle {
    QString board, enciphered, key;
};

class PuzzleKind {
public:
    virtual ~PuzzleKind() = default;
    // The name settings and kept games know the kind by; never translated.
    virtual QString id() const = 0;
    // The kind as a player reads it, in the player's language.
    virtual QString name() const = 0;
    // The quote as the board lays it out.
    virtual QString boardOf(const QString &quote) const = 0;
    // A fresh puzzle of `quote`: its board enciphered with a fresh code key,
    // which the cipher's key table then holds (the print panel shows it).
    // A kind of its own key (a keyed alphabet) makes the key its way.
    virtual Puzzle make(const QString &quote) const;
};

// The design's kind: the quote as it stands, words and breaks in place.
const PuzzleKind &WithWordBreaks();

// The kinds the game offers, the design's first; `kind` lives as long as the
// program.
void RegisterKind(const PuzzleKind &kind);
QList<const PuzzleKind *> Kinds();
// The kind of that id, or the design's for an id no kind has.
const PuzzleKind &KindNamed(const QString &id);

} // namespace play
