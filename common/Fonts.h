#pragma once

// The design names classic Windows faces; map them once at start-up onto
// installed faces with the same metrics.
void RegisterFontSubstitutions();

class QFont;
// "Fixedsys" at the given size, asking for a fixed-pitch face wherever the
// substitution lands.
QFont FixedsysFont(int points);
