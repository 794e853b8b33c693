#pragma once
// The agent's connection to the broker on libmosquitto. The library's own thread runs the
// network and reconnects with pauses growing from 1 s to 30 s; what it reports (connected,
// lost, a message) is handed to the main thread as a queued signal, so the bus and the
// publisher only ever run there.
#include <QObject>
#include <QString>
#include <atomic>
#include <string>

#include "agent/core/messages.h"
#include "agent/core/options.h"
#include "agent/core/publisher.h"

struct mosquitto;
struct mosquitto_message;

namespace kestrova::agent {

class MqttLink final : public QObject, public MessageOut {
  Q_OBJECT
 public:
  MqttLink(const Options& options, const Message& lastWill, QObject* parent = nullptr);
  ~MqttLink() override;

  // Starts the network thread and the first connection attempt; false with ErrorText() when
  // the client could not be set up (a certificate file that cannot be read, no memory).
  bool Start();
  // Subscribes once connected.
  void Subscribe(const std::string& filter);
  // Retained messages with QoS 1, the rest with QoS 0; false when not handed to the
  // connection (the library refuses it while disconnected).
  bool Publish(const Message& message) override;
  // A clean disconnect after what was published so far, and the end of the network thread.
  void Stop();
  QString ErrorText() const { return error_; }

 signals:
  void Connected();
  void Disconnected();
  void Received(QString topic, QByteArray payload);

 private:
  static void OnConnect(mosquitto*, void* self, int rc);
  static void OnDisconnect(mosquitto*, void* self, int rc);
  static void OnMessage(mosquitto*, void* self, const mosquitto_message* message);

  Options options_;
  Message lastWill_;
  mosquitto* client_ = nullptr;
  bool running_ = false;
  std::atomic<bool> refusalReported_ = false;  // set on the network thread
  QString error_;
};

}  // namespace kestrova::agent
