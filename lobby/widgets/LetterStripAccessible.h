#pragma once

class LetterStrip;

// The letter table, to a screen reader, as a table: a row for each cipher
// letter, with how often it occurs and the letter given to it.
void InstallLetterStripAccessible();
