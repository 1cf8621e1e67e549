#pragma once

class QWidget;

// Window sizes are designed as outer sizes on a classic desktop whose fixed
// frame is 3 pixels on each side with a 19-pixel caption. The client area is
// what that frame leaves, and it is the same on every desktop: the real
// desktop adds its own frame outside it. Sizes in twips.
namespace windowsize {

inline constexpr int ClassicFrame = 3;
inline constexpr int ClassicCaption = 19;

// Client size in pixels of a window designed `widthTwips` by `heightTwips`;
// a window without a caption loses the frame only.
int clientWidth(int widthTwips);
int clientHeight(int heightTwips, bool captioned);

} // namespace windowsize

// Gives a captioned window its designed size: a fixed client area that can be
// neither resized nor maximised.
void SetDesignedSize(QWidget *window, int widthTwips, int heightTwips);

// Makes `window` a fixed-size captioned window: a close box, and a minimise
// box when `minimisable`, but never a maximise box; and it refuses enlarging.
void MakeFixedWindow(QWidget *window, bool minimisable);

// A window that can be neither maximised nor made full screen, however it is
// asked: the request is undone at once and the window stays where it was.
void RefuseEnlarging(QWidget *window);

// Places `window` centred over the client area of the window `over` belongs
// to, before it shows.
void ShowCentredOver(QWidget *window, const QWidget *over);

// Makes the window `over` belongs to the owner of `window` (a top-level
// window of its own): the desktop keeps it over its owner, gives it no task
// bar button of its own, and places it there where the desktop places
// windows itself.
void SetOwner(QWidget *window, const QWidget *over);

// Places a control in twips relative to its container.
void PlaceTwips(QWidget *control, int left, int top, int width, int height);
