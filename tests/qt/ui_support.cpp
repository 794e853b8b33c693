#include "qt/ui_support.h"

#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

namespace kestrova::testing {
namespace {

// A qCritical fails the running test. The offscreen platform's notes on what it cannot do are
// expected; other warnings are shown.
void Handler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  const std::string text = message.toStdString();
  if (type == QtCriticalMsg || type == QtFatalMsg) ADD_FAILURE() << "unexpected qCritical: " << text;
  if (type == QtFatalMsg) std::abort();
  if (type == QtWarningMsg && !message.startsWith(QStringLiteral("This plugin does not support")))
    std::fprintf(stderr, "qWarning: %s\n", text.c_str());
}

[[maybe_unused]] const QtMessageHandler g_previous = qInstallMessageHandler(Handler);

}  // namespace

bool ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

}  // namespace kestrova::testing
