#pragma once
// The two kinds of text the status bar holds below the fixed original form, so that whatever
// they say the window keeps the size its layout gives it.
#include <QLabel>

namespace kestrova {

// A sentence that takes the room it is given: too long, it ends in "…" (the toolkit's own
// elision); the whole sentence stays its text, for the tooltip and for anyone reading it.
class ElidedLabel final : public QLabel {
  Q_OBJECT
 public:
  // horizontal: Ignored to take whatever room is left, Preferred to ask for the whole text.
  explicit ElidedLabel(QWidget* parent = nullptr, QSizePolicy::Policy horizontal = QSizePolicy::Ignored);
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// Counts whose width never follows their text: sized once for a sample of the widest text
// expected, so a new count repaints this label alone and nothing is laid out again. A text
// that outgrows it (a count gaining a digit past the sample) widens it once, never cut.
class FixedWidthLabel final : public QLabel {
  Q_OBJECT
 public:
  FixedWidthLabel(const QString& widestSample, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int WidthFor(const QString& text) const;
};

}  // namespace kestrova
