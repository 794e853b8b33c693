#include "qt/password_window.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QWindow>

#include "qt/fonts.h"
#include "qt/form_builder.h"
#include "qt/twips.h"
#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

namespace {

// Password echo with "*" instead of the style's bullet.
class StarEchoStyle final : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* result) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, result);
  }
};

// A window of this console that an operator works in: a top-level widget other than a dialog.
bool IsConsoleWindow(const QWindow* window) {
  if (!window) return false;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowHandle() == window) return !qobject_cast<QDialog*>(w);
  return false;
}

}  // namespace

PasswordWindow::PasswordWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(ToQString(password_window::kWindow));
  setWindowTitle(UiText("PasswordWindow", "密码"));
  setFont(ConsoleFont());
  setFixedSize(TwipsToPixels(3750), TwipsToPixels(1035));

  AddCaption(this, ToQString(password_window::kPasswordPrompt), UiText("PasswordWindow", "请输入密码"), {600, 480, 975, 200});
  QLineEdit* field = AddField(this, ToQString(password_window::kPasswordField), {1680, 435, 1335, 255}, FieldKind::kEdit);
  field->setMaxLength(10);
  field->setEchoMode(QLineEdit::Password);
  auto* style = new StarEchoStyle;
  style->setParent(field);
  field->setStyle(style);
  field->setFocus();

  lastFocus_ = QGuiApplication::focusWindow();
  connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) { lastFocus_ = now; });
}

bool PasswordWindow::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && IsConsoleWindow(lastFocus_) && lastFocus_ != windowHandle())
    emit activatedFromConsole();
  return QWidget::event(e);
}

}  // namespace kestrova
