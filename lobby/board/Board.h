#pragma once

#include "BoardSeam.h"

#include <QKeySequence>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include <array>

class LetterBox;
class QuoteTextBox;

// The board a game is shown and played on, apart from the window around it:
// the two puzzle boxes (the solution above the scrambled quote), the two
// letter boxes a pair is typed into, the mark layers, the pencil letters,
// the pointer and typing on the puzzle, its colours, and the game session it
// shows. The lobby places it on two of its panels, shows it in its solve
// mode, and hands its seam to the additions that act on a game.
class Board final : public BoardSeam {
    Q_OBJECT
public:
    explicit Board(QObject *parent = nullptr);

    // Makes the board's controls where the design places them: the puzzle
    // boxes on `quotePanel`, the letter boxes on `solvePanel`.
    void build(QWidget *quotePanel, QWidget *solvePanel);
    // [1] the solution so far, [2] the scrambled quote.
    QuoteTextBox *puzzleBox(int i) const { return m_puzzle[size_t(i)]; }
    // [1] the scrambled letter, [2] the letter it stands for.
    LetterBox *letterBox(int i) const { return m_letter[size_t(i)]; }

    // ---- The lobby's side ----------------------------------------------------

    // On show or not (the lobby's solve mode): the puzzle boxes shown, and
    // the letter boxes while the game on show is still to be finished.
    void arrange(bool onShow);
    // The game the session holds comes on show, from its first moment or
    // from where it stood; no mark of the last one stays.
    void showGame();
    // The focus holder, or the first letter box, takes the focus (the
    // letter box empties both boxes).
    void focusLetters();
    // Hint: at the letter an addition aims it at, or at a place drawn with
    // `randomBetween`.
    void hint(const std::function<int(int, int)> &randomBetween);
    // Keys the window answers wherever its focus is: the letter boxes let them pass.
    void setWindowKeys(const QList<QKeySequence> *keys);
    // For a player with a screen reader: the puzzle boxes are on the Tab
    // path, read-only, with a caret.
    void setReadableByKeys(bool on);
    // Typing on the puzzle while a game is played: a puzzle box keeps the
    // focus it gets.
    bool keepsPuzzleFocus() { return m_puzzleKeys && playing(); }
    // The solution as its box shows it: the game's letters, and pencil
    // letters in small letters where the game has none yet.
    QString solutionText() const;

    // ---- The additions' side (BoardSeam) ---------------------------------------

    GameSession &session() override { return m_session; }
    bool onShow() const override { return m_onShow; }
    const BoardPalette &palette() const override {
        return nightscheme::on() ? BoardPalette::Night() : *m_palette;
    }
    void typeCipherLetter(QChar letter) override;
    void typePair(QChar cipher, QChar plain) override;
    QChar cipherLetter() const override;
    void takePairs(std::function<bool(QChar, QChar)> take) override {
        m_pairTaker = std::move(take);
    }
    void aimHints(std::function<QChar()> aim) override { m_hintAim = std::move(aim); }
    void placePair(QChar cipher, QChar plain) override;
    void holdFocus(QWidget *holder) override { m_focusHolder = holder; }
    void takeFocus() override { focusLetters(); }
    void setMarks(Marks layer, const QList<int> &places) override;
    void usePuzzlePointer(const QObject *owner, bool on) override;
    void typeOnPuzzle(std::function<bool(int, Qt::KeyboardModifiers)> keys) override;
    bool puzzleTakesKeys() const override { return bool(m_puzzleKeys); }
    void setPencilLetters(const QHash<int, QChar> &letters) override;
    void place(QWidget *widget, Place where) override;
    QString solutionShown() const override;
    QString scrambledShown() const override;
    QMap<int, QColor> marksShown() const override;

signals:
    // A move completed the game on show: the lobby shows how it ended.
    void gameOver();

protected:
    // The marks drawn again in the colours of the time (night colours on or off).
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void session_Changed(GameSession::Move move);
    void session_Paused();
    void showSolution();
    // What the puzzle boxes show, as the game stands; and those texts.
    void showBoard();
    void showTexts(const QString &solution, const QString &scrambled);
    // Where the focus goes after a move: the holder, or the first letter box.
    bool focusHeld() const;
    void txtLetter_GotFocus(int index);
    void txtLetter_KeyUp(int index, int keyCode);
    void updateSolution();
    void showMarks();
    void clearMarks();
    // How the puzzle boxes take the focus and the pointer, for the game on show.
    void arrangePuzzle();
    void describeSolution();
    void describeLetterBoxes(bool howTo);

    GameSession m_session;
    const BoardPalette *m_palette = &BoardPalette::Day();
    QWidget *m_quotePanel = nullptr;
    std::array<QuoteTextBox *, 3> m_puzzle{};
    std::array<LetterBox *, 3> m_letter{};
    bool m_onShow = false;
    std::array<QList<int>, 5> m_marks;
    QHash<int, QChar> m_pencil; // tentative letters at places of the solution
    std::function<bool(QChar, QChar)> m_pairTaker;
    std::function<QChar()> m_hintAim;
    QPointer<QWidget> m_focusHolder;
    QSet<const QObject *> m_pointerUsers;
    std::function<bool(int, Qt::KeyboardModifiers)> m_puzzleKeys;
};
