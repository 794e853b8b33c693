#pragma once
// The serial component on QSerialPort (9600 8N1, raw bytes, polled, exclusive open).
#include <QObject>
#include <QSerialPort>
#include <chrono>
#include <optional>

#include "link/serial_port.h"

namespace kestrova {

class QtSerialPort final : public QObject, public SerialPort {
  Q_OBJECT
 public:
  explicit QtSerialPort(QObject* parent = nullptr);
  ~QtSerialPort() override;

  void SetCommPort(int number) override;
  int CommPort() const override;
  bool SetPortOpen(bool open) override;
  bool PortOpen() override;
  int InBufferCount() override;
  std::vector<std::uint8_t> Input() override;
  void Output(std::span<const std::uint8_t> bytes) override;
  std::string ErrorText() const override;
  PortFault Fault() const override { return fault_; }
  std::string DeviceName(int number) const override;

 private:
  bool Open();
  // Closes at once when the device is lost, so that Qt does not keep signalling the error.
  void OnError(QSerialPort::SerialPortError error);
  // "COM1（/dev/ttyUSB0）": how the operator's port number and its device are named in messages.
  std::string Label(const std::string& device) const;
  // Why the open of the device failed, as fault_ and error_.
  void OpenFailed(const std::string& device);
  std::vector<std::string> PortTable() const;
  // The system's serial devices, listed again when the last listing is older than a moment:
  // a listing takes tens of milliseconds and the probe asks for three ports on every tick.
  const std::vector<std::string>& SystemDevices() const;

  QSerialPort port_;
  int number_ = 0;
  std::string device_;  // the device opened last
  std::string error_;
  PortFault fault_ = PortFault::None;
  mutable std::vector<std::string> systemDevices_;
  mutable std::vector<std::string> builtIn_;  // listed once
  mutable std::vector<std::string> table_;     // the port table, numbers kept
  mutable std::optional<std::chrono::steady_clock::time_point> listedAt_;
};

}  // namespace kestrova
