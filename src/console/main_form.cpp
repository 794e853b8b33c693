#include "console/main_form.h"

namespace kestrova {

MainForm::MainForm(SerialPort& port, Panel& main, Panel& factory, Panel& password, MessageBox& box)
    : MSComm1(port), Main(main), Factory(factory), Password(password), Box(box) {}

void MainForm::Send(std::span<const std::uint8_t> frame) { MSComm1.Output(frame); }

}  // namespace kestrova
