#include "NoWordBreaks.h"

#include "QuoteRules.h"

#include <QCoreApplication>

namespace play {

namespace {

class LettersInFives final : public PuzzleKind {
public:
    QString id() const override { return QStringLiteral("fives"); }
    QString name() const override {
        return QCoreApplication::translate("PuzzleKind", "No word breaks");
    }
    QString boardOf(const QString &quote) const override {
        return quotes::LettersInFives(quote);
    }
};

} // namespace

const PuzzleKind &WithoutWordBreaks() {
    static const LettersInFives kind;
    return kind;
}

} // namespace play
