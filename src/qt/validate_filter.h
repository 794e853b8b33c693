#pragma once
// The validate event of edit fields: when the focus is about to move from a watched field to
// another control of the same window (Tab, Shift+Tab, a click on a field or a button), the
// field's handler runs once. Window deactivation, popups and modal boxes taking the focus do
// not count. The handler may show a modal box; afterwards the focus ends on the control the
// operator chose, and a click on a button is still delivered to it, after the handler.
//
// A mouse press is seen at the window, before Qt moves the focus, so that a modal box opened
// by the handler cannot swallow the button's release: if a box was open, the press is taken
// over and the click given to the button directly. Every other leave (the keyboard) is seen
// as the field's FocusOut.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

class QMouseEvent;
class QFocusEvent;

namespace kestrova {

class ValidateFilter final : public QObject {
  Q_OBJECT
 public:
  explicit ValidateFilter(QWidget& window, QObject* parent = nullptr);

  // field must be a control of the window.
  void Watch(QWidget* field, std::function<void()> handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnWindowPress(const QMouseEvent& press);
  void OnFocusOut(QWidget* field, const QFocusEvent& out);
  // Runs the field's handler; true when something (a modal box) took the focus or the
  // activation from expected meanwhile.
  bool Run(QWidget* field, QWidget* expected);
  // The focus goes back to the window and onto target, without raising the check again.
  void Restore(QWidget* target, Qt::FocusReason reason);
  // The control that a press on hit gives the focus to, as Qt chooses it; nullptr for none.
  QWidget* ClickFocusTarget(QWidget* hit) const;

  QWidget& window_;
  QHash<QWidget*, std::function<void()>> handlers_;
  bool busy_ = false;
  bool blocked_ = false;
  // A press already ran the check for the leave from field to target that follows it.
  QPointer<QWidget> checkedField_;
  QPointer<QWidget> checkedTarget_;
};

}  // namespace kestrova
