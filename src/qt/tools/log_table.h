#pragma once
// The table of a tool window over a bounded, numbered log (the traffic log, the event log). It
// follows the log's end, scrolling along while the operator is at the bottom, and draws each
// cell once: a logged entry never changes, and drawing its text afresh on every repaint was
// most of what an open monitor cost while polling.
#include <QTableView>
#include <cstdint>

class QPainter;

namespace kestrova {

class LogModel;

// The text elided at its end to the width, as QFontMetrics::elidedText gives it. A decoded frame
// runs to far more characters than a column shows, and eliding lays out the whole text: it is
// first cut where the narrowest a character of its kind can be already passes the width. Should
// the cut text fit after all (a character narrower than thought), the whole text is elided.
QString ElideToWidth(const QString& text, const QFont& font, int width);
// Draws the text in the area (left, vertically centred) as QPainter::drawText draws it elided
// to the area's width, word by word from words laid out once.
void DrawElided(QPainter& painter, const QRect& area, const QString& text, const QFont& font);

class LogTable final : public QTableView {
  Q_OBJECT
 public:
  // Takes the model over; the object name is the table's.
  LogTable(LogModel* model, const QString& objectName, QWidget* parent);

  LogModel& Model() const { return *model_; }
  // Shows what was added to and dropped from the log since the last call.
  void Follow();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The bottom edge of the last row in the view.
  int RowsBottom() const;

  LogModel* model_;
};

}  // namespace kestrova
