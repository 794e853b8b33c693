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

#include "app/console_windows.h"
#include "app/tools_menu.h"
#include "fakes/fakes.h"
#include "qt/translations.h"
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

}  // namespace
}  // namespace kestrova::testing
