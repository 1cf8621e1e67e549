#include "Keywords.h"

#include <QSet>

#include <algorithm>
#include <mutex>

namespace solver {

namespace {

// Whole words kept out of a keyword, whatever their counts: a puzzle set for
// a class or a club must not spell one.
bool Offends(const std::string &w) {
    static const QSet<QString> words = {
        QStringLiteral("bitch"),   QStringLiteral("bitches"), QStringLiteral("bastard"),
        QStringLiteral("bloody"),  QStringLiteral("crap"),    QStringLiteral("damned"),
        QStringLiteral("dildo"),   QStringLiteral("fucked"),  QStringLiteral("fucker"),
        QStringLiteral("fucking"), QStringLiteral("horny"),   QStringLiteral("nigger"),
        QStringLiteral("penis"),   QStringLiteral("pussy"),   QStringLiteral("rapist"),
        QStringLiteral("raped"),   QStringLiteral("semen"),   QStringLiteral("sexual"),
        QStringLiteral("sexy"),    QStringLiteral("shits"),   QStringLiteral("shitty"),
        QStringLiteral("slave"),   QStringLiteral("slaves"),  QStringLiteral("sluts"),
        QStringLiteral("whore"),   QStringLiteral("whores"),  QStringLiteral("vagina"),
        QStringLiteral("hitler"),  QStringLiteral("nazis"),   QStringLiteral("murder"),
        QStringLiteral("killed"),  QStringLiteral("killing"), QStringLiteral("suicide"),
        QStringLiteral("arsch"),   QStringLiteral("hure"),    QStringLiteral("fotze"),
        QStringLiteral("scheisse"), QStringLiteral("wichser"), QStringLiteral("neger"),
    };
    static const char *const roots[] = {"fuck", "shit", "cunt", "rape", "porn", "slut",
                                        "nigg", "fagg", "whor", "bitch", "arsch"};
    for (const char *root : roots)
        if (w.find(root) != std::string::npos) return true;
    return words.contains(QString::fromStdString(w));
}

bool LettersOnly(const std::string &w) {
    return std::all_of(w.begin(), w.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

QString Distinct(const std::string &w) {
    QString out;
    for (const char c : w) {
        const QChar u = QChar(c).toUpper();
        if (!out.contains(u)) out += u;
    }
    return out;
}

} // namespace

const QStringList &Keywords(Language language) {
    static std::once_flag once[2];
    static QStringList lists[2];
    const size_t i = language == Language::German ? 1 : 0;
    std::call_once(once[i], [&] {
        const WordModel &m = WordModel::shared(language);
        std::vector<int> ids;
        for (int id = 0; id < m.size(); ++id) {
            const std::string &w = m.text(id);
            if (w.size() >= 5 && w.size() <= 10 && LettersOnly(w) && !m.name(id) &&
                m.count(id) >= m.common() && !Offends(w))
                ids.push_back(id);
        }
        std::stable_sort(ids.begin(), ids.end(),
                         [&m](int a, int b) { return m.count(a) > m.count(b); });
        for (const int id : ids) lists[i] << QString::fromStdString(m.text(id)).toUpper();
    });
    return lists[i];
}

QString KeywordSpelled(const QString &letters, Language language) {
    const WordModel &m = WordModel::shared(language);
    int best = -1;
    for (int id = 0; id < m.size(); ++id) {
        const std::string &w = m.text(id);
        if (w.size() < size_t(letters.size()) || !LettersOnly(w) || m.name(id) || Offends(w))
            continue;
        if ((best < 0 || m.count(id) > m.count(best)) && Distinct(w) == letters) best = id;
    }
    return best < 0 ? QString() : QString::fromStdString(m.text(best)).toUpper();
}

} // namespace solver
