// The bus scan on a fake line of boards and a hand-moved clock: the range it accepts, which
// address it asks next, the resend to the silent, what it reports; and the scan window's logic with the
// console's poll cycle on fakes.
#include <gtest/gtest.h>

#include <set>

#include "bus/bus_scan.h"
#include "fakes/console_fixture.h"
#include "forms/bus_scan_form.h"
#include "protocol/recording_sink.h"

namespace kestrova::testing {
namespace {

TEST(BusScan, RangeFieldsAreCheckedAndRefusalsNameTheField) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"1", "255", ""},
      {"3", "3", ""},
      {"0", "20", "总线扫描：起始地址“0”不是 1 到 255 之间的整数"},
      {"1", "2x", "总线扫描：结束地址“2x”不是 1 到 255 之间的整数"},
      {"20", "1", "总线扫描：起始地址 20 大于结束地址 1"}};
  for (const auto& [from, to, said] : cases) EXPECT_EQ(CheckScanRange(from, to).refusal, said) << from << ".." << to;
}

// 1..20 with boards 2, 4 and 5 answering the board-information request ("M1/P2/VA2.3") 25 ms after
// it: each silent address is asked twice, to the timeout each time, and the whole scan stays well
// inside 10 s. The scan runs in 1 ms steps.
TEST(BusScan, AsksEachAddressInTurnAndResendsOnceToTheSilent) {
  std::vector<int> asked;
  std::int64_t now = 0;
  std::int64_t answerAt = -1;
  Frame answer;
  BusScan scan{[&](std::span<const std::uint8_t> f) {
    asked.push_back(f[1]);
    if (!std::set<int>{2, 4, 5}.contains(f[1])) return;
    answer = Resealed(Hex(kBoardInfoHex), {{1, f[1]}});
    answerAt = now + 25;
  }};
  scan.Start({1, 20}, now);
  while (scan.Running()) {
    if (++now == answerAt) scan.Receive(answer, now);
    scan.Step(now);
  }
  const int timeout = AnswerTimeoutMs(5, ExpectedAnswerBytes(kBoardInfo));
  EXPECT_EQ(now, 17 * 2 * timeout + 3 * 25);
  EXPECT_EQ(std::vector<int>(asked.begin(), asked.begin() + 8), (std::vector<int>{1, 1, 2, 3, 3, 4, 5, 6}));
  ASSERT_EQ(scan.Found().size(), 3u);
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

TEST(BusScanForm, ThePollCycleFallsSilentWhileTheScanRunsAndResumesAfter) {
  ScanConsole c;
  c.scan.OnStartScan("1", "20");
  EXPECT_EQ(c.scan.Status(), "端口未打开：请先在主窗口打开串口，再开始扫描");
  c.OpenPort();
  c.scan.OnStartScan("1", "300");
  EXPECT_EQ(c.box.shown, std::vector<std::string>{"总线扫描：结束地址“300”不是 1 到 255 之间的整数"});
  c.clock.now += 5000;  // the board has not answered since the port was opened

  c.AdvanceToPhase(kRunDataPhase);
  EXPECT_EQ(c.Run(10), std::vector<Frame>{Hex("05 01 0F 00 15")});
  c.scan.OnStartScan("3", "4");
  EXPECT_EQ(c.scan.Status(), "正在扫描地址 3–4…");
  // Nothing until the run-data answer has had its time on the line (6 + 38 + 150 ms).
  EXPECT_EQ(c.Run(190), std::vector<Frame>{});
  EXPECT_EQ(c.main.Text(main_window::kLinkStatus), "总线扫描中，轮询暂停：COM1");
  EXPECT_EQ(c.Run(1500), (std::vector<Frame>{Hex("05 03 0F 02 19"), Hex("05 03 0F 02 19"), Hex("05 04 0F 02 1A"),
                                             Hex("05 04 0F 02 1A")}));
  EXPECT_FALSE(c.scan.Running() || c.form.LineLent());
  EXPECT_EQ(c.log, (std::vector<std::string>{"总线扫描开始：COM1，地址 3–4", "总线扫描 3–4：未找到应答的板"}));
  // The scan's unanswered addresses are not the board's silence: it is counted from the return.
  c.form.OnPollTick();
  EXPECT_EQ(c.main.State(main_window::kLinkStatus, kLinkState), "waiting") << c.main.Text(main_window::kLinkStatus);
  c.AdvanceToPhase(kRunDataPhase);
  EXPECT_EQ(c.Ticks(1), std::vector<Frame>{Hex("05 01 0F 00 15")});
}

TEST(BusScanForm, AnAnsweringBoardIsCountedOnTheLine) {
  ScanConsole c;
  c.OpenPort();
  c.scan.OnStartScan("9", "9");  // nothing was polled yet: the request goes out at once
  ASSERT_EQ(c.port.TakeWritten(), std::vector<Frame>{Hex("05 09 0F 02 1F")});
  c.port.Feed(Resealed(Hex(kBoardInfoHex), {{1, 9}}));
  c.Run(20);
  EXPECT_EQ(c.log.back(), "总线扫描 9–9：找到 1 台：地址 9（M1）");
  EXPECT_EQ(c.form.stats.GoodResponses(), 1);
}

TEST(BusScanForm, StoppingOrLosingThePortGivesTheLineBack) {
  ScanConsole c;
  c.OpenPort();
  c.scan.OnStartScan("1", "20");
  c.Run(600);
  c.scan.OnStartScan("1", "20");  // now "停止扫描"
  EXPECT_FALSE(c.scan.Running() || c.form.LineLent() || c.scan.Scan().Line().Busy());
  EXPECT_EQ(c.log.back(), "总线扫描 1–20（在地址 2 处停止）：未找到应答的板");

  c.scan.OnStartScan("1", "20");
  c.Run(300);
  c.port.Unplug();
  c.port.TakeWritten();
  c.scan.Tick();
  EXPECT_FALSE(c.scan.Running() || c.form.LineLent() || c.scan.Scan().Running());
  EXPECT_EQ(c.scan.Status(), "端口已关闭，扫描中断");
  EXPECT_TRUE(c.port.written.empty());
}

}  // namespace
}  // namespace kestrova::testing
