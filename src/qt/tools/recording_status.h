#pragma once
// The recording note in the status bar: "记录中：<file>（<n> 行）". The count changes with every
// row the board sends; the file part is laid out once per recording and only the digits again,
// and the status bar is laid out again only when the note grows a digit, so a running recording
// costs next to nothing beside the poll itself.
#include <QPixmap>
#include <QStaticText>
#include <QWidget>
#include <cstdint>

namespace kestrova {

class RecordingStatus final : public QWidget {
  Q_OBJECT
 public:
  explicit RecordingStatus(QWidget* parent);

  // A recording into the file, with so many rows so far.
  void Show(const QString& file, std::int64_t rows);
  // The same recording, now with so many rows.
  void Count(std::int64_t rows);
  // The note as shown.
  QString text() const { return head_.text() + count_ + tail_.text(); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QStaticText head_;  // "记录中：<file>（"
  QStaticText tail_;  // " 行）"
  QString count_;
  int countWidth_ = 0;
  QPixmap picture_;     // the note as last drawn
  bool drawn_ = false;  // false when the count has changed since
};

}  // namespace kestrova
