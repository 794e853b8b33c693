#include "monitor/board_info.h"

#include <vector>

#include "monitor/board_info_text.h"
#include "panel/controls.h"
#include "protocol/char_codes.h"
#include "values/number_text.h"
#include "values/tr.h"

namespace kestrova {

using namespace main_window;

int ShowAddress(const ReceiveRing& frame, Panel& main) {
  const int address = frame.At(5);
  main.SetText(kBoardAddress, WholeText(address));
  return address;
}

void ShowBoardInfo(const ReceiveRing& frame, Panel& main) {
  const int n = frame.At(4);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) bytes[static_cast<std::size_t>(k)] = frame.At(5 + k);
  const BoardInfoFields fields = SplitBoardInfo(BytesToText(bytes));
  main.SetText(kBoardModel, fields.model);
  main.SetText(kPcbVersion, fields.pcb);
  main.SetText(kSoftwareVersion, fields.software);
  if (IsThermoelectricVersion(main.Text(kSoftwareVersion))) main.SetText(kVersionNote, Tr("BoardInfo", kThermoelectricDescription));
}

void LinkModeUpdate(Panel& main) {
  if (!main.Checked(kRs422Mode)) main.SetChecked(kRs485Mode, true);
}

void SelectRS422(Panel& main) {
  // The two options form one group; both are set so the display never shows both selected.
  main.SetChecked(kRs422Mode, true);
  main.SetChecked(kRs485Mode, false);
}

}  // namespace kestrova
