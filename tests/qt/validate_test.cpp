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

struct CheckedWindow {
  QWidget window;
  QLineEdit* watched = new QLineEdit(&window);
  QLineEdit* other = new QLineEdit(&window);
  QPushButton* button = new QPushButton(QStringLiteral("发送设置"), &window);
  QLabel* caption = new QLabel(QStringLiteral("高温报警"), &window);
  ValidateFilter filter{window};
  std::vector<std::string> log;
  std::function<void()> during;  // runs inside the check, where a message box would be open

  CheckedWindow() {
    window.resize(220, 120);
    watched->setGeometry(10, 10, 80, 20);
    other->setGeometry(10, 40, 80, 20);
    button->setGeometry(10, 70, 80, 25);
    caption->setGeometry(100, 10, 80, 20);
    filter.Watch(watched, [this] {
      log.push_back("check");
      if (during) during();
    });
    QObject::connect(button, &QPushButton::clicked, [this] { log.push_back("click"); });
  }
  bool Start() {
    if (!ShowActive(window)) return false;
    watched->setFocus(Qt::OtherFocusReason);
    return QApplication::focusWidget() == watched;
  }
};

// A click as the window system delivers it: to the window, which finds the control under it.
void Click(QWidget* target) {
  QWidget* window = target->window();
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, target->mapTo(window, target->rect().center()));
}

using Log = std::vector<std::string>;

TEST(ValidateEvent, TabAndShiftTabLeaveRunTheCheckOnce) {
  CheckedWindow w;
  ASSERT_TRUE(w.Start());
  QTest::keyClick(w.watched, Qt::Key_Tab);
  EXPECT_EQ(w.log, Log{"check"});
  EXPECT_EQ(QApplication::focusWidget(), w.other);
  QTest::keyClick(w.other, Qt::Key_Backtab);  // leaving an unwatched field checks nothing
  EXPECT_EQ(QApplication::focusWidget(), w.watched);
  QTest::keyClick(w.watched, Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(w.log, (Log{"check", "check"}));
}

TEST(ValidateEvent, ClickOnAButtonChecksFirstThenClicks) {
  CheckedWindow w;
  ASSERT_TRUE(w.Start());
  Click(w.button);
  EXPECT_EQ(w.log, (Log{"check", "click"}));
  EXPECT_EQ(QApplication::focusWidget(), w.button);
}

TEST(ValidateEvent, ClickOnAnotherFieldChecksOnceButNotInsideTheFieldOrOnACaption) {
  CheckedWindow w;
  ASSERT_TRUE(w.Start());
  Click(w.watched);
  Click(w.caption);
  EXPECT_TRUE(w.log.empty());
  EXPECT_EQ(QApplication::focusWidget(), w.watched);
  Click(w.other);
  EXPECT_EQ(w.log, Log{"check"});
  EXPECT_EQ(QApplication::focusWidget(), w.other);
}

TEST(ValidateEvent, LosingTheActivationIsNoLeave) {
  CheckedWindow w;
  ASSERT_TRUE(w.Start());
  QWidget elsewhere;
  elsewhere.resize(100, 50);
  ASSERT_TRUE(ShowActive(elsewhere));
  ASSERT_TRUE(ShowActive(w.window));
  EXPECT_EQ(QApplication::focusWidget(), w.watched);
  EXPECT_TRUE(w.log.empty());
}

// Something takes the focus while the check runs, as a message box does: the focus still
// ends on the control the operator chose, and the clicked button gets exactly one click.
TEST(ValidateEvent, FocusTakenDuringTheCheckEndsOnTheChosenControl) {
  CheckedWindow w;
  ASSERT_TRUE(w.Start());
  w.during = [&] { w.caption->window()->setFocus(); };
  QTest::keyClick(w.watched, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w.other);

  w.watched->setFocus(Qt::OtherFocusReason);
  w.log.clear();
  Click(w.button);
  EXPECT_EQ(w.log, (Log{"check", "click"}));
  EXPECT_EQ(QApplication::focusWidget(), w.button);
}

// Closes the next modal box once it is up, recording what it showed.
struct BoxCloser {
  QString title, text;
  QWidget* parent = nullptr;
  int buttons = 0;
  QMessageBox::Icon icon = QMessageBox::Warning;
  std::function<void()> before_ok;  // the operator's doing while the box is up
  void Arm() {
    QTimer::singleShot(0, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return Arm();
      if (before_ok) before_ok();
      title = box->windowTitle();
      parent = box->parentWidget();
      text = box->text();
      buttons = static_cast<int>(box->buttons().size());
      icon = box->icon();
      box->button(QMessageBox::Ok)->click();
    });
  }
};

TEST(ValidateEvent, RealMessageBoxOneMessageThenTheClickAndTheFocusOnTheButton) {
  CheckedWindow w;
  ASSERT_TRUE(w.Start());
  QtMessageBox box;
  BoxCloser closer;
  w.during = [&] {
    closer.Arm();
    box.Show("数据错误！");
  };
  Click(w.button);
  EXPECT_EQ(w.log, (Log{"check", "click"}));
  EXPECT_EQ(closer.title, QStringLiteral("Kestrova_v20"));
  EXPECT_EQ(closer.text, QStringLiteral("数据错误！"));
  EXPECT_EQ(closer.buttons, 1);
  EXPECT_EQ(closer.icon, QMessageBox::NoIcon);
  EXPECT_EQ(closer.parent, &w.window);  // over the window the operator works in
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
  EXPECT_EQ(QApplication::focusWidget(), w.button);

  w.watched->setFocus(Qt::OtherFocusReason);
  w.log.clear();
  QTest::keyClick(w.watched, Qt::Key_Tab);
  EXPECT_EQ(w.log, Log{"check"});
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
  EXPECT_EQ(QApplication::focusWidget(), w.other);
}

// The operator presses on a button, the box comes up, the operator lets go (the release goes
// to the box, not to the button) and then presses OK: the button's click still comes.
TEST(ValidateEvent, ReleaseTakenByTheBoxStillGivesTheButtonItsClick) {
  CheckedWindow w;
  ASSERT_TRUE(w.Start());
  QtMessageBox box;
  BoxCloser closer;
  const QPoint at = w.button->mapTo(&w.window, w.button->rect().center());
  closer.before_ok = [&] { QTest::mouseRelease(w.window.windowHandle(), Qt::LeftButton, {}, at); };
  w.during = [&] {
    closer.Arm();
    box.Show("数据错误！");
  };
  QTest::mousePress(w.window.windowHandle(), Qt::LeftButton, {}, at);
  EXPECT_EQ(w.log, (Log{"check", "click"}));
  EXPECT_FALSE(w.button->isDown());
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
  EXPECT_EQ(QApplication::focusWidget(), w.button);
}

TEST(MessageBox, PostShowsTheBoxFromTheEventLoop) {
  QWidget window;
  window.resize(100, 50);
  ASSERT_TRUE(ShowActive(window));
  QtMessageBox box;
  BoxCloser closer;
  box.Post("无数据！");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // not inside the caller
  closer.Arm();
  QTRY_COMPARE(closer.text, QStringLiteral("无数据！"));
}

}  // namespace
}  // namespace kestrova::testing
