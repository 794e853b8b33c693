// What the status bar says about the line, the stale marks on old data, the check of what a
// transmission wrote, and the mark on a value that cannot be sent.
#include <gtest/gtest.h>

#include "factory/factory_fixture.h"
#include "forms/factory_forms.h"
#include "link/link_status.h"

namespace kestrova::testing {
namespace {

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
  std::string State() const { return main.State("LinkStatus", kLinkState); }
  std::string Notice() const { return main.State("LinkStatus", kNotice); }
  // The status bar as "state/notice text".
  std::string Said() const { return State() + "/" + Notice() + " " + Status(); }
};

// Three seconds of requests without an answer.
const std::string kNoReply = "noReply/ 控制板无应答 3 秒：请检查接线（A/B）、供电和设备地址，或按“获取地址”";

// The worked run data with a spoilt checksum (F2 for 0D).
const Frame kBadChecksum = Hex(std::string(kRunDataHex).substr(0, 35 * 3) + "F2");

TEST(LineState, ClosedPortSaysWhyNothingCanBeOpened) {
  const std::tuple<std::set<int>, PortFault, const char*, const char*> cases[] = {
      {{}, PortFault::Missing, "未发现串口：请插入 USB 转 RS-485/422 适配器", "noPort"},
      {{}, PortFault::NoPermission, "无访问权限：/dev/ttyUSB0（请将当前用户加入 dialout 组后重新登录）", "noAccess"},
      {{}, PortFault::Busy, "被其他程序占用：/dev/ttyUSB0", "busy"},
      {{1}, PortFault::Missing, "串口已关闭：/dev/ttyUSB0", "closed"}};
  for (const auto& [available, fault, status, state] : cases) {
    Line c;
    c.port.available = available;
    c.port.failFault[1] = fault;
    c.Run(1);
    EXPECT_EQ(c.Said(), std::string(state) + "/ " + status);
    EXPECT_EQ(c.main.tips["LinkStatus"].rfind(std::string(status) + "\nCOM1 ", 0), 0u)
        << "the whole sentence leads the tooltip, then every probed port from COM1";
    EXPECT_FALSE(c.main.Visible("LinkStats")) << "no counts without an open port";
    EXPECT_EQ(c.main.tips["LinkStatus"].find("COM1 /dev/ttyUSB0：无访问权限") != std::string::npos,
              fault == PortFault::NoPermission);
  }
}

// The service tools see every received frame as it came over the line; a write acknowledgement
// consumed before all of it has arrived shows only what did. Noise and frames for another
// address are discarded bytes.
TEST(LineState, OpenPortFromWaitingToNoReplyToNormal) {
  Line c;
  std::vector<std::string> seen;
  c.form.stats.SetObserver([&](const LinkEvent& e) {
    if (e.direction == LinkEvent::Direction::Received) seen.push_back(ToHex(e.bytes));
  });
  c.OpenPort();
  c.Run(11);
  EXPECT_EQ(c.Said(), "waiting/ 等待控制板应答：/dev/ttyUSB0");
  c.Run(1);  // 3 s of requests without an answer
  EXPECT_EQ(c.Said(), kNoReply);
  c.Answer(Hex("AA " + std::string(kRunDataHex)));
  EXPECT_EQ(c.Said(), "ok/ 通信正常：/dev/ttyUSB0");
  EXPECT_EQ(c.main.Text("LinkStats"), "发送 6  应答 1  校验错 0  丢弃 1 字节  运行数据 0 秒前");
  EXPECT_TRUE(c.main.Visible("LinkStats"));
  c.Run(3);
  EXPECT_EQ(c.main.Text("LinkStats"), "发送 6  应答 1  校验错 0  丢弃 1 字节  运行数据 0 秒前")
      << "the counts are written with the run data, or once a second";
  c.Run(1);
  EXPECT_EQ(c.main.Text("LinkStats"), "发送 8  应答 1  校验错 0  丢弃 1 字节  运行数据 1 秒前");
  c.Answer(Hex(kBoardInfoHex));  // an answer, but not run data: their age goes on
  c.Answer(Hex("06 01 1E 0C 01"));
  EXPECT_EQ(seen, (std::vector<std::string>{"AA", kRunDataHex, kBoardInfoHex, "06 01 1E 0C 01"}));
  c.Answer(Resealed(kWorked, {{1, 5}}));  // run data for another address
  c.Run(1);
  EXPECT_EQ(c.main.Text("LinkStats"), "发送 9  应答 3  校验错 0  丢弃 31 字节  运行数据 2 秒前");
  c.form.OnTogglePort();  // closed and opened again: the counts start afresh, with no run data yet
  c.form.OnTogglePort();
  c.Run(4);
  EXPECT_EQ(c.main.Text("LinkStats"), "发送 1  应答 0  校验错 0  丢弃 0 字节  运行数据 无");
  EXPECT_EQ(AgeText(59'999) + "/" + AgeText(60'000) + "/" + AgeText(3'599'999) + "/" + AgeText(7'200'000),
            "59 秒前/1 分钟前/59 分钟前/2 小时前");
}

// A port that went away is said before the explanation of a box the operator just saw.
TEST(LineState, ALostPortOutranksABoxExplanation) {
  LinkView view;
  view.hint = "内风机每转脉冲：2…3 的整数";
  view.lost = "/dev/ttyUSB0（设备已拔出或断电）";
  const StatusLine line = LinkStatusLine(view, LinkStatistics(), 0);
  EXPECT_EQ(line.text, "串口已断开：/dev/ttyUSB0（设备已拔出或断电）");
  EXPECT_EQ(line.notice, StatusNotice::None);
}

// Answers that arrive but fail their checksum are interference, never "no reply": the board is
// there, the line spoils what it says. Once nothing comes back at all, it is no reply.
TEST(LineState, OnlyCorruptedAnswersAreInterferenceUntilTheyStop) {
  Line c;
  c.OpenPort();
  for (int i = 0; i < 6; ++i) {
    c.port.Feed(kBadChecksum);
    c.Run(4);
    EXPECT_EQ(c.Status().find("无应答"), std::string::npos) << c.Status();
  }
  EXPECT_EQ(c.Said(),
            "interference/ 通信干扰：控制板的应答均校验错误，6 秒无正确应答：请检查终端电阻、屏蔽层接地和通信线缆");
  c.Run(8);
  EXPECT_EQ(c.State(), "interference") << "the last corrupted answer came under 3 s ago";
  c.Run(1);
  EXPECT_EQ(c.Said(), kNoReply);
}

// More than one bad checksum in ten answers is interference. Run data go stale five seconds
// after the last response and live again with the next.
TEST(LineState, MoreThanOneBadChecksumInTenIsInterferenceAndRunDataGoStale) {
  Line c;
  c.OpenPort();
  c.Run(40);
  EXPECT_TRUE(c.main.flags.empty()) << "nothing is marked before the first response";
  for (int i = 0; i < 9; ++i) c.Answer(i == 1 ? kBadChecksum : kWorked);
  EXPECT_EQ(c.Said(), "interference/ 通信干扰：最近 9 帧中 1 帧校验错误：请检查终端电阻、屏蔽层接地和通信线缆");
  c.Answer(kWorked);
  EXPECT_EQ(c.Status(), "通信正常：/dev/ttyUSB0");  // 1 in 10 is not more
  c.Answer(kBadChecksum);
  for (int i = 0; i < 9; ++i) c.Answer(kWorked);
  EXPECT_EQ(c.Status(), "通信正常：/dev/ttyUSB0");  // 2 in 20
  c.Run(20);
  EXPECT_FALSE(c.main.Flag("Temp1_Text", kStale));
  c.Run(1);  // 5.25 s since the response
  for (const char* name : {"Temp1_Text", "TempMax_Text", "CommCtr_Text", "StatusBox1", "StatusBox22"})
    EXPECT_TRUE(c.main.Flag(name, kStale)) << name;
  EXPECT_EQ(c.main.Text("Temp1_Text"), "25");  // kept, never cleared
  EXPECT_EQ(c.main.tips["Temp1_Text"], "最后更新：08:30:00\n内温度（°C），-40…86.5；开路/短路 为传感器故障");
  c.Answer(kWorked);
  EXPECT_FALSE(c.main.Flag("Temp1_Text", kStale));
  EXPECT_EQ(c.main.tips["Temp1_Text"], "内温度（°C），-40…86.5；开路/短路 为传感器故障");
}

// Factory data go stale while the window is shown and are forgotten with it. A factory transmission
// is checked against the next factory data, down to its last setting (code 27, the venting interval,
// the report's last parameter byte).
TEST(LineState, FactoryDataGoStaleAndCheckATransmissionWhileTheWindowIsShown) {
  const Frame interval10 = Hex(kFactoryDataHex);
  Line c;
  c.OpenPort();
  c.main.SetText("TextBox1", "M1");
  c.factory.SetVisible("F_Setup_Form", true);
  c.Answer(interval10);
  c.Run(21);
  EXPECT_TRUE(c.factory.Flag("DCVlow_Text", kStale) && c.factory.Flag("CheckBox2", kStale));  // read-backs only
  EXPECT_FALSE(c.factory.Flag("S_DCVlow_Text", kStale));
  c.Fill({{"S_H_Fan_Text", "30"}});
  c.factory.SetChecked("CheckBox1", true);  // as the board has it: not sent
  for (const auto& [board, status] : {std::pair{interval10, "设置未生效：排氢间隔时间 写入 30，读回 10"},
                                      {Resealed(interval10, {{16, 30}}), "设置已写入，读回一致（1 项）"}}) {
    c.window.OnSendFactorySettings();
    c.Run(12);  // the write, the end of the walk, then the factory-data read after it
    EXPECT_NE(c.Status(), status) << "no verdict before the board has reported";
    c.Answer(board);
    EXPECT_EQ(c.Status(), status);
    EXPECT_FALSE(c.factory.Flag("DCVlow_Text", kStale));
  }
  c.Run(21);
  c.window.OnClose();
  EXPECT_TRUE(c.factory.flags.empty());
  c.Run(40);
  EXPECT_TRUE(c.factory.flags.empty());
}

// A two-byte setting is compared in both bytes: the fan speed 1500 (05 DC) does not hold when the
// board still reports 1400 (05 78).
TEST(LineState, WriteCheckComparesTheNextRunDataWithWhatWasSent) {
  const Frame fan1400 = Resealed(kWorked, {{11, 0x78}});
  for (const auto& [before, field, text, board, status] :
       {std::tuple{kWorked, "S_TempMax_Text", "50", Resealed(kWorked, {{17, 90}}), "设置已写入，读回一致（1 项）"},
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

// A value the board did not take stays marked on its field and in the status bar, however long
// the board keeps reporting the old value, until the board reports the sent value, the field is
// edited, or a new send starts; the line's own faults still come first.
TEST(LineState, AValueNotTakenStaysMarkedUntilTakenEditedOrSentAgain) {
  const std::string notTaken = "设置未生效：高温报警 写入 50，读回 45";
  for (const char* ending : {"taken", "edited", "sent again"}) {
    Line c;
    std::vector<WriteCheckResult> told;
    c.form.writeChecked = [&told](const WriteCheckResult& r) { told.push_back(r); };
    c.OpenPort();
    c.Answer(kWorked);
    c.form.OnCopySettings();
    c.main.SetText("S_TempMax_Text", "50");
    c.form.OnSendSettings();
    for (int i = 0; i < 40; ++i) c.Answer(kWorked);  // 40 s of reports still saying 45
    EXPECT_EQ(c.Said(), "ok/notTaken " + notTaken) << ending;
    EXPECT_TRUE(c.main.Flag("S_TempMax_Text", kNotTaken));
    EXPECT_EQ(c.main.tips["S_TempMax_Text"].rfind("写入 50，读回 45\n高温报警（°C），30…80", 0), 0u) << c.main.tips["S_TempMax_Text"];
    ASSERT_EQ(told.size(), 1u) << "one verdict per transmission";
    EXPECT_EQ(told[0].text, notTaken);
    EXPECT_FALSE(c.main.Flag("S_TECcoolStart_Text", kNotTaken));

    c.Run(13);  // the board falls silent: that comes first, the mark stays
    EXPECT_EQ(c.Said(), kNoReply);
    EXPECT_TRUE(c.main.Flag("S_TempMax_Text", kNotTaken));

    if (std::string(ending) == "taken") {
      c.Answer(Resealed(kWorked, {{17, 90}}));
    } else if (std::string(ending) == "edited") {
      c.main.SetText("S_TempMax_Text", "55");
      c.form.EditedByOperator("S_TempMax_Text");
      c.Answer(kWorked);
    } else {
      c.form.OnSendSettings();
      c.Answer(kWorked);
    }
    EXPECT_FALSE(c.main.Flag("S_TempMax_Text", kNotTaken)) << ending;
    EXPECT_EQ(c.main.tips["S_TempMax_Text"], "高温报警（°C），30…80；与读回值不同时由“发送设置”写入");
    EXPECT_EQ(c.Said(), "ok/ 通信正常：/dev/ttyUSB0") << ending;
  }
}

// The original's bare boxes keep their texts; the status bar says which field and what it takes,
// and a value that cannot be sent is marked and focused until edited.
TEST(LineState, BoxesAreExplainedInTheStatusBar) {
  Line c;
  c.OpenPort();
  c.main.SetText("S_TempMax_Text", "90");
  c.form.Validate("S_TempMax_Text");
  EXPECT_EQ(c.box.shown.back(), "数据错误！");
  EXPECT_EQ(c.Said(), "waiting/hint 高温报警：30…80 °C");
  c.main.SetText("S_IntFanPulse_Text", "4");
  c.form.Validate("S_IntFanPulse_Text");
  EXPECT_EQ(c.Status(), "内风机每转脉冲：2…3 的整数");
  c.Run(13);
  EXPECT_EQ(c.Said(), kNoReply) << "a line that fails meanwhile comes first";
  c.Run(28);
  EXPECT_EQ(c.Notice(), "") << "an explanation goes after 10 s";

  c.Answer(kWorked);
  c.main.SetText("S_TempMax_Text", "50");
  c.form.OnSendSettings();
  EXPECT_TRUE(c.Status().ends_with("；按“复制设置”从控制板读回值填入")) << c.Status();
  for (int i = 0; i < 11; ++i) c.Answer(kWorked), c.Run(3);  // that explanation has gone
  c.form.OnCopySettings();
  EXPECT_EQ(c.Status(), "复制设置：读回值替换了 内风机每转脉冲 4→2、高温报警 50→45");
  c.main.SetText("SetupT_Text", "100");
  c.form.OnSendSimTemperature();
  EXPECT_EQ(c.Status(), "模拟温度：-40…80 °C");

  c.main.SetText("S_IntFanLowS_Text", "70000");
  c.form.OnSendSettings();
  EXPECT_EQ(c.box.shown.back() + " " + c.main.focus, "数据错误！ S_IntFanLowS_Text");
  EXPECT_TRUE(c.main.Flag("S_IntFanLowS_Text", kInvalid));
  EXPECT_EQ(c.Status(), "内风机低速转速：600…5500 r/min");
  c.form.EditedByOperator("S_IntFanLowS_Text");
  EXPECT_FALSE(c.main.Flag("S_IntFanLowS_Text", kInvalid));
  c.factory.SetText("S_Temp1Calib_Text", "300");
  c.window.OnSendFactorySettings();
  EXPECT_EQ(c.factory.focus, "S_Temp1Calib_Text");
  EXPECT_TRUE(c.factory.Flag("S_Temp1Calib_Text", kInvalid));
}

}  // namespace
}  // namespace kestrova::testing
