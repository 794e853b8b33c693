// Under English every text an operator can see is English: every window, menu, tool window,
// tooltip and the about box is walked widget by widget for a Chinese character. With
// KESTROVA_SHOTS set to a folder the windows are also saved there as PNGs to be looked at.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>
#include <sstream>

#include "app/command_line.h"
#include "app/console_windows.h"
#include "app/tools_menu.h"
#include "fakes/console_fixture.h"
#include "fakes/fakes.h"
#include "link/link_status.h"
#include "link/write_check.h"
#include "settings/box_hints.h"
#include "qt/tools/profile_file.h"
#include "qt/translations.h"
#include "settings/setting_pairs.h"
#include "tools/recorder.h"
#include "qt/ui_support.h"

namespace kestrova::testing {
namespace {

bool HasChinese(const QString& text) {
  static const QRegularExpression han(QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
  return text.contains(han);
}

// Every visible text of the widget and its children: captions, titles, fields, tooltips,
// menu entries and the headers of tables.
// Each as "where: text"; the objectName in "where" is the console's own and may be Chinese.
QList<std::pair<QString, QString>> VisibleTexts(QWidget& window) {
  QList<std::pair<QString, QString>> texts;
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* w : widgets) {
    const QString name = w->metaObject()->className() + QStringLiteral(" ") + w->objectName();
    const auto where = [&](const QString& text) { return std::pair{name, text}; };
    texts << where(w->windowTitle()) << where(w->toolTip()) << where(w->accessibleName());
    if (auto* label = qobject_cast<QLabel*>(w)) texts << where(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << where(button->text());
    if (auto* field = qobject_cast<QLineEdit*>(w)) texts << where(field->text()) << where(field->placeholderText());
    if (auto* group = qobject_cast<QGroupBox*>(w)) texts << where(group->title());
    if (auto* combo = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < combo->count(); ++i) texts << where(combo->itemText(i));
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model())
      for (int c = 0; c < view->model()->columnCount(); ++c)
        texts << where(view->model()->headerData(c, Qt::Horizontal).toString());
    for (QAction* action : w->actions()) {
      texts << where(action->text()) << where(action->toolTip());
      if (action->menu()) texts << where(action->menu()->title());
    }
  }
  return texts;
}

void ExpectEnglish(QWidget& window) {
  for (const auto& [where, text] : VisibleTexts(window))
    EXPECT_FALSE(HasChinese(text)) << where.toStdString() << ": " << text.toStdString();
  if (const QByteArray dir = qgetenv("KESTROVA_SHOTS"); !dir.isEmpty())
    window.grab().save(QString::fromUtf8(dir) + QLatin1Char('/') + window.objectName() + QStringLiteral(".png"));
}

TEST(EnglishInterface, NoWindowMenuToolWindowOrAboutBoxShowsChinese) {
  const InterfaceLanguage english(Language::kEnglish);
  ASSERT_TRUE(english.Loaded());
  FakeSerialPort port;
  FakeMessageBox box;
  ConsoleWindows windows(port, box);
  ToolsMenu tools(windows);
  windows.Load();
  windows.ShowMain();
  windows.Form().OnPollTick();  // the status bar's sentence and counts
  windows.FactoryView().show();
  windows.PasswordView().show();
  QWidget* const shown[] = {&windows.MainView(), &windows.FactoryView(), &windows.PasswordView()};
  for (QWidget* window : shown) ExpectEnglish(*window);

  for (const char* action : {"Action_Traffic", "Action_Trend", "Action_Events", "Action_BusScan"}) {
    auto* item = tools.Bar().findChild<QAction*>(QString::fromUtf8(action));
    ASSERT_NE(item, nullptr) << action;
    item->trigger();
  }
  ExpectEnglish(tools.Traffic());
  ExpectEnglish(tools.Trend());
  ExpectEnglish(tools.Events());
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->objectName().contains(QStringLiteral("Scan"))) ExpectEnglish(*window);

  // The about box is modal: read it and close it once it shows.
  bool aboutSeen = false;
  QTimer::singleShot(0, [&] {
    if (auto* about = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      aboutSeen = true;
      about->setObjectName(QStringLiteral("About"));
      ExpectEnglish(*about);
      about->accept();
    }
  });
  tools.Bar().findChild<QAction*>(QStringLiteral("Action_About"))->trigger();
  EXPECT_TRUE(aboutSeen);
}

TEST(CommandLine, LanguageOptionOverridesTheLocaleAndOtherWordsAreRefused) {
  const auto english = [](const char* name) -> const char* { return std::string_view(name) == "LANG" ? "en_US.UTF-8" : nullptr; };
  const auto parse = [&](std::vector<const char*> args) {
    args.insert(args.begin(), "kestrova");
    return ParseCommandLine(static_cast<int>(args.size()), args.data(), english);
  };
  EXPECT_EQ(parse({}).language, Language::kEnglish);
  EXPECT_EQ(parse({"--language", "zh"}).language, Language::kChinese);
  const CommandLine wrong = parse({"--language", "fr"});
  EXPECT_EQ(wrong.action, CommandLine::Action::kUnknownOption);
  std::ostringstream out, err;
  EXPECT_EQ(AnswerCommandLine(wrong, out, err), 2);
  EXPECT_NE(err.str().find("unknown option '--language fr'"), std::string::npos) << err.str();
  EXPECT_EQ(AnswerCommandLine(parse({"--help"}), out, err), 0);
  EXPECT_NE(out.str().find("--language zh|en"), std::string::npos);
}

// A recording's header follows the interface language; its numbers keep their form.
TEST(EnglishInterface, RecordingHeaderFollowsTheLanguageAndNumbersDoNot) {
  RunDataReadout shown;
  shown.innerTemp = "25.5";
  shown.outerTemp = "-3";
  shown.current = "1.2";
  shown.innerFan = " 2400";
  shown.readBacks.fill("45");
  std::string header[2], row[2];
  for (const Language& language : {Language::kChinese, Language::kEnglish}) {
    const InterfaceLanguage interface(language);
    const int i = language == Language::kEnglish ? 1 : 0;
    header[i] = Recorder::HeaderText();
    row[i] = Recorder::RowText(0, shown);
  }
  EXPECT_EQ(header[0].substr(0, header[0].find(",控制温度")), "时间,内温度(°C),外温度(°C)");
  EXPECT_EQ(header[1].substr(0, header[1].find(",Control")), "Time,Inner temperature(°C),Outer temperature(°C)");
  EXPECT_NE(header[1].find(",high temperature alarm(°C),"), std::string::npos) << header[1];
  EXPECT_EQ(std::count(header[0].begin(), header[0].end(), ','), std::count(header[1].begin(), header[1].end(), ','));
  // The numbers are the same; the lamps' words are in the language of the header.
  const auto numbers = [](const std::string& line) { return line.substr(0, line.find(",45,45,45,45,45,45,45,45,45,45,45,45,45")); };
  EXPECT_EQ(numbers(row[0]), numbers(row[1]));
  EXPECT_EQ(numbers(row[1]).substr(numbers(row[1]).find(',')), ",25.5,-3,,1.2,,2400,,");
}

// The status bar's sentences, counts and tooltips, the explanations of a box, the write check
// and the recording note are English too, and the Chinese ones are unchanged.
TEST(EnglishInterface, StatusBarWriteCheckAndRecordingNoteSpeakEnglish) {
  const auto said = [](Language language) {
    const InterfaceLanguage interface(language);
    ConsoleFixture console;
    std::vector<std::string> texts;
    const auto status = [&] {
      texts.push_back(console.main.Text(main_window::kLinkStatus));
      texts.push_back(console.main.tips[std::string(main_window::kLinkStatus.name)]);
    };
    console.form.OnPollTick();
    status();  // closed, with every probed port's state in the tooltip
    console.OpenPort();
    console.form.OnSendSettings();
    status();  // which settings are not filled in
    texts.push_back(console.main.Text(main_window::kLinkStats));
    texts.push_back(LinkStatsWidestText());
    for (const SettingPair& pair : kSettingPairs) texts.push_back(FieldAccepts(pair.edit));
    texts.push_back(FieldAccepts(main_window::kSimTemperature.name));
    texts.push_back(NotTakenSentence({{"S_TempMax_Text", "高温报警", "50", "45"}}));
    texts.push_back(LostText("/dev/ttyUSB0", PortFault::Lost));
    LinkView view;
    view.probe = {{1, "/dev/ttyUSB0", PortFault::NoPermission}, {2, "/dev/ttyUSB1", PortFault::Busy}};
    texts.push_back(LinkStatusLine(view, LinkStatistics(), 0).tip);
    LinkStatistics silent;  // a request and no answer for five seconds
    silent.Opened(0);
    silent.Sent(Hex("05 01 0F 00 15"), 0);
    view.open = true;
    view.device = "/dev/ttyUSB0";
    texts.push_back(LinkStatusLine(view, silent, 5000).text);
    texts.push_back(AgeText(7'200'000));
    RecordingGap gap;
    texts.push_back(gap.Note("a.csv", 3));
    texts.push_back(gap.Tick(0, true, "x").value_or(""));
    texts.push_back(gap.Row(5000).value_or(""));
    return texts;
  };
  const std::vector<std::string> chinese = said(Language::kChinese), inEnglish = said(Language::kEnglish);
  ASSERT_EQ(chinese.size(), inEnglish.size());
  for (std::size_t i = 0; i < inEnglish.size(); ++i) {
    EXPECT_FALSE(inEnglish[i].empty()) << i;
    EXPECT_FALSE(HasChinese(QString::fromStdString(inEnglish[i]))) << inEnglish[i];
    EXPECT_TRUE(HasChinese(QString::fromStdString(chinese[i]))) << chinese[i];
  }
  EXPECT_EQ(chinese[2], "未填写：制冷开启温度、制冷停止温度、制热开启温度、制热停止温度、电流低限、电流高限、内风机每转脉冲、"
                        "内风机低速转速、内风机高速转速、外风机每转脉冲、外风机高速转速、高温报警、低温报警；"
                        "收到控制板的运行数据后，按“复制设置”从读回值填入");
  const InterfaceLanguage english(Language::kEnglish);
  EXPECT_EQ(NotTakenSentence({{"S_TempMax_Text", "高温报警", "50", "45"}}),
            "Settings not taken: high temperature alarm wrote 50, read back 45");
}

}  // namespace
}  // namespace kestrova::testing
