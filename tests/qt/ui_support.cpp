#include "qt/ui_support.h"

#include <QTest>
#include <gtest/gtest.h>

namespace kestrova::testing {

namespace {
ExpectCriticals* g_expect = nullptr;

void Handler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  const std::string text = message.toStdString();
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    if (g_expect && type == QtCriticalMsg) {
      g_expect->messages.push_back(text);
      return;
    }
    ADD_FAILURE() << "unexpected qCritical: " << text;
    if (type == QtFatalMsg) std::abort();
    return;
  }
  // The offscreen platform's notes on what it cannot do are expected.
  if (type == QtWarningMsg && !message.startsWith(QStringLiteral("This plugin does not support")))
    fprintf(stderr, "qWarning: %s\n", text.c_str());
}

class CriticalsFail : public ::testing::Environment {
 public:
  void SetUp() override { qInstallMessageHandler(Handler); }
  void TearDown() override { qInstallMessageHandler(nullptr); }
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new CriticalsFail);
}  // namespace

ExpectCriticals::ExpectCriticals() { g_expect = this; }
ExpectCriticals::~ExpectCriticals() { g_expect = nullptr; }

bool ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

}  // namespace kestrova::testing
