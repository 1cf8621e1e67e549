#pragma once

#include "modFadeInOut.h"

#include <QList>

// Stands in for the desktop's window opacity: says whether windows can fade
// and records every opacity applied.
struct RecordingOpacity : OpacityControl {
    bool canFade = false;
    QList<int> applied;
    bool available(QWidget *) override { return canFade; }
    bool apply(QWidget *, int alpha) override {
        applied << alpha;
        return true;
    }
};
