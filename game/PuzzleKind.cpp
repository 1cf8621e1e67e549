#include "PuzzleKind.h"

#include "QuoteRules.h"
#include "modSupport.h"

#include <QCoreApplication>

namespace play {

namespace {

class WordBreaks final : public PuzzleKind {
public:
    QString id() const override { return QStringLiteral("words"); }
    QString name() const override {
        return QCoreApplication::translate("PuzzleKind", "With word breaks");
    }
    QString boardOf(const QString &quote) const override {
        return quotes::PuzzleLetters(quote.trimmed());
    }
};

QList<const PuzzleKind *> &registered() {
    static QList<const PuzzleKind *> kinds{&WithWordBreaks()};
    return kinds;
}

} // namespace

Puzzle PuzzleKind::make(const QString &quote) const {
    Puzzle p;
    p.board = boardOf(quote);
    cipher::MakeCodeKey();
    p.enciphered = cipher::EncipherText(p.board);
    p.key = cipher::KeyLetters();
    return p;
}

const PuzzleKind &WithWordBreaks() {
    static const WordBreaks kind;
    return kind;
}

void RegisterKind(const PuzzleKind &kind) {
    if (!registered().contains(&kind)) registered().append(&kind);
}

QList<const PuzzleKind *> Kinds() {
    return registered();
}

const PuzzleKind &KindNamed(const QString &id) {
    for (const PuzzleKind *k : registered())
        if (k->id() == id) return *k;
    return WithWordBreaks();
}

} // namespace play
