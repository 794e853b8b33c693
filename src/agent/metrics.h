#pragma once
// The optional Prometheus scrape endpoint: per board kestrova_up, the measurements in base
// units and the alarms as 0/1; for the line the request, answer and checksum-error counters.
// A board that goes offline keeps only kestrova_up 0: its measurements are removed rather
// than left standing as stale values.
#include <prometheus/counter.h>
#include <prometheus/exposer.h>
#include <prometheus/family.h>
#include <prometheus/gauge.h>
#include <prometheus/registry.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "agent/core/bus_master.h"
#include "bus/exchange.h"

namespace kestrova::agent {

class Metrics {
 public:
  // Listens on "HOST:PORT"; throws std::exception when it cannot.
  Metrics(const std::string& listen, const std::string& site, const std::vector<int>& addresses);

  void Availability(int address, bool online);
  void State(int address, const BoardState& state);
  void Line(const LineCounters& counters);

 private:
  struct BoardGauges {
    std::vector<prometheus::Gauge*> measurements;  // in the order of Measurements()
    std::vector<prometheus::Gauge*> alarms;        // in the order of LampKeys()
  };
  void Clear(int address);
  std::map<std::string, std::string> Labels(int address) const;

  std::string site_;
  std::shared_ptr<prometheus::Registry> registry_ = std::make_shared<prometheus::Registry>();
  prometheus::Exposer exposer_;
  prometheus::Family<prometheus::Gauge>& up_;
  std::vector<prometheus::Family<prometheus::Gauge>*> measurementFamilies_;
  prometheus::Family<prometheus::Gauge>& alarm_;
  prometheus::Family<prometheus::Gauge>& state_;
  prometheus::Counter& requests_;
  prometheus::Counter& answers_;
  prometheus::Counter& badChecksums_;
  prometheus::Counter& timeouts_;
  LineCounters counted_;
  std::map<int, prometheus::Gauge*> upGauges_;
  std::map<int, BoardGauges> boards_;
};

}  // namespace kestrova::agent
