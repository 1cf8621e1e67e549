#pragma once

#include <QLabel>

// A label as the windows' designs draw one: its text from the top left
// corner, not centred in its height.
QLabel *NewLabel(QWidget *parent, int left, int top, int width, int height,
                 const QString &text = {});

// Shrinks `label`'s font, from its designed size, until its text fits the
// label's width: a name shown in whatever font the desktop substitutes for
// the designed one keeps its last letter.
void FitTextToWidth(QLabel *label);
