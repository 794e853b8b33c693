#include "monitor/board_info.h"

#include <vector>

#include "monitor/board_info_text.h"
#include "panel/controls.h"
#include "protocol/char_codes.h"
#include "values/number_text.h"

namespace kestrova {

using namespace main_window;

int ShowAddress(const ReceiveRing& frame, Panel& main) {
  const int address = frame.At(5);
  main.SetText(AddrText2, WholeText(address));
  return address;
}

void ShowBoardInfo(const ReceiveRing& frame, Panel& main) {
  const int n = frame.At(4);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) bytes[static_cast<std::size_t>(k)] = frame.At(5 + k);
  const BoardInfoFields fields = SplitBoardInfo(BytesToText(bytes));
  main.SetText(TextBox1, fields.model);
  main.SetText(TextBox2, fields.pcb);
  main.SetText(TextBox3, fields.software);
  if (IsThermoelectricVersion(main.Text(TextBox3))) main.SetText(TextBox4, kThermoelectricDescription);
}

void LinkModeUpdate(Panel& main) {
  if (!main.Checked(RS422Option)) main.SetChecked(RS485Option, true);
}

void SelectRS422(Panel& main) {
  // The two options form one group; both are set so the display never shows both selected.
  main.SetChecked(RS422Option, true);
  main.SetChecked(RS485Option, false);
}

}  // namespace kestrova
