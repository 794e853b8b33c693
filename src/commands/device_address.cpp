#include <optional>

#include "console/main_form.h"
#include "protocol/frames.h"
#include "settings/leading_number.h"

namespace kestrova {
namespace {

constexpr std::string_view kNewAddressField = "AddrText1";

// A new address the field accepts: above 0 and at most 20. 0, an empty or non-numeric text,
// a negative number and a number beyond a double are no address.
bool AcceptedAddress(std::string_view text) {
  const std::optional<double> v = ParseLeadingNumber(text);
  return v && *v > 0 && *v <= 20;
}

}  // namespace

// "发送地址": requests one address write on the next free command tick.
void MainForm::Addr_Command1_Click() {
  if (MSComm1.PortOpen()) f_Addr_Command1 = true;
}

// "获取地址": requests one address read on the next free command tick.
void MainForm::Addr_Command2_Click() {
  if (MSComm1.PortOpen()) f_Addr_Command2 = true;
}

// Every change of the new address is checked; a rejected text is replaced by "1" once the
// operator has dismissed the message.
void MainForm::AddrText1_Change() {
  if (AcceptedAddress(Main.Text(kNewAddressField))) return;
  Box.Show(kDataError);
  Main.SetText(kNewAddressField, "1");
}

// The address write with the field's text at sending time, rounded half to even. A text that
// has no one-byte form is not sent.
void MainForm::SendAddressWrite() {
  const std::optional<std::uint8_t> n = TextToByte(Main.Text(kNewAddressField));
  if (!n) return;
  Send(ParameterWrite(static_cast<std::uint8_t>(m_Address), kAddressCode, *n));
}

}  // namespace kestrova
