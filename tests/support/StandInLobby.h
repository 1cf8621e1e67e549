#pragma once

#include "BoardSeam.h"
#include "LobbySeam.h"
#include "OwnedNotes.h"
#include "PuzzleKind.h"
#include "QuoteFile.h"

#include <QHash>
#include <QSet>
#include <QWidget>

// A stand-in for a board's seam: what an addition asks of the board is
// recorded, and a test plays the player's side (a pair typed, the pointer
// on the puzzle) without the board's controls.
class StandInBoard final : public BoardSeam {
public:
    StandInBoard() { connect(&m_session, &GameSession::changed, this, &StandInBoard::changed); }

    std::array<QList<int>, 5> layers;
    QHash<int, QChar> pencil;
    std::function<bool(QChar, QChar)> pairTaker;
    std::function<QChar()> hintAim;
    QSet<const QObject *> pointing;
    std::function<bool(int, Qt::KeyboardModifiers)> puzzleKeys;
    QHash<QWidget *, Place> placed;
    QWidget *focusHolder = nullptr;
    QChar letter;
    bool shown = false;
    QWidget *host = nullptr; // where placed widgets go

    GameSession &session() override { return m_session; }
    bool onShow() const override { return shown; }
    const BoardPalette &palette() const override { return BoardPalette::Day(); }
    void typeCipherLetter(QChar l) override { emit cipherLetterChanged(letter = l); }
    void typePair(QChar cipher, QChar plain) override {
        typeCipherLetter(cipher);
        const QChar given = plain == u' ' ? SolveGame::Unsolved : plain.toUpper();
        if (pairTaker && pairTaker(cipher, given)) return;
        m_session.placePair(QString(cipher), QString(given));
    }
    QChar cipherLetter() const override { return letter; }
    void takePairs(std::function<bool(QChar, QChar)> take) override { pairTaker = std::move(take); }
    void aimHints(std::function<QChar()> aim) override { hintAim = std::move(aim); }
    void setMarks(Marks layer, const QList<int> &places) override {
        layers[size_t(layer)] = places;
    }
    void usePuzzlePointer(const QObject *owner, bool on) override {
        if (on)
            pointing.insert(owner);
        else
            pointing.remove(owner);
    }
    void typeOnPuzzle(std::function<bool(int, Qt::KeyboardModifiers)> k) override {
        puzzleKeys = std::move(k);
    }
    bool puzzleTakesKeys() const override { return bool(puzzleKeys); }
    void setPencilLetters(const QHash<int, QChar> &letters) override { pencil = letters; }
    void place(QWidget *widget, Place where) override {
        widget->setParent(host);
        placed.insert(widget, where);
    }
    void placePair(QChar cipher, QChar plain) override {
        const QChar given = plain == u' ' ? SolveGame::Unsolved : plain.toUpper();
        if (pairTaker && pairTaker(cipher, given)) return;
        m_session.placePair(QString(cipher), QString(given));
    }
    void holdFocus(QWidget *holder) override { focusHolder = holder; }
    void takeFocus() override {}
    QString solutionShown() const override { return m_session.game().shown(); }
    QString scrambledShown() const override { return m_session.game().Enciphered(); }
    QMap<int, QColor> marksShown() const override {
        QMap<int, QColor> shown;
        for (size_t layer = 0; layer < layers.size(); ++layer)
            for (int place : layers[layer])
                shown.insert(place, palette().layer(int(layer)));
        return shown;
    }

private:
    // As the board shows a move: the solution changed, and a game the move
    // completed ends there.
    void changed(GameSession::Move move) {
        using M = GameSession::Move;
        if (move == M::CountedHint || move == M::Rule) return;
        emit solutionChanged();
        emit shownChanged();
        if (game().isOpen() && game().isOver()) m_session.end(game().outcome());
    }

    GameSession m_session;
};

// A stand-in for the lobby's seam: what an addition asks of the lobby is
// recorded, and a test plays the player's side (a menu item, a key) without
// the lobby's window. It plays as the lobby does: a game on a quote of
// `list`, shown on its board until it is over.
class StandInLobby final : public LobbySeam {
public:
    StandInLobby() {
        standIn.host = &windowWidget;
        standIn.session().quoteOf = [this](qint16 record) { return list.value(record - 1); };
    }
    ~StandInLobby() override {
        const QObjectList additions = children(); // gone before the board they hang on
        qDeleteAll(additions);
    }

    struct Item {
        QString caption;
        std::function<bool()> checked;
        std::function<void()> action;
    };
    QList<Item> listItems, solveItems;
    QList<QPair<QKeySequence, std::function<void()>>> keys;
    QList<std::function<bool(Leaving)>> leaveChecks;
    bool keepsOpenGames = false;
    QStringList list;
    int row = 0;
    QHash<QString, QString> notes;
    QString titleNote;
    QStringList said;
    QString scrambled; // for printing
    QWidget windowWidget;
    // The board, and what its additions asked of it.
    StandInBoard standIn;
    std::array<QList<int>, 5> &layers = standIn.layers;
    QHash<int, QChar> &pencil = standIn.pencil;
    std::function<bool(QChar, QChar)> &pairTaker = standIn.pairTaker;
    QSet<const QObject *> &pointing = standIn.pointing;
    std::function<bool(int, Qt::KeyboardModifiers)> &puzzleKeys = standIn.puzzleKeys;
    QHash<QWidget *, BoardSeam::Place> &placed = standIn.placed;
    QChar &letter = standIn.letter;

    // The player's side.
    Item *item(const QString &caption) {
        for (QList<Item> *items : {&listItems, &solveItems})
            for (Item &i : *items)
                if (i.caption == caption) return &i;
        return nullptr;
    }
    void choose(const QString &caption) { item(caption)->action(); }
    bool press(const QKeySequence &key) {
        for (const auto &[k, action] : keys)
            if (k == key) return action(), true;
        return false;
    }
    bool mayLeave(Leaving how) {
        for (const auto &check : leaveChecks)
            if (!check(how)) return false;
        return true;
    }
    void setMode(Mode m) {
        m_mode = m;
        standIn.shown = m == Mode::Solve;
        emit standIn.arranged();
        emit modeArranged(m);
    }
    void finish() {
        if (game().isOpen() && !game().isOver() && !mayLeave(Leaving::GiveUp)) return;
        session().end(SolveGame::Outcome::Abandoned);
        setMode(Mode::List);
    }
    void setAway(bool away, AwayFor why = AwayFor::OtherProgram) {
        m_awayFor = away ? why : AwayFor::Here;
        emit awayChanged(away);
    }
    GameSession &session() { return standIn.session(); }
    const SolveGame &game() { return standIn.game(); }
    bool playing() { return standIn.playing(); }
    void typeCipherLetter(QChar l) { standIn.typeCipherLetter(l); }
    void typePair(QChar cipher, QChar plain) { standIn.typePair(cipher, plain); }

    QWidget *window() override { return &windowWidget; }
    Mode mode() const override { return m_mode; }
    BoardSeam &board() override { return standIn; }
    bool away() const override { return m_awayFor != AwayFor::Here; }
    AwayFor awayFor() const override { return m_awayFor; }
    void addListMenuItem(const QString &caption, std::function<void()> action,
                         std::function<bool()> checked) override {
        listItems.append({caption, std::move(checked), std::move(action)});
    }
    void addSolveMenuItem(const QString &caption, std::function<bool()> checked,
                          std::function<void()> action) override {
        solveItems.append({caption, std::move(checked), std::move(action)});
    }
    void addKey(const QKeySequence &key, std::function<void()> action) override {
        keys.append({key, std::move(action)});
    }
    void addLeaveCheck(std::function<bool(Leaving)> check) override {
        leaveChecks.append(std::move(check));
    }
    void keepOpenGames(bool keep) override { keepsOpenGames = keep; }
    const QStringList &quotes() const override { return list; }
    int highlightedRow() const override { return row; }
    void showList(int highlight) override {
        quotes::LoadQuoteList(list);
        row = highlight;
        emit quoteListFilled();
    }
    void setStatusNote(const QString &owner, const QString &note) override {
        notes.insert(owner, note);
    }
    void showStoreError(const QString &, const quotes::Status &) override {}
    void showOverLobby(const std::function<void(QWidget *)> &show) override { show(window()); }
    play::QuoteLevels &levels() override { return session().levels(); }
    void setDrawChoice(std::function<qint16(qint16)> choose) override {
        session().setChoice(std::move(choose));
    }
    void playRecord(qint16 record, play::Level level = play::Level::Any,
                    const play::PuzzleKind &kind = play::WithWordBreaks()) override {
        session().clear();
        const qint16 r = record > 0 ? record : session().drawRecord(qint16(list.size()), level);
        const play::Puzzle p = kind.make(list.value(r - 1));
        setMode(Mode::Solve);
        session().start(p.board, p.enciphered, p.key, level, {}, kind.id(), list.value(r - 1));
        emit standIn.gameStarted();
    }
    void scrambleForPrinting(const play::PuzzleKind &kind) override {
        scrambled = kind.make(list.value(row - 1)).enciphered;
        setMode(Mode::Print);
    }
    void playPuzzle(const play::Puzzle &p, const QDate &day) override {
        session().clear();
        setMode(Mode::Solve);
        session().start(p.board, p.enciphered, p.key, play::Level::Any, day);
        emit standIn.gameStarted();
    }
    void resumeGame() override {
        setMode(Mode::Solve);
        session().resume();
        emit standIn.gameStarted();
    }
    void abandonGame() override { session().end(SolveGame::Outcome::Abandoned); }
    QString scrambledOnShow() const override {
        return m_mode == Mode::Print ? scrambled
                                     : const_cast<StandInBoard &>(standIn).game().Enciphered();
    }
    void setTitleNote(const QString &owner, const QString &note) override {
        titleNotes.set(owner, note);
        titleNote = titleNotes.joined();
    }
    OwnedNotes titleNotes;
    void say(const QString &text) override { said << text; }

private:
    Mode m_mode = Mode::List;
    AwayFor m_awayFor = AwayFor::Here;
};
