#pragma once

// Window geometry is given in twips (1/1440 inch) and converted to pixels
// at the screen's logical resolution.

class QWidget;
class QRect;
class QSize;

namespace dorvane::shell {

// Pixels of a horizontal or vertical length in twips (rounded).
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
QSize TwipsToPixels(int widthTwips, int heightTwips);
QRect TwipsToPixels(int left, int top, int width, int height);

// Places a child widget at left/top with the given size, all in twips.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

// Gives a window a fixed client area of the given size in twips.
void FixClientSizeTwips(QWidget* window, int widthTwips, int heightTwips);

}  // namespace dorvane::shell
