#pragma once
// Panel over one top-level Qt window: controls are found by objectName in a map built once
// after the window has been laid out, the window itself by its own objectName. Setters change
// the controls without raising any handler of the logic (the logic's handlers are connected
// to operator-driven signals only, and the scroll bar's signals are blocked while set).
// An unknown name or a control of the wrong kind is a programming error: it is reported with
// qCritical and the call returns a default.
#include <QPointer>
#include <QWidget>
#include <map>
#include <string>
#include <string_view>

#include "panel/panel.h"

namespace kestrova {

class QtPanel final : public Panel {
 public:
  explicit QtPanel(QWidget& window);

  std::string Text(std::string_view name) const override;
  void SetText(std::string_view name, std::string_view text) override;
  bool Checked(std::string_view name) const override;
  void SetChecked(std::string_view name, bool on) override;
  int Number(std::string_view name) const override;
  void SetNumber(std::string_view name, int value) override;
  bool Visible(std::string_view name) const override;
  void SetVisible(std::string_view name, bool on) override;
  void SetToolTip(std::string_view name, std::string_view tip) override;
  // A dynamic property of that name (true/false) that the style sheet and the lamp draw.
  void SetFlag(std::string_view name, std::string_view flag, bool on) override;
  // A dynamic property of that name holding the value, for the style sheet.
  void SetState(std::string_view name, std::string_view property, std::string_view value) override;
  void SetFocus(std::string_view name) override;

  QWidget& Window() const { return window_; }
  // The control (or the window) of that name; nullptr after reporting an unknown name.
  QWidget* Find(std::string_view name) const;

 private:
  template <typename T>
  T* FindAs(std::string_view name, const char* what) const;

  QWidget& window_;
  std::map<std::string, QPointer<QWidget>, std::less<>> controls_;
};

}  // namespace kestrova
