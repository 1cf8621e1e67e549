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
    BoardSeam &board() override { return m.board; }
    bool away() const override { return m.m_awayFor != AwayFor::Here; }
    AwayFor awayFor() const override { return m.m_awayFor; }

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
    play::QuoteLevels &levels() override { return m.session.levels(); }
    void setDrawChoice(std::function<qint16(qint16)> choose) override {
        m.session.setChoice(std::move(choose));
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
    QString scrambledOnShow() const override {
        return m.mode.is(Mode::Print)   ? m.txtBox[2]->text()
               : m.mode.is(Mode::Solve) ? m.board.puzzleBox(2)->text()
                                        : QString();
    }
    void setTitleNote(const QString &owner, const QString &note) override {
        if (m.m_titleNotes.set(owner, note)) m.showTitle();
    }

    void say(const QString &text) override { m.m_announcer->say(text); }

private:
    frmMain &m;
};

void frmMain::buildSeam() {
    m_seam = new Seam(*this);
    board.setWindowKeys(&m_windowKeys);
    connect(grid, &QuoteGrid::rowChanged, m_seam, &LobbySeam::highlightChanged);
    connect(grid, &QuoteGrid::quotesDropped, m_seam,
            [this](const QList<QUrl> &files, const QString &text) {
                if (mode.is(LobbyMode::Mode::List)) emit m_seam->quotesDropped(files, text);
            });
    // Away: another program in front, the window minimised, or a window of
    // the game's own over the lobby (help, a message, the quit question).
    const auto look = [this] {
        const QWidget *front = QApplication::activeWindow();
        using A = LobbySeam::AwayFor;
        setAway(isMinimized()                                               ? A::Minimised
                : qGuiApp->applicationState() != Qt::ApplicationActive      ? A::OtherProgram
                : front && front != this                                    ? A::OwnWindow
                                                                            : A::Here);
    };
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, look);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, look);
}

LobbySeam &frmMain::seam() const {
    return *m_seam;
}

void frmMain::showTitle() {
    const QString title = QStringLiteral(" ") + AppInfo::Title + m_titleNotes.joined();
    if (windowTitle() != title) setWindowTitle(title);
}

void frmMain::setAway(LobbySeam::AwayFor why) {
    if (why == m_awayFor) return;
    m_awayFor = why;
    holdWatchers();
    emit m_seam->awayChanged(why != LobbySeam::AwayFor::Here);
}

void frmMain::holdWatchers() {
    // Nothing moves while the game stands still or the player is elsewhere.
    for (int i : {1, 2})
        AniGiff[i]->setHeld(m_awayFor != LobbySeam::AwayFor::Here || session.paused());
}
