#pragma once
// The agent's program: the serial line, the timers and the broker around the toolkit-free bus
// master and publisher. Everything runs on the main thread; the broker's network thread only
// hands messages over through queued signals.
#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <memory>

#include "agent/core/bus_master.h"
#include "agent/core/options.h"
#include "agent/core/publisher.h"
#include "agent/metrics.h"
#include "agent/mqtt_link.h"
#include "bus/exchange.h"

namespace kestrova::agent {

class Agent final : public QObject, public BusEvents {
  Q_OBJECT
 public:
  explicit Agent(Options options, QObject* parent = nullptr);
  ~Agent() override;

  // Opens the line and starts the broker connection; false with a message on stderr when the
  // broker client or the scrape endpoint cannot be set up (exit status 2).
  bool Start();
  // Every board and the agent offline, a clean disconnect; then the event loop ends with 0.
  void Shutdown();

  // The bus's events go to the broker and to the scrape endpoint.
  void Availability(int address, bool online) override;
  void Info(int address, const BoardInfo& info) override;
  void State(int address, const BoardState& state) override;
  void Result(int address, const WriteResult& result) override;

 private:
  std::int64_t NowMs() const { return clock_.elapsed(); }
  void OpenLine();
  void LineLost(const QString& why);
  void OnBytes();
  // Settles the open exchange, starts the next request, and sets the timer to the next
  // moment something is due.
  void Step();
  void OnBrokerConnected();
  void OnBrokerMessage(const QString& topic, const QByteArray& payload);

  Options options_;
  QElapsedTimer clock_;
  QSerialPort port_;
  QTimer wake_;
  QTimer reopen_;
  Exchange exchange_;
  std::unique_ptr<Publisher> publisher_;
  std::unique_ptr<BusMaster> master_;
  std::unique_ptr<MqttLink> broker_;
  std::unique_ptr<Metrics> metrics_;
  bool lineReported_ = false;  // the line's fault was told once; told again when it changes
  bool stopping_ = false;
};

}  // namespace kestrova::agent
