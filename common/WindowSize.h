#pragma once

class QWidget;

// Windows are designed by their outer size, frame and caption included; the
// client area is what is left once the desktop's frame is known. Sizes in twips.
void SetOuterSize(QWidget *window, int widthTwips, int heightTwips);

// Places a control in twips relative to its container.
void PlaceTwips(QWidget *control, int left, int top, int width, int height);
