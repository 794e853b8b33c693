// The whole console (offscreen windows, QSerialPort) on the board simulator with every line fault
// at once: noise, wrong checksums, answers in pieces, lost requests and the echo of an RS-422
// loop. For the whole run the console must keep polling, write only well-formed requests, show
// only run data the board really sent, and not grow in memory once it has settled.
//
// Runs 120 s; KESTROVA_SOAK_SECONDS or the first argument sets another length.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>

#include "app/console_windows.h"
#include "fakes/fakes.h"
#include "qt/serial_component.h"
#include "serial/sim_process.h"

namespace kestrova::testing {
namespace {

using Clock = std::chrono::steady_clock;
int g_seconds = 120;

// A request is 05 A 0F S C or 05 A 1E P n D.. C with n = 1 or 2, ending in the sum of the others.
bool WellFormedRequest(const Frame& f) {
  if (f.size() < 5 || f[0] != 0x05 || Resealed(f) != f) return false;
  if (f[2] == 0x0F) return f.size() == 5;
  return f[2] == 0x1E && (f[4] == 1 || f[4] == 2) && f.size() == 6u + f[4];
}

// The measurements of one run-data set on the wire: both temperatures, the control
// temperature, the module current and the DC voltage.
using Measurements = std::array<int, 5>;

// The same from the main window: temperatures in half degrees from -40 (or the open- and
// short-circuit words), current and voltage in tenths.
Measurements FromWindow(Panel& main) {
  const auto number = [&](std::string_view field, double scale, double offset) {
    const std::string text = main.Text(field);
    if (text == "开路") return 254;
    if (text == "短路") return 255;
    return static_cast<int>(std::lround(std::stod(text) * scale + offset));
  };
  return {number(main_window::kInnerTemperature, 2, 80), number(main_window::kOuterTemperature, 2, 80),
          number(main_window::kControlTemperature, 2, 80), number(main_window::kLiveCurrent, 10, 0),
          number(main_window::kSupplyVoltage, 10, 0)};
}

// The run-data answers the simulator has sent so far with a good checksum (not corrupted on
// purpose), oldest first, from its log.
std::vector<Measurements> SentRunData(const std::string& path) {
  std::vector<Measurements> sets;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line) && !in.eof();) {  // a last line without its end is not yet whole
    const std::size_t at = line.find("] -> ");
    if (at == std::string::npos) continue;
    const Frame frame = Hex(line.substr(at + 5, line.find("  (") - at - 5));
    if (frame.size() == 36 && frame[3] == 0x00 && Resealed(frame) == frame)
      sets.push_back({frame[25], frame[26], frame[27], frame[28], frame[29] * 256 + frame[30]});
  }
  return sets;
}

double ResidentMiB() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

TEST(Soak, ConsoleOnAFaultyLineKeepsPollingAndShowsOnlyWhatTheBoardSent) {
  const std::string logPath = ::testing::TempDir() + "kestrova-soak-" + std::to_string(getpid()) + ".log";
  SimProcess sim({"--noise", "0.2", "--corrupt", "0.2", "--split", "--drop", "0.1", "--echo", "--seed", "7", "--log"},
                 logPath);
  ASSERT_FALSE(sim.path.empty());
  QtSerialPort port;
  FakeMessageBox box;
  ConsoleWindows windows{port, box};
  int requests = 0;  // as the console hands them to the port, each checked and timed
  auto lastRequest = Clock::now();
  Clock::duration maxGap{};
  windows.Form().stats.SetObserver([&](const LinkEvent& e) {
    if (e.direction != LinkEvent::Direction::Sent) return;
    if (!WellFormedRequest(e.bytes)) ADD_FAILURE() << "malformed request " << ToHex(e.bytes);
    if (requests++ > 0) maxGap = std::max(maxGap, Clock::now() - lastRequest);
    lastRequest = Clock::now();
  });
  Panel& main = windows.MainPanel();

  int displayed = 0;
  std::string counter;
  QObject::connect(&windows.PollTimer(), &QTimer::timeout, [&] {  // after the console's own tick
    if (main.Text(main_window::kCommCounter) == counter) return;
    counter = main.Text(main_window::kCommCounter);
    ++displayed;
    const std::vector<Measurements> sets = SentRunData(logPath);  // a display comes from the latest few
    const Measurements shown = FromWindow(main);
    if (std::find(sets.end() - std::min<std::ptrdiff_t>(16, std::ssize(sets)), sets.end(), shown) == sets.end())
      ADD_FAILURE() << "run data " << counter << " shows a set the board did not send";
  });
  windows.Load();
  windows.ShowMain();
  ASSERT_TRUE(QTest::qWaitFor([&] { return windows.Form().ports.portCount > 0; }));
  windows.Form().OnTogglePort();
  ASSERT_TRUE(port.PortOpen()) << port.ErrorText();

  const auto start = Clock::now();
  auto pressed = start;
  std::optional<double> settledMiB;
  double peakMiB = 0;
  while (Clock::now() - start < std::chrono::seconds(g_seconds)) {
    QTest::qWait(100);
    // Every 10 s the operator moves the upper temperature alarm limit by a degree, sends the
    // settings and reads the address, so that parameter writes, their acknowledgements and other
    // answers share the faulty line with the polling.
    if (displayed > 0 && Clock::now() - pressed > std::chrono::seconds(10)) {
      pressed = Clock::now();
      windows.Form().OnCopySettings();
      main.SetText(main_window::kSetHighTempAlarm, main.Text(main_window::kHighTempAlarm) == "45" ? "46" : "45");
      windows.Form().OnSendSettings();
      windows.Form().OnReadAddress();
    }
    if (!settledMiB && Clock::now() - start >= std::chrono::seconds(60)) settledMiB = ResidentMiB();
    if (settledMiB) peakMiB = std::max(peakMiB, ResidentMiB());
  }
  std::cout << "soak: " << g_seconds << " s, " << requests << " requests, " << displayed << " displayed sets checked, "
            << "longest gap " << Seconds(maxGap) << " s, resident " << settledMiB.value_or(0) << " MiB after 60 s, at most "
            << peakMiB << " MiB after" << std::endl;

  EXPECT_TRUE(port.PortOpen());
  EXPECT_LE(Seconds(maxGap), 2.0);
  EXPECT_LE(Seconds(Clock::now() - lastRequest), 2.0);
  EXPECT_GT(displayed, g_seconds / 4);  // one set a second is polled; most answers survive the faults
  EXPECT_TRUE(box.shown.empty() && box.posted.empty());
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer's quarantine holds freed memory for a while
  EXPECT_LE(peakMiB, settledMiB.value_or(peakMiB) + 2.0);
#endif
  std::remove(logPath.c_str());
}

}  // namespace
}  // namespace kestrova::testing

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  if (const char* env = std::getenv("KESTROVA_SOAK_SECONDS")) kestrova::testing::g_seconds = std::atoi(env);
  if (argc > 1) kestrova::testing::g_seconds = std::atoi(argv[1]);
  return RUN_ALL_TESTS();
}
