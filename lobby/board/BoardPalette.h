#pragma once

#include "NightScheme.h"

#include <QColor>

// The board's colours in one place: the puzzle boxes', the letter boxes' and
// each mark layer's (in the order of BoardSeam::Marks). The design's are
// the day's; another set of colours is one more palette.
struct BoardPalette {
    QColor solutionGround; // the solution box, where the player's letters stand
    QColor puzzleText;     // the scrambled quote's letters and the letter boxes'
    QColor cipherLetterGround, plainLetterGround; // the two letter boxes
    // The mark layers: pencil letters, letters lit, the letter picked on the
    // puzzle, a step explained, letters found wrong.
    QColor pencil, lit, picked, step, wrong;
    // A letter given to two scrambled letters, where a board shows it so.
    QColor clash;

    // The design's colours, and the marks' as the additions drew them.
    static const BoardPalette &Day() {
        static const BoardPalette day{QColor(255, 255, 0),   QColor(128, 64, 64),
                                      QColor(255, 224, 192), QColor(255, 255, 0),
                                      QColor(225, 228, 240), QColor(255, 196, 110),
                                      QColor(170, 230, 170), QColor(150, 220, 255),
                                      QColor(255, 150, 150), QColor(200, 0, 0)};
        return day;
    }
    // The same in night colours: grounds and marks dark, each in its own
    // hue still, the letters light.
    static const BoardPalette &Night() {
        static const BoardPalette night = [] {
            const BoardPalette &d = Day();
            auto ground = [](const QColor &c) { return nightscheme::Night(c, QPalette::Base); };
            auto text = [](const QColor &c) { return nightscheme::Night(c, QPalette::Text); };
            // A mark stands out from the dark grounds as it does from the
            // day's light ones: a little lighter and more vivid than they.
            auto mark = [&ground](const QColor &c) {
                float h = 0, s = 0, l = 0, a = 0;
                ground(c).getHslF(&h, &s, &l, &a);
                return QColor::fromHslF(h < 0 ? 0 : h, qMin(1.0f, s * 1.6f), l + 0.08f, a);
            };
            return BoardPalette{ground(d.solutionGround),
                                text(d.puzzleText),
                                ground(d.cipherLetterGround),
                                ground(d.plainLetterGround),
                                mark(d.pencil),
                                mark(d.lit),
                                mark(d.picked),
                                mark(d.step),
                                mark(d.wrong),
                                text(d.clash)};
        }();
        return night;
    }
    // The day's colours, or the night's while night colours are on.
    static const BoardPalette &Current() { return nightscheme::on() ? Night() : Day(); }
    // The colour of a mark layer, by its place in BoardSeam::Marks.
    const QColor &layer(int index) const {
        const QColor *const layers[] = {&pencil, &lit, &picked, &step, &wrong};
        return *layers[index];
    }
};
