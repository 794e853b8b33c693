// The factory window's own handlers: the send button, the one range check and the close box.
#include <algorithm>

#include "console/main_form.h"
#include "factory/factory_forms.h"
#include "factory/factory_settings.h"

namespace kestrova {

// "发送设置": restarts the walk over codes 16..27, whether or not the port is open; the poll
// cycle serves it one frame per command tick. A setting that would be sent but has no one-byte
// form is reported and nothing is started: the board must never get a wrapped value.
void FactoryForm::F_Setup_Command_Click() {
  const bool unencodable =
      std::any_of(kFactorySettings.begin(), kFactorySettings.end(), [&](const FactorySetting& s) {
        return Decide(s, main_.Factory).verdict == FactoryDecision::Verdict::CannotEncode;
      });
  if (unencodable) {
    main_.Box.Show(kDataError);
    return;
  }
  main_.f_F_Setup_Command = true;
  main_.m_F_SetupNo = kFirstFactoryCode;
}

// Warns only: the text stays and the focus moves on.
void FactoryForm::S_H_Fan_Text_Validate() {
  CheckRange(main_.Factory.Text("S_H_Fan_Text"), kHFanRange, main_.Box);
}

// The close box discards the window's contents: the next opening shows every field empty and
// both check boxes cleared. A transmission still running then finds nothing to send.
void FactoryForm::Form_Unload() {
  Panel& factory = main_.Factory;
  for (const FactorySetting& s : kFactorySettings) {
    if (s.rule == FactoryRule::Flag) {
      factory.SetChecked(s.edit, false);
      factory.SetChecked(s.readBack, false);
    } else {
      factory.SetText(s.edit, "");
      factory.SetText(s.readBack, "");
    }
  }
  factory.SetVisible(kFactoryWindow, false);
}

}  // namespace kestrova
