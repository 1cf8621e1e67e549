#pragma once

#include <array>

class AnimatedPicture;
class KelButton;
class LetterBox;
class QCheckBox;
class QLabel;
class QWidget;
class QuoteGrid;
class QuoteTextBox;
class SolveMessageLabel;

// The Main Lobby's controls under the design's names. The lobby keeps them
// to itself; an addition or a test that must reach one finds it by its name
// with `of`, as a player's tools would.
struct LobbyControls {
    struct Shown;
    KelButton *cmdHelp = nullptr, *cmdQuit = nullptr, *cmdFadeStatus = nullptr,
              *cmdEmailFriend = nullptr, *cmdgift = nullptr;
    QWidget *picQuoteList = nullptr, *picQuote = nullptr, *picPrintQuote = nullptr,
            *picSolveRandomQuote = nullptr;
    QuoteGrid *grid = nullptr;
    KelButton *cmdSolveRandomQuote = nullptr;
    std::array<KelButton *, 3> cmdAddEditQuote{}; // [1] add, [2] edit
    std::array<QuoteTextBox *, 3> txtBox{};       // [1] quote box, [2] guide box (the board has its own)
    KelButton *cmdDeleteQuote = nullptr, *cmdScrambleAndPrintQuote = nullptr,
              *cmdAddEditSave = nullptr, *cmdAddEditCancel = nullptr,
              *cmdFinishedPrinting = nullptr;
    // Print panel.
    QLabel *Label1 = nullptr, *lblLetter = nullptr, *lblCode = nullptr;
    KelButton *cmdPrintQuote = nullptr;
    QCheckBox *chkPrintSolutionPage = nullptr;
    // Solve panel (the letter boxes on it are the board's).
    SolveMessageLabel *lblSolveMessage = nullptr;
    KelButton *cmdHint = nullptr, *cmdSolve = nullptr, *cmdFinishedSolving = nullptr;
    std::array<AnimatedPicture *, 3> AniGiff{};

    // The controls of `lobby` a player meets, found by their names: the
    // lobby's own and its board's. A name that two carry (the quote panel's
    // boxes, the lobby's and the board's) is the one on show.
    static Shown of(const QWidget &lobby);
};

struct LobbyControls::Shown : LobbyControls {
    std::array<LetterBox *, 3> txtLetter{}; // [1] cipher letter, [2] plain letter
};
