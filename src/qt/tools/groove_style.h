#pragma once
// The style's scroll bar with its groove drawn once. The groove is a gradient with edge lines over
// the bar's whole length, and the raster engine splits every fill taller than a few dozen lines
// across its thread pool and waits for it: on a monitor whose bar moves once a second that cost
// more than the table. The groove's picture is kept per size and state and copied in bands short
// enough to be copied on this thread; the handle and the arrows are drawn by the style as before.
#include <QPixmap>
#include <QProxyStyle>
#include <map>

namespace kestrova {

class GrooveStyle final : public QProxyStyle {
 public:
  GrooveStyle();

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override;

 private:
  // Device lines: a fill of fewer than 96 is done on this thread.
  static constexpr int kBand = 64;
  struct GrooveKey {
    int width, height, orientation, state;
    qint64 palette;
    qreal ratio;
    auto operator<=>(const GrooveKey&) const = default;
  };
  mutable std::map<GrooveKey, QPixmap> grooves_;
};

}  // namespace kestrova
