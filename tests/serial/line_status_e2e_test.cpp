// The status bar on the simulator with its faults: each state of the line as the engineer
// meets it at a cabinet (lost, silent, another address, interference), the stale marks, the
// write check against a board that ignores the write, and a device the user may not open.
#include <sys/inotify.h>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "app/tools_menu.h"
#include "serial/console_harness.h"

namespace kestrova::testing {
namespace {

// The machine's clock, which the test may move ahead.
struct JumpClock final : Clock {
  SystemClock system;
  std::int64_t ahead = 0;
  std::int64_t NowMs() const override { return system.NowMs() + ahead; }
  std::string TimeOfDay() const override { return system.TimeOfDay(); }
};

std::string LinkStateOf(Console& c) {
  return Find<QLabel>(c.Main(), "LinkStatus").property("linkState").toString().toStdString();
}

// With the tools menu: the recording and the event log.
struct ToolsConsole : Console {
  explicit ToolsConsole(std::vector<std::string> options = {}) : Console(std::move(options)) {
    tools.AskFile = [this](const QString&, const QString&, const QString&, bool) { return nextFile; };
  }
  ToolsMenu tools{windows};
  QString nextFile;
};

// Lost: the port closes, the toggle pops up, the operator is told once, and the old data go stale.
TEST(LineStatusOnTheSimulator, NormalThenLostWithStaleMarks) {
  Console c;
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(c.WaitStatus("通信正常：" + c.sim.Path())) << c.Status();
  ASSERT_TRUE(WaitFor([&] { return !c.Text("CommCtr_Text").empty(); }));
  auto& temp = Find<QLineEdit>(c.Main(), "Temp1_Text");
  EXPECT_FALSE(temp.property("stale").toBool());

  c.sim.Kill();
  auto& toggle = Find<QPushButton>(c.Main(), "CommPort_ToggleButton");
  ASSERT_TRUE(WaitFor([&] { return toggle.text() == "打开串口" && !toggle.isChecked(); }));
  const std::string lost = "串口已断开：" + c.sim.Path() + "（设备已拔出或断电）";
  EXPECT_EQ(c.Status(), lost);
  ASSERT_TRUE(WaitFor([&] { return temp.property("stale").toBool(); }, 8000));
  EXPECT_EQ(c.box.posted, std::vector<std::string>{lost});
  EXPECT_FALSE(temp.text().isEmpty());
  EXPECT_TRUE(temp.toolTip().startsWith(QStringLiteral("最后更新：")));
  EXPECT_TRUE(Find<QWidget>(c.Main(), "StatusBox1").property("stale").toBool());
}

// The reasons for no data come from the real clock and the real port here, not a fake's.
TEST(LineStatusOnTheSimulator, SilentBoardAnotherAddressAndInterference) {
  const std::string noReply = "控制板无应答 3 秒：请检查接线（A/B）、供电和设备地址，或按“获取地址”";
  for (const auto& [options, status] : {std::pair{std::vector<std::string>{"--silent"}, noReply},
                                        std::pair{std::vector<std::string>{"--address", "5"}, noReply},
                                        std::pair{std::vector<std::string>{"--corrupt", "0.5", "--seed", "3"},
                                                  std::string("通信干扰：最近 ")}}) {
    Console c(options);
    ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
    EXPECT_TRUE(c.WaitStatus(status, 10000)) << options[0] << ": " << c.Status();
    EXPECT_EQ(LinkStateOf(c), status == noReply ? "noReply" : "interference") << options[0];
  }
}

// Every answer arrives corrupted: the status says interference once the first one is in, and
// never sends the engineer to the wiring and the address with "no reply".
TEST(LineStatusOnTheSimulator, CorruptedAnswersOnlyAreInterferenceNeverNoReply) {
  Console c({"--corrupt", "1"});
  std::vector<std::pair<std::string, std::string>> ticks;  // status and state after each poll tick
  QObject::connect(&c.windows.PollTimer(), &QTimer::timeout, [&] { ticks.emplace_back(c.Status(), LinkStateOf(c)); });
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ticks.clear();
  ASSERT_TRUE(WaitFor([&] { return ticks.size() >= 28; }, 15000));  // 7 s of polling
  const auto first = std::find_if(ticks.begin(), ticks.end(), [](const auto& t) { return t.second == "interference"; });
  ASSERT_NE(first, ticks.end());
  EXPECT_LE(first - ticks.begin(), 12) << "interference within 3 s of polling";
  for (auto t = first; t != ticks.end(); ++t) EXPECT_EQ(t->second, "interference") << t->first;
  for (const auto& t : ticks) EXPECT_EQ(t.first.find("无应答"), std::string::npos) << t.first;
  EXPECT_EQ(ticks.back().first.rfind("通信干扰：控制板的应答均校验错误，", 0), 0u) << ticks.back().first;
}

// A board gone silent while recording, then the adapter pulled: long sentences, the recording
// note and the counters share the status bar; the window keeps the size of its layout.
TEST(LineStatusOnTheSimulator, TheWindowKeepsItsSizeThroughLongStatusRecordingAndLoss) {
  ToolsConsole c({"--silent"});
  QTemporaryDir dir;
  c.nextFile = dir.filePath(QStringLiteral("rec-cabinet-3-north-wall-after-the-fan-change.csv"));
  QWidget& window = c.Main();
  ASSERT_TRUE(c.WaitStatus("串口已关闭："));
  QCoreApplication::processEvents();
  const QSize size = window.size();
  EXPECT_EQ(size.width(), 842);
  auto& stats = Find<QLabel>(window, "LinkStats");
  const auto countsWhole = [&] {
    const QRect inWindow(stats.mapTo(&window, QPoint(0, 0)), stats.size());
    return window.rect().contains(inWindow) && stats.fontMetrics().horizontalAdvance(stats.text()) <= stats.contentsRect().width();
  };
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  c.tools.StartOrStopRecording();

  ASSERT_TRUE(c.tools.Recording().Active());
  ASSERT_TRUE(c.WaitStatus("控制板无应答", 10000)) << c.Status();
  QCoreApplication::processEvents();
  EXPECT_EQ(window.size(), size);
  EXPECT_TRUE(countsWhole()) << stats.text().toStdString();
  auto& status = Find<QLabel>(window, "LinkStatus");
  EXPECT_LT(status.width(), status.fontMetrics().horizontalAdvance(status.text())) << "the sentence is elided";
  EXPECT_TRUE(status.toolTip().startsWith(status.text())) << "the whole sentence in its tooltip";

  c.sim.Kill();
  ASSERT_TRUE(c.WaitStatus("串口已断开：")) << c.Status();
  QCoreApplication::processEvents();
  EXPECT_EQ(window.size(), size);
  EXPECT_EQ(LinkStateOf(c), "lost");
  EXPECT_TRUE(c.tools.Recording().Active());
  const QString note = Find<QLabel>(window, "RecordStatus").text();
  EXPECT_EQ(note.toStdString(), "记录等待数据：rec-cabinet-3-north-wall-after-the-fan-change.csv（0 行）");
  const EventLog& events = c.tools.EventStore();
  EXPECT_EQ(events.At(events.Size() - 1).text, "记录等待数据：串口未打开") << "the gap is marked";
}

// A board that ignores the write of the high-temperature alarm (a board that takes the write
// is checked in the console's end-to-end run).
TEST(LineStatusOnTheSimulator, WriteNotTakenStaysMarkedUntilTheFieldIsEdited) {
  ToolsConsole c({"--ignore-writes", "12"});
  JumpClock clock;
  c.windows.Form().UseClock(clock);
  ASSERT_TRUE(c.OpenPort()) << c.port.ErrorText();
  ASSERT_TRUE(c.WaitText("TempMax_Text", "45"));
  c.Click(c.Main(), "Copy_Command");
  c.Type(c.Main(), "S_TempMax_Text", "50");
  c.Click(c.Main(), "Setup_Command");
  const std::string notTaken = "设置未生效：高温报警 写入 50，读回 45";
  EXPECT_TRUE(c.WaitStatus(notTaken)) << c.Status();
  auto& field = Find<QLineEdit>(c.Main(), "S_TempMax_Text");
  EXPECT_TRUE(field.property("notTaken").toBool());
  EXPECT_EQ(field.toolTip().section('\n', 0, 0).toStdString(), "写入 50，读回 45");

  // Half a minute later the board still reports 45: the mark and the sentence stay.
  clock.ahead += 31'000;
  ASSERT_TRUE(c.RunData(2));
  EXPECT_TRUE(field.property("notTaken").toBool());
  EXPECT_EQ(c.Status(), notTaken);
  const EventLog& events = c.tools.EventStore();
  int told = 0;
  for (std::size_t i = 0; i < events.Size(); ++i) {
    if (events.At(i).text.find("设置未生效") == std::string::npos) continue;
    EXPECT_EQ(events.At(i).text, notTaken) << "the sentence once";
    ++told;
  }
  EXPECT_EQ(told, 1);

  field.setText(QStringLiteral("55"));
  emit field.textEdited(field.text());
  EXPECT_FALSE(field.property("notTaken").toBool());
  EXPECT_TRUE(WaitFor([&] { return c.Status() == "通信正常：" + c.sim.Path(); })) << c.Status();
}

// The unprivileged half of the test below, run by the serial tests' main in a process of its
// own: the console's probe on a device this user may not open.
}  // namespace

int CheckDeniedDevice(const char* device) {
  QtSerialPort port;
  FakeMessageBox box;
  ConsoleWindows windows{port, box};
  windows.Load();
  const std::string want = std::string("无访问权限：") + device + "（请将当前用户加入 dialout 组后重新登录）";
  const bool named = WaitFor([&] { return windows.MainPanel().Text("LinkStatus") == want; });
  port.SetCommPort(1);
  const std::string why = std::string("COM1（") + device + "）：没有访问权限（请将当前用户加入 dialout 组后重新登录）";
  if (named && !port.SetPortOpen(true) && port.ErrorText() == why) return 0;
  std::fprintf(stderr, "status: %s\nerror: %s\n", windows.MainPanel().Text("LinkStatus").c_str(), port.ErrorText().c_str());
  return 1;
}

namespace {

TEST(LineStatusOnTheSimulator, DeviceWithoutAccessRightsNamesTheDialoutGroup) {
  SimProcess sim;
  ASSERT_FALSE(sim.Path().empty());
  ASSERT_EQ(::chmod(sim.Path().c_str(), geteuid() == 0 ? 0600 : 0000), 0);
  // As root every open succeeds: the console then runs as an unprivileged user, from a copy
  // of this program that user can reach.
  QTemporaryDir dir(QStringLiteral("/tmp/kestrova-denied-XXXXXX"));
  ASSERT_TRUE(dir.isValid());
  const QString self = dir.filePath(QStringLiteral("serial-tests"));
  ASSERT_TRUE(QFile::copy(QStringLiteral("/proc/self/exe"), self));
  ASSERT_EQ(::chmod(dir.path().toUtf8().constData(), 0755), 0);
  ASSERT_EQ(::chmod(self.toUtf8().constData(), 0755), 0);
  const std::string run = std::string(geteuid() == 0 ? "runuser -u nobody -- " : "") +
                          "env QT_QPA_PLATFORM=offscreen KESTROVA_PORTS=" + sim.Path() +
                          " KESTROVA_CHECK_DENIED=" + sim.Path() + " " + self.toStdString();
  EXPECT_EQ(std::system(run.c_str()), 0) << run;
}

TEST(LineStatusOnTheSimulator, AbsentDeviceIsNeverOpenedSoNoLockFileIsMade) {
  const int watch = inotify_init1(IN_NONBLOCK);
  ASSERT_GE(watch, 0);
  ASSERT_GE(inotify_add_watch(watch, "/run/lock", IN_CREATE), 0);
  ScopedPorts ports("/dev/kestrova-absent-adapter");
  QtSerialPort port;
  port.SetCommPort(1);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(port.SetPortOpen(true));
  EXPECT_EQ(port.Fault(), PortFault::Missing);
  char events[4096];
  EXPECT_LE(::read(watch, events, sizeof events), 0) << "a lock file was created";
  ::close(watch);
}

}  // namespace
}  // namespace kestrova::testing

namespace kestrova::testing {
namespace {

// Not a test: pictures of the main window in each state of the line, for a person to look at
// (run with --gtest_also_run_disabled_tests, KESTROVA_SHOTS=<directory>; QT_SCALE_FACTOR=2
// for the 2x pictures).
TEST(LineStatusOnTheSimulator, DISABLED_Screenshots) {
  const QString to = qEnvironmentVariable("KESTROVA_SHOTS", QStringLiteral("."));
  const auto shoot = [&](ToolsConsole& c, const char* name) {
    QCoreApplication::processEvents();
    c.Main().grab().save(to + "/" + name + ".png");
  };
  {
    ToolsConsole c;
    ASSERT_TRUE(c.OpenPort());
    ASSERT_TRUE(c.RunData(3));
    shoot(c, "normal");
    c.tools.Trend().show();
    c.tools.Trend().Refresh();
    QCoreApplication::processEvents();
    c.tools.Trend().grab().save(to + "/trend.png");
    c.Click(c.Main(), "Copy_Command");
    c.Type(c.Main(), "S_TempMax_Text", "90");
    c.windows.Form().Validate("S_TempMax_Text");
    shoot(c, "hint");
    QTemporaryDir dir;
    c.nextFile = dir.filePath(QStringLiteral("rec-test.csv"));
    c.tools.StartOrStopRecording();
    ASSERT_TRUE(c.RunData(2)) << c.Status();
    c.sim.Kill();
    ASSERT_TRUE(c.WaitStatus("串口已断开："));
    shoot(c, "recording-lost");
  }
  for (const auto& [option, name, status] : {std::tuple{"--corrupt", "interference", "通信干扰：控制板"},
                                             {"--silent", "no-reply", "控制板无应答"}}) {
    ToolsConsole c(std::string(option) == "--silent" ? std::vector<std::string>{option}
                                                     : std::vector<std::string>{option, "1"});
    ASSERT_TRUE(c.OpenPort());
    ASSERT_TRUE(c.WaitStatus(status, 10000));
    shoot(c, name);
  }
  ToolsConsole c({"--ignore-writes", "12"});
  ASSERT_TRUE(c.OpenPort());
  ASSERT_TRUE(c.WaitText("TempMax_Text", "45"));
  c.Click(c.Main(), "Copy_Command");
  c.Type(c.Main(), "S_TempMax_Text", "50");
  c.Click(c.Main(), "Setup_Command");
  ASSERT_TRUE(c.WaitStatus("设置未生效"));
  shoot(c, "not-taken");
}

}  // namespace
}  // namespace kestrova::testing
