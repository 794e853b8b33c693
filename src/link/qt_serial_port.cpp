// STUB: to be written
#include "link/qt_serial_port.h"
namespace kestrova {
QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {}
QtSerialPort::~QtSerialPort() = default;
void QtSerialPort::SetCommPort(int n) { number_ = n; }
int QtSerialPort::CommPort() const { return number_; }
bool QtSerialPort::SetPortOpen(bool) { return false; }
bool QtSerialPort::PortOpen() { return false; }
int QtSerialPort::InBufferCount() { return 0; }
std::vector<std::uint8_t> QtSerialPort::Input() { return {}; }
void QtSerialPort::Output(std::span<const std::uint8_t>) {}
std::string QtSerialPort::ErrorText() const { return error_; }
std::string QtSerialPort::DeviceName(int) const { return {}; }
}  // namespace kestrova
