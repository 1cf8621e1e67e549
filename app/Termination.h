#pragma once

// A logout, a shutdown or Ctrl+C in a terminal (SIGTERM, SIGHUP, SIGINT)
// ends the program as its own Quit does: the event loop is left, so whatever
// listens for the program's end (the game kept with its time) runs first.
// Call once, with the application made.
void EndCleanlyOnSignals();
