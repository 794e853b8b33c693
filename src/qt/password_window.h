#pragma once
// The password window "Password_Form": a prompt and one password field whose characters all
// show as "*". It reports when it becomes the active window coming from another window of the
// console, which empties the field; activation from another application does not count.
#include <QPointer>
#include <QWidget>

class QWindow;

namespace kestrova {

class PasswordWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit PasswordWindow(QWidget* parent = nullptr);

 signals:
  // The window became active and the window active before it was another console window
  // (not a message box, not another application).
  void activatedFromConsole();

 protected:
  bool event(QEvent* event) override;

 private:
  // The application's focus window before the current one; Qt announces the new focus window
  // only after the activated window has seen its WindowActivate event.
  QPointer<QWindow> lastFocus_;
};

}  // namespace kestrova
