#include "modSupport.h"

#include "modStandard.h"

namespace cipher {

CodeKeyTable KeyTable;

void CodeKeyTable::clear() {
    for (auto &row : m_cells)
        for (auto &cell : row)
            cell.clear();
}

void MakeCodeKey() {
    // A draw that can never succeed (only Z left free for Z) is ended by the
    // bound on attempts, which starts the whole key again from A.
    bool complete = false;
    while (!complete) {
        KeyTable.clear();
        complete = true;
        for (int letter = 'A'; letter <= 'Z' && complete; ++letter) {
            qint16 attempts = 1;
            for (;;) {
                const qint16 candidate = modStandard::RandomBetween(65, 90);
                modStandard::AddTo(attempts, 1);
                if (attempts > 2000) {
                    complete = false;
                    break;
                }
                if (KeyTable(candidate, 2) == TakenMark || candidate == letter) continue;
                KeyTable(candidate, 2) = TakenMark;
                KeyTable(letter, 1) = QChar(candidate);
                break;
            }
        }
    }
}

QString KeyLetters() {
    QString key;
    for (int letter = 'A'; letter <= 'Z'; ++letter)
        key += KeyTable(letter, 1);
    return key;
}

QString EncipherText(QString text) {
    return EncipherWith(KeyLetters(), text);
}

QString EncipherWith(const QString &key, const QString &text) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code >= 65 && code <= 90 && key.size() == 26)
            result += key[code - 65];
        else
            result += c;
    }
    return result;
}

} // namespace cipher
