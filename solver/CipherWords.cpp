#include "CipherWords.h"

#include "WordModel.h"

#include <algorithm>
#include <unordered_map>

namespace solver {

std::vector<int> CipherWord::letters() const {
    std::vector<int> out;
    for (char c : text)
        if (c != '\'' && std::find(out.begin(), out.end(), c - 'a') == out.end())
            out.push_back(c - 'a');
    return out;
}

CipherText::CipherText(const QString &cipher) : m_cipher(cipher) {
    std::unordered_map<std::string, int> index;
    std::string w;
    auto flush = [&] {
        if (w.empty()) return;
        auto [it, added] = index.emplace(w, int(words.size()));
        if (added) words.push_back({w, WordModel::pattern(w), 0});
        ++words[size_t(it->second)].count;
        sequence.push_back(it->second);
        w.clear();
    };
    for (qsizetype i = 0; i < cipher.size(); ++i) {
        const int c = CipherLetter(cipher[i]);
        const QChar ch = cipher[i];
        if (c >= 0) {
            w += char('a' + c);
        } else if ((ch == u'\'' || ch == u'\u2019') && !w.empty() && i + 1 < cipher.size() &&
                   CipherLetter(cipher[i + 1]) >= 0) {
            w += '\'';
        } else {
            flush();
        }
    }
    flush();
}

qsizetype AttributionAt(const QString &text) {
    const qsizetype at = text.lastIndexOf(QLatin1String(" - "));
    if (at <= 0) return -1;
    const QString names = text.mid(at + 3);
    if (CipherText(text.left(at)).words.empty() || CipherText(names).words.empty()) return -1;
    return names.count(QLatin1Char(' ')) < 6 ? at : -1;
}

QString CipherText::decode(const std::array<char, 26> &key) const {
    QString out = m_cipher;
    for (QChar &ch : out) {
        const int c = CipherLetter(ch);
        if (c >= 0) ch = key[size_t(c)] ? QChar(key[size_t(c)]) : QChar(u'?');
    }
    return out;
}

} // namespace solver
