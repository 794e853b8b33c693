#pragma once
// The console's windows as the logic sees them, without any window toolkit. Every control is
// addressed by its objectName ("S_TempMax_Text", "StatusBox7", "CommPort_ToggleButton"); the
// window itself answers to its own objectName for Visible()/SetVisible(). Texts are UTF-8.
// Setters never call back into the logic: a change made by the program raises no handler.
#include <string>
#include <string_view>

#include "values/tr.h"

namespace kestrova {

class Panel {
 public:
  virtual ~Panel() = default;
  // Text of a text field or label, caption of a button.
  virtual std::string Text(std::string_view name) const = 0;
  virtual void SetText(std::string_view name, std::string_view text) = 0;
  // Selected state of an option button, ticked state of a check box.
  virtual bool Checked(std::string_view name) const = 0;
  virtual void SetChecked(std::string_view name, bool on) = 0;
  // Integer property: a lamp's State, a scroll bar's Value.
  virtual int Number(std::string_view name) const = 0;
  virtual void SetNumber(std::string_view name, int value) = 0;
  // A control, or the whole window when name is the window's objectName.
  virtual bool Visible(std::string_view name) const = 0;
  virtual void SetVisible(std::string_view name, bool on) = 0;
  virtual void SetToolTip(std::string_view name, std::string_view tip) = 0;
  // A marking drawn on a control without changing its value (kStale, kInvalid).
  virtual void SetFlag(std::string_view name, std::string_view flag, bool on) = 0;
  // A named state drawn on a control (the status sentence's "linkState" = "noReply"); "" for none.
  virtual void SetState(std::string_view name, std::string_view property, std::string_view value) = 0;
  // Puts the keyboard focus on the control, its window brought to the front.
  virtual void SetFocus(std::string_view name) = 0;
};

// Markings: a value the board has not confirmed for a while; a value that cannot be sent; a
// value sent that the board did not take.
inline constexpr std::string_view kStale = "stale";
inline constexpr std::string_view kInvalid = "invalid";
inline constexpr std::string_view kNotTaken = "notTaken";
// States of the status sentence: the line's, and what stands in its place.
inline constexpr std::string_view kLinkState = "linkState";
inline constexpr std::string_view kNotice = "notice";

// Operator messages: text only, one OK button, no icon, the title "Kestrova_v20".
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Modal: returns once the operator has dismissed the box. For event handlers.
  virtual void Show(std::string_view text) = 0;
  // Shows the same box once control is back in the event loop. For use inside a poll tick,
  // where a modal loop would run further ticks inside the tick.
  virtual void Post(std::string_view text) = 0;
};

inline constexpr std::string_view kTitle = "Kestrova_v20";
// Shown through Tr("Messages", ...).
inline constexpr std::string_view kDataError = KTR_NOOP("Messages", "数据错误！");
inline constexpr std::string_view kNoData = KTR_NOOP("Messages", "无数据！");

}  // namespace kestrova
