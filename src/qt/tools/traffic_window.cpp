#include "qt/tools/traffic_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/tools/log_model.h"
#include "qt/tools/log_table.h"
#include "qt/tools/save_file.h"
#include "tools/frame_meaning.h"
#include "tools/wall_time.h"
#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

namespace {

// Received bytes that were no good response for this console: shown in red.
bool Rejected(const LinkEvent& e) {
  return e.direction == LinkEvent::Direction::Received && e.piece != Piece::Response && e.piece != Piece::WriteAck &&
         e.piece != Piece::ShortResponse;
}

}  // namespace

TrafficWindow::TrafficWindow(LinkStatistics& stats, TrafficLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window), stats_(stats), log_(log) {
  setObjectName(QStringLiteral("Traffic_Form"));
  setWindowTitle(UiText("TrafficWindow", "通信监视"));
  resize(900, 480);

  auto* model = new LogModel(
      {UiText("TrafficWindow", "时间"), UiText("TrafficWindow", "方向"), UiText("TrafficWindow", "字节"), UiText("TrafficWindow", "含义")}, log_,
      [this](std::size_t i, int column, int role) -> QVariant {
        const LinkEvent& e = log_.At(i);
        if (role == Qt::ForegroundRole)
          return Rejected(e) ? QVariant(QColor(0xb0, 0x30, 0x30))
                              : e.direction == LinkEvent::Direction::Sent ? QVariant(QColor(0x20, 0x40, 0x90)) : QVariant();
        if (role == Qt::ToolTipRole && column >= 2) return column == 2 ? ToQString(HexText(e.bytes)) : ToQString(FrameMeaning(e));
        if (role != Qt::DisplayRole) return {};
        switch (column) {
          case 0: return ToQString(ClockTime(e.atMs));
          case 1: return e.direction == LinkEvent::Direction::Sent ? UiText("TrafficWindow", "发送") : UiText("TrafficWindow", "接收");
          case 2: return ToQString(HexText(e.bytes));
          default: return ToQString(FrameMeaning(e));
        }
      },
      this);

  table_ = new LogTable(model, QStringLiteral("TrafficTable"), this);
  table_->setColumnWidth(0, 100);
  table_->setColumnWidth(1, 50);
  table_->setColumnWidth(2, 330);

  pause_ = new QPushButton(UiText("TrafficWindow", "暂停"), this);
  pause_->setObjectName(QStringLiteral("TrafficPause"));
  pause_->setCheckable(true);
  auto* clear = new QPushButton(UiText("TrafficWindow", "清除"), this);
  clear->setObjectName(QStringLiteral("TrafficClear"));
  auto* copy = new QPushButton(UiText("TrafficWindow", "复制"), this);
  copy->setObjectName(QStringLiteral("TrafficCopy"));
  auto* save = new QPushButton(UiText("TrafficWindow", "另存为…"), this);
  save->setObjectName(QStringLiteral("TrafficSave"));
  connect(pause_, &QPushButton::toggled, this, [this](bool paused) {
    pause_->setText(paused ? UiText("TrafficWindow", "继续") : UiText("TrafficWindow", "暂停"));
    Listen(!paused && isVisible());
  });
  connect(clear, &QPushButton::clicked, this, [this] {
    log_.Clear();
    Refresh();
  });
  connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(SelectionText()); });
  connect(save, &QPushButton::clicked, this, &TrafficWindow::SaveAs);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {pause_, clear, copy, save}) buttons->addWidget(b);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(table_);

}

TrafficWindow::~TrafficWindow() { stats_.SetObserver(nullptr); }

void TrafficWindow::Listen(bool on) {
  if (on)
    stats_.SetObserver([this](const LinkEvent& e) { log_.Add(e, QDateTime::currentMSecsSinceEpoch()); });
  else
    stats_.SetObserver(nullptr);
}

void TrafficWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Listen(!pause_->isChecked());
  Refresh();
}

void TrafficWindow::hideEvent(QHideEvent* event) {
  Listen(false);
  QWidget::hideEvent(event);
}

void TrafficWindow::Refresh() {
  sinceMs_ = 0;
  table_->Follow();
}

void TrafficWindow::Beat(int ms) {
  if (isVisible() && (sinceMs_ += ms) >= kFollowMs) Refresh();
}

QString TrafficWindow::Line(const LinkEvent& e) const {
  return ToQString(ClockTime(e.atMs)) + '\t' +
         (e.direction == LinkEvent::Direction::Sent ? UiText("TrafficWindow", "发送") : UiText("TrafficWindow", "接收")) + '\t' +
         ToQString(HexText(e.bytes)) + '\t' + ToQString(FrameMeaning(e));
}

QString TrafficWindow::SelectionText() const {
  // By the entries' numbers: rows keep meaning the same entries while the log moves on.
  QString text;
  for (std::int64_t number : table_->SelectedNumbers())
    if (const LinkEvent* e = log_.Numbered(number)) text += Line(*e) + '\n';
  return text;
}

QString TrafficWindow::AllText() const {
  QString text;
  for (std::size_t i = 0; i < log_.Size(); ++i) text += Line(log_.At(i)) + '\n';
  return text;
}

void TrafficWindow::SaveAs() {
  const QString path = QFileDialog::getSaveFileName(
      this, UiText("TrafficWindow", "保存通信记录"),
      QStringLiteral("kestrova-traffic-%1.txt").arg(ToQString(FileTime(QDateTime::currentMSecsSinceEpoch()))),
      UiText("TrafficWindow", "文本文件 (*.txt)"));
  if (path.isEmpty()) return;
  if (auto error = SaveFile(path, AllText().toUtf8())) QMessageBox::warning(this, windowTitle(), *error);
}

}  // namespace kestrova
