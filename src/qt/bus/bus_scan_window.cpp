#include "qt/bus/bus_scan_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QVBoxLayout>

#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {
namespace {

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

}  // namespace

BusScanWindow::BusScanWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("BusScan_Form"));
  setWindowTitle(UiText("BusScanWindow", "总线扫描"));

  from_ = new QLineEdit(QStringLiteral("1"), this);
  from_->setObjectName(QStringLiteral("ScanFrom"));
  to_ = new QLineEdit(QStringLiteral("20"), this);
  to_->setObjectName(QStringLiteral("ScanTo"));
  for (QLineEdit* field : {from_, to_}) field->setMaximumWidth(60);
  start_ = new QPushButton(UiText("BusScanWindow", "开始扫描"), this);
  start_->setObjectName(QStringLiteral("ScanStart"));
  auto* range = new QHBoxLayout;
  range->addWidget(new QLabel(UiText("BusScanWindow", "起始地址"), this));
  range->addWidget(from_);
  range->addWidget(new QLabel(UiText("BusScanWindow", "结束地址"), this));
  range->addWidget(to_);
  range->addStretch();
  range->addWidget(start_);

  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ScanProgress"));
  progress_->setRange(0, 20);
  progress_->setValue(0);
  progress_->setFormat(QStringLiteral("%v / %m"));

  results_ = new QTableWidget(0, 4, this);
  results_->setObjectName(QStringLiteral("ScanResults"));
  results_->setHorizontalHeaderLabels(
      {UiText("BusScanWindow", "地址"), UiText("BusScanWindow", "型号"), UiText("BusScanWindow", "软件版本"), UiText("BusScanWindow", "应答时间 ms")});
  results_->verticalHeader()->hide();
  results_->setSelectionBehavior(QAbstractItemView::SelectRows);
  results_->setSelectionMode(QAbstractItemView::SingleSelection);
  results_->horizontalHeader()->setStretchLastSection(true);

  use_ = new QPushButton(UiText("BusScanWindow", "监视此地址"), this);
  use_->setObjectName(QStringLiteral("ScanUse"));
  use_->setEnabled(false);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("ScanStatus"));
  status_->setWordWrap(true);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(status_, 1);
  bottom->addWidget(use_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(range);
  layout->addWidget(progress_);
  layout->addWidget(results_, 1);
  layout->addLayout(bottom);
  resize(460, 360);

  connect(start_, &QPushButton::clicked, this, &BusScanWindow::startClicked);
  connect(results_, &QTableWidget::itemSelectionChanged, this,
          [this] { use_->setEnabled(SelectedAddress().has_value() && from_->isEnabled()); });
  connect(use_, &QPushButton::clicked, this, [this] {
    if (const auto address = SelectedAddress()) emit useClicked(*address);
  });
}

std::optional<int> BusScanWindow::SelectedAddress() const {
  const QList<QTableWidgetItem*> selected = results_->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return results_->item(selected.front()->row(), 0)->text().toInt();
}

void BusScanWindow::ShowRunning(bool running) {
  start_->setText(running ? UiText("BusScanWindow", "停止扫描") : UiText("BusScanWindow", "开始扫描"));
  from_->setEnabled(!running);
  to_->setEnabled(!running);
  use_->setEnabled(!running && SelectedAddress().has_value());
}

void BusScanWindow::ShowProgress(int done, int total) {
  if (progress_->maximum() != total) progress_->setMaximum(total);
  if (progress_->value() != done) progress_->setValue(done);
}

// Rows are only added while a scan runs; a new scan starts with an empty table.
void BusScanWindow::ShowFound(const std::vector<ScanFind>& found) {
  if (found.size() < shown_) {
    results_->setRowCount(0);
    shown_ = 0;
  }
  for (; shown_ < found.size(); ++shown_) {
    const ScanFind& f = found[shown_];
    const int row = results_->rowCount();
    results_->insertRow(row);
    results_->setItem(row, 0, Cell(QString::number(f.address)));
    results_->setItem(row, 1, Cell(QString::fromStdString(f.model)));
    results_->setItem(row, 2, Cell(QString::fromStdString(f.software)));
    results_->setItem(row, 3, Cell(QString::number(f.answerMs)));
  }
}

void BusScanWindow::ShowStatus(const QString& text) {
  if (status_->text() != text) status_->setText(text);
}

void BusScanWindow::closeEvent(QCloseEvent* event) {
  emit closed();
  QWidget::closeEvent(event);
}

}  // namespace kestrova
