#include "serial/sim_process.h"

#include <QTest>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>

#include "link/port_table.h"

namespace kestrova::testing {

SimProcess::SimProcess(std::vector<std::string> options, const std::string& stderrFile) {
  QStringList args;
  for (const std::string& o : options) args << QString::fromStdString(o);
  if (stderrFile.empty()) process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  else process_.setStandardErrorFile(QString::fromStdString(stderrFile));
  process_.start(QStringLiteral(KESTROVA_SIM_PATH), args);
  // The first line the simulator prints is the device path.
  while (!process_.canReadLine() && process_.waitForReadyRead(5000)) continue;
  if (!process_.canReadLine()) {
    ADD_FAILURE() << "the simulator " << KESTROVA_SIM_PATH << " printed no device path";
    return;
  }
  path_ = process_.readLine().trimmed().toStdString();
  setenv(kPortsVariable, path_.c_str(), 1);
}

void SimProcess::Stop(bool now) {
  if (process_.state() == QProcess::NotRunning) return;
  now ? process_.kill() : process_.terminate();
  process_.waitForFinished();
}

bool WaitFor(const std::function<bool()>& done, int deadlineMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(deadlineMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    QTest::qWait(10);
  }
  return true;
}

}  // namespace kestrova::testing
