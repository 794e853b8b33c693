// The service tools on the whole console against the board simulator, on one visit: the
// recording holds a row for exactly each set the window showed; profiles go to and come back from
// a file with nothing but reads on the line; then, with one setting written, the service report's
// PDF text (pdftotext) holds the board, the measured values and settings exactly as the window
// showed them and the events, and every font is embedded (pdffonts). Without run data, or where
// the file cannot be written, no report is left behind and the operator is told why.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "qt/tools/save_file.h"
#include "serial/console_harness.h"
#include "settings/setting_pairs.h"
#include "tools/frame_meaning.h"

namespace kestrova::testing {
namespace {

// What a poppler tool prints for the file.
QString ToolOutput(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ServiceToolsEndToEnd, RecordingProfilesTrafficAndReportsOnOneVisit) {
  Console c;
  std::vector<std::string> recorded;  // the counter, inner temperature and voltage of each set shown while recording
  auto shown = c.windows.Form().runDataShown;
  c.windows.Form().runDataShown = [&](const ReceiveRing& ring) {
    shown(ring);  // the row is written first, as in the console
    if (c.tools.Recording().Active())
      recorded.push_back(c.Text("CommCtr_Text") + "," + c.Text("Temp1_Text") + "," + c.Text("DCvoltage_Text"));
  };
  QTemporaryDir dir;
  // Before any run data the report is refused without a file asked for or written.
  c.nextFile = dir.filePath(QStringLiteral("early.pdf"));
  c.Trigger("Action_Report");
  ASSERT_EQ(c.box.shown.size(), 1u);
  EXPECT_EQ(c.box.shown[0].rfind("还没有运行数据", 0), 0u) << c.box.shown[0];
  EXPECT_TRUE(c.suggested.isEmpty());  // nor written: see the folder's entries at the end
  c.box.shown.clear();

  c.nextFile = dir.filePath(QStringLiteral("record.csv"));
  ASSERT_TRUE(c.OpenPort());
  c.Trigger("Action_Record");
  ASSERT_TRUE(c.tools.Recording().Active());
  ASSERT_TRUE(QTest::qWaitFor([&] { return c.tools.Recording().Rows() >= 4; }, 10000));
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
  ASSERT_TRUE(c.WaitText("TempMax_Text", "45") && c.WaitText("TextBox1", "M1"));
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
  c.box.shown.clear();

  // Several polls later: only reads went out.
  ASSERT_TRUE(c.RunData(2));
  c.tools.Traffic().Refresh();
  const TrafficLog& log = c.tools.TrafficData();
  ASSERT_GE(log.Size(), 4u);
  for (std::size_t i = 0; i < log.Size(); ++i)
    EXPECT_TRUE(log.At(i).direction != LinkEvent::Direction::Sent || FrameMeaning(log.At(i)).rfind("读", 0) == 0)
        << FrameMeaning(log.At(i));

  // The high-temperature limit goes from 45 to 50, then the report.
  c.Click(c.Main(), "Copy_Command");
  c.Type(c.Main(), "S_TempMax_Text", "50");
  c.Click(c.Main(), "Setup_Command");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !c.Events("设置已写入，读回一致（1 项）").empty(); }, 10000));
  ASSERT_TRUE(c.RunData(2));

  c.nextFile = dir.filePath(QStringLiteral("visit.pdf"));
  c.Trigger("Action_Report");
  // No event was processed since: the window still shows the report's run data.
  std::vector<std::string> rows{"控制板型号 M1", "软件版本 VA2.3", "版本说明 半导体制冷制热", "通信方式 RS485",
                                "串口 " + c.sim.path, "高温报警 50 50 一致", "高温告警 灭"};
  for (const auto& [caption, field, unit] : {std::tuple{"内温度", "Temp1_Text", "°C"}, {"外温度", "Temp2_Text", ""},
                                             {"控制温度", "ControlTemp_Text", "°C"}, {"实时电流", "TECcurrent_Text", "A"},
                                             {"直流电压", "DCvoltage_Text", "V"}, {"内风机当前转速", "IntFanSpeed_Text", "r/min"},
                                             {"外风机当前转速", "ExtFanSpeed_Text", "r/min"}, {"通信计数", "CommCtr_Text", ""}})
    rows.push_back(std::string(caption) + " " + c.Text(field) + " " + unit);
  for (const SettingPair& pair : kSettingPairs)
    rows.push_back(std::string(pair.caption) + " " + c.Text(pair.readBack) + " " + std::string(pair.unit));
  EXPECT_EQ(c.Text("TempMax_Text"), "50");
  ASSERT_TRUE(c.box.shown.empty()) << c.box.shown.front();
  EXPECT_TRUE(c.suggested.endsWith(QStringLiteral(".pdf")));
  EXPECT_TRUE(QFileInfo(c.suggested).fileName().startsWith(QStringLiteral("kestrova-report-M1-1-")));

  const QString text = ToolOutput("pdftotext", {"-layout", c.nextFile, "-"});
  ASSERT_FALSE(text.isEmpty()) << "pdftotext (Debian poppler-utils) gave no text";
  const QString words = " " + text.simplified() + " ";  // the rows' words in reading order
  for (const std::string& row : rows)
    EXPECT_TRUE(words.contains(" " + QString::fromStdString(row).simplified() + " ")) << row;
  for (const char* event : {"串口已打开", "设置已写入，读回一致（1 项）"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(event))) << event;

  // Every font is embedded: the "emb" column of pdffonts says yes on every font's line.
  const QStringList fonts = ToolOutput("pdffonts", {c.nextFile}).split('\n', Qt::SkipEmptyParts);
  ASSERT_GT(fonts.size(), 2);  // the heading, the rule and at least one font
  const qsizetype emb = fonts[0].indexOf("emb");
  for (qsizetype i = 2; i < fonts.size(); ++i) EXPECT_EQ(fonts[i].mid(emb, 3), "yes") << fonts[i].toStdString();

  // A folder that does not exist; a file name that is a folder already: nothing is left behind.
  const QString missing = dir.filePath(QStringLiteral("gone/report.pdf"));
  const QString folder = dir.filePath(QStringLiteral("taken.pdf"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
  for (const QString& path : {missing, folder}) {
    c.box.shown.clear();
    c.nextFile = path;
    c.Trigger("Action_Report");
    ASSERT_EQ(c.box.shown.size(), 1u);
    EXPECT_EQ(c.box.shown[0].rfind("无法写入服务报告 " + path.toStdString() + "：", 0), 0u) << c.box.shown[0];
  }
  EXPECT_FALSE(QFile::exists(missing));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            (QStringList{"p.json", "record.csv", "taken.pdf", "visit.pdf"}));
}

}  // namespace
}  // namespace kestrova::testing
