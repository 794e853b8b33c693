#pragma once
// The main of a benchmark of the real windows: the offscreen platform unless another is asked
// for, and the console's own font, as the console sets it.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "qt/fonts.h"

inline int RunWidgetBenchmarks(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setFont(kestrova::ConsoleFont());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
