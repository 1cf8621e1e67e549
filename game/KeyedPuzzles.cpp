#include "KeyedPuzzles.h"

#include "Keywords.h"
#include "QuoteRules.h"
#include "modStandard.h"
#include "modSupport.h"

#include <QCoreApplication>

namespace play {

namespace {

// The commonest keywords only: a club's keyword is a word everyone knows.
constexpr int KeywordsDrawn = 2000;

class Keyed final : public PuzzleKind {
public:
    explicit Keyed(cipher::Keyed kind) : m_kind(kind) {}
    QString id() const override { return cipher::KindName(m_kind).toLower(); }
    QString name() const override {
        return QCoreApplication::translate("PuzzleKind", "Keyed alphabet (%1)")
            .arg(cipher::KindName(m_kind));
    }
    QString boardOf(const QString &quote) const override {
        return quotes::PuzzleLetters(quote.trimmed());
    }
    Puzzle make(const QString &quote) const override {
        const QStringList &words = solver::Keywords(solver::SpokenLanguage());
        if (words.isEmpty()) return PuzzleKind::make(quote); // no word data: a random key
        const int n = int(qMin<qsizetype>(words.size(), KeywordsDrawn));
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString keyword = words[modStandard::RandomBetween(0, qint16(n - 1))];
            const QList<int> shifts = cipher::SelfFreeShifts(m_kind, keyword);
            if (shifts.isEmpty()) continue;
            const int shift =
                shifts[modStandard::RandomBetween(0, qint16(shifts.size() - 1))];
            Puzzle p;
            p.board = boardOf(quote);
            p.key = cipher::KeyedKey(m_kind, keyword, shift);
            p.enciphered = cipher::EncipherWith(p.key, p.board);
            // The print panel shows the key from the cipher's table.
            cipher::KeyTable.clear();
            for (int i = 0; i < 26; ++i)
                cipher::KeyTable(cipher::CodeKeyTable::FirstRow + i, 1) = p.key[i];
            return p;
        }
        return PuzzleKind::make(quote);
    }

private:
    cipher::Keyed m_kind;
};

} // namespace

const PuzzleKind &KeyedKind(cipher::Keyed kind) {
    static const Keyed k1(cipher::Keyed::K1), k2(cipher::Keyed::K2), k3(cipher::Keyed::K3);
    return kind == cipher::Keyed::K1 ? k1 : kind == cipher::Keyed::K2 ? k2 : k3;
}

const PuzzleKind *KeyedKindNamed(const QString &id) {
    const std::optional<cipher::Keyed> kind = cipher::KindOf(id);
    return kind && id == id.toLower() ? &KeyedKind(*kind) : nullptr;
}

std::optional<cipher::KeyedReading> KeywordOf(const QString &key) {
    return cipher::ReadKeyedFrom(key, solver::Keywords(solver::SpokenLanguage()));
}

bool SameKeyword(const QString &answer, const QString &keyword) {
    QString letters;
    for (const QChar c : answer.toUpper())
        if (c >= u'A' && c <= u'Z') letters += c;
    return !letters.isEmpty() && cipher::KeyedAlphabet(letters) == cipher::KeyedAlphabet(keyword);
}

} // namespace play
