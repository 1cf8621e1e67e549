#pragma once

#include "DesignedWindow.h"

class QLabel;
class QFrame;
class QCheckBox;

// The welcome screen: a one-page overview for new players, shown modally by
// the title page until the player asks not to see it again.
class frmNewUser : public DesignedWindow {
    Q_OBJECT
public:
    explicit frmNewUser(QWidget *parent = nullptr);

    void Form_Load();
    void Form_Activate() override;
    void cmdContinue_Click();

    QLabel *lbl;
    QFrame *Shape1;
    QCheckBox *chk;
    KelButton *cmdContinue;
};
