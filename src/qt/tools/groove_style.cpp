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
    drawn.fill(Qt::transparent);
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
  // The handle is as tall as the share of the rows shown, so it too is drawn band by band.
  QStyleOptionSlider rest = *bar;
  rest.subControls &= ~SC_ScrollBarGroove;
  const QRect handle = subControlRect(control, &rest, SC_ScrollBarSlider, widget);
  const int bandHeight = std::max(1, static_cast<int>(kBand / ratio));
  for (int top = bar->rect.top(); top <= bar->rect.bottom(); top += bandHeight) {
    const QRect band(bar->rect.left(), top, bar->rect.width(), bandHeight);
    const bool ends = top == bar->rect.top() || band.bottom() >= bar->rect.bottom() - bar->rect.width();
    if (!ends && !band.intersects(handle.adjusted(0, -1, 0, 1))) continue;
    painter->save();
    painter->setClipRect(band, Qt::IntersectClip);
    QProxyStyle::drawComplexControl(control, &rest, painter, widget);
    painter->restore();
  }
}

}  // namespace kestrova
