#pragma once

#include "DesignedWindow.h"

#include <array>

class QLabel;
class QMenu;
class QAction;
class QPlainTextEdit;

// The help window: one topic at a time, a pop-up menu of topics, the About
// box, the maker's links and printing. Opened modally by the lobby at the
// topic of its mode; discarded when it closes.
class frmManual : public DesignedWindow {
    Q_OBJECT
public:
    explicit frmManual(QWidget *parent = nullptr);

    void Form_Load();
    void Form_Activate() override;
    void cmdHelpTopic_Click();
    void menuHelpTopic_Click(int index);
    void cmdPrintHelp_Click();
    void cmdReturn_Click();

    // The menu item number (help-context field) of each index, from 1.
    static int itemNumber(int index);
    static QString itemCaption(int index);
    // The topic's title as read and printed: "&&" in a caption is one "&".
    static QString topicTitle(int index);

    qint16 currentTopic = 0;
    QString aboutText;

    KelButton *cmdHelpTopic, *cmdPrintHelp, *cmdReturn;
    QLabel *labelHelpTopic;
    QPlainTextEdit *txtManual;
    QMenu *menuHelpMenu;
    // The menu's items, as many as it has: [1] .. [15] as designed, [16] on the additions'.
    static constexpr int TopicItems = 20;
    std::array<QAction *, TopicItems> menuHelpTopic{};
};
