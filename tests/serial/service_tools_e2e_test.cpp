// The service tools on the whole console against the board simulator: the recording holds
// exactly what the board sent, profiles go to and come back from a file without anything sent,
// and the traffic monitor listens only while its window is open.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/tools_menu.h"
#include "monitor/run_data.h"
#include "serial/console_harness.h"
#include "settings/setting_pairs.h"
#include "tools/frame_meaning.h"

namespace kestrova::testing {
namespace {

struct ToolsConsole : Console {
  ToolsConsole() {
    tools.AskFile = [this](const QString&, const QString&, const QString&, bool) { return nextFile; };
  }
  void Trigger(const char* action) { Find<QAction>(windows.MainView(), action).trigger(); }
  ToolsMenu tools{windows};
  QString nextFile;
};

std::string Temperature(std::uint8_t b) {
  return b == 254 ? "开路" : b == 255 ? "短路" : QString::number((b - 80) / 2.0).toStdString();
}

TEST(ServiceToolsEndToEnd, RecordedRowsAreWhatTheBoardSent) {
  ToolsConsole c;
  std::vector<std::vector<std::uint8_t>> frames;
  auto shown = c.windows.Form().runDataShown;
  c.windows.Form().runDataShown = [&](const ReceiveRing& ring) {
    shown(ring);  // the row is written first, as in the console
    std::vector<std::uint8_t> f(36);
    for (int k = 0; k < 36; ++k) f[static_cast<std::size_t>(k)] = ring.At(k);
    if (c.tools.Recording().Active()) frames.push_back(f);
  };
  QTemporaryDir dir;
  c.nextFile = dir.filePath(QStringLiteral("record.csv"));
  ASSERT_TRUE(c.OpenPort());
  c.Trigger("Action_Record");
  ASSERT_TRUE(c.tools.Recording().Active());
  ASSERT_TRUE(WaitFor([&] { return c.tools.Recording().Rows() >= 4; }, 10000));
  EXPECT_EQ(Find<QLabel>(c.Main(), "RecordStatus").text().toStdString(), "记录中：record.csv（" + std::to_string(c.tools.Recording().Rows()) + " 行）");
  c.Trigger("Action_Record");
  EXPECT_FALSE(c.tools.Recording().Active());
  EXPECT_EQ(Find<QAction>(c.Main(), "Action_Record").text().toStdString(), "开始记录…");

  QFile file(c.nextFile);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  ASSERT_EQ(static_cast<std::size_t>(lines.size()), frames.size() + 2);  // header, rows, empty after the last
  const QList<QByteArray> header = lines[0].trimmed().mid(3).split(',');
  for (std::size_t r = 0; r < frames.size(); ++r) {
    const auto& f = frames[r];
    const QList<QByteArray> row = lines[static_cast<qsizetype>(r) + 1].trimmed().split(',');
    ASSERT_EQ(row.size(), header.size());
    const auto at = [&](const char* column) { return row.value(header.indexOf(QByteArray(column))).toStdString(); };
    // Every column's conversion is the recording tests' business; here each row is the frame shown.
    EXPECT_EQ(at("内温度(°C)"), Temperature(f[25]));
    EXPECT_EQ(at("直流电压(V)"), QString::number((f[29] * 256 + f[30]) / 10.0).toStdString());
    EXPECT_EQ(at("高温报警(°C)"), std::to_string(f[17] - 40));
  }
}

TEST(ServiceToolsEndToEnd, ProfilesRoundTripAndABadFileChangesNothing) {
  ToolsConsole c;
  QTemporaryDir dir;
  ASSERT_TRUE(c.OpenPort());
  ASSERT_TRUE(c.WaitText("TempMax_Text", "45"));
  // Listen to the line while the profile goes out and comes back.
  c.tools.Traffic().show();
  c.nextFile = dir.filePath(QStringLiteral("p.json"));
  c.Trigger("Action_SaveProfile");
  c.Trigger("Action_LoadProfile");
  EXPECT_TRUE(c.box.shown.empty());
  for (const SettingPair& pair : kSettingPairs) {
    EXPECT_EQ(c.Text(pair.edit), c.Text(pair.readBack)) << pair.caption;
    EXPECT_FALSE(Find<QLineEdit>(c.Main(), pair.edit).property("differs").toBool()) << pair.caption;
  }

  QFile file(c.nextFile);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray saved = file.readAll().replace("\"value\": 45", "\"value\": 50");  // refused: stays 45
  file.close();
  for (const QByteArray& refused : {QByteArray(saved).replace("\"value\": 50", "\"value\": 300"), QByteArray("{ not json"),
                                    QByteArray(saved).replace("kestrova-setting-profile", "other-tool"),
                                    QByteArray(saved).replace("\"code\": 12", "\"code\": 99")}) {
    QFile f(c.nextFile);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(refused);
    f.close();
    c.Trigger("Action_LoadProfile");
  }
  EXPECT_EQ(c.box.shown, (std::vector<std::string>{"设置档案中 高温报警 的值 300 超出范围 -40…215",
                                                   "文件不是有效的设置档案（格式错误）", "文件不是 Kestrova 设置档案",
                                                   "设置档案缺少 高温报警"}));
  EXPECT_EQ(c.Text("S_TempMax_Text"), "45");  // unchanged by the refused files

  // Several polls later: only reads went out.
  const int after = std::stoi(c.Text("CommCtr_Text")) + 2;
  ASSERT_TRUE(WaitFor([&] { return std::stoi(c.Text("CommCtr_Text")) >= after; }, 8000));
  c.tools.Traffic().Refresh();
  const TrafficLog& log = c.tools.TrafficData();
  ASSERT_GE(log.Size(), 4u);
  for (std::size_t i = 0; i < log.Size(); ++i) {
    if (log.At(i).direction == LinkEvent::Direction::Sent) {
      EXPECT_EQ(FrameMeaning(log.At(i)).rfind("读", 0), 0u);
    }
  }

  // Closed, the monitor no longer listens.
  c.tools.Traffic().close();
  const std::int64_t end = log.EndNumber();
  const int later = std::stoi(c.Text("CommCtr_Text")) + 2;
  ASSERT_TRUE(WaitFor([&] { return std::stoi(c.Text("CommCtr_Text")) >= later; }, 8000));
  EXPECT_EQ(log.EndNumber(), end);
}

}  // namespace
}  // namespace kestrova::testing
