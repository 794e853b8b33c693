#pragma once
// The serial component the main window owns: 9600 baud, 8 data bits, no parity, 1 stop bit,
// raw bytes, polled from the poll tick (no receive events). Only the port number is changed
// at run time. Port n (1..9) is the n-th entry of the port table (see port_table.h).
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kestrova {

// Why the last open failed, or why an open port went away.
enum class PortFault {
  None,
  NotInTable,    // the port number names no device
  Missing,       // the device does not exist (adapter not plugged in)
  NoPermission,  // the user may not open the device
  Busy,          // another program holds the device
  Lost,          // the device went away while open (unplugged, powered off)
  Other,
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Takes effect at the next open.
  virtual void SetCommPort(int number) = 0;
  virtual int CommPort() const = 0;
  // true opens the numbered port, false closes it. Returns false when the open failed
  // (missing, busy, no permission); ErrorText() then says why. Closing always succeeds.
  virtual bool SetPortOpen(bool open) = 0;
  // True only while the port is really open. Turns false by itself when the device is lost
  // (adapter unplugged, device error); ErrorText() then says why.
  virtual bool PortOpen() = 0;
  // Received bytes not yet read.
  virtual int InBufferCount() = 0;
  // All waiting bytes at once, removed from the component.
  virtual std::vector<std::uint8_t> Input() = 0;
  // Queues the bytes for transmission, in order, as one unit, without waiting.
  virtual void Output(std::span<const std::uint8_t> bytes) = 0;
  // Operator-readable reason of the last failed open or of the loss of the port, in Chinese,
  // naming the port and its device.
  virtual std::string ErrorText() const = 0;
  // The kind of that failure; PortFault::None after a successful open.
  virtual PortFault Fault() const = 0;
  // The device behind port number n ("/dev/ttyUSB0"), or "" when the table has no such entry.
  virtual std::string DeviceName(int number) const = 0;
};

}  // namespace kestrova
