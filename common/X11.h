#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// What the game asks of an X11 desktop directly, where Qt has no word for
// it. Every call does nothing on another platform (Wayland, offscreen).
namespace x11 {

// Whether the windows are on an X server.
bool available();
// Whether a compositing manager runs (owner of _NET_WM_CM_S<screen>), without
// which a window cannot be see-through.
bool compositorRunning();
// Sends what is queued for the server now.
void flush();
// Asks the desktop, as its own task bar would, to take every enlarged state
// from `window`: maximised up and down, across, or both, and full screen.
void removeEnlargedStates(QWidget *window);
// Whether the desktop holds `window` enlarged any way (maximised up and down
// or across only too, which Qt does not tell).
bool enlarged(QWidget *window);
// Where `window`'s client area stands on the screen in the server's pixels
// (null when it cannot be asked), and a request to put it back there: a
// place that goes through Qt's scaled pixels can come back a pixel off.
QPoint clientPlace(QWidget *window);
void placeClient(QWidget *window, const QPoint &at);
// On a desktop that frames every normal window whatever it asks (awesome),
// tells it, as `window` is mapped, that the window is a utility window owned
// by no other, which it leaves unframed. Called right after the window is
// shown, before the desktop has read its properties (Qt names the window a
// normal one as it shows it). Elsewhere nothing changes: there a utility
// window would be kept above the others and not given the focus.
void markUndecorated(QWidget *window);
// The size of `window`'s client area as the X server has it (empty when it
// cannot be asked), and a request for another: a desktop that ignored a
// resize while it held the window enlarged can leave the two apart from
// what Qt believes.
QSize clientSize(QWidget *window);
void resizeClient(QWidget *window, const QSize &size);
// Asks the server, before such a window is shown, what markUndecorated needs.
void prepareUndecorated();
// Tells the desktop, as `window` is mapped, the window it belongs to (its
// transient parent), which Qt tells only of dialogs: the desktop then keeps
// it over its owner and gives it no task-bar button of its own.
void markOwned(QWidget *window);
// A window of fixed size asks for that size alone: no resize increment and
// no base size in its size hints. (Qt gives a scaled window an increment of
// its scale, and a base size of minus that, from which a desktop works out a
// size a pixel short.)
void keepFixedSizeHints(QWidget *window);
// The resolution the desktop sets for text (the Xft.dpi resource), read
// from $DISPLAY before any window exists; 0 when none is set or there is
// no X server.
int desktopTextDpi();

} // namespace x11
