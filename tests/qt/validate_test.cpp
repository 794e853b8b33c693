// The validate event on a small window of its own: which focus moves run the check, that a
// clicked button still gets its click afterwards, and where the focus ends after a box.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "qt/message_box.h"
#include "qt/ui_support.h"
#include "qt/validate_filter.h"

namespace kestrova::testing {
namespace {

using Log = std::vector<std::string>;

// A watched field, another field, a button and a caption, shown; the focus on the watched field.
// The check may show a real message box, which is closed once it is up.
struct CheckedWindow {
  QWidget window;
  QLineEdit* watched = new QLineEdit(&window);
  QLineEdit* other = new QLineEdit(&window);
  QPushButton* button = new QPushButton(QStringLiteral("发送设置"), &window);
  QLabel* caption = new QLabel(QStringLiteral("高温报警"), &window);
  ValidateFilter filter{window};
  QtMessageBox box;
  bool showBox = false;
  std::function<void()> whileBoxIsUp;  // the operator's doing before pressing OK
  Log log;

  CheckedWindow() {
    window.resize(220, 120);
    watched->setGeometry(10, 10, 80, 20);
    other->setGeometry(10, 40, 80, 20);
    button->setGeometry(10, 70, 80, 25);
    caption->setGeometry(100, 10, 80, 20);
    filter.Watch(watched, [this] {
      log.push_back("check");
      if (!showBox) return;
      CloseBoxWhenUp();
      box.Show("数据错误！");
    });
    QObject::connect(button, &QPushButton::clicked, [this] { log.push_back("click"); });
    EXPECT_TRUE(ShowActive(window));
    watched->setFocus(Qt::OtherFocusReason);
  }
  void CloseBoxWhenUp() {
    QTimer::singleShot(0, [this] {
      auto* seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!seen) return CloseBoxWhenUp();
      log.push_back(seen->text().toStdString());
      if (whileBoxIsUp) whileBoxIsUp();
      EXPECT_EQ(seen->windowTitle(), QStringLiteral("Kestrova_v20"));
      EXPECT_EQ(seen->buttons().size(), 1);
      EXPECT_EQ(seen->icon(), QMessageBox::NoIcon);
      EXPECT_EQ(seen->parentWidget(), &window);  // over the window the operator works in
      seen->button(QMessageBox::Ok)->click();
    });
  }
  // A click as the window system delivers it: to the window, which finds the control under it.
  void Click(QWidget* target) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, target->mapTo(&window, target->rect().center()));
  }
  QWidget* FocusAfterTheBox() {
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    return QApplication::focusWidget();
  }
};

// Tab, Shift+Tab and a click on another field leave the field; a click inside it or on a caption,
// leaving an unwatched field, and the window losing the activation do not.
TEST(ValidateEvent, WhichMovesOfTheFocusRunTheCheck) {
  CheckedWindow w;
  w.Click(w.watched);
  w.Click(w.caption);
  QWidget elsewhere;
  ASSERT_TRUE(ShowActive(elsewhere));
  ASSERT_TRUE(ShowActive(w.window));
  EXPECT_EQ(QApplication::focusWidget(), w.watched);
  EXPECT_TRUE(w.log.empty());
  QTest::keyClick(w.watched, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w.other);
  QTest::keyClick(w.other, Qt::Key_Backtab);
  QTest::keyClick(w.watched, Qt::Key_Tab, Qt::ShiftModifier);
  w.Click(w.watched);
  w.Click(w.other);
  EXPECT_EQ(w.log, (Log(3, "check")));
  EXPECT_EQ(QApplication::focusWidget(), w.other);
}

// The check runs before the click; with a box up meanwhile, the focus still ends on the control
// the operator chose, and the button gets exactly one click.
TEST(ValidateEvent, AMessageBoxDuringTheCheckThenTheFocusWhereTheOperatorChose) {
  CheckedWindow w;
  w.Click(w.button);
  EXPECT_EQ(w.log, (Log{"check", "click"}));
  EXPECT_EQ(QApplication::focusWidget(), w.button);
  w.showBox = true;
  w.watched->setFocus(Qt::OtherFocusReason);
  w.Click(w.button);
  EXPECT_EQ(w.FocusAfterTheBox(), w.button);
  w.watched->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(w.watched, Qt::Key_Tab);
  EXPECT_EQ(w.FocusAfterTheBox(), w.other);
  EXPECT_EQ(w.log, (Log{"check", "click", "check", "数据错误！", "click", "check", "数据错误！"}));
}

// The operator presses on a button, the box comes up, the operator lets go (the release goes
// to the box, not to the button) and then presses OK: the button's click still comes.
TEST(ValidateEvent, ReleaseTakenByTheBoxStillGivesTheButtonItsClick) {
  CheckedWindow w;
  const QPoint at = w.button->mapTo(&w.window, w.button->rect().center());
  w.showBox = true;
  w.whileBoxIsUp = [&] { QTest::mouseRelease(w.window.windowHandle(), Qt::LeftButton, {}, at); };
  QTest::mousePress(w.window.windowHandle(), Qt::LeftButton, {}, at);
  EXPECT_EQ(w.log, (Log{"check", "数据错误！", "click"}));
  EXPECT_FALSE(w.button->isDown());
  EXPECT_EQ(w.FocusAfterTheBox(), w.button);
}

TEST(MessageBox, PostShowsTheBoxFromTheEventLoop) {
  CheckedWindow w;
  w.box.Post("无数据！");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // not inside the caller
  w.CloseBoxWhenUp();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !w.log.empty(); }));
  EXPECT_EQ(w.log, Log{"无数据！"});
}

}  // namespace
}  // namespace kestrova::testing
