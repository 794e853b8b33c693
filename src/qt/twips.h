#pragma once
// Window geometry. The layouts are given in twips (1/1440 inch) as on the original forms and
// placed in device-independent pixels through the screen's logical DPI: 15 twips per pixel at
// 96 DPI. High-DPI scaling is left to Qt's device pixel ratio, so the layout stays the same.
#include <QRect>

class QWidget;

namespace kestrova {

// px = twips * logicalDpi / 1440, rounded to the nearest pixel.
int TwipsToPixels(int twips);
// A rectangle given as left, top, width, height in twips, in pixels.
QRect TwipRect(int left, int top, int width, int height);
// Moves a top-level window so that it is centred on its screen's available area.
void CentreOnScreen(QWidget& window);
// Shows a top-level window centred, in front and active. It is centred again once shown,
// when the platform may know the size of its frame.
void ShowCentred(QWidget& window);

}  // namespace kestrova
