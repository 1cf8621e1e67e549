// The Main Lobby's one narrow seam: what the additions may reach of it.
#include "frmMain.h"

#include "Announcer.h"
#include "AppInfo.h"
#include "Twips.h"
#include "WindowSize.h"

#include <QApplication>
#include <QGuiApplication>
#include <QShortcut>
#include <QWindow>

class frmMain::Seam final : public LobbySeam {
public:
    explicit Seam(frmMain &lobby) : LobbySeam(&lobby), m(lobby) {}

    QWidget *window() override { return &m; }
    Mode mode() const override { return m.mode.current(); }
    GameSession &session() override { return m.session; }
    bool away() const override { return m.m_away; }

    void addListMenuItem(const QString &caption, std::function<void()> action,
                         std::function<bool()> checked) override {
        m.m_listMenuExtras.append({caption, std::move(checked), std::move(action)});
    }
    void addSolveMenuItem(const QString &caption, std::function<bool()> checked,
                          std::function<void()> action) override {
        m.m_solveMenuItems.append({caption, std::move(checked), std::move(action)});
    }
    void addKey(const QKeySequence &key, std::function<void()> action) override {
        auto *s = new QShortcut(key, &m);
        s->setContext(Qt::WindowShortcut);
        QObject::connect(s, &QShortcut::activated, this, std::move(action));
        m.m_windowKeys << key;
    }
    void addLeaveCheck(std::function<bool(Leaving)> check) override {
        m.m_leaveChecks.append(std::move(check));
    }
    void keepOpenGames(bool keep) override { m.m_keepsOpenGames = keep; }

    const QStringList &quotes() const override { return m.grid->list()->quotes(); }
    int highlightedRow() const override { return m.grid->row(); }
    void showList(int row) override {
        m.RowToHighlight = qint16(row);
        m.FillQuoteList();
    }
    void setStatusNote(const QString &owner, const QString &note) override {
        m.grid->list()->setStatusNote(owner, note);
    }
    void showStoreError(const QString &what, const quotes::Status &s) override {
        m.showStoreError(what, s);
    }
    void showOverLobby(const std::function<void(QWidget *)> &show) override {
        m.showOverDimmedLobby(show);
    }

    void playRecord(qint16 record, play::Level level, const play::PuzzleKind &kind) override {
        m.PlayRecord(record, level, kind);
    }
    void scrambleForPrinting(const play::PuzzleKind &kind) override {
        if (m.mode.is(Mode::List) && !m.txtBox[1]->text().trimmed().isEmpty())
            m.scrambleForPrinting(kind);
    }
    void playPuzzle(const play::Puzzle &puzzle, const QDate &day) override {
        m.PlayPuzzle(puzzle, day);
    }
    void resumeGame() override { m.ResumeGame(); }
    void abandonGame() override { m.abandonGame(); }
    void typeCipherLetter(QChar letter) override { m.typeCipherLetter(letter); }
    void typePair(QChar cipher, QChar plain) override { m.typePair(cipher, plain); }
    QChar cipherLetter() const override {
        const QString t = m.txtLetter[1]->text();
        return t.isEmpty() ? QChar() : t[0].toUpper();
    }
    QString scrambledOnShow() const override {
        return m.mode.is(Mode::Print) || m.mode.is(Mode::Solve) ? m.txtBox[2]->text() : QString();
    }
    void setTitleNote(const QString &note) override {
        m.m_titleNote = note;
        m.showTitle();
    }

    void say(const QString &text) override { m.m_announcer->say(text); }
    void setMarks(Marks layer, const QList<int> &places, const QColor &colour) override {
        m.m_marks[size_t(layer)] = {places, colour};
        m.showMarks();
    }
    void usePuzzlePointer(const QObject *owner, bool on) override {
        if (on)
            m.m_pointerUsers.insert(owner);
        else
            m.m_pointerUsers.remove(owner);
        m.arrangePuzzle();
    }
    void typeOnPuzzle(std::function<bool(int, Qt::KeyboardModifiers)> keys) override {
        m.m_puzzleKeys = std::move(keys);
        m.arrangePuzzle();
    }
    bool puzzleTakesKeys() const override { return bool(m.m_puzzleKeys); }
    void setPencilLetters(const QHash<int, QChar> &letters) override {
        m.m_pencil = letters;
        if (m.mode.is(Mode::Solve) && !m.session.paused()) m.txtBox[1]->setText(m.solutionText());
    }
    void takePairs(std::function<bool(QChar, QChar)> take) override {
        m.m_pairTaker = std::move(take);
    }
    void place(QWidget *widget, Place where) override {
        const bool shown = widget->isVisibleTo(widget->parentWidget());
        widget->setParent(m.picQuote);
        if (where == Place::OverPuzzle)
            widget->setGeometry(m.txtBox[1]->geometry().united(m.txtBox[2]->geometry()));
        else
            PlaceTwips(widget, 5370, 210, 1680, 2640);
        widget->setVisible(shown);
    }

private:
    frmMain &m;
};

void frmMain::buildSeam() {
    m_seam = new Seam(*this);
    for (int i : {1, 2}) {
        txtLetter[i]->setWindowKeys(&m_windowKeys);
        connect(txtBox[i], &QuoteTextBox::letterHovered, m_seam, &LobbySeam::puzzleHovered);
        connect(txtBox[i], &QuoteTextBox::letterClicked, m_seam, &LobbySeam::puzzleClicked);
    }
    connect(grid, &QuoteGrid::rowChanged, m_seam, &LobbySeam::highlightChanged);
    connect(grid, &QuoteGrid::quotesDropped, m_seam,
            [this](const QList<QUrl> &files, const QString &text) {
                if (mode.is(LobbyMode::Mode::List)) emit m_seam->quotesDropped(files, text);
            });
    connect(txtLetter[1], &QLineEdit::textChanged, m_seam, [this](const QString &t) {
        emit m_seam->cipherLetterChanged(t.isEmpty() ? QChar() : t[0].toUpper());
    });
    // Away: another program in front, the window minimised, or a window of
    // the game's own over the lobby (help, a message, the quit question).
    const auto look = [this] {
        const QWidget *front = QApplication::activeWindow();
        setAway(qGuiApp->applicationState() != Qt::ApplicationActive ||
                (front && front != this));
    };
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, look);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, look);
}

LobbySeam &frmMain::seam() const {
    return *m_seam;
}

void frmMain::showMarks() {
    // Each place in the colour of the highest layer that marks it.
    QMap<int, QColor> shown;
    for (const MarkLayer &layer : m_marks)
        for (int place : layer.places)
            shown.insert(place, layer.colour);
    for (int i : {1, 2})
        txtBox[i]->setMarks(shown);
}

void frmMain::clearMarks() {
    bool any = false;
    for (MarkLayer &layer : m_marks)
        any |= !std::exchange(layer.places, {}).isEmpty();
    if (any) showMarks();
}

void frmMain::arrangePuzzle() {
    const bool playing = m_seam->playing();
    const bool typing = playing && m_puzzleKeys, pointing = playing && !m_pointerUsers.isEmpty();
    for (int i : {1, 2}) {
        QuoteTextBox *box = txtBox[i];
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
                if (m_seam->playing()) box->setFocus(Qt::OtherFocusReason); // typing goes on here
                return true;
            });
        else
            box->setKeyTaker({});
    }
}

void frmMain::showTitle() {
    const QString title = QStringLiteral(" ") + AppInfo::Title + m_titleNote;
    if (windowTitle() != title) setWindowTitle(title);
}

void frmMain::setAway(bool away) {
    if (away == m_away) return;
    m_away = away;
    holdWatchers();
    emit m_seam->awayChanged(away);
}

void frmMain::holdWatchers() {
    // Nothing moves while the game stands still or the player is elsewhere.
    for (int i : {1, 2})
        AniGiff[i]->setHeld(m_away || session.paused());
}
