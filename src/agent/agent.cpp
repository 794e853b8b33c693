#include "agent/agent.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>
#include <cstdio>

namespace kestrova::agent {

Agent::Agent(Options options, QObject* parent)
    : QObject(parent),
      options_(std::move(options)),
      exchange_([this](std::span<const std::uint8_t> bytes) {
        port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
      }) {
  clock_.start();
  PublisherSettings settings{options_.site, options_.discoveryPrefix, options_.discovery, options_.intervalSeconds};
  auto now = [] {
    const QDateTime time = QDateTime::currentDateTime();
    return IsoTime(time.toMSecsSinceEpoch(), time.offsetFromUtc());
  };
  wake_.setSingleShot(true);
  connect(&wake_, &QTimer::timeout, this, &Agent::Step);
  reopen_.setInterval(1000);
  connect(&reopen_, &QTimer::timeout, this, &Agent::OpenLine);
  connect(&port_, &QSerialPort::readyRead, this, &Agent::OnBytes);
  connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
    // A pulled adapter gives ReadError and then endless ResourceErrors until the port is closed.
    if (error == QSerialPort::ReadError || error == QSerialPort::ResourceError) LineLost(port_.errorString());
  });
  broker_ = std::make_unique<MqttLink>(options_, LastWill(Topics(options_.site)), this);
  publisher_ = std::make_unique<Publisher>(settings, options_.addresses, *broker_, now);
  master_ = std::make_unique<BusMaster>(options_.addresses, options_.intervalSeconds * 1000LL, *this, NowMs());
  connect(broker_.get(), &MqttLink::Connected, this, &Agent::OnBrokerConnected);
  connect(broker_.get(), &MqttLink::Disconnected, this, [this] { publisher_->Disconnected(); });
  connect(broker_.get(), &MqttLink::Received, this, &Agent::OnBrokerMessage);
}

Agent::~Agent() = default;

bool Agent::Start() {
  if (!options_.metricsListen.empty()) {
    try {
      metrics_ = std::make_unique<Metrics>(options_.metricsListen, options_.site, options_.addresses);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "kestrova-agent: --metrics-listen: cannot listen on %s: %s\n",
                   options_.metricsListen.c_str(), e.what());
      return false;
    }
  }
  if (!broker_->Start()) {
    std::fprintf(stderr, "kestrova-agent: %s\n", qPrintable(broker_->ErrorText()));
    return false;
  }
  OpenLine();
  return true;
}

void Agent::OpenLine() {
  struct stat info {};
  // A missing device is not tried: QSerialPort would create and sync a lock file each time.
  if (stat(options_.serial.c_str(), &info) != 0) {
    if (!lineReported_) std::fprintf(stderr, "kestrova-agent: %s: no such device; tried again every second\n", options_.serial.c_str());
    lineReported_ = true;
    reopen_.start();
    return;
  }
  port_.setPortName(QString::fromStdString(options_.serial));
  if (!port_.open(QIODevice::ReadWrite)) {
    if (!lineReported_)
      std::fprintf(stderr, "kestrova-agent: %s: cannot open: %s; tried again every second\n", options_.serial.c_str(),
                   qPrintable(port_.errorString()));
    lineReported_ = true;
    reopen_.start();
    return;
  }
  port_.setBaudRate(QSerialPort::Baud9600);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  port_.clearError();
  reopen_.stop();
  if (lineReported_) std::fprintf(stderr, "kestrova-agent: %s: open again, polling resumes\n", options_.serial.c_str());
  lineReported_ = false;
  Step();
}

void Agent::LineLost(const QString& why) {
  if (!port_.isOpen()) return;
  port_.close();
  std::fprintf(stderr, "kestrova-agent: %s: line lost (%s); every board offline, reopened every second\n",
               options_.serial.c_str(), qPrintable(why));
  lineReported_ = true;
  exchange_.Cancel();
  master_->LineLost(NowMs());
  wake_.stop();
  reopen_.start();
}

void Agent::OnBytes() {
  const QByteArray bytes = port_.readAll();
  exchange_.Receive(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size()), NowMs());
  Step();
}

void Agent::Step() {
  if (stopping_ || !port_.isOpen()) return;
  const std::int64_t now = NowMs();
  // The exchange stays busy from its request until Poll has told its outcome (answered or not).
  if (exchange_.Busy()) {
    switch (exchange_.Poll(now)) {
      case ExchangeResult::Answered: master_->Answered(exchange_.Answer(), now); break;
      case ExchangeResult::NoAnswer: master_->NoAnswer(now); break;
      case ExchangeResult::Pending: break;
    }
  }
  if (!exchange_.Busy()) {
    const Request request = master_->Next(now);
    if (request.kind == Request::Kind::Read) exchange_.StartRead(request.address, request.subtype, now);
    if (request.kind == Request::Kind::Write) exchange_.StartWrite(request.frame, now);
  }
  if (metrics_) metrics_->Line(exchange_.Counters());
  const std::int64_t wake = exchange_.Busy() ? exchange_.DeadlineMs() : master_->WakeMs();
  wake_.start(static_cast<int>(std::clamp<std::int64_t>(wake - now, 0, 60'000)));
}

void Agent::OnBrokerConnected() {
  broker_->Subscribe(publisher_->Topic().SetFilter());
  if (options_.discovery) broker_->Subscribe(options_.discoveryPrefix + "/status");
  publisher_->Connected();
}

void Agent::OnBrokerMessage(const QString& topic, const QByteArray& payload) {
  const std::string text = topic.toStdString();
  if (options_.discovery && text == options_.discoveryPrefix + "/status") {
    publisher_->DiscoveryStatus(payload.toStdString());
    return;
  }
  if (const auto target = publisher_->Topic().ParseSet(text)) {
    master_->SubmitWrite(target->address, target->key, payload.trimmed().toStdString());
    Step();
  }
}

void Agent::Availability(int address, bool online) {
  publisher_->Availability(address, online);
  if (metrics_) metrics_->Availability(address, online);
}

void Agent::Info(int address, const BoardInfo& info) { publisher_->Info(address, info); }

void Agent::State(int address, const BoardState& state) {
  publisher_->State(address, state);
  if (metrics_) metrics_->State(address, state);
}

void Agent::Result(int address, const WriteResult& result) { publisher_->Result(address, result); }

void Agent::Shutdown() {
  if (stopping_) return;
  stopping_ = true;
  wake_.stop();
  reopen_.stop();
  publisher_->ShuttingDown();
  broker_->Stop();
  port_.close();
  QCoreApplication::exit(0);
}

}  // namespace kestrova::agent
