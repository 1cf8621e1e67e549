#pragma once

class LetterStrip;

// The letter table, to a screen reader, as a table: a row for each cipher
// letter, with how often it occurs and the letter given to it.
void InstallLetterStripAccessible();
// The child of the table that tells the letter `index` (0 for A) as a whole.
int LetterStripCellIndex(int index);
