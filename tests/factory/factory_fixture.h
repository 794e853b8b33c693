#pragma once
// The console on fakes with its password and factory windows, and helpers to fill the factory
// window and to run a factory transmission to its end.
#include <string>
#include <utility>
#include <vector>

#include "forms/factory_forms.h"
#include "fakes/console_fixture.h"
#include "protocol/recording_sink.h"

namespace kestrova::testing {

using Texts = std::vector<std::pair<std::string, std::string>>;

struct FactoryFixture : ConsoleFixture {
  PasswordForm gate{form};
  FactoryForm window{form};

  void Fill(const Texts& texts) {
    for (const auto& [name, text] : texts) factory.SetText(name, text);
  }
  // Calls SendNextFactorySetting until it drops the flag (at most 20 calls); the frames in order.
  std::vector<std::string> Walk() {
    std::vector<std::string> frames;
    for (int i = 0; i < 20 && form.pending.Has(PollRequest::FactorySettings); ++i) {
      form.SendNextFactorySetting();
      for (const Frame& f : port.TakeWritten()) frames.push_back(ToHex(f));
    }
    return frames;
  }
};

}  // namespace kestrova::testing
