// The service tools on the whole console against the board simulator: the recording holds
// a row for exactly each set the window showed, and profiles go to and come back from a file with
// nothing but reads on the line.
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "qt/tools/save_file.h"
#include "serial/console_harness.h"
#include "settings/setting_pairs.h"
#include "tools/frame_meaning.h"

namespace kestrova::testing {
namespace {

TEST(ServiceToolsEndToEnd, RecordingProfilesAndTheTrafficMonitorOnOneVisit) {
  Console c;
  std::vector<std::string> recorded;  // the counter, inner temperature and voltage of each set shown while recording
  auto shown = c.windows.Form().runDataShown;
  c.windows.Form().runDataShown = [&](const ReceiveRing& ring) {
    shown(ring);  // the row is written first, as in the console
    if (c.tools.Recording().Active())
      recorded.push_back(c.Text("CommCtr_Text") + "," + c.Text("Temp1_Text") + "," + c.Text("DCvoltage_Text"));
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

  QFile record(c.nextFile);
  ASSERT_TRUE(record.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = record.readAll().split('\n');
  ASSERT_EQ(static_cast<std::size_t>(lines.size()), recorded.size() + 2);  // header, rows, empty after the last
  const QList<QByteArray> header = lines[0].trimmed().mid(3).split(',');
  // Every column's conversion is the recording tests' business; here each row is the set shown.
  for (std::size_t r = 0; r < recorded.size(); ++r) {
    const QList<QByteArray> row = lines[static_cast<qsizetype>(r) + 1].trimmed().split(',');
    ASSERT_EQ(row.size(), header.size());
    const auto at = [&](const char* column) { return row.value(header.indexOf(QByteArray(column))).toStdString(); };
    EXPECT_EQ(at("通信计数") + "," + at("内温度(°C)") + "," + at("直流电压(V)"), recorded[r]);
  }

  // Profiles: saved and loaded back while the traffic monitor listens to the line.
  ASSERT_TRUE(c.WaitText("TempMax_Text", "45"));
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
                                    QByteArray(saved).replace("\"code\": 12", "\"code\": 99")}) {
    ASSERT_EQ(SaveFile(c.nextFile, refused), std::nullopt);
    c.Trigger("Action_LoadProfile");
  }
  EXPECT_EQ(c.box.shown, (std::vector<std::string>{"设置档案中 高温报警 的值 300 超出范围 -40…215",
                                                   "文件不是有效的设置档案（格式错误）", "设置档案缺少 高温报警"}));
  EXPECT_EQ(c.Text("S_TempMax_Text"), "45");  // unchanged by the refused files

  // Several polls later: only reads went out.
  ASSERT_TRUE(c.RunData(2));
  c.tools.Traffic().Refresh();
  const TrafficLog& log = c.tools.TrafficData();
  ASSERT_GE(log.Size(), 4u);
  for (std::size_t i = 0; i < log.Size(); ++i)
    EXPECT_TRUE(log.At(i).direction != LinkEvent::Direction::Sent || FrameMeaning(log.At(i)).rfind("读", 0) == 0)
        << FrameMeaning(log.At(i));
}

}  // namespace
}  // namespace kestrova::testing
