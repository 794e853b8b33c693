// What the status bar says about the line, the stale marks on old data, the check of what a
// transmission wrote, and the mark on a value that cannot be sent.
#include <gtest/gtest.h>

#include "factory/factory_fixture.h"
#include "forms/factory_forms.h"

namespace kestrova::testing {
namespace {

// The board's worked run-data frame (high-temperature alarm 45 at offset 17, inner
// temperature 25 at offset 25).
const Frame kRunData = Hex(kRunDataHex);

// The console on fakes with a clock that moves 250 ms per tick.
struct Line : FactoryFixture {
  FakeClock clock;
  Line() {
    form.UseClock(clock);
    port.devices[1] = "/dev/ttyUSB0";
  }
  void Run(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      clock.now += 250;
      form.OnPollTick();
    }
    port.TakeWritten();
  }
  void Answer(const Frame& response) {
    port.Feed(response);
    Run(1);
  }
  std::string Status() const { return main.Text("LinkStatus"); }
};

TEST(LineState, ClosedPortSaysWhyNothingCanBeOpened) {
  const std::tuple<std::set<int>, PortFault, const char*> cases[] = {
      {{}, PortFault::Missing, "未发现串口：请插入 USB 转 RS-485/422 适配器"},
      {{}, PortFault::NoPermission, "无访问权限：/dev/ttyUSB0（请将当前用户加入 dialout 组后重新登录）"},
      {{}, PortFault::Busy, "被其他程序占用：/dev/ttyUSB0"},
      {{1}, PortFault::Missing, "串口已关闭：/dev/ttyUSB0"}};
  for (const auto& [available, fault, status] : cases) {
    Line c;
    c.port.available = available;
    c.port.failFault[1] = fault;
    c.Run(1);
    EXPECT_EQ(c.Status(), status);
    EXPECT_EQ(c.main.tips["LinkStatus"].find("COM1 /dev/ttyUSB0：无访问权限") != std::string::npos,
              fault == PortFault::NoPermission);
  }
}

TEST(LineState, OpenPortFromWaitingToNoReplyToNormal) {
  Line c;
  c.OpenPort();
  c.Run(11);
  EXPECT_EQ(c.Status(), "等待控制板应答：/dev/ttyUSB0");
  c.Run(1);  // 3 s of requests without an answer
  EXPECT_EQ(c.Status(), "控制板无应答 3 秒：请检查接线（A/B）、供电和设备地址，或按“获取地址”");
  c.Answer(kRunData);
  EXPECT_EQ(c.Status(), "通信正常：/dev/ttyUSB0");
  EXPECT_EQ(c.main.Text("LinkStats"), "发送 6  应答 1  校验错 0  丢弃 0 字节  运行数据 0.0 秒前");
  c.Run(5);
  EXPECT_TRUE(c.main.Text("LinkStats").ends_with("运行数据 1.2 秒前")) << c.main.Text("LinkStats");
}

TEST(LineState, AnswersForAnotherAddressCountAsNoReplyAndDiscardedBytes) {
  Line c;
  c.OpenPort();
  for (int i = 0; i < 3; ++i) {
    c.port.Feed(Resealed(kRunData, {{1, 5}}));
    c.Run(4);
  }
  EXPECT_EQ(c.Status().rfind("控制板无应答 3 秒", 0), 0u) << c.Status();
  EXPECT_EQ(c.form.stats.GoodResponses(), 0);
  EXPECT_GE(c.form.stats.DiscardedBytes(), 3 * 30);
}

TEST(LineState, MoreThanOneBadChecksumInTenIsInterference) {
  Line c;
  c.OpenPort();
  Frame bad = kRunData;
  bad.back() ^= 0xFF;
  for (int i = 0; i < 9; ++i) c.Answer(i == 1 ? bad : kRunData);
  EXPECT_EQ(c.Status(), "通信干扰：最近 9 帧中 1 帧校验错误");
  c.Answer(kRunData);
  EXPECT_EQ(c.Status(), "通信正常：/dev/ttyUSB0");  // 1 in 10 is not more
  c.Answer(bad);
  for (int i = 0; i < 9; ++i) c.Answer(kRunData);
  EXPECT_EQ(c.Status(), "通信正常：/dev/ttyUSB0");  // 2 in 20
}

// The service tools see every frame as it came over the line; a write acknowledgement that is
// consumed before all of it has arrived shows only what did.
TEST(LineState, TheToolsSeeEachFrameAsItWasOnTheLine) {
  Line c;
  c.OpenPort();
  std::vector<std::string> seen;
  c.form.stats.SetObserver([&](const LinkEvent& e) {
    if (e.direction == LinkEvent::Direction::Received) seen.push_back("< " + ToHex(e.bytes));
  });
  c.Answer(Hex("AA " + std::string(kRunDataHex)));
  c.Answer(Hex("06 01 1E 0C 01"));
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], "< AA");
  EXPECT_EQ(seen[1], "< " + std::string(kRunDataHex));
  EXPECT_EQ(seen[2], "< 06 01 1E 0C 01");
}

TEST(LineState, RunDataGoStaleAfterFiveSecondsAndLiveAgainWithTheNextResponse) {
  Line c;
  c.OpenPort();
  c.Run(40);
  EXPECT_TRUE(c.main.flags.empty()) << "nothing is marked before the first response";
  c.Answer(kRunData);
  c.Run(20);
  EXPECT_FALSE(c.main.Flag("Temp1_Text", kStale));
  c.Run(1);  // 5.25 s since the response
  for (const char* name : {"Temp1_Text", "TempMax_Text", "CommCtr_Text", "StatusBox1", "StatusBox22"})
    EXPECT_TRUE(c.main.Flag(name, kStale)) << name;
  EXPECT_FALSE(c.main.Flag("S_TempMax_Text", kStale));
  EXPECT_EQ(c.main.Text("Temp1_Text"), "25");  // kept, never cleared
  EXPECT_EQ(c.main.tips["Temp1_Text"], "最后更新：08:30:00\n内温度（°C），-40…86.5；开路/短路 为传感器故障");
  c.Answer(kRunData);
  EXPECT_FALSE(c.main.Flag("Temp1_Text", kStale));
  EXPECT_EQ(c.main.tips["Temp1_Text"], "内温度（°C），-40…86.5；开路/短路 为传感器故障");
}

TEST(LineState, FactoryDataGoStaleWhileTheWindowIsShownAndAreForgottenWithIt) {
  Line c;
  c.OpenPort();
  c.factory.SetVisible("F_Setup_Form", true);
  const Frame factoryData = Line::Response({180, 5, 220, 5, 'A', '2', 100, 100, 100, 100, 1, 10});
  c.Answer(factoryData);
  c.Run(21);
  EXPECT_TRUE(c.factory.Flag("DCVlow_Text", kStale));
  EXPECT_TRUE(c.factory.Flag("CheckBox2", kStale));
  EXPECT_FALSE(c.factory.Flag("S_DCVlow_Text", kStale));
  c.Answer(factoryData);
  EXPECT_FALSE(c.factory.Flag("DCVlow_Text", kStale));
  c.Run(21);
  c.window.OnClose();
  EXPECT_TRUE(c.factory.flags.empty());
  c.Run(40);
  EXPECT_TRUE(c.factory.flags.empty());
}

// A two-byte setting is compared in both bytes: the fan speed 1500 (05 DC) does not hold when the
// board still reports 1400 (05 78).
TEST(LineState, WriteCheckComparesTheNextRunDataWithWhatWasSent) {
  const Frame fan1400 = Resealed(kRunData, {{11, 0x78}});
  for (const auto& [before, field, text, board, status] :
       {std::tuple{kRunData, "S_TempMax_Text", "50", Resealed(kRunData, {{17, 90}}), "设置已写入，读回一致（1 项）"},
        {kRunData, "S_TempMax_Text", "50", kRunData, "设置未生效：高温报警 写入 50，读回 45"},
        {fan1400, "S_IntFanLowS_Text", "1500", fan1400, "设置未生效：内风机低速转速 写入 1500，读回 1400"}}) {
    Line c;
    c.OpenPort();
    c.Answer(before);
    c.form.OnCopySettings();
    c.main.SetText(field, text);
    c.form.OnSendSettings();
    c.Run(8);  // the write, then the run-data read after it
    EXPECT_NE(c.Status(), status) << "no verdict before the board has reported";
    c.Answer(board);
    EXPECT_EQ(c.Status(), status);
  }
}

// The factory transmission is checked against the next factory data, down to its last setting
// (code 27, the venting interval, the report's last parameter byte).
TEST(LineState, WriteCheckComparesTheNextFactoryDataWithWhatWasSent) {
  const auto report = [](std::uint8_t interval) {
    return FactoryFixture::Response({180, 5, 220, 5, 'A', '2', 100, 100, 100, 100, 1, interval});
  };
  for (const auto& [board, status] : {std::pair{report(30), "设置已写入，读回一致（1 项）"},
                                      {report(10), "设置未生效：排氢间隔时间 写入 30，读回 10"}}) {
    Line c;
    c.OpenPort();
    c.main.SetText("TextBox1", "M1");
    c.factory.SetVisible("F_Setup_Form", true);
    c.Answer(report(10));
    c.Fill({{"S_H_Fan_Text", "30"}});
    c.factory.SetChecked("CheckBox1", true);  // as the board has it: not sent
    c.window.OnSendFactorySettings();
    c.Run(12);  // the write, the end of the walk, then the factory-data read after it
    EXPECT_NE(c.Status(), status) << "no verdict before the board has reported";
    c.Answer(board);
    EXPECT_EQ(c.Status(), status);
  }
}

TEST(LineState, AValueThatCannotBeSentIsMarkedAndFocusedUntilEdited) {
  Line c;
  c.OpenPort();
  c.Answer(kRunData);
  c.form.OnCopySettings();
  c.main.SetText("S_IntFanLowS_Text", "70000");
  c.form.OnSendSettings();
  EXPECT_EQ(c.box.shown, std::vector<std::string>{"数据错误！"});
  EXPECT_EQ(c.main.focus, "S_IntFanLowS_Text");
  EXPECT_TRUE(c.main.Flag("S_IntFanLowS_Text", kInvalid));
  c.form.EditedByOperator("S_IntFanLowS_Text");
  EXPECT_FALSE(c.main.Flag("S_IntFanLowS_Text", kInvalid));

  c.factory.SetText("S_Temp1Calib_Text", "300");
  c.window.OnSendFactorySettings();
  EXPECT_EQ(c.factory.focus, "S_Temp1Calib_Text");
  EXPECT_TRUE(c.factory.Flag("S_Temp1Calib_Text", kInvalid));
}

}  // namespace
}  // namespace kestrova::testing
