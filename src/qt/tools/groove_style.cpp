#include "qt/tools/groove_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>

namespace kestrova {

GrooveStyle::GrooveStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void GrooveStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const {
  const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
  if (control != CC_ScrollBar || !bar || !(bar->subControls & SC_ScrollBarGroove))
    return QProxyStyle::drawComplexControl(control, option, painter, widget);
  const qreal ratio = painter->device()->devicePixelRatioF();
  const GrooveKey key{bar->rect.width(), bar->rect.height(), static_cast<int>(bar->orientation),
                      static_cast<int>(bar->state & (State_Enabled | State_Active)), bar->palette.cacheKey(), ratio};
  auto found = grooves_.find(key);
  if (found == grooves_.end()) {
    if (grooves_.size() > 8) grooves_.clear();  // sizes of a window resized again and again
    QPixmap drawn(bar->rect.size() * ratio);
    drawn.setDevicePixelRatio(ratio);
    // Opaque (the bar is drawn whole, nothing shows through it): copied, not blended.
    drawn.fill(bar->palette.color(QPalette::Window));
    QStyleOptionSlider only = *bar;
    only.rect = QRect(QPoint(0, 0), bar->rect.size());
    only.subControls = SC_ScrollBarGroove;
    QPainter p(&drawn);
    QProxyStyle::drawComplexControl(control, &only, &p, widget);
    p.end();
    found = grooves_.emplace(key, drawn).first;
  }
  const QPixmap& groove = found->second;
  for (int y = 0; y < groove.height(); y += kBand)
    painter->drawPixmap(QPointF(bar->rect.left(), bar->rect.top() + y / ratio), groove,
                        QRectF(0, y, groove.width(), std::min(kBand, groove.height() - y)));
  // The handle, as tall as the share of the rows shown, band by band; then the arrows, once, over
  // its ends as the style draws them.
  QStyleOptionSlider rest = *bar;
  if (bar->subControls & SC_ScrollBarSlider) {
    rest.subControls = SC_ScrollBarSlider;
    const QRect handle = subControlRect(control, &rest, SC_ScrollBarSlider, widget).adjusted(0, -1, 0, 1);
    const int bandHeight = std::max(1, static_cast<int>(kBand / ratio));
    for (int top = handle.top(); top <= handle.bottom(); top += bandHeight) {
      painter->save();
      painter->setClipRect(QRect(bar->rect.left(), top, bar->rect.width(), std::min(bandHeight, handle.bottom() + 1 - top)),
                           Qt::IntersectClip);
      QProxyStyle::drawComplexControl(control, &rest, painter, widget);
      painter->restore();
    }
  }
  rest.subControls = bar->subControls & ~(SC_ScrollBarGroove | SC_ScrollBarSlider);
  QProxyStyle::drawComplexControl(control, &rest, painter, widget);
}

}  // namespace kestrova
