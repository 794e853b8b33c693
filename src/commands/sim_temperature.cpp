#include <optional>

#include "console/main_form.h"
#include "protocol/frames.h"
#include "settings/leading_number.h"

namespace kestrova {
namespace {

constexpr std::string_view kSimTemperatureField = "SetupT_Text";

// The simulated temperature in half degrees from -40 °C: 2v + 80 rounded half to even, which
// has a one-byte form for -40.25 <= v < 87.75 only.
std::optional<Frame> SimTemperatureWrite(int address, std::string_view text) {
  const std::optional<std::uint8_t> t = TextToByte(text, 2.0, 80.0);
  if (!t) return std::nullopt;
  return ParameterWrite(static_cast<std::uint8_t>(address), kSimTemperatureCode, *t);
}

}  // namespace

// "发送模拟温度": requests one write on the next free command tick. A value with no wire form
// is refused here with the data-error message instead of being sent wrapped.
void MainForm::Command3_Click() {
  if (!MSComm1.PortOpen()) return;
  if (!SimTemperatureWrite(m_Address, Main.Text(kSimTemperatureField))) {
    Box.Show(kDataError);
    return;
  }
  f_Command3 = true;
}

// The write with the field's text at sending time; nothing when it no longer has a wire form.
void MainForm::SendSimTemperature() {
  if (const auto frame = SimTemperatureWrite(m_Address, Main.Text(kSimTemperatureField))) Send(*frame);
}

}  // namespace kestrova
