#pragma once

// The design names classic Windows faces; map them once at start-up onto
// faces the game's package installs, with the same metrics; and make the face
// of every text that names none the game's own.
void RegisterFontSubstitutions();

class QFont;
// The face of text that names none: DejaVu Sans, 9 points.
QFont DefaultFace();
// "Fixedsys" at the given size, asking for a fixed-pitch face wherever the
// substitution lands.
QFont FixedsysFont(int points);
