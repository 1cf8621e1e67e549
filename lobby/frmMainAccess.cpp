// The Main Lobby as a screen reader meets it: every control named for what it
// is in the mode on show, the rules tied to the box they explain, the
// solution read letter by letter, and the closing message as an alert. No
// pixel of it shows.
#include "frmMain.h"

#include "Announcer.h"
#include "Spoken.h"

#include <QAccessible>
#include <QHeaderView>

namespace {

void tell(QObject *object, QAccessible::Event what) {
    QAccessibleEvent e(object, what);
    QAccessible::updateAccessibility(&e);
}

// Tells when a screen reader comes or goes.
class ReaderWatch : public QObject, public QAccessible::ActivationObserver {
public:
    ReaderWatch(QObject *parent, std::function<void(bool)> changed)
        : QObject(parent), m_changed(std::move(changed)) {
        QAccessible::installActivationObserver(this);
        m_changed(QAccessible::isActive());
    }
    ~ReaderWatch() override { QAccessible::removeActivationObserver(this); }
    void accessibilityActiveChanged(bool active) override { m_changed(active); }

private:
    std::function<void(bool)> m_changed;
};

} // namespace

void frmMain::describeControls() {
    m_announcer = new Announcer(this);
    grid->setAccessibleName(tr("Quote list"));
    lblLetter->setAccessibleName(tr("Alphabet"));
    Label1->setBuddy(lblCode);
    for (int i : {1, 2})
        AniGiff[i]->setAccessibleName(AniGiff[i]->toolTip().trimmed());
    picQuoteList->setAccessibleName(tr("List panel"));
    picQuote->setAccessibleName(tr("Quote panel"));
    picPrintQuote->setAccessibleName(tr("Print panel"));
    picSolveRandomQuote->setAccessibleName(tr("Solve panel"));
    // The status line as shown, with the notes after it.
    connect(grid, &QuoteGrid::rowChanged, this, &frmMain::describeStatus);
    connect(grid->list(), &QAbstractItemModel::headerDataChanged, this, &frmMain::describeStatus);
    // With a screen reader the quote boxes are on the Tab path, read-only,
    // with a caret.
    new ReaderWatch(this, [this](bool active) {
        for (int i : {1, 2})
            txtBox[i]->setReadableByKeys(active);
        board.setReadableByKeys(active);
    });
    describeForMode();
}

void frmMain::describeForMode() {
    using Mode = LobbyMode::Mode;
    QuoteTextBox *quote = txtBox[1], *guide = txtBox[2];
    quote->setAccessibleDescription(QString());
    switch (mode.current()) {
    case Mode::List:
        quote->setAccessibleName(tr("Highlighted quote"));
        break;
    case Mode::Add:
    case Mode::Edit:
        quote->setAccessibleName(mode.is(Mode::Add) ? tr("New quote") : tr("Quote being edited"));
        // The rules, told with the box they are for.
        quote->setAccessibleDescription(GuideTextForEditing());
        guide->setAccessibleName(tr("Rules for a quote"));
        break;
    case Mode::Print:
        quote->setAccessibleName(tr("Quote"));
        guide->setAccessibleName(tr("Scrambled quote"));
        lblCode->setAccessibleName(tr("Code key"));
        break;
    case Mode::Solve: // the board's boxes stand in the quote panel's, with names of their own
        lblSolveMessage->setAccessibleName(spoken::Instruction());
        cmdFinishedSolving->setAccessibleDescription(QString());
        break;
    }
    describeStatus();
}

void frmMain::describeStatus() {
    // The notes' dots are for the eye; the ear hears a pause.
    grid->setAccessibleDescription(
        grid->list()->status().replace(QStringLiteral(" \u00B7 "), QStringLiteral(", ")));
}

void frmMain::describeGameEnd() {
    // The closing message: said at once, and again with the button that
    // takes the focus.
    const QString message = lblSolveMessage->text().simplified();
    lblSolveMessage->setAccessibleName(message);
    cmdFinishedSolving->setAccessibleDescription(message);
    tell(lblSolveMessage, QAccessible::NameChanged);
    tell(lblSolveMessage, QAccessible::Alert);
}
