#pragma once

#include <QAccessibleWidget>

class KelButton;

// What a screen reader meets in a KelButton: a push button (a check box for
// one that toggles) named by its caption, described by its tooltip, with a
// Press action that clicks it exactly as Space does.
class KelButtonAccessible : public QAccessibleWidget {
public:
    explicit KelButtonAccessible(KelButton *button);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

    // A caption as it is spoken: access-key markers gone ("&&" as one "&"),
    // line breaks as blanks.
    static QString spoken(const QString &caption);

    // Makes every KelButton reach assistive technologies through this
    // interface; done once, by the first button.
    static void install();

private:
    KelButton *button() const;
};
