#include "ScreenReader.h"

#include "KelButtonAccessible.h"
#include "frmMain.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>

namespace {

void tell(QObject *object, QAccessible::Event what) {
    QAccessibleEvent e(object, what);
    QAccessible::updateAccessibility(&e);
}

const QString Instruction = QStringLiteral(
    "In the scrambled quote below, show the letter (type it in the first box) as a (type the "
    "letter it stands for in the second box)");

} // namespace

QString ScreenReader::spoken(const QString &solution) {
    QStringList words;
    for (QChar c : solution)
        words << (c == SolveGame::Unsolved ? QStringLiteral("blank") : QString(c));
    return words.join(QLatin1Char(' ')).simplified();
}

ScreenReader::ScreenReader(frmMain &lobby) : QObject(&lobby), m(lobby) {
    setObjectName(QStringLiteral("screenReader"));
    m.grid->setAccessibleName(QStringLiteral("Quote list"));
    m.txtLetter[1]->setAccessibleName(QStringLiteral("Scrambled letter"));
    m.txtLetter[1]->setAccessibleDescription(
        QStringLiteral("Type a letter of the scrambled quote"));
    m.txtLetter[2]->setAccessibleName(QStringLiteral("Stands for"));
    m.txtLetter[2]->setAccessibleDescription(
        QStringLiteral("Type the letter the scrambled letter stands for; a space takes it back"));
    m.lblLetter->setAccessibleName(QStringLiteral("Alphabet"));
    m.Label1->setBuddy(m.lblCode);
    for (int i : {1, 2})
        m.AniGiff[i]->setAccessibleName(m.AniGiff[i]->toolTip().trimmed());
    m.picQuoteList->setAccessibleName(QStringLiteral("List panel"));
    m.picQuote->setAccessibleName(QStringLiteral("Quote panel"));
    m.picPrintQuote->setAccessibleName(QStringLiteral("Print panel"));
    m.picSolveRandomQuote->setAccessibleName(QStringLiteral("Solve panel"));
    connect(m.grid, &QuoteGrid::rowChanged, this,
            [this] { m.grid->setAccessibleDescription(m.grid->list()->status()); });
    connect(&m, &frmMain::modeArranged, this, [this] { nameForMode(); });
    connect(&m, &frmMain::gameStarted, this, [this] {
        nameForMode();
        solutionChanged();
    });
    connect(&m, &frmMain::solutionChanged, this, [this] { solutionChanged(); });
    connect(&m, &frmMain::gameEnded, this, [this](SolveGame::Outcome outcome) {
        if (outcome != SolveGame::Outcome::Abandoned) gameEnded();
    });
    nameForMode();
}

void ScreenReader::nameForMode() {
    using Mode = LobbyMode::Mode;
    const Mode mode = m.mode.current();
    QuoteTextBox *quote = m.txtBox[1], *guide = m.txtBox[2];
    quote->setAccessibleDescription(QString());
    switch (mode) {
    case Mode::List:
        quote->setAccessibleName(QStringLiteral("Highlighted quote"));
        break;
    case Mode::Add:
    case Mode::Edit:
        quote->setAccessibleName(mode == Mode::Add ? QStringLiteral("New quote")
                                                   : QStringLiteral("Quote being edited"));
        // The rules, told with the box they are for.
        quote->setAccessibleDescription(frmMain::GuideTextForEditing);
        guide->setAccessibleName(QStringLiteral("Rules for a quote"));
        break;
    case Mode::Print:
        quote->setAccessibleName(QStringLiteral("Quote"));
        guide->setAccessibleName(QStringLiteral("Scrambled quote"));
        m.lblCode->setAccessibleName(QStringLiteral("Code key"));
        break;
    case Mode::Solve:
        quote->setAccessibleName(QStringLiteral("Solution so far"));
        guide->setAccessibleName(QStringLiteral("Scrambled quote"));
        m.lblSolveMessage->setAccessibleName(Instruction);
        m.cmdFinishedSolving->setAccessibleDescription(QString());
        break;
    }
    m.grid->setAccessibleDescription(m.grid->list()->status());
}

void ScreenReader::solutionChanged() {
    m.txtBox[1]->setAccessibleDescription(spoken(m.game.shown()));
    tell(m.txtBox[1], QAccessible::DescriptionChanged);
}

void ScreenReader::gameEnded() {
    // The closing message: said at once, and again with the button that
    // takes the focus.
    const QString message = m.lblSolveMessage->text().simplified();
    m.lblSolveMessage->setAccessibleName(message);
    m.cmdFinishedSolving->setAccessibleDescription(message);
    tell(m.lblSolveMessage, QAccessible::NameChanged);
    tell(m.lblSolveMessage, QAccessible::Alert);
}
