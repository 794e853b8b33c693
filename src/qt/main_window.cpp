#include "qt/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include "qt/fonts.h"
#include "qt/form_builder.h"
#include "qt/twips.h"

namespace kestrova {

ToggleButton::ToggleButton(const QString& raised_caption, QWidget* parent)
    : QPushButton(raised_caption, parent), raised_caption_(raised_caption) {
  setCheckable(true);
  setAutoDefault(false);
}

void ToggleButton::SetCaption(const QString& caption) {
  setText(caption);
  setChecked(caption != raised_caption_);
}

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName(N(main_window::kWindow));
  setWindowTitle(QStringLiteral("Kestrova后台软件_v2"));
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

  status_bar_ = new QStatusBar(this);
  status_bar_->setSizeGripEnabled(false);
  auto* status = new QLabel(status_bar_);
  status->setObjectName(N(main_window::LinkStatus));
  status->setIndent(4);
  status_bar_->addWidget(status, 1);
  auto* stats = new QLabel(status_bar_);
  stats->setObjectName(N(main_window::LinkStats));
  status_bar_->addPermanentWidget(stats);

  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  layout_->setSizeConstraint(QLayout::SetFixedSize);
  layout_->addWidget(form_);
  layout_->addWidget(status_bar_);
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
