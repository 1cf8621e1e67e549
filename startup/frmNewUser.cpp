#include "frmNewUser.h"

#include "AppInfo.h"
#include "Labels.h"
#include "Settings.h"
#include "StringResources.h"
#include "TilePicture.h"
#include "WindowSize.h"
#include "WrapCheckBox.h"
#include "modStandard.h"

#include <QFrame>
#include <QLabel>

using modFadeInOut::FadeEnabled;

frmNewUser::frmNewUser(QWidget *parent)
    : DesignedWindow(QStringLiteral("frmNewUser"), Frame::Captioned, {}, parent) {
    lbl = NewLabel(this, 105, 105, 6315, 3900);
    lbl->setFont(QFont(QStringLiteral("Arial"), 9));
    lbl->setWordWrap(true);
    lbl->setAccessibleName(tr("Welcome"));
    Shape1 = new QFrame(this);
    Shape1->setFrameShape(QFrame::StyledPanel);
    Shape1->setAutoFillBackground(true);
    QPalette panel = Shape1->palette();
    panel.setColor(QPalette::Window, QColor(255, 246, 210));
    Shape1->setPalette(panel);
    PlaceTwips(Shape1, 105, 4095, 2220, 750);
    chk = new WrapCheckBox(tr("Don't show this Welcome screen again"), this);
    PlaceTwips(chk, 210, 4200, 2010, 540);
    chk->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    cmdContinue = designed(QStringLiteral("cmdContinue"));
    connect(cmdContinue, &KelButton::Click, this, &frmNewUser::cmdContinue_Click);
    setReturnButton(cmdContinue);
    Form_Load();
}

void frmNewUser::Form_Load() {
    FadeEnabled = modFadeInOut::SetFormAlpha(this, 0, false);
    SetDesignedSize(this, 6600, 5430);
    setWindowTitle(tr(" %1 - New User Overview").arg(AppInfo::Title));
    modStandard::TilePicture(QStringLiteral(":/pictures/tiles/newuser.png"), this);
}

void frmNewUser::Form_Activate() {
    if (!beginActivation()) return;
    QString text = tr("Welcome! Are you a new user? If so, then let's take a moment "
                      "for a quick overview.") +
                   QStringLiteral("\r\n\r\n") + LoadResString(1000);
    lbl->setText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    lbl->setAccessibleDescription(lbl->text());
    cmdContinue->setCaption(tr("&Continue"));
    cmdContinue->Refresh();
    FadeInIfEnabled();
    SayOnOpening(lbl->text());
}

void frmNewUser::cmdContinue_Click() {
    if (chk->isChecked()) Settings::Save(Settings::Keys::NewUser, Settings::NoShow);
    FadeOutOrEnd();
}
