#include "qt/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include "link/link_status.h"
#include "qt/fonts.h"
#include "qt/form_builder.h"
#include "qt/status_labels.h"
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
      "QLineEdit[invalid=\"true\"] { border: 2px solid #d02020; }"
      "QLineEdit[notTaken=\"true\"] { border: 2px solid #d08000; }"
      // The status sentence in the colour of the line's state, a bar at its left for a glance:
      // green when the board answers, amber for what needs a look, red when nothing gets through.
      "QLabel#LinkStatus { border: 0px solid transparent; border-left: 5px solid transparent; padding-left: 3px; }"
      "QLabel#LinkStatus[linkState=\"ok\"] { color: #16692b; border-left-color: #22a344; }"
      "QLabel#LinkStatus[linkState=\"waiting\"], QLabel#LinkStatus[linkState=\"closed\"],"
      " QLabel#LinkStatus[linkState=\"interference\"], QLabel#LinkStatus[linkState=\"busy\"]"
      " { color: #8a5300; border-left-color: #e69a00; }"
      "QLabel#LinkStatus[linkState=\"noReply\"], QLabel#LinkStatus[linkState=\"lost\"],"
      " QLabel#LinkStatus[linkState=\"noPort\"], QLabel#LinkStatus[linkState=\"noAccess\"]"
      " { color: #b3141e; border-left-color: #d9262e; }"
      "QLabel#LinkStatus[notice=\"notTaken\"] { color: #8a5300; border-left-color: #e69a00; }"
      "QLabel#LinkStatus[notice=\"hint\"] { color: palette(window-text); border-left-color: #3a78c9; }"));

  // The original form at its fixed size, with the status bar below it.
  form_ = new QWidget(this);
  form_->setObjectName(QStringLiteral("MainForm"));
  form_->setFixedSize(TwipsToPixels(12630), TwipsToPixels(7425));
  BuildMainWindowLayout(*form_);

  statusBar_ = new QStatusBar(this);
  statusBar_->setSizeGripEnabled(false);
  // The status bar never widens the window: the sentence is elided to the room left, the
  // counts sit in a place of fixed width at the right.
  statusBar_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  auto* status = new ElidedLabel(statusBar_);
  status->setObjectName(ToQString(main_window::kLinkStatus));
  status->setFrameShape(QFrame::StyledPanel);  // its border is the style sheet's colour bar
  statusBar_->addWidget(status, 1);
  auto* stats = new FixedWidthLabel(ToQString(LinkStatsWidestText()), statusBar_);
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
