// The service report of a visit to the board simulator with one setting written: the PDF's
// text (pdftotext) holds the board, the measured values and settings exactly as the window
// showed them and the events, and every font is embedded (pdffonts). Without run data, or where
// the file cannot be written, nothing is left behind and the operator is told why.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "serial/console_harness.h"
#include "settings/setting_pairs.h"

namespace kestrova::testing {
namespace {

// What a poppler tool prints for the file.
QString ToolOutput(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ServiceReportEndToEnd, AVisitWithAWrittenSettingAndRefusedReports) {
  Console c;
  QTemporaryDir dir;
  // Before any run data the report is refused without a file asked for or written.
  c.nextFile = dir.filePath(QStringLiteral("early.pdf"));
  c.Trigger("Action_Report");
  ASSERT_EQ(c.box.shown.size(), 1u);
  EXPECT_EQ(c.box.shown[0].rfind("还没有运行数据", 0), 0u) << c.box.shown[0];
  EXPECT_TRUE(c.suggested.isEmpty());  // nor written: see the folder's entries at the end
  c.box.shown.clear();

  ASSERT_TRUE(c.OpenPort());
  ASSERT_TRUE(c.WaitText("TempMax_Text", "45") && c.WaitText("TextBox1", "M1"));
  // The high-temperature limit goes from 45 to 50.
  c.Click(c.Main(), "Copy_Command");
  c.Type(c.Main(), "S_TempMax_Text", "50");
  c.Click(c.Main(), "Setup_Command");
  ASSERT_TRUE(WaitFor([&] { return !c.Events("设置已写入，读回一致（1 项）").empty(); }, 10000));
  ASSERT_TRUE(c.RunData(2));

  c.nextFile = dir.filePath(QStringLiteral("visit.pdf"));
  c.Trigger("Action_Report");
  // No event was processed since: the window still shows the report's run data.
  std::vector<std::string> rows{"控制板型号 M1", "软件版本 VA2.3", "版本说明 半导体制冷制热", "通信方式 RS485",
                                "串口 " + c.sim.Path(), "高温报警 50 50 一致", "高温告警 灭"};
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
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), (QStringList{"taken.pdf", "visit.pdf"}));
}

}  // namespace
}  // namespace kestrova::testing
