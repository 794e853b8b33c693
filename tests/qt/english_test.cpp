// Under English every text an operator can see is English: every window, menu, tool window
// and tooltip is walked widget by widget for a Chinese character. With KESTROVA_SHOTS set to a
// folder the windows are also saved there as PNGs to be looked at.
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
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/console_windows.h"
#include "app/tools_menu.h"
#include "fakes/console_fixture.h"
#include "fakes/fakes.h"
#include "link/link_status.h"
#include "link/write_check.h"
#include "settings/box_hints.h"
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
  const QList<QWidget*> widgets = window.findChildren<QWidget*>() << &window;
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

TEST(EnglishInterface, NoWindowMenuOrToolWindowShowsChinese) {
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
  for (const char* action : {"Action_Traffic", "Action_Trend", "Action_Events", "Action_BusScan"})
    tools.Bar().findChild<QAction*>(QString::fromUtf8(action))->trigger();
  QWidgetList shown = QApplication::topLevelWidgets();
  shown.removeIf([](QWidget* window) { return !window->isVisible(); });
  EXPECT_EQ(shown.size(), 7) << "main, factory, password, traffic, trend, events and bus scan";
  for (QWidget* window : shown) ExpectEnglish(*window);
}

// An English locale gives English unless --language says otherwise.
TEST(CommandLine, LanguageOptionOverridesTheLocale) {
  const auto english = [](const char* name) -> const char* { return std::string_view(name) == "LANG" ? "en_US.UTF-8" : nullptr; };
  const char* plain[] = {"kestrova"};
  const char* chinese[] = {"kestrova", "--language", "zh"};
  EXPECT_EQ(ParseCommandLine(1, plain, english).language, Language::kEnglish);
  EXPECT_EQ(ParseCommandLine(3, chinese, english).language, Language::kChinese);
}

// The sentences the core composes: the status bar's sentences, counts and tooltips, the
// explanations of a box, the write check, the recording's note and header follow the
// interface language.
TEST(EnglishInterface, TheCoresSentencesFollowTheLanguage) {
  const auto said = [](Language language) {
    const InterfaceLanguage interface(language);
    ConsoleFixture console;
    std::vector<std::string> texts;
    const auto status = [&] {
      texts.insert(texts.end(), {console.main.Text(main_window::kLinkStatus),
                                 console.main.tips[std::string(main_window::kLinkStatus.name)]});
    };
    console.form.OnPollTick();
    status();  // closed, with every probed port's state in the tooltip
    console.OpenPort();
    console.form.OnSendSettings();
    status();  // which settings are not filled in
    for (const SettingPair& pair : kSettingPairs) texts.push_back(FieldAccepts(pair.edit));
    LinkStatistics silent;  // a request and no answer for five seconds
    silent.Opened(0);
    silent.Sent(Hex("05 01 0F 00 15"), 0);
    LinkView view;
    view.open = true;
    view.device = "/dev/ttyUSB0";
    RecordingGap gap;  // the list is taken in order: the note, a stop, then the gap's row
    texts.insert(texts.end(), {console.main.Text(main_window::kLinkStats), LinkStatsWidestText(),
                               FieldAccepts(main_window::kSimTemperature.name),
                               NotTakenSentence({{"S_TempMax_Text", "高温报警", "50", "45"}}),
                               LostText("/dev/ttyUSB0", PortFault::Lost),
                               LinkStatusLine(view, silent, 5000).text,
                               AgeText(7'200'000), gap.Note("a.csv", 3), gap.Tick(0, true, "x").value_or(""),
                               gap.Row(5000).value_or(""), Recorder::HeaderText()});
    return texts;
  };
  const std::vector<std::string> chinese = said(Language::kChinese), inEnglish = said(Language::kEnglish);
  ASSERT_EQ(chinese.size(), inEnglish.size());
  for (std::size_t i = 0; i < inEnglish.size(); ++i) {
    EXPECT_FALSE(inEnglish[i].empty()) << i;
    EXPECT_FALSE(HasChinese(QString::fromStdString(inEnglish[i]))) << inEnglish[i];
    EXPECT_TRUE(HasChinese(QString::fromStdString(chinese[i]))) << chinese[i];
  }
  // No English caption adds a column to the recording.
  const auto columns = [](const std::string& header) { return std::count(header.begin(), header.end(), ','); };
  EXPECT_EQ(columns(chinese.back()), columns(inEnglish.back()));
}

}  // namespace
}  // namespace kestrova::testing
