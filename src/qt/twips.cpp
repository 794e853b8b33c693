#include "qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace kestrova {

namespace {
double LogicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInch() : 96.0;
}
}  // namespace

int TwipsToPixels(int twips) {
  return static_cast<int>(std::lround(twips * LogicalDpi() / 1440.0));
}

QRect TwipRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  // move() places the frame: centre the frame, as far as the platform knows it already.
  (void)window.winId();
  const QMargins frame = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
  const QRect area = screen->availableGeometry();
  window.move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size().grownBy(frame), area).topLeft());
}

void ShowCentred(QWidget& window) {
  CentreOnScreen(window);
  window.show();
  CentreOnScreen(window);
  window.raise();
  window.activateWindow();
}

}  // namespace kestrova
