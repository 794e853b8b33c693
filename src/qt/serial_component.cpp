#include "qt/serial_component.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include "link/link_status.h"
#include "link/port_table.h"
#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {
namespace {

constexpr auto kListingLifetime = std::chrono::seconds(2);

std::string Detail(const QSerialPort& port) { return port.errorString().toStdString(); }

}  // namespace

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
  connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::OnError);
}

QtSerialPort::~QtSerialPort() {
  disconnect(&port_, nullptr, this, nullptr);
  if (port_.isOpen()) port_.close();
}

void QtSerialPort::SetCommPort(int number) { number_ = number; }

int QtSerialPort::CommPort() const { return number_; }

bool QtSerialPort::SetPortOpen(bool open) {
  if (!open) {
    if (port_.isOpen()) port_.close();
    return true;
  }
  if (port_.isOpen()) return true;  // a new port number takes effect at the next open
  return Open();
}

bool QtSerialPort::Open() {
  const std::vector<std::string> table = PortTable();
  device_ = PortTableEntry(table, number_);
  if (device_.empty()) {
    fault_ = PortFault::NotInTable;
    error_ = Arg(Tr("SerialPort", "%1：端口表中没有这个端口（共 %2 项）"),
                 {PortName(number_), std::to_string(table.size())});
    return false;
  }
#ifndef Q_OS_WIN
  // Opening a device that does not exist would still create, sync and remove a lock file:
  // an absent adapter is told apart before any of that.
  if (!QFileInfo::exists(QString::fromStdString(device_))) {
    fault_ = PortFault::Missing;
    error_ = Arg(Tr("SerialPort", "%1：%2"), {Label(device_), FaultReason(fault_)});
    return false;
  }
#endif
  port_.setPortName(QString::fromStdString(device_));
  if (!port_.open(QIODevice::ReadWrite)) {
    OpenFailed(device_);
    return false;
  }
  const bool configured = port_.setBaudRate(QSerialPort::Baud9600) &&
                          port_.setDataBits(QSerialPort::Data8) &&
                          port_.setParity(QSerialPort::NoParity) &&
                          port_.setStopBits(QSerialPort::OneStop) &&
                          port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!configured) {
    fault_ = PortFault::Other;
    error_ = Arg(Tr("SerialPort", "%1：无法设置 9600,8,N,1（%2）"), {Label(device_), Detail(port_)});
    port_.close();
    return false;
  }
  // A pseudo-terminal has no modem lines; that is no reason to refuse the port.
  if (!port_.setDataTerminalReady(true)) port_.clearError();
  port_.clearError();
  error_.clear();
  fault_ = PortFault::None;
  return true;
}

void QtSerialPort::OpenFailed(const std::string& device) {
  const std::string label = Label(device) + Tr("SerialPort", "：");
  switch (port_.error()) {
    case QSerialPort::DeviceNotFoundError:
      fault_ = PortFault::Missing;
      error_ = label + FaultReason(fault_);
      return;
    case QSerialPort::PermissionError: {
      // Qt reports both a refused open and a lock held by another program as a permission
      // error; the access rights of the device tell them apart.
      const QFileInfo info(QString::fromStdString(device));
      const bool allowed = info.isReadable() && info.isWritable();
      fault_ = allowed ? PortFault::Busy : PortFault::NoPermission;
      error_ = label + (allowed ? Tr("SerialPort", "设备被其他程序占用") : Tr("SerialPort", "没有访问权限（请将当前用户加入 dialout 组后重新登录）"));
      return;
    }
    default:
      fault_ = PortFault::Other;
      error_ = label + Arg(Tr("SerialPort", "无法打开（%1）"), {Detail(port_)});
  }
}

// The operating system's own words about a lost device are not for the operator: the loss is
// reported as such (PortFault::Lost) and the console says why in Chinese.
void QtSerialPort::OnError(QSerialPort::SerialPortError error) {
  if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
  if (!port_.isOpen()) return;
  fault_ = PortFault::Lost;
  error_ = Arg(Tr("SerialPort", "%1：%2"), {Label(device_), FaultReason(fault_)});
  port_.close();
}

bool QtSerialPort::PortOpen() { return port_.isOpen(); }

int QtSerialPort::InBufferCount() {
  if (!port_.isOpen()) return 0;
  return static_cast<int>(port_.bytesAvailable());
}

std::vector<std::uint8_t> QtSerialPort::Input() {
  if (!port_.isOpen()) return {};
  const QByteArray data = port_.readAll();
  return {data.begin(), data.end()};
}

void QtSerialPort::Output(std::span<const std::uint8_t> bytes) {
  if (!port_.isOpen() || bytes.empty()) return;
  port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  // Hand the frame to the driver now rather than at the next pass of the event loop; this does
  // not wait for the bytes to go out on the line.
  if (port_.isOpen()) port_.flush();
}

std::string QtSerialPort::ErrorText() const { return error_; }

std::string QtSerialPort::DeviceName(int number) const {
  if (number < 1 || number > kMaxPortNumber) return {};
  return PortTableEntry(PortTable(), number);
}

std::vector<std::string> QtSerialPort::PortTable() const {
  // A port number once given keeps its device: an adapter plugged in later is added behind.
  table_ = KeepNumbers(table_, CurrentPortTable([this] { return SystemDevices(); }));
  return table_;
}

const std::vector<std::string>& QtSerialPort::SystemDevices() const {
  const auto now = std::chrono::steady_clock::now();
  if (listedAt_ && now - *listedAt_ <= kListingLifetime) return systemDevices_;
  // The full listing reads thousands of files under /sys, too much for the once-a-second probe:
  // it is taken once, for the built-in ports (it leaves out ttyS entries without a UART behind
  // them), and the adapters that come and go are looked up in /dev each time.
  if (!listedAt_) {
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
      builtIn_.push_back(info.systemLocation().toStdString());
  }
  systemDevices_ = builtIn_;
#ifndef Q_OS_WIN
  const QDir dev(QStringLiteral("/dev"));
  for (const QString& name : dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")}, QDir::System))
    systemDevices_.push_back(dev.filePath(name).toStdString());
#endif
  listedAt_ = now;
  return systemDevices_;
}

std::string QtSerialPort::Label(const std::string& device) const {
  const std::string port = PortName(number_);
  return device == port ? port : Arg(Tr("SerialPort", "%1（%2）"), {port, device});
}

}  // namespace kestrova
