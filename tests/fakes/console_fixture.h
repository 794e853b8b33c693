#pragma once
// The main window's logic on fake windows, a fake serial port and a fake message box.
// OnStart has run; port 1 exists. OpenPort() probes and presses the toggle.
#include "forms/main_form.h"
#include "fakes/fakes.h"

namespace kestrova::testing {

struct ConsoleFixture {
  FakeSerialPort port;
  FakePanel main{main_window::kWindow, main_window::kAll};
  FakePanel factory{factory_window::kWindow, factory_window::kAll};
  FakePanel password{password_window::kWindow, password_window::kAll};
  FakeMessageBox box;
  MainForm form{port, main, factory, password, box};

  ConsoleFixture() {
    port.available = {1};
    form.OnStart();
  }
  // One tick (probes if needed), then the toggle: the port is open afterwards.
  void OpenPort() {
    form.OnPollTick();
    form.OnTogglePort();
    port.TakeWritten();
  }
  // Opens the port and takes the response with the next tick.
  void Shown(const Frame& response) {
    OpenPort();
    port.Feed(response);
    Ticks(1);
  }
  // Runs n ticks and returns every frame written during them.
  std::vector<Frame> Ticks(int n) {
    for (int i = 0; i < n; ++i) form.OnPollTick();
    return port.TakeWritten();
  }
  // Runs ticks until the next tick is of the given phase (TickNo advances before the phase
  // is taken, so the next tick's phase is (TickNo + 1) mod 4).
  void AdvanceToPhase(int phase) {
    while ((form.pollTick + 1) % 4 != phase) form.OnPollTick();
    port.TakeWritten();
  }
};

}  // namespace kestrova::testing
