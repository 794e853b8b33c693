// The bus scan on a fake line of boards and a hand-moved clock: the range it accepts, which
// address it asks next, the resend, what counts as an answer and what it reports; and the
// scan window's logic with the console's poll cycle on fakes.
#include <gtest/gtest.h>

#include <map>

#include "bus/bus_scan.h"
#include "fakes/console_fixture.h"
#include "forms/bus_scan_form.h"

namespace kestrova::testing {
namespace {

// The board-information answer of a board: "<model>/P2/VA2.3" and its zero byte.
Frame InfoAnswer(int address, const std::string& model) {
  const std::string text = model + "/P2/VA2.3";
  Frame f{0x06, static_cast<std::uint8_t>(address), 0x0F, 0x02, static_cast<std::uint8_t>(text.size() + 1)};
  f.insert(f.end(), text.begin(), text.end());
  f.push_back(0);
  f.push_back(Checksum(f));
  return f;
}

// Boards on a fake line: each answers a board-information request to its address after a
// turnaround; garbled lists boards whose next answer carries a wrong checksum.
struct FakeBus {
  std::map<int, std::string> boards;
  std::map<int, int> garbled;
  int turnaroundMs = 25;
  std::vector<int> asked;
  struct Pending {
    std::int64_t at;
    Frame bytes;
  };
  std::vector<Pending> pending;

  void Heard(std::span<const std::uint8_t> request, std::int64_t now) {
    asked.push_back(request[1]);
    const auto board = boards.find(request[1]);
    if (board == boards.end() || request[3] != kBoardInfo) return;
    Frame answer = InfoAnswer(board->first, board->second);
    if (garbled[board->first] > 0) {
      --garbled[board->first];
      answer.back() ^= 0x01;
    }
    pending.push_back({now + turnaroundMs, answer});
  }
  // What has arrived by now, with noise between answers.
  Frame Arrived(std::int64_t now) {
    Frame out;
    std::erase_if(pending, [&](const Pending& p) {
      if (p.at > now) return false;
      out.push_back(0xAA);
      out.insert(out.end(), p.bytes.begin(), p.bytes.end());
      return true;
    });
    return out;
  }
};

TEST(BusScanRange, FieldsAreCheckedAndRefusalsNameTheField) {
  const struct {
    const char *from, *to, *refusal;
  } cases[] = {
      {"1", "20", ""},
      {"255", "255", ""},
      {"0", "20", "总线扫描：起始地址“0”不是 1 到 255 之间的整数"},
      {"1", "256", "总线扫描：结束地址“256”不是 1 到 255 之间的整数"},
      {"", "20", "总线扫描：起始地址“”不是 1 到 255 之间的整数"},
      {"+3", "20", "总线扫描：起始地址“+3”不是 1 到 255 之间的整数"},
      {"3", "2x", "总线扫描：结束地址“2x”不是 1 到 255 之间的整数"},
      {"20", "1", "总线扫描：起始地址 20 大于结束地址 1"},
  };
  for (const auto& c : cases) {
    const ScanRangeCheck check = CheckScanRange(c.from, c.to);
    EXPECT_EQ(check.refusal, c.refusal) << c.from << ".." << c.to;
    EXPECT_EQ(check.range.has_value(), *c.refusal == 0) << c.from << ".." << c.to;
  }
  const ScanRangeCheck ok = CheckScanRange("3", "17");
  ASSERT_TRUE(ok.range);
  EXPECT_EQ(ok.range->from, 3);
  EXPECT_EQ(ok.range->to, 17);
}

// Runs a scan on the fake bus with 1 ms steps; returns the milliseconds it took.
std::int64_t RunScan(BusScan& scan, FakeBus& bus, ScanRange range, std::int64_t& now) {
  const std::int64_t start = now;
  scan.Start(range, now);
  while (scan.Running() && now - start < 60'000) {
    ++now;
    scan.Receive(bus.Arrived(now), now);
    scan.Step(now);
  }
  return now - start;
}

TEST(BusScan, AsksEachAddressInTurnAndResendsOnceToTheSilent) {
  FakeBus bus;
  bus.boards = {{2, "M2"}, {4, "M4"}, {5, "M5"}};
  bus.garbled = {{4, 1}};
  std::int64_t now = 5000;
  BusScan scan([&](std::span<const std::uint8_t> f) { bus.Heard(f, now); });
  RunScan(scan, bus, {1, 6}, now);

  EXPECT_EQ(bus.asked, (std::vector<int>{1, 1, 2, 3, 3, 4, 4, 5, 6, 6}));
  ASSERT_EQ(scan.Found().size(), 3u);
  const ScanFind& four = scan.Found()[1];
  EXPECT_EQ(four.address, 4);
  EXPECT_EQ(four.model, "M4");
  EXPECT_EQ(four.pcb, "P2");
  EXPECT_EQ(four.software, "VA2.3");
  EXPECT_EQ(four.answerMs, 25);  // from the resend
  EXPECT_EQ(scan.Found()[0].address, 2);
  EXPECT_EQ(scan.Found()[2].address, 5);
  EXPECT_TRUE(scan.Finished());
  EXPECT_EQ(scan.Done(), 6);
  EXPECT_EQ(scan.Total(), 6);
  EXPECT_EQ(scan.Summary(), "总线扫描 1–6：找到 3 台：地址 2（M2）、4（M4）、5（M5）");
  EXPECT_EQ(scan.Line().Counters().badChecksums, 1u);
}

// 1..20 with three boards present: 17 addresses asked twice to the timeout, well inside 10 s.
TEST(BusScan, TwentyAddressesWithThreeBoardsTakeUnderTenSeconds) {
  FakeBus bus;
  bus.boards = {{1, "M1"}, {5, "M5"}, {9, "M9"}};
  std::int64_t now = 0;
  BusScan scan([&](std::span<const std::uint8_t> f) { bus.Heard(f, now); });
  const std::int64_t took = RunScan(scan, bus, {1, 20}, now);
  EXPECT_EQ(took, 17 * 2 * AnswerTimeoutMs(5, ExpectedAnswerBytes(kBoardInfo)) + 3 * 25);
  EXPECT_LT(took, 10'000);
  EXPECT_EQ(bus.asked.size(), 17u * 2 + 3);
}

TEST(BusScan, StoppedScanSendsNoMoreAndSaysWhereItStopped) {
  FakeBus bus;
  bus.boards = {{1, "M1"}};
  std::int64_t now = 0;
  BusScan scan([&](std::span<const std::uint8_t> f) { bus.Heard(f, now); });
  scan.Start({1, 20}, now);
  for (; now < 300; ++now) {
    scan.Receive(bus.Arrived(now), now);
    scan.Step(now);
  }
  EXPECT_EQ(scan.Asking(), 2);
  scan.Stop();
  const std::size_t asked = bus.asked.size();
  for (; now < 3000; ++now) scan.Step(now);
  EXPECT_EQ(bus.asked.size(), asked);
  EXPECT_FALSE(scan.Running());
  EXPECT_FALSE(scan.Finished());
  EXPECT_EQ(scan.Summary(), "总线扫描 1–20（在地址 2 处停止）：找到 1 台：地址 1（M1）");
  scan.Start({7, 8}, now);
  for (; scan.Running(); ++now) scan.Step(now);
  EXPECT_EQ(scan.Summary(), "总线扫描 7–8：未找到应答的板");
}

// The scan window's logic with the console: the poll cycle falls silent while the scan has
// the line and takes up its schedule after it.
struct ScanConsole : ConsoleFixture {
  FakeClock clock;
  BusScanForm scan{form};
  std::vector<std::string> log;
  ScanConsole() {
    form.UseClock(clock);
    scan.Logged = [this](const std::string& text) { log.push_back(text); };
  }
  // The poll timer's ticks and the scan's 10 ms ticks, for ms milliseconds or until a running
  // scan ends.
  std::vector<Frame> Run(int ms) {
    const bool running = scan.Running();
    for (int t = 0; t < ms && !(running && !scan.Running()); t += 10) {
      clock.now += 10;
      if (t % kPollIntervalMs == 0) form.OnPollTick();
      scan.Tick();
    }
    return port.TakeWritten();
  }
};

TEST(BusScanForm, RefusesAClosedPortAndAnUnusableRange) {
  ScanConsole c;
  c.scan.OnStartScan("1", "20");
  EXPECT_EQ(c.scan.Status(), "端口未打开：请先在主窗口打开串口，再开始扫描");
  EXPECT_FALSE(c.scan.Running());
  c.OpenPort();
  c.scan.OnStartScan("1", "300");
  EXPECT_EQ(c.box.shown, std::vector<std::string>{"总线扫描：结束地址“300”不是 1 到 255 之间的整数"});
  EXPECT_FALSE(c.scan.Running());
  EXPECT_FALSE(c.form.lineLent);
  EXPECT_TRUE(c.port.written.empty());
}

TEST(BusScanForm, ThePollCycleFallsSilentWhileTheScanRunsAndResumesAfter) {
  ScanConsole c;
  c.OpenPort();
  c.AdvanceToPhase(kRunDataPhase);
  EXPECT_EQ(c.Run(10), std::vector<Frame>{Hex("05 01 0F 00 15")});
  const std::int64_t requests = c.form.stats.Requests();
  c.scan.OnStartScan("3", "4");
  EXPECT_TRUE(c.form.lineLent);
  EXPECT_EQ(c.scan.Status(), "正在扫描地址 3–4…");
  // Nothing until the run-data answer has had its time on the line (38 + 50 + 100 + 6 ms).
  EXPECT_TRUE(c.Run(180).empty());
  const std::vector<Frame> scanned = c.Run(1500);
  EXPECT_EQ(scanned, (std::vector<Frame>{Hex("05 03 0F 02 19"), Hex("05 03 0F 02 19"), Hex("05 04 0F 02 1A"),
                                         Hex("05 04 0F 02 1A")}));
  EXPECT_FALSE(c.scan.Running());
  EXPECT_FALSE(c.form.lineLent);
  EXPECT_EQ(c.scan.Status(), "总线扫描 3–4：未找到应答的板");
  EXPECT_EQ(c.log, (std::vector<std::string>{"总线扫描开始：COM1，地址 3–4", "总线扫描 3–4：未找到应答的板"}));
  EXPECT_EQ(c.form.stats.Requests(), requests + 4);  // the traffic monitor saw them
  // The schedule goes on where it stopped: the next phase-0 tick polls run data again.
  c.AdvanceToPhase(kRunDataPhase);
  EXPECT_EQ(c.Ticks(1), std::vector<Frame>{Hex("05 01 0F 00 15")});
}

TEST(BusScanForm, AnAnsweringBoardIsListedAndWatchedOnUse) {
  ScanConsole c;
  c.OpenPort();
  c.scan.OnStartScan("9", "9");  // nothing was polled yet: the request goes out at once
  ASSERT_EQ(c.port.TakeWritten(), std::vector<Frame>{Hex("05 09 0F 02 1F")});
  c.port.Feed(InfoAnswer(9, "TEC-9"));
  c.Run(20);
  ASSERT_EQ(c.scan.Scan().Found().size(), 1u);
  EXPECT_EQ(c.scan.Scan().Found()[0].model, "TEC-9");
  EXPECT_EQ(c.log.back(), "总线扫描 9–9：找到 1 台：地址 9（TEC-9）");
  c.scan.OnUseAddress(9);
  EXPECT_EQ(c.form.deviceAddress, 9);
  EXPECT_EQ(c.main.Text(main_window::kBoardAddress), "9");
  c.AdvanceToPhase(kRunDataPhase);
  EXPECT_EQ(c.Ticks(1), std::vector<Frame>{Hex("05 09 0F 00 1D")});
}

TEST(BusScanForm, StoppingOrLosingThePortGivesTheLineBack) {
  ScanConsole c;
  c.OpenPort();
  c.scan.OnStartScan("1", "20");
  c.Run(600);
  c.scan.OnStartScan("1", "20");  // now "停止扫描"
  EXPECT_FALSE(c.scan.Running());
  EXPECT_FALSE(c.form.lineLent);
  EXPECT_EQ(c.log.back(), "总线扫描 1–20（在地址 2 处停止）：未找到应答的板");
  c.port.TakeWritten();
  for (int i = 0; i < 100; ++i) c.scan.Tick();
  EXPECT_TRUE(c.port.written.empty());

  c.scan.OnStartScan("1", "20");
  c.Run(300);
  c.port.Unplug();
  c.port.TakeWritten();
  c.scan.Tick();
  EXPECT_FALSE(c.scan.Running());
  EXPECT_FALSE(c.form.lineLent);
  EXPECT_EQ(c.scan.Status(), "端口已关闭，扫描中断");
  EXPECT_TRUE(c.port.written.empty());
}

}  // namespace
}  // namespace kestrova::testing
