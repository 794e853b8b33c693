// The tool windows on their logs: the traffic monitor copies exactly the rows selected while the
// line goes on, a saved file is replaced whole or not at all, and the trend plot draws one
// series per unbroken stretch of a line.
#include <QApplication>
#include <QChart>
#include <QAbstractAxis>
#include <QChartView>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineSeries>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/resource.h>

#include "protocol/frames.h"
#include "qt/tools/save_file.h"
#include "qt/tools/traffic_window.h"
#include "qt/tools/trend_window.h"
#include "tools/frame_meaning.h"

namespace kestrova {
namespace {

QString HexOf(const Frame& f) { return QString::fromStdString(HexText(f)); }

LinkEvent Write(int value) {
  return {LinkEvent::Direction::Sent, Piece::Echo, ParameterWrite(1, 12, static_cast<std::uint8_t>(value)), 0};
}

// The bytes column of each line of a copied text.
std::vector<QString> Bytes(const QString& copied) {
  std::vector<QString> bytes;
  for (const QString& line : copied.split('\n', Qt::SkipEmptyParts)) bytes.push_back(line.section('\t', 2, 2));
  return bytes;
}

// At its bound the log drops its oldest entries as new ones come: the selected rows still mean
// theirs, before the table follows and after, and a row whose entry has fallen off is not copied.
TEST(TrafficWindow, CopiesTheSelectedRowsWhateverArrivedSince) {
  LinkStatistics stats;
  TrafficLog log;
  for (int i = 0; log.Size() < TrafficLog::kCapacity; ++i) log.Add(Write(i), 1000 + i);
  TrafficWindow window(stats, log);
  window.show();
  window.Refresh();
  window.Table().selectRow(1);
  window.Table().selectionModel()->select(window.Table().model()->index(3, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
  const std::vector<QString> selected{HexOf(ParameterWrite(1, 12, 1)), HexOf(ParameterWrite(1, 12, 3))};
  EXPECT_EQ(Bytes(window.SelectionText()), selected);
  log.Add(Write(200), 3000);
  EXPECT_EQ(Bytes(window.SelectionText()), selected);
  window.Refresh();
  EXPECT_EQ(Bytes(window.SelectionText()), selected);
  log.Add(Write(201), 3000);
  log.Add(Write(202), 3000);
  EXPECT_EQ(Bytes(window.SelectionText()), std::vector<QString>{HexOf(ParameterWrite(1, 12, 3))});
}

TEST(SaveFile, AFailedSaveLeavesTheOldFileWholeAndSaysWhy) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("events.csv"));
  ASSERT_EQ(SaveFile(path, "old"), std::nullopt);
  // Files may grow to 1 KiB only (root passes every permission check; a size limit it does not).
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit small{1024, saved.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const auto error = SaveFile(path, QByteArray(4096, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  ASSERT_TRUE(error.has_value());
  EXPECT_TRUE(error->startsWith(QStringLiteral("无法保存 ") + path + QStringLiteral("："))) << error->toStdString();
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "old");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("events.csv")});  // no leftovers
}

// One series per unbroken stretch of a line. °C, A, V and r/min each on an axis of their own, so
// a 3 A current is not a flat line under 60 °C.
TEST(TrendWindow, StretchesAndAxes) {
  TrendStore store;
  RunDataValues v;
  const std::int64_t start = QDateTime::currentMSecsSinceEpoch() - 60'000;
  for (int s = 0; s < 30; ++s) {
    v.innerSensor = s >= 10 && s < 15 ? Sensor::Open : s == 20 ? Sensor::Short : Sensor::Ok;
    v.innerTemp = 20 + s % 4;
    store.Add(start + s * 1000, v);
  }
  TrendWindow window(store);
  window.show();
  window.Refresh();
  std::map<QString, int> stretches;  // drawn, by quantity
  std::set<QString> quantities;
  for (QAbstractSeries* s : window.findChild<QChartView*>(QStringLiteral("TrendChart"))->chart()->series()) {
    auto* line = qobject_cast<QLineSeries*>(s);
    if (!line) continue;
    const QString quantity = line->name().section(QLatin1Char('('), 0, 0);
    if (line->count() > 0) ++stretches[quantity];
    if (!quantities.insert(quantity).second) continue;  // the further stretches of a line share its axis
    const QString unit = line->name().section(QLatin1Char('('), 1).chopped(1);
    const QList<QAbstractAxis*> axes = line->chart()->axes(Qt::Vertical, line);
    EXPECT_EQ(axes.isEmpty() ? QString() : axes.back()->titleText(), unit) << line->name().toStdString();
  }
  EXPECT_EQ(quantities.size(), static_cast<std::size_t>(kTrendQuantities));
  EXPECT_EQ(stretches[QStringLiteral("内温度")], 3);  // before the open sensor, between, after the short
  EXPECT_EQ(stretches[QStringLiteral("控制温度")], 1);
}

}  // namespace
}  // namespace kestrova
