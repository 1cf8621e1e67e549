#pragma once

// Every window of the game drawn larger or smaller at once, as if the game
// had been started at that view size: the toolkit's own scale is changed and
// each open window is made anew on the screen at it, its widgets, game and
// focus untouched.
namespace viewzoom {

// The scale the windows are drawn at, 1 for the design's size.
double factor();

// Every open window redrawn at `percent` (100 the design's size, 0 the
// desktop's own scale, which is 100 where the game was started without
// it): each keeps
// its top left corner where it is, moved no further than keeps its title bar
// and as much of it as fits on its screen. False, and nothing changed, while
// a question waits for its answer (its window is the player's now).
bool apply(int percent);

// Whether the desktop's own scale was left in force when the game started
// (it is switched off for a view size of the player's, until the next start).
bool followsDesktop();

} // namespace viewzoom
