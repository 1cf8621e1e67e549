#include "frmTitlePage.h"

#include "Additions.h"
#include "AnimatedPicture.h"
#include "AppInfo.h"
#include "Labels.h"
#include "LinkLabel.h"
#include "Links.h"
#include "Settings.h"
#include "ShowModal.h"
#include "TilePicture.h"
#include "WindowSize.h"
#include "frmMain.h"
#include "frmNewUser.h"
#include "modStandard.h"

#include <QApplication>
#include <QEventLoopLocker>
#include <QLabel>
#include <QPainter>

using modFadeInOut::FadeEnabled;

namespace {

QString hashes(int n) {
    return n == 0 ? QString() : QString::number(n);
}

} // namespace

frmTitlePage::frmTitlePage(QWidget *parent)
    : DesignedWindow(
          QStringLiteral("frmTitlePage"), Frame::Own, [this] { handOver(); }, parent) {
    setObjectName(QStringLiteral("frmTitlePage"));
    // The page has no caption: its own thin frame stands around the client area.
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    QWidget *const c = client;
    labelAppTitle = NewLabel(c, 105, 105, 4110, 540);
    labelAppTitle->setAutoFillBackground(true);
    QPalette backdrop = labelAppTitle->palette();
    backdrop.setColor(QPalette::Window, QColor(255, 250, 235));
    labelAppTitle->setPalette(backdrop);
    labelAppTitle->setFrameShape(QFrame::Panel);
    labelAppTitle->setFrameShadow(QFrame::Sunken);
    for (int i = 1; i <= 8; ++i) {
        gif[i] = new AnimatedPicture(
            QStringLiteral(":/pictures/title/letter%1-%2.png").arg(i).arg(QStringLiteral("%1")), 8,
            110 + 7 * i, c);
        PlaceTwips(gif[i], 525 * (i - 1), i % 2 ? 210 : 105, 600, 375);
    }
    labelAppDescription = NewLabel(c, 105, 630, 4005, 540);
    QFont description(QStringLiteral("MS Sans Serif"));
    description.setPointSizeF(9.75);
    description.setBold(true);
    labelAppDescription->setFont(description);
    labelVersion = NewLabel(c, 105, 1050, 2115, 225);
    labelCopyright = NewLabel(c, 105, 1260, 2115, 225);
    labelKelSoftware = NewLabel(c, 4830, 105, 3165, 540);
    QFont maker(QStringLiteral("Comic Sans MS"));
    maker.setPointSizeF(21.75);
    maker.setBold(true);
    maker.setItalic(true);
    labelKelSoftware->setFont(maker);
    QPalette makerColour = labelKelSoftware->palette();
    makerColour.setColor(QPalette::WindowText, QColor(150, 40, 120));
    labelKelSoftware->setPalette(makerColour);
    labelKelAddress = NewLabel(c, 5670, 630, 2325, 435);
    for (int i : {1, 2}) {
        auto *contact = new LinkLabel(c);
        contact->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        PlaceTwips(contact, 4935, i == 1 ? 1200 : 1470, 3060, 330);
        connect(contact, &LinkLabel::activated, this, [this, i] { labelKelContact_Click(i); });
        labelKelContact[i] = contact;
        QPalette link = labelKelContact[i]->palette();
        link.setColor(QPalette::WindowText, QColor(0, 0, 200));
        labelKelContact[i]->setPalette(link);
        QFont f = labelKelContact[i]->font();
        f.setUnderline(true);
        labelKelContact[i]->setFont(f);
    }
    cmdContinue = designed(QStringLiteral("cmdContinue"), c);
    cmdOrderInfo = designed(QStringLiteral("cmdOrderInfo"), c);
    cmdOrderInfo->hide(); // ordering is not offered
    connect(cmdContinue, &KelButton::Click, this, &frmTitlePage::cmdContinue_Click);
    // Continue comes first, as the one control the design takes keys; Tab
    // then goes on to the two links.
    setTabOrder(cmdContinue, labelKelContact[1]);
    setTabOrder(labelKelContact[1], labelKelContact[2]);
    openLobby = [] { NewLobby()->show(); };
    showWelcome = [this] { ShowModal(new frmNewUser, this); };
    Form_Load();
}

void frmTitlePage::Form_Load() {
    // The designed size is the outer size: the frame drawn here takes 3
    // pixels on each side, the client area the rest.
    const int w = windowsize::clientWidth(8200), h = windowsize::clientHeight(3465, false);
    const int frame = windowsize::ClassicFrame;
    setFixedSize(w + 2 * frame, h + 2 * frame);
    setBaseSize(minimumSize()); // as every designed window: see SetDesignedSize
    client->setGeometry(frame, frame, w, h);
    // No title bar shows it, but a desktop's window list, and one that
    // reads only the old name (twm), names the page by it: what the page
    // itself says, and not the bare name the game's messages carry.
    setWindowTitle(QStringLiteral("%1 - %2").arg(AppInfo::Title, AppInfo::description()));
    modStandard::TilePicture(QStringLiteral(":/pictures/tiles/title.png"), client);
}

void frmTitlePage::paintEvent(QPaintEvent *) {
    // The classic raised frame of a window: light outside, shadow below and
    // to the right, the face colour between it and the client area.
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, QColor(212, 208, 200));
    p.setPen(QColor(212, 208, 200));
    p.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
    p.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
    p.setPen(Qt::white);
    p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-2, 1));
    p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -2));
    p.setPen(QColor(64, 64, 64));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    p.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
}

QString frmTitlePage::versionLine() {
    return tr("Version w%1")
        .arg(hashes(AppInfo::Major) + QLatin1Char('.') + hashes(AppInfo::Minor) + QLatin1Char('.') +
             hashes(AppInfo::Revision));
}

void frmTitlePage::Form_Activate() {
    if (!beginActivation()) return;
    labelAppDescription->setText(AppInfo::description());
    labelVersion->setText(versionLine());
    // The "w" of the line is the eye's; the ear hears the number.
    const QString spokenVersion =
        tr("Version %1")
            .arg(hashes(AppInfo::Major) + QLatin1Char('.') + hashes(AppInfo::Minor) +
                 QLatin1Char('.') + hashes(AppInfo::Revision));
    labelVersion->setAccessibleName(spokenVersion);
    labelCopyright->setText(QStringLiteral("\u00A9") + AppInfo::Copyright);
    labelKelSoftware->setText(QStringLiteral("KEL Software"));
    FitTextToWidth(labelKelSoftware);
    labelKelAddress->setText(QStringLiteral("1200 Puzzle Lane\nRiddleton, WA 98000"));
    labelKelContact[1]->setToolTip(tr(" Click here to Email KEL Software! "));
    labelKelContact[1]->setText(modStandard::MakerEmail);
    labelKelContact[2]->setToolTip(tr(" Click here to visit KEL Software! "));
    labelKelContact[2]->setText(modStandard::MakerWeb);
    cmdContinue->setCaption(tr("&Continue"));
    cmdContinue->Refresh();
    SayOnOpening(tr("%1, %2. %3. Press Return or Alt+C to continue")
                     .arg(AppInfo::Title, AppInfo::description(), spokenVersion));
}

void frmTitlePage::labelKelContact_Click(int index) {
    modStandard::OpenLink(qint16(index), this, QString());
}

void frmTitlePage::cmdContinue_Click() {
    if (Settings::ShowWelcome() && showWelcome) showWelcome();
    FadeEnabled = modFadeInOut::SetFormAlpha(this, 255, false);
    FadeOutOrEnd(10);
}

void frmTitlePage::handOver() {
    if (m_handedOver) return;
    m_handedOver = true;
    // The title page closes and is discarded first; then the lobby opens.
    // The program must not end in the moment between, with no window open.
    auto *keepRunning = new QEventLoopLocker;
    connect(
        this, &QObject::destroyed, qApp,
        [open = openLobby, keepRunning] {
            if (open) open();
            delete keepRunning;
        },
        Qt::QueuedConnection);
    close();
}
