#pragma once
// The serial component on QSerialPort (9600 8N1, raw bytes, polled, exclusive open).
#include <QObject>
#include <QSerialPort>

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
  std::string DeviceName(int number) const override;

 private:
  QSerialPort port_;
  int number_ = 0;
  std::string error_;
};

}  // namespace kestrova
