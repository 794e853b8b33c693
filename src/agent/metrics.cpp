#include "agent/metrics.h"

namespace kestrova::agent {
namespace {

std::string HelpOf(const Measurement& m) {
  return std::string(m.name) + " of the board (" + std::string(m.unit) + ")";
}

}  // namespace

Metrics::Metrics(const std::string& listen, const std::string& site, const std::vector<int>& addresses)
    : site_(site),
      exposer_(listen, 1),
      up_(prometheus::BuildGauge().Name("kestrova_up").Help("1 while the board answers, 0 while it is offline").Register(*registry_)),
      alarm_(prometheus::BuildGauge().Name("kestrova_alarm").Help("1 while the board reports the alarm").Register(*registry_)),
      state_(prometheus::BuildGauge().Name("kestrova_state").Help("1 while the board reports the work state").Register(*registry_)),
      requests_(prometheus::BuildCounter().Name("kestrova_line_requests_total").Help("Requests sent on the line, resends included")
                    .Register(*registry_).Add({{"site", site}})),
      answers_(prometheus::BuildCounter().Name("kestrova_line_answers_total").Help("Answers matched to their request")
                   .Register(*registry_).Add({{"site", site}})),
      badChecksums_(prometheus::BuildCounter().Name("kestrova_line_checksum_errors_total").Help("Whole answers whose checksum failed")
                        .Register(*registry_).Add({{"site", site}})),
      timeouts_(prometheus::BuildCounter().Name("kestrova_line_timeouts_total").Help("Requests that got no good answer in time")
                    .Register(*registry_).Add({{"site", site}})) {
  for (const Measurement& m : Measurements())
    measurementFamilies_.push_back(
        &prometheus::BuildGauge().Name(std::string(m.metric)).Help(HelpOf(m)).Register(*registry_));
  for (const int address : addresses) upGauges_[address] = &up_.Add(Labels(address));
  exposer_.RegisterCollectable(registry_);
}

std::map<std::string, std::string> Metrics::Labels(int address) const {
  return {{"site", site_}, {"address", std::to_string(address)}};
}

void Metrics::Clear(int address) {
  auto found = boards_.find(address);
  if (found == boards_.end()) return;
  for (std::size_t i = 0; i < found->second.measurements.size(); ++i)
    if (found->second.measurements[i]) measurementFamilies_[i]->Remove(found->second.measurements[i]);
  for (std::size_t i = 0; i < found->second.alarms.size(); ++i)
    (LampKeys()[i].alarm ? alarm_ : state_).Remove(found->second.alarms[i]);
  boards_.erase(found);
}

void Metrics::Availability(int address, bool online) {
  if (auto up = upGauges_.find(address); up != upGauges_.end()) up->second->Set(online ? 1 : 0);
  if (!online) Clear(address);
}

void Metrics::State(int address, const BoardState& state) {
  auto [entry, fresh] = boards_.try_emplace(address);
  BoardGauges& gauges = entry->second;
  if (fresh) {
    gauges.measurements.assign(Measurements().size(), nullptr);
    for (const LampKey& lamp : LampKeys()) {
      auto labels = Labels(address);
      labels[lamp.alarm ? "alarm" : "state"] = std::string(lamp.key);
      gauges.alarms.push_back(&(lamp.alarm ? alarm_ : state_).Add(labels));
    }
  }
  // A sensor that reads open or short has no value: its series is removed, not kept stale.
  for (std::size_t i = 0; i < Measurements().size(); ++i) {
    const auto value = MeasurementValue(state, i);
    if (value && !gauges.measurements[i]) gauges.measurements[i] = &measurementFamilies_[i]->Add(Labels(address));
    if (!value && gauges.measurements[i]) {
      measurementFamilies_[i]->Remove(gauges.measurements[i]);
      gauges.measurements[i] = nullptr;
    }
    if (value) gauges.measurements[i]->Set(*value);
  }
  for (std::size_t i = 0; i < LampKeys().size(); ++i)
    gauges.alarms[i]->Set(state.values.lamps[LampKeys()[i].lamp] != 0 ? 1 : 0);
}

void Metrics::Line(const LineCounters& counters) {
  requests_.Increment(static_cast<double>(counters.requests - counted_.requests));
  answers_.Increment(static_cast<double>(counters.answers - counted_.answers));
  badChecksums_.Increment(static_cast<double>(counters.badChecksums - counted_.badChecksums));
  timeouts_.Increment(static_cast<double>(counters.timeouts - counted_.timeouts));
  counted_ = counters;
}

}  // namespace kestrova::agent
