#pragma once

#include <QString>

// The cipher (the design's support module): the code key and enciphering
// with it.
namespace cipher {

// The code key: rows 65 ("A") to 90 ("Z"); column 1 holds the cipher letter of
// each plain letter, column 2 the taken mark while a key is being made.
class CodeKeyTable {
public:
    static constexpr int FirstRow = 65;
    static constexpr int LastRow = 90;

    QString &operator()(int row, int column) { return m_cells[row - FirstRow][column - 1]; }
    const QString &operator()(int row, int column) const {
        return m_cells[row - FirstRow][column - 1];
    }
    void clear();

private:
    QString m_cells[LastRow - FirstRow + 1][2];
};

extern CodeKeyTable KeyTable;

// Marks a taken letter while a key is made (and an unsolved letter on screen).
inline constexpr QChar TakenMark = QChar(0x00B7);

// Replaces KeyTable with a fresh random key: a permutation of A-Z in which no
// letter stands for itself.
void MakeCodeKey();

// The key as 26 letters: the cipher letter of A, of B, ... of Z.
QString KeyLetters();

// `text` with every A-Z replaced by its cipher letter; everything else in place.
QString EncipherText(QString text);
// The same with `key` (the cipher letter of A, of B, ... of Z) for the table.
QString EncipherWith(const QString &key, const QString &text);

} // namespace cipher
