#pragma once
// Building blocks of the three windows: captioned group boxes, text fields of the four kinds,
// caption labels, buttons and lamps, each placed by its twip rectangle inside its parent and
// named by the objectName the logic uses to reach it.
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <string_view>

#include "panel/controls.h"
#include "qt/text.h"

class QGroupBox;

namespace kestrova {

class Lamp;

enum class FieldKind {
  kEdit,        // the operator types into it: window colour, in the tab order
  kReadOnly,    // the system writes it: grey, read-only, skipped by Tab and clicks
  kButtonFace,  // as kReadOnly, in the button-face colour
  kReadBack,    // grey like kReadOnly, but editable and in the tab order (factory window)
};

// The grey of read-back and display fields (the inactive-border grey of the original forms).
QColor ReadBackGrey();

struct Twips {
  int left, top, width, height;
};

// A group box titled with the translation of caption (a Chinese source text of context),
// named "Frame_" + caption.
QGroupBox* AddGroup(QWidget* parent, const char* context, const char* caption, Twips at);
QLineEdit* AddField(QWidget* parent, const QString& name, Twips at, FieldKind kind, double points = 0.0);
// A one-line caption; a rectangle lower than the font's line grows about its centre.
QLabel* AddCaption(QWidget* parent, const QString& name, const QString& text, Twips at,
                   Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// A caption two characters wide whose right edge stands just left of the field at fieldLeft,
// centred on the band from top to bottom (twips): four characters take two lines.
QLabel* AddNarrowCaption(QWidget* parent, const QString& name, const QString& text, int fieldLeft,
                         int top, int bottom);
// The same caption with its left edge at captionLeft (twips) instead.
QLabel* AddNarrowCaptionAt(QWidget* parent, const QString& name, const QString& text, int captionLeft,
                           int top, int bottom);
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption, Twips at);
Lamp* AddLamp(QWidget* parent, const QString& name, const QString& caption, Twips at);

// The objectName of a control, and of the caption label beside it ("Label_" + name).
inline QString LabelName(std::string_view control) { return QStringLiteral("Label_") + ToQString(control); }

// The widget of a window built here; a missing one is a fault of the layout code.
template <typename T>
T& Child(QWidget& window, const QString& name) {
  T* w = window.findChild<T*>(name);
  if (!w) qFatal("window %s has no control %s", qUtf8Printable(window.objectName()), qUtf8Printable(name));
  return *w;
}
template <typename T>
T& Child(QWidget& window, std::string_view name) {
  return Child<T>(window, ToQString(name));
}

}  // namespace kestrova
