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

// Draws the text in the area (left, vertically centred) as QPainter::drawText draws it elided
// at its end to the area's width, word by word from words laid out once.
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
