#pragma once

#include "SolveGame.h"

#include <QWidget>

// The solver's letter table: the 26 cipher letters in two columns (A to M,
// N to Z), each with how often it occurs in the quote (faint when never) and
// the plain letter the player has given it (red when that plain letter is
// given to another cipher letter too). Its other face is the plain alphabet:
// each plain letter, about how often it stands in a quote this long, and
// the cipher letter given it (faint once given, red when given twice). Its figures and letters are
// as large as the quote list's text. Tab reaches it, and the arrow keys (Home, End) go through its
// letters one by one, each told to a screen reader.
class LetterStrip : public QWidget {
    Q_OBJECT
public:
    explicit LetterStrip(QWidget *parent = nullptr);
    void setEntries(const QList<SolveGame::StripEntry> &entries);
    // Which face the entries are: the cipher letters' or the plain alphabet's.
    enum class Face { Cipher, Plain };
    void setFace(Face face);
    Face face() const { return m_face; }
    const QList<SolveGame::StripEntry> &entries() const { return m_entries; }
    // The cell of cipher letter `index` (0 for A), in the strip's pixels.
    QRect cell(int index) const;
    // The letter the keys are on (0 for A).
    int current() const { return m_current; }
    void setCurrent(int index);
    // Which of the letter's three cells the keys are on, as a screen reader
    // reads the table: the letter, how often, and the letter given to it.
    int currentColumn() const { return m_column; }
    // The faces the table writes in: the quote list's, in points.
    static QFont letterFont();
    static QFont countFont();

    static const QColor Ink, Faint, Conflict;
    static constexpr int Rows = 13;

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    // The current letter told as the focus, for a screen reader.
    void tellCurrent();
    void moveAlongTheRow(int by);
    QList<SolveGame::StripEntry> m_entries;
    int m_current = 0;
    int m_column = 0;
    Face m_face = Face::Cipher;
};
