#include "qt/form_builder.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QPalette>

#include "qt/fonts.h"
#include "qt/lamp.h"
#include "qt/twips.h"
#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

namespace {
QRect Place(Twips at) { return TwipRect(at.left, at.top, at.width, at.height); }

void Paint(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = w->palette();
  palette.setColor(role, colour);
  w->setPalette(palette);
}
}  // namespace

QColor ReadBackGrey() { return QColor(0xD4, 0xD4, 0xD4); }

QGroupBox* AddGroup(QWidget* parent, const char* context, const char* caption, Twips at) {
  auto* group = new QGroupBox(UiText(context, caption), parent);
  // The name stays the console's own in every language.
  group->setObjectName(QStringLiteral("Frame_") + QString::fromUtf8(caption));
  group->setGeometry(Place(at));
  return group;
}

QLineEdit* AddField(QWidget* parent, const QString& name, Twips at, FieldKind kind, double points) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setGeometry(Place(at));
  if (points > 0.0) field->setFont(ConsoleFont(points));
  switch (kind) {
    case FieldKind::kEdit:
      field->setFocusPolicy(Qt::StrongFocus);
      break;
    case FieldKind::kReadOnly:
    case FieldKind::kButtonFace:
      field->setReadOnly(true);
      field->setFocusPolicy(Qt::NoFocus);
      field->setContextMenuPolicy(Qt::NoContextMenu);
      Paint(field, QPalette::Base,
            kind == FieldKind::kReadOnly ? ReadBackGrey() : field->palette().color(QPalette::Button));
      break;
    case FieldKind::kReadBack:
      field->setFocusPolicy(Qt::StrongFocus);
      Paint(field, QPalette::Base, ReadBackGrey());
      break;
  }
  return field;
}

QLabel* AddCaption(QWidget* parent, const QString& name, const QString& text, Twips at, Qt::Alignment align) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAlignment(align);
  QRect r = Place(at);
  const int line = label->fontMetrics().height();
  if (r.height() < line) r.adjust(0, -(line - r.height()) / 2, 0, (line - r.height() + 1) / 2);
  label->setGeometry(r);
  return label;
}

namespace {

// A two-character-wide caption centred on the band from top to bottom (twips), its left edge
// given by left_of(width) in pixels.
template <typename LeftOf>
QLabel* NarrowCaption(QWidget* parent, const QString& name, const QString& text, int top, int bottom,
                      LeftOf left_of) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const QFontMetrics fm = label->fontMetrics();
  // Two ideographs and a hair of slack, so the third character always starts a new line.
  const int width = fm.horizontalAdvance(QStringLiteral("温度")) + 2;
  const int lines = text.size() > 2 ? 2 : 1;
  const int height = lines * fm.lineSpacing() + 2;
  const int centre = (TwipsToPixels(top) + TwipsToPixels(bottom)) / 2;
  label->setGeometry(left_of(width), centre - height / 2, width, height);
  return label;
}

}  // namespace

QLabel* AddNarrowCaption(QWidget* parent, const QString& name, const QString& text, int fieldLeft, int top,
                         int bottom) {
  const int right = TwipsToPixels(fieldLeft) - 5;
  return NarrowCaption(parent, name, text, top, bottom, [right](int width) { return right - width; });
}

QLabel* AddNarrowCaptionAt(QWidget* parent, const QString& name, const QString& text, int captionLeft, int top,
                           int bottom) {
  const int left = TwipsToPixels(captionLeft);
  return NarrowCaption(parent, name, text, top, bottom, [left](int) { return left; });
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption, Twips at) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(Place(at));
  button->setAutoDefault(false);
  return button;
}

Lamp* AddLamp(QWidget* parent, const QString& name, const QString& caption, Twips at) {
  auto* lamp = new Lamp(parent);
  lamp->setObjectName(name);
  lamp->setGeometry(Place(at));
  lamp->SetCaption(caption);
  return lamp;
}

}  // namespace kestrova
