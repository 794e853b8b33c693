#include "qt/ui_support.h"

#include <QTest>
#include <gtest/gtest.h>

namespace kestrova::testing {
namespace {

ExpectCriticals* g_expect = nullptr;

// A qCritical (a control the logic asked for that does not exist) fails the running test,
// unless an ExpectCriticals collects it. The offscreen platform's notes on what it cannot do
// are expected; other warnings are shown.
void Handler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  const std::string text = message.toStdString();
  if (type == QtCriticalMsg && g_expect) return g_expect->messages.push_back(text);
  if (type == QtCriticalMsg || type == QtFatalMsg) ADD_FAILURE() << "unexpected qCritical: " << text;
  if (type == QtFatalMsg) std::abort();
  if (type == QtWarningMsg && !message.startsWith(QStringLiteral("This plugin does not support")))
    fprintf(stderr, "qWarning: %s\n", text.c_str());
}

[[maybe_unused]] const QtMessageHandler g_previous = qInstallMessageHandler(Handler);

}  // namespace

ExpectCriticals::ExpectCriticals() { g_expect = this; }
ExpectCriticals::~ExpectCriticals() { g_expect = nullptr; }

bool ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

}  // namespace kestrova::testing
