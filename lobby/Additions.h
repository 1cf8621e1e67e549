#pragma once

class frmMain;

// The additions beyond the design, each hung on the lobby's seams by an
// object of its own: quote collections, the solver's aids, statistics,
// choosing the quote, keeping the game for later and taking pairs back.
// Without them the lobby is the design.
void AttachAdditions(frmMain &lobby);
