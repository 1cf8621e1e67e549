#include "frmTitlePage.h"

#include "AnimatedPicture.h"
#include "AppInfo.h"
#include "Links.h"
#include "Settings.h"
#include "ShowModal.h"
#include "WindowSize.h"
#include "frmMain.h"
#include "frmNewUser.h"
#include "modStandard.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

using modFadeInOut::FadeEnabled;

namespace {

QLabel *label(QWidget *parent, int l, int t, int w, int h) {
    auto *x = new QLabel(parent);
    PlaceTwips(x, l, t, w, h);
    return x;
}

QString hashes(int n) {
    return n == 0 ? QString() : QString::number(n);
}

} // namespace

frmTitlePage::frmTitlePage(QWidget *parent)
    : QWidget(parent, Qt::Window), fade(this, [this] { handOver(); }) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmTitlePage"));
    WindowDesign::load(QStringLiteral(":/design/frmTitlePage.kel"), m_design);
    labelAppTitle = label(this, 105, 105, 4110, 540);
    labelAppTitle->setAutoFillBackground(true);
    QPalette backdrop = labelAppTitle->palette();
    backdrop.setColor(QPalette::Window, QColor(255, 250, 235));
    labelAppTitle->setPalette(backdrop);
    labelAppTitle->setFrameShape(QFrame::Panel);
    labelAppTitle->setFrameShadow(QFrame::Sunken);
    for (int i = 1; i <= 8; ++i) {
        gif[i] = new AnimatedPicture(
            QStringLiteral(":/pictures/title/letter%1-%2.png").arg(i).arg(QStringLiteral("%1")), 8,
            110 + 7 * i, this);
        PlaceTwips(gif[i], 525 * (i - 1), i % 2 ? 210 : 105, 600, 375);
    }
    labelAppDescription = label(this, 105, 630, 4005, 540);
    QFont description(QStringLiteral("MS Sans Serif"));
    description.setPointSizeF(9.75);
    description.setBold(true);
    labelAppDescription->setFont(description);
    labelVersion = label(this, 105, 1050, 2115, 225);
    labelCopyright = label(this, 105, 1260, 4725, 225);
    labelKelSoftware = label(this, 4830, 105, 3165, 540);
    QFont maker(QStringLiteral("Comic Sans MS"));
    maker.setPointSizeF(21.75);
    maker.setBold(true);
    maker.setItalic(true);
    labelKelSoftware->setFont(maker);
    QPalette makerColour = labelKelSoftware->palette();
    makerColour.setColor(QPalette::WindowText, QColor(150, 40, 120));
    labelKelSoftware->setPalette(makerColour);
    labelKelAddress = label(this, 5670, 630, 2325, 435);
    for (int i : {1, 2}) {
        labelKelContact[i] = label(this, 4935, i == 1 ? 1200 : 1470, 3060, 330);
        labelKelContact[i]->setCursor(Qt::PointingHandCursor);
        QPalette link = labelKelContact[i]->palette();
        link.setColor(QPalette::WindowText, QColor(0, 0, 200));
        labelKelContact[i]->setPalette(link);
        QFont f = labelKelContact[i]->font();
        f.setUnderline(true);
        labelKelContact[i]->setFont(f);
        labelKelContact[i]->installEventFilter(this);
    }
    cmdContinue = KelButton::fromDesign(m_design, QStringLiteral("cmdContinue"), this);
    cmdOrderInfo = KelButton::fromDesign(m_design, QStringLiteral("cmdOrderInfo"), this);
    cmdOrderInfo->hide(); // ordering is not offered
    connect(cmdContinue, &KelButton::Click, this, &frmTitlePage::cmdContinue_Click);
    openLobby = [] { (new frmMain)->show(); };
    showWelcome = [] { ShowModal(new frmNewUser); };
    Form_Load();
}

void frmTitlePage::Form_Load() {
    SetOuterSize(this, 8200, 3465);
    modStandard::TilePicture(QPixmap(QStringLiteral(":/pictures/tiles/title.png")), this);
}

void frmTitlePage::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    if (!m_activated) QTimer::singleShot(0, this, &frmTitlePage::Form_Activate);
}

QString frmTitlePage::versionLine() {
    return QStringLiteral("Version w") + hashes(AppInfo::Major) + QLatin1Char('.') +
           hashes(AppInfo::Minor) + QLatin1Char('.') + hashes(AppInfo::Revision);
}

void frmTitlePage::Form_Activate() {
    if (m_activated) return;
    m_activated = true;
    labelAppDescription->setText(AppInfo::Description);
    labelVersion->setText(versionLine());
    labelCopyright->setText(QStringLiteral("\u00A9") + AppInfo::Copyright);
    labelKelSoftware->setText(QStringLiteral("KEL Software"));
    labelKelAddress->setText(QStringLiteral("1200 Puzzle Lane\nRiddleton, WA 98000"));
    labelKelContact[1]->setToolTip(QStringLiteral(" Click here to Email KEL Software! "));
    labelKelContact[1]->setText(modStandard::MakerEmail);
    labelKelContact[2]->setToolTip(QStringLiteral(" Click here to visit KEL Software! "));
    labelKelContact[2]->setText(modStandard::MakerWeb);
    cmdContinue->setCaption(QStringLiteral("&Continue"));
    cmdContinue->Refresh();
}

bool frmTitlePage::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        for (int i : {1, 2})
            if (watched == labelKelContact[i]) {
                labelKelContact_Click(i);
                return true;
            }
    return QWidget::eventFilter(watched, event);
}

void frmTitlePage::labelKelContact_Click(int index) {
    modStandard::OpenLink(qint16(index), this, QString());
}

void frmTitlePage::cmdContinue_Click() {
    if (Settings::GetSetting(Settings::NewUserKey) != Settings::NoShow && showWelcome)
        showWelcome();
    FadeEnabled = modFadeInOut::SetFormAlpha(this, 255, false);
    if (FadeEnabled)
        fade.StartFade(255, 0, 10, true);
    else
        handOver();
}

void frmTitlePage::handOver() {
    if (m_handedOver) return;
    m_handedOver = true;
    // The lobby is on screen before the title page goes, so the program never
    // stands without a window in between.
    if (openLobby) openLobby();
    close();
}
