#include "agent/mqtt_link.h"

#include <mosquitto.h>
#include <unistd.h>

#include <QMetaObject>
#include <cstdio>

namespace kestrova::agent {
namespace {

constexpr int kKeepAliveSeconds = 30;
constexpr int kFirstPauseSeconds = 1;
constexpr int kLongestPauseSeconds = 30;
// QoS 1 messages the library holds for one connection: a round of availability, info and
// discovery for 20 boards fits; beyond it the library queues, and the publisher stops
// publishing while disconnected, so the queue cannot grow with the time the broker is away.
constexpr unsigned kInflightMessages = 1000;

std::string ClientId(const Options& options) {
  char host[64] = {};
  gethostname(host, sizeof host - 1);
  return "kestrova-agent-" + options.site + "-" + std::to_string(getpid()) + "@" + host;
}

}  // namespace

MqttLink::MqttLink(const Options& options, const Message& lastWill, QObject* parent)
    : QObject(parent), options_(options), lastWill_(lastWill) {
  mosquitto_lib_init();
}

MqttLink::~MqttLink() {
  Stop();
  if (client_) mosquitto_destroy(client_);
  mosquitto_lib_cleanup();
}

bool MqttLink::Start() {
  client_ = mosquitto_new(ClientId(options_).c_str(), true, this);
  if (!client_) {
    error_ = "broker: cannot create the MQTT client (out of memory)";
    return false;
  }
  mosquitto_int_option(client_, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
  mosquitto_max_inflight_messages_set(client_, kInflightMessages);
  if (!options_.username.empty())
    mosquitto_username_pw_set(client_, options_.username.c_str(),
                              options_.password.empty() ? nullptr : options_.password.c_str());
  if (options_.broker.tls) {
    const int rc = options_.caFile.empty() ? mosquitto_tls_set(client_, nullptr, "/etc/ssl/certs", nullptr, nullptr, nullptr)
                                           : mosquitto_tls_set(client_, options_.caFile.c_str(), nullptr, nullptr, nullptr, nullptr);
    if (rc != MOSQ_ERR_SUCCESS) {
      error_ = QString("--ca-file: cannot use '%1' for TLS: %2")
                   .arg(QString::fromStdString(options_.caFile.empty() ? "/etc/ssl/certs" : options_.caFile),
                        mosquitto_strerror(rc));
      return false;
    }
  }
  mosquitto_will_set(client_, lastWill_.topic.c_str(), static_cast<int>(lastWill_.payload.size()),
                     lastWill_.payload.data(), 1, lastWill_.retain);
  mosquitto_reconnect_delay_set(client_, kFirstPauseSeconds, kLongestPauseSeconds, true);
  mosquitto_connect_callback_set(client_, &MqttLink::OnConnect);
  mosquitto_disconnect_callback_set(client_, &MqttLink::OnDisconnect);
  mosquitto_message_callback_set(client_, &MqttLink::OnMessage);
  // A broker that is not there yet is no fault: the network thread keeps trying.
  const int rc = mosquitto_connect_async(client_, options_.broker.host.c_str(), options_.broker.port, kKeepAliveSeconds);
  // A broker that cannot be reached or resolved yet is retried by the network thread; only a
  // malformed host or port is a fault of the configuration.
  if (rc == MOSQ_ERR_INVAL) {
    error_ = QString("--broker: cannot connect to %1:%2: %3")
                 .arg(QString::fromStdString(options_.broker.host)).arg(options_.broker.port).arg(mosquitto_strerror(rc));
    return false;
  }
  if (mosquitto_loop_start(client_) != MOSQ_ERR_SUCCESS) {
    error_ = "broker: cannot start the MQTT network thread";
    return false;
  }
  running_ = true;
  return true;
}

void MqttLink::Subscribe(const std::string& filter) {
  if (client_) mosquitto_subscribe(client_, nullptr, filter.c_str(), 1);
}

bool MqttLink::Publish(const Message& message) {
  if (!client_) return false;
  const int qos = message.retain ? 1 : 0;
  return mosquitto_publish(client_, nullptr, message.topic.c_str(), static_cast<int>(message.payload.size()),
                           message.payload.data(), qos, message.retain) == MOSQ_ERR_SUCCESS;
}

void MqttLink::Stop() {
  if (!running_) return;
  running_ = false;
  mosquitto_disconnect(client_);
  mosquitto_loop_stop(client_, false);
}

void MqttLink::OnConnect(mosquitto*, void* self, int rc) {
  auto* link = static_cast<MqttLink*>(self);
  if (rc != 0) {
    // Refused (a wrong user name or password, a client the broker does not admit): said once,
    // and tried again with the growing pauses in case the broker's users change.
    if (!link->refusalReported_.exchange(true))
      std::fprintf(stderr, "kestrova-agent: broker %s:%d refused the connection: %s (see --username, --password-file)\n",
                   link->options_.broker.host.c_str(), link->options_.broker.port, mosquitto_connack_string(rc));
    return;
  }
  link->refusalReported_ = false;
  QMetaObject::invokeMethod(link, &MqttLink::Connected, Qt::QueuedConnection);
}

void MqttLink::OnDisconnect(mosquitto*, void* self, int) {
  QMetaObject::invokeMethod(static_cast<MqttLink*>(self), &MqttLink::Disconnected, Qt::QueuedConnection);
}

void MqttLink::OnMessage(mosquitto*, void* self, const mosquitto_message* message) {
  auto* link = static_cast<MqttLink*>(self);
  const QString topic = QString::fromUtf8(message->topic);
  const QByteArray payload(static_cast<const char*>(message->payload), message->payloadlen);
  QMetaObject::invokeMethod(link, [link, topic, payload] { emit link->Received(topic, payload); }, Qt::QueuedConnection);
}

}  // namespace kestrova::agent
