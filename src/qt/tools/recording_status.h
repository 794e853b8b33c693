#pragma once
// The recording note in the status bar: "记录中：<file>（<n> 行）". The count changes with every
// row the board sends; the file part is laid out once per recording and only the digits again,
// so a running recording costs next to nothing beside the poll itself.
#include <QLabel>
#include <QPixmap>
#include <QStaticText>
#include <cstdint>

namespace kestrova {

class RecordingStatus final : public QLabel {
  Q_OBJECT
 public:
  explicit RecordingStatus(QWidget* parent);

  void Show(const QString& file, std::int64_t rows);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStaticText head_;  // "记录中：<file>（"
  QStaticText tail_;  // " 行）"
  QString count_;
  int countWidth_ = 0;
  QPixmap picture_;     // the note as last drawn
  bool drawn_ = false;  // false when the count has changed since
};

}  // namespace kestrova
