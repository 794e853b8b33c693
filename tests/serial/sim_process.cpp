#include "serial/sim_process.h"

#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

#include "link/port_table.h"

namespace kestrova::testing {

SimProcess::SimProcess(std::vector<std::string> options, const std::string& stderrFile) {
  QStringList args;
  for (const std::string& o : options) args << QString::fromStdString(o);
  if (stderrFile.empty()) process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  else process.setStandardErrorFile(QString::fromStdString(stderrFile));
  process.start(QStringLiteral(KESTROVA_SIM_PATH), args);
  // The first line the simulator prints is the device path.
  while (!process.canReadLine() && process.waitForReadyRead(5000)) continue;
  if (!process.canReadLine()) {
    ADD_FAILURE() << "the simulator " << KESTROVA_SIM_PATH << " printed no device path";
    return;
  }
  path = process.readLine().trimmed().toStdString();
  setenv(kPortsVariable, path.c_str(), 1);
}

}  // namespace kestrova::testing
