#include "LobbyMode.h"

#include "HelpTopic.h"
#include "KelButton.h"
#include "WindowSize.h"
#include "frmMain.h"

#include <QApplication>

void LobbyMode::arrange() {
    frmMain &m = m_lobby;
    const Mode from = m_arranged;
    m_arranged = m_mode;
    const bool list = m_mode == Mode::List, editing = this->editing();
    const bool printing = m_mode == Mode::Print, solving = m_mode == Mode::Solve;

    HelpTopic = list       ? HelpTopics::MainLobby
                : editing  ? HelpTopics::QuoteListMaintenance
                : printing ? HelpTopics::EncryptingPrinting
                           : HelpTopics::SolvingOnScreen;

    // The buttons of the quote panel belong to the list.
    for (KelButton *b : {m.cmdAddEditQuote[2], m.cmdDeleteQuote, m.cmdScrambleAndPrintQuote})
        b->setVisible(list);
    m.cmdFinishedPrinting->setVisible(printing);

    // Editing: the quote panel takes the list's place in a shorter window.
    if (editing) {
        const bool adding = m_mode == Mode::Add;
        m.cmdAddEditSave->setCaption(adding
                                         ? KelButton::CaptionLines(frmMain::tr("&Save\nNew\nQuote"))
                                         : KelButton::CaptionLines(frmMain::tr("&Save\nChanges")));
        m.cmdAddEditCancel->setCaption(
            adding ? KelButton::CaptionLines(frmMain::tr("&Cancel\nNew\nQuote"))
                   : KelButton::CaptionLines(frmMain::tr("Don't\nSave\n&Changes")));
    }
    m.cmdAddEditSave->setVisible(editing);
    m.cmdAddEditCancel->setVisible(editing);
    if (editing != (from == Mode::Add || from == Mode::Edit)) {
        PlaceTwips(m.picQuote, 210, editing ? 680 : 3570, 7155, 3060);
        SetDesignedSize(&m, 7660, editing ? 4300 : 7200);
    }
    m.txtBox[1]->setLocked(!editing);
    if (editing) {
        if (m_mode == Mode::Add) m.txtBox[1]->setText(QString());
        m.txtBox[1]->setBackColor(m_mode == Mode::Add ? frmMain::Yellow : frmMain::Pink);
        m.txtBox[2]->setText(frmMain::GuideTextForEditing());
    }
    // Back in the list from editing or solving, the quote box turns cyan.
    if (list && (from == Mode::Add || from == Mode::Edit || from == Mode::Solve))
        m.txtBox[1]->setBackColor(frmMain::Cyan);
    // The quote panel's boxes give way to the board's while it is on show.
    m.txtBox[1]->setVisible(!solving);
    m.txtBox[2]->setVisible(!list && !solving);
    if (list) m.txtBox[2]->setText(QString());
    m.board.arrange(solving);

    // The panel in the list's place.
    m.picPrintQuote->setVisible(printing);
    if (!solving) m.picSolveRandomQuote->hide();
    if (!solving && from == Mode::Solve) QApplication::processEvents();
    m.picQuoteList->setVisible(list);

    // Solving: Esc finishes the game, Quit waits; a game that is over shows
    // its end, with nothing left to play.
    const bool playing = solving && !m.game.isOver();
    m.cmdHint->setVisible(!solving || playing);
    m.cmdSolve->setVisible(!solving || playing);
    m.setCancelButton(solving ? m.cmdFinishedSolving : m.cmdQuit);
    m.cmdQuit->setEnabledProperty(!solving);
    if (solving && !m.picSolveRandomQuote->isVisible()) {
        m.picSolveRandomQuote->show();
        QApplication::processEvents();
    }
    for (int i : {1, 2})
        m.AniGiff[i]->setVisible(playing);
    if (playing && from != Mode::Solve) QApplication::processEvents();

    // Hint is usable outside a game whatever the last game made of it.
    if (!solving) m.cmdHint->setEnabledProperty(true);
    m.describeForMode();
    emit m.seam().modeArranged(m_mode);
}
