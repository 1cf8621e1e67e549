#pragma once

#include "DesignedWindow.h"

#include <array>
#include <functional>

class QLabel;
class AnimatedPicture;

// The title page: the animated title, what the game is, its version and
// notice, the maker and the way on to the lobby.
class frmTitlePage : public DesignedWindow {
    Q_OBJECT
public:
    explicit frmTitlePage(QWidget *parent = nullptr);

    void Form_Load();
    void Form_Activate() override;
    void cmdContinue_Click();
    void labelKelContact_Click(int index);

    // "Version w3.28.18": each part in the "##" / "####" pattern, zero as nothing.
    static QString versionLine();

    // Opens the lobby; replaceable in tests. Runs once, after the title page has gone.
    std::function<void()> openLobby;
    // Shows the welcome screen modally; replaceable in tests.
    std::function<void()> showWelcome;

    // The client area, inside the page's own frame; every control lies on it.
    QWidget *client;
    std::array<AnimatedPicture *, 9> gif{}; // [1] .. [8]
    QLabel *labelAppTitle, *labelAppDescription, *labelVersion, *labelCopyright, *labelKelSoftware,
        *labelKelAddress;
    std::array<QLabel *, 3> labelKelContact{}; // [1] e-mail, [2] web
    KelButton *cmdContinue, *cmdOrderInfo;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    void handOver();

    bool m_handedOver = false;
};
