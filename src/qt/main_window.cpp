#include "qt/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include "qt/fonts.h"
#include "qt/form_builder.h"
#include "qt/twips.h"
#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

ToggleButton::ToggleButton(const QString& raisedCaption, QWidget* parent)
    : QPushButton(raisedCaption, parent), raisedCaption_(raisedCaption) {
  setCheckable(true);
  setAutoDefault(false);
}

void ToggleButton::SetCaption(const QString& caption) {
  setText(caption);
  setChecked(caption != raisedCaption_);
}

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName(ToQString(main_window::kWindow));
  setWindowTitle(UiText("MainWindow", "Kestrova后台软件_v2"));
  setFont(ConsoleFont());
  // Group captions sit on the frame line, as on the original forms. Values the board has not
  // confirmed for a while are greyed; a value that cannot be sent is framed in red.
  setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid #a0a0a0; border-radius: 2px; margin-top: 7px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }"
      "QLineEdit[stale=\"true\"] { color: #a8a8a8; }"
      "QLineEdit[invalid=\"true\"] { border: 2px solid #d02020; }"));

  // The original form at its fixed size, with the status bar below it.
  form_ = new QWidget(this);
  form_->setObjectName(QStringLiteral("MainForm"));
  form_->setFixedSize(TwipsToPixels(12630), TwipsToPixels(7425));
  BuildMainWindowLayout(*form_);

  statusBar_ = new QStatusBar(this);
  statusBar_->setSizeGripEnabled(false);
  auto* status = new QLabel(statusBar_);
  status->setObjectName(ToQString(main_window::kLinkStatus));
  status->setIndent(4);
  statusBar_->addWidget(status, 1);
  auto* stats = new QLabel(statusBar_);
  stats->setObjectName(ToQString(main_window::kLinkStats));
  statusBar_->addPermanentWidget(stats);

  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  layout_->setSizeConstraint(QLayout::SetFixedSize);
  layout_->addWidget(form_);
  layout_->addWidget(statusBar_);
  layout_->activate();
}

void MainWindow::SetMenuBar(QWidget* bar) {
  layout_->setMenuBar(bar);
  layout_->activate();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  emit closing();
  event->accept();
}

}  // namespace kestrova
