// The board a game is shown and played on: its controls, the game's moves
// as the player types them, and what the additions show on the puzzle.
#include "Board.h"

#include "Fonts.h"
#include "LetterBox.h"
#include "Palette.h"

#include "QuoteTextBox.h"
#include "Spoken.h"
#include "WindowSize.h"
#include "modSupport.h"
#include <QEvent>
#include <algorithm>

#include <QAccessible>
#include <QCoreApplication>

namespace {

void tell(QObject *object, QAccessible::Event what) {
    QAccessibleEvent e(object, what);
    QAccessible::updateAccessibility(&e);
}

} // namespace

Board::Board(QObject *parent) : BoardSeam(parent) {
    connect(&m_session, &GameSession::changed, this, &Board::session_Changed);
    connect(&m_session, &GameSession::pausedChanged, this, &Board::session_Paused);
}

void Board::build(QWidget *quotePanel, QWidget *solvePanel) {
    m_quotePanel = quotePanel;
    // The puzzle boxes, where the quote panel's boxes stand in the lobby's
    // other modes, and as they look there while a game is played.
    for (int i : {1, 2}) {
        QuoteTextBox *box = m_puzzle[size_t(i)] = new QuoteTextBox(i, quotePanel);
        box->setObjectName(QStringLiteral("txtBox%1").arg(i));
        box->setFont(FixedsysFont(9));
        box->setLocked(true);
        box->hide();
        connect(box, &QuoteTextBox::letterHovered, this, &BoardSeam::puzzleHovered);
        connect(box, &QuoteTextBox::letterClicked, this, &BoardSeam::puzzleClicked);
    }
    PlaceTwips(m_puzzle[1], 105, 210, 5160, 1275);
    m_puzzle[1]->setMaxLength(200);
    m_puzzle[1]->setBackColor(palette().solutionGround);
    m_puzzle[1]->installEventFilter(this);
    PlaceTwips(m_puzzle[2], 105, 1575, 5160, 1275);
    m_puzzle[2]->setForeColor(palette().puzzleText);
    m_puzzle[1]->setAccessibleName(QCoreApplication::translate("frmMain", "Solution so far"));
    m_puzzle[2]->setAccessibleName(QCoreApplication::translate("frmMain", "Scrambled quote"));

    // The letter boxes, in the gaps of the solve panel's instruction.
    for (int i : {1, 2}) {
        LetterBox *box = m_letter[size_t(i)] = new LetterBox(i, solvePanel);
        box->setObjectName(QStringLiteral("txtLetter%1").arg(i));
        box->setFont(QFont(QStringLiteral("Times New Roman"), 18));
        SetColour(box, QPalette::Base,
                  i == 1 ? palette().cipherLetterGround : palette().plainLetterGround);
        SetColour(box, QPalette::Text, palette().puzzleText);
        box->setEnabled(false);
        box->setContextMenuPolicy(Qt::NoContextMenu); // the panel's menu, not a text menu
        connect(box, &LetterBox::gotFocus, this, &Board::txtLetter_GotFocus);
        connect(box, &LetterBox::keyUp, this, &Board::txtLetter_KeyUp);
    }
    PlaceTwips(m_letter[1], 3675, 1785, 435, 540);
    PlaceTwips(m_letter[2], 4890, 1785, 435, 540);
    m_letter[1]->setAccessibleName(QCoreApplication::translate("frmMain", "Scrambled letter"));
    m_letter[2]->setAccessibleName(QCoreApplication::translate("frmMain", "Stands for"));
    describeLetterBoxes(true);
    // Tab passes the second box by until the first holds a letter: it would
    // only send the focus back, and a screen reader would name the wrong box.
    m_letter[2]->setFocusPolicy(Qt::ClickFocus);
    connect(m_letter[1], &QLineEdit::textChanged, this, [this](const QString &t) {
        m_letter[2]->setFocusPolicy(t.isEmpty() ? Qt::ClickFocus : Qt::StrongFocus);
        emit cipherLetterChanged(t.isEmpty() ? QChar() : t[0].toUpper());
    });
}

// ---- Showing the game ----------------------------------------------------------

void Board::arrange(bool onShow) {
    m_onShow = onShow;
    for (int i : {1, 2})
        m_puzzle[size_t(i)]->setVisible(onShow);
    // Ready for a game from the moment the board comes on show, until its end.
    const bool ready = onShow && !game().isOver();
    for (int i : {1, 2}) {
        m_letter[size_t(i)]->setEnabled(ready);
        m_letter[size_t(i)]->setVisible(!onShow || ready);
    }
    if (!onShow) clearMarks();
    arrangePuzzle();
    emit arranged();
}

void Board::showGame() {
    m_pencil.clear();
    clearMarks(); // marks belong to the game they were made on
    showBoard();
    arrangePuzzle();
    describeSolution();
    describeLetterBoxes(true);
    emit gameStarted();
}

void Board::focusLetters() {
    if (focusHeld())
        m_focusHolder->setFocus();
    else
        m_letter[1]->setFocus();
}

bool Board::focusHeld() const {
    return m_focusHolder && m_focusHolder->isVisible();
}

void Board::session_Changed(GameSession::Move move) {
    using Move = GameSession::Move;
    if (!m_onShow || move == Move::CountedHint || move == Move::Rule) return;
    if (move == Move::Pair) describeLetterBoxes(false);
    if (move == Move::Hint) {
        // The boxes show the pair the hint placed.
        m_letter[1]->setText(m_session.lastPair().first);
        m_letter[2]->setText(m_session.lastPair().second);
    }
    showSolution();
}

void Board::session_Paused() {
    if (!m_onShow) return;
    showBoard(); // hidden from everyone while paused, a screen reader too
    describeSolution();
}

void Board::showSolution() {
    showBoard();
    describeSolution();
    emit solutionChanged();
    if (game().isOver()) {
        emit gameOver();
        return;
    }
    if (focusHeld()) {
        m_focusHolder->setFocus(); // where the player types
        return;
    }
    // Entering box 1 empties both boxes, also when the focus is there already.
    const bool alreadyThere = m_letter[1]->hasFocus();
    m_letter[1]->setFocus();
    if (alreadyThere) txtLetter_GotFocus(1);
}

void Board::showBoard() {
    if (m_session.paused()) return showTexts({}, {});
    // A board of another kind than the design's, once it is over, shows the
    // quote as written: letters in fives are read as the words they were.
    const QString &original = m_session.original();
    if (game().isOver() && !original.isEmpty()) {
        clearMarks();
        return showTexts(original, cipher::EncipherWith(m_session.key(), original));
    }
    showTexts(solutionText(), game().Enciphered());
}

void Board::showTexts(const QString &solution, const QString &scrambled) {
    m_puzzle[1]->setText(solution);
    // The scrambled quote is set only where it changes: a selection in it stays.
    if (m_puzzle[2]->text() != scrambled) m_puzzle[2]->setText(scrambled);
    emit shownChanged();
}

QString Board::solutionShown() const {
    return m_puzzle[1]->text();
}

QString Board::scrambledShown() const {
    return m_puzzle[2]->text();
}

QString Board::solutionText() const {
    QString text = m_session.game().shown();
    for (auto it = m_pencil.cbegin(); it != m_pencil.cend(); ++it)
        if (it.key() >= 0 && it.key() < text.size() && text[it.key()] == SolveGame::Unsolved)
            text[it.key()] = it.value().toLower();
    return text;
}

// ---- Typing a pair -------------------------------------------------------------

void Board::txtLetter_GotFocus(int index) {
    if (index == 1) {
        m_letter[1]->clear();
        m_letter[2]->clear();
    } else if (m_letter[1]->text().isEmpty()) {
        m_letter[1]->setFocus();
    }
}

void Board::txtLetter_KeyUp(int index, int keyCode) {
    LetterBox *box = m_letter[size_t(index)];
    if (keyCode >= 65 && keyCode <= 90) {
        box->setText(box->text().toUpper());
        if (index == 1)
            m_letter[2]->setFocus();
        else
            updateSolution();
    } else if (keyCode == 32 || keyCode == 190) {
        if (index == 1) {
            box->clear();
        } else {
            box->setText(QString(SolveGame::Unsolved));
            updateSolution();
        }
    } else {
        box->clear();
    }
}

void Board::typeCipherLetter(QChar letter) {
    m_letter[1]->setFocus();
    txtLetter_GotFocus(1); // entering box 1 empties both, even when it had the focus
    m_letter[1]->setText(QString(letter));
    txtLetter_KeyUp(1, letter.unicode());
}

void Board::typePair(QChar cipher, QChar plain) {
    typeCipherLetter(cipher);
    m_letter[2]->setText(QString(plain));
    txtLetter_KeyUp(2, plain == u' ' ? 32 : plain.toUpper().unicode());
}

QChar Board::cipherLetter() const {
    const QString t = m_letter[1]->text();
    return t.isEmpty() ? QChar() : t[0].toUpper();
}

void Board::updateSolution() {
    const QString cipher = m_letter[1]->text(), plain = m_letter[2]->text();
    if (m_pairTaker && !cipher.isEmpty() && !plain.isEmpty() &&
        m_pairTaker(cipher[0].toUpper(), plain[0])) {
        // Taken as something else than a move: the boxes are ready again.
        m_letter[1]->setFocus();
        txtLetter_GotFocus(1);
        return;
    }
    // The game decides; the boxes show it (session_Changed).
    m_session.placePair(cipher, plain);
}

void Board::placePair(QChar cipher, QChar plain) {
    const QChar given = plain == u' ' ? SolveGame::Unsolved : plain.toUpper();
    if (m_pairTaker && m_pairTaker(cipher, given)) return;
    m_session.placePair(QString(cipher), QString(given));
}

void Board::hint(const std::function<int(int, int)> &randomBetween) {
    m_session.hint(randomBetween, m_hintAim ? m_hintAim() : QChar());
}

void Board::setWindowKeys(const QList<QKeySequence> *keys) {
    for (int i : {1, 2})
        m_letter[size_t(i)]->setWindowKeys(keys);
}

// ---- What the additions show on the puzzle ------------------------------------

void Board::setMarks(Marks layer, const QList<int> &places) {
    m_marks[size_t(layer)] = places;
    showMarks();
}

bool Board::eventFilter(QObject *watched, QEvent *e) {
    if (watched == m_puzzle[1] && e->type() == QEvent::PaletteChange &&
        std::any_of(m_marks.begin(), m_marks.end(), [](const auto &m) { return !m.isEmpty(); }))
        showMarks();
    return BoardSeam::eventFilter(watched, e);
}

QMap<int, QColor> Board::marksShown() const {
    // Each place in the colour of the highest layer that marks it.
    QMap<int, QColor> shown;
    for (size_t layer = 0; layer < m_marks.size(); ++layer)
        for (int place : m_marks[layer])
            shown.insert(place, palette().layer(int(layer)));
    return shown;
}

void Board::showMarks() {
    const QMap<int, QColor> shown = marksShown();
    for (int i : {1, 2})
        m_puzzle[size_t(i)]->setMarks(shown);
    emit shownChanged();
}

void Board::clearMarks() {
    bool any = false;
    for (QList<int> &layer : m_marks)
        any |= !std::exchange(layer, {}).isEmpty();
    if (any) showMarks();
}

void Board::setPencilLetters(const QHash<int, QChar> &letters) {
    m_pencil = letters;
    if (!m_onShow) return;
    showBoard();
    describeSolution();
}

void Board::usePuzzlePointer(const QObject *owner, bool on) {
    if (on)
        m_pointerUsers.insert(owner);
    else
        m_pointerUsers.remove(owner);
    arrangePuzzle();
}

void Board::typeOnPuzzle(std::function<bool(int, Qt::KeyboardModifiers)> keys) {
    m_puzzleKeys = std::move(keys);
    arrangePuzzle();
}

void Board::setReadableByKeys(bool on) {
    for (int i : {1, 2})
        m_puzzle[size_t(i)]->setReadableByKeys(on);
    arrangePuzzle();
}

void Board::arrangePuzzle() {
    const bool playing = this->playing();
    const bool typing = playing && m_puzzleKeys, pointing = playing && !m_pointerUsers.isEmpty();
    for (int i : {1, 2}) {
        QuoteTextBox *box = m_puzzle[size_t(i)];
        Qt::FocusPolicy policy = box->ownFocusPolicy();
        if (typing)
            policy = Qt::StrongFocus; // a click or Tab, and the box keeps it
        else if (pointing)
            policy = Qt::FocusPolicy(policy & ~Qt::ClickFocus); // a click is a look or a pick
        box->setFocusPolicy(policy);
        box->setPointing(typing || pointing);
        if (typing)
            box->setKeyTaker([this, box](int key, Qt::KeyboardModifiers modifiers) {
                if (!m_puzzleKeys || !m_puzzleKeys(key, modifiers)) return false;
                if (this->playing()) box->setFocus(Qt::OtherFocusReason); // typing goes on here
                return true;
            });
        else
            box->setKeyTaker({});
    }
}

void Board::place(QWidget *widget, Place where) {
    const bool shown = widget->isVisibleTo(widget->parentWidget());
    widget->setParent(m_quotePanel);
    if (where == Place::OverPuzzle)
        widget->setGeometry(m_puzzle[1]->geometry().united(m_puzzle[2]->geometry()));
    else
        PlaceTwips(widget, 5370, 210, 1680, 2640);
    widget->setVisible(shown);
}

// ---- What a screen reader hears ---------------------------------------------------
// (The board's words are the lobby's words, said as they always were.)

void Board::describeSolution() {
    // Pencil letters heard as pencilled, as the eye sees them small.
    m_puzzle[1]->setAccessibleDescription(
        m_session.paused() ? QString() : spoken::Letters(game().shown(), m_pencil));
    tell(m_puzzle[1], QAccessible::DescriptionChanged);
}

void Board::describeLetterBoxes(bool howTo) {
    // How to type a pair is said with the boxes until the first pair of a
    // game is placed, not again with every pair.
    m_letter[1]->setAccessibleDescription(
        howTo ? QCoreApplication::translate("frmMain", "Type a letter of the scrambled quote")
              : QString());
    m_letter[2]->setAccessibleDescription(
        howTo ? QCoreApplication::translate(
                    "frmMain",
                    "Type the letter the scrambled letter stands for; a space takes it back")
              : QString());
}
