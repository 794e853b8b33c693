#include "qt/tools/events_window.h"

#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/tools/log_model.h"
#include "qt/tools/log_table.h"
#include "qt/tools/save_file.h"
#include "tools/wall_time.h"
#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

EventsWindow::EventsWindow(EventLog& log, QWidget* parent) : QWidget(parent, Qt::Window), log_(log) {
  setObjectName(QStringLiteral("Events_Form"));
  setWindowTitle(UiText("EventsWindow", "事件记录"));
  resize(640, 420);

  auto* model = new LogModel(
      {UiText("EventsWindow", "时间"), UiText("EventsWindow", "类别"), UiText("EventsWindow", "事件")}, log_,
      [this](std::size_t i, int column, int role) -> QVariant {
        const EventEntry& e = log_.At(i);
        if (role == Qt::ForegroundRole && e.kind == EventEntry::Kind::Alarm) return QColor(0xc0, 0x20, 0x20);
        if (role != Qt::DisplayRole) return {};
        if (column == 0)
          return QDateTime::fromMSecsSinceEpoch(e.atMs).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
        return QString::fromStdString(column == 1 ? std::string(EventKindText(e.kind)) : e.text);
      },
      this);

  table_ = new LogTable(model, QStringLiteral("EventsTable"), this);
  table_->setColumnWidth(0, fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00:00.000")) + 16);
  table_->setColumnWidth(1, 70);

  auto* exportButton = new QPushButton(UiText("EventsWindow", "导出CSV…"), this);
  exportButton->setObjectName(QStringLiteral("EventsExport"));
  connect(exportButton, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getSaveFileName(
        this, UiText("EventsWindow", "导出事件记录"),
        QStringLiteral("kestrova-events-%1.csv")
            .arg(QString::fromStdString(FileTime(QDateTime::currentMSecsSinceEpoch()))),
        UiText("EventsWindow", "CSV 文件 (*.csv)"));
    if (path.isEmpty()) return;
    if (auto error = Export(path)) QMessageBox::warning(this, windowTitle(), *error);
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(exportButton);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(table_);

}

void EventsWindow::Refresh() {
  sinceMs_ = 0;
  table_->Follow();
}

void EventsWindow::Beat(int ms) {
  if (isVisible() && (sinceMs_ += ms) >= 500) Refresh();
}

std::optional<QString> EventsWindow::Export(const QString& path) const {
  return SaveFile(path, QByteArray("\xEF\xBB\xBF") + QByteArray::fromStdString(log_.Csv()));
}

void EventsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
}

}  // namespace kestrova
