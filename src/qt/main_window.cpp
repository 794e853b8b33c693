#include "qt/main_window.h"

#include <QCloseEvent>

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
  setFixedSize(TwipsToPixels(12630), TwipsToPixels(7425));
  // Group captions sit on the frame line, as on the original forms.
  setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid #a0a0a0; border-radius: 2px; margin-top: 7px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }"));
  BuildMainWindowLayout(*this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  emit closing();
  event->accept();
}

}  // namespace kestrova
