#pragma once

#include "KelButton.h"
#include "modFadeInOut.h"

#include <QWidget>

class QLabel;
class QFrame;
class QCheckBox;

// The welcome screen: a one-page overview for new players, shown modally by
// the title page until the player asks not to see it again.
class frmNewUser : public QWidget {
    Q_OBJECT
public:
    explicit frmNewUser(QWidget *parent = nullptr);

    void Form_Load();
    void Form_Activate();
    void cmdContinue_Click();
    bool activated() const { return m_activated; }

    FadeMachine fade;
    QLabel *lbl;
    QFrame *Shape1;
    QCheckBox *chk;
    KelButton *cmdContinue;

protected:
    void showEvent(QShowEvent *e) override;

private:
    WindowDesign m_design;
    bool m_activated = false;
};
