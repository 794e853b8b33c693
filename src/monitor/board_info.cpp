// Address and board-information responses, and the link-mode display (RS485 / RS422).
#include <vector>

#include "console/main_form.h"
#include "monitor/board_info_text.h"
#include "monitor/number_text.h"
#include "protocol/char_codes.h"

namespace kestrova {

void MainForm::ShowAddress() {
  // From now on every request goes to this address and the address filter accepts it.
  m_Address = Ring.At(5);
  Main.SetText("AddrText2", WholeText(m_Address));
}

void MainForm::ShowBoardInfo() {
  const int n = Ring.At(4);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) bytes[static_cast<std::size_t>(k)] = Ring.At(5 + k);
  const BoardInfoFields fields = SplitBoardInfo(BytesToText(bytes));
  Main.SetText("TextBox1", fields.model);
  Main.SetText("TextBox2", fields.pcb);
  Main.SetText("TextBox3", fields.software);
  // The description is only ever set, never cleared.
  if (IsThermoelectricVersion(Main.Text("TextBox3"))) Main.SetText("TextBox4", kThermoelectricDescription);
}

void MainForm::LinkModeUpdate() {
  if (!Main.Checked("RS422Option")) Main.SetChecked("RS485Option", true);
}

void MainForm::SelectRS422() {
  // The two options form one group; both are set so the display never shows both selected.
  Main.SetChecked("RS422Option", true);
  Main.SetChecked("RS485Option", false);
}

}  // namespace kestrova
