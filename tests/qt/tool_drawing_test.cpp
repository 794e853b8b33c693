// The tool windows draw only what changed (the log tables when the log moves on, the recording
// note when a row is written): what is shown must still be exactly what drawing afresh gives.
#include <QApplication>
#include <QChart>
#include <QDateTime>
#include <QLineSeries>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QVBoxLayout>
#include <deque>
#include <gtest/gtest.h>

#include "qt/tools/log_model.h"
#include "qt/tools/log_table.h"
#include "qt/tools/recording_status.h"
#include "qt/tools/trend_window.h"

namespace kestrova {
namespace {

// A bounded log of texts, numbered as the traffic and event logs are.
struct FakeLog {
  std::deque<QString> lines;
  std::int64_t first = 0;
  std::size_t bound = 1000;

  void Add(int n) {
    for (int i = 0; i < n; ++i) {
      const std::int64_t number = first + static_cast<std::int64_t>(lines.size());
      // Repeated texts share pictures between entries; the numbers keep each row different.
      lines.push_back(number % 2 ? QStringLiteral("发送 05 01 0F 00 15 读运行数据 地址 1")
                                 : QStringLiteral("接收 第 %1 帧 运行数据 内温度 25 外温度 开路 控制温度 24.5 电流 3.2 电压 53.4 "
                                                  "内风机 3000 外风机 2990 告警 无")
                                       .arg(number));
      if (lines.size() > bound) lines.pop_front(), ++first;
    }
  }
};

class CountPaints : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

struct Shown {
  FakeLog log;
  QWidget window;
  LogTable* table;

  Shown() {
    auto* model = new LogModel(
        {QStringLiteral("序号"), QStringLiteral("内容")}, [this] { return log.first; },
        [this] { return log.first + static_cast<std::int64_t>(log.lines.size()); },
        [this](std::size_t i, int column, int role) -> QVariant {
          if (role != Qt::DisplayRole) return {};
          return column == 0 ? QVariant(QString::number(log.first + static_cast<std::int64_t>(i)))
                             : QVariant(log.lines[i]);
        });
    table = new LogTable(model, QStringLiteral("TestTable"), &window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(table);
    window.resize(420, 260);
    window.show();
    Settle();
  }

  static void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }

  void Follow() {
    table->Follow();
    Settle();
  }

  // What the window shows of the table's rows (or of another part of it), as last drawn into the window.
  QImage OnScreen() const { return OnScreen(table->viewport()); }
  QImage OnScreen(const QWidget* part) const {
    const QPoint at = part->mapTo(&window, QPoint(0, 0));
    const QSize size = part->size();
    return QGuiApplication::primaryScreen()
        ->grabWindow(window.winId(), at.x(), at.y(), size.width(), size.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  // The same, drawn afresh.
  QImage Fresh() const { return Fresh(table->viewport()); }
  static QImage Fresh(QWidget* part) { return part->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST(LogTable, WhatIsShownAfterEveryStepEqualsAFullRepaint) {
  Shown s;
  s.log.bound = 60;
  auto same = [&](const char* step) {
    ASSERT_EQ(s.OnScreen(), s.Fresh()) << step << ", top row " << s.table->rowAt(0) << " of "
                                       << s.table->model()->rowCount();
    QScrollBar* bar = s.table->verticalScrollBar();
    if (bar->isVisible()) {
      ASSERT_EQ(s.OnScreen(bar), Shown::Fresh(bar)) << step << ": the scroll bar";
    }
  };
  // Filling the view until the scroll bar comes, then scrolling along at the end.
  for (int i = 0; i < 20; ++i) {
    s.log.Add(i % 3 == 2 ? 2 : 1);
    s.Follow();
    same("adding at the end");
  }
  ASSERT_TRUE(s.table->verticalScrollBar()->isVisible());
  // The log is bounded: entries fall off the front while new ones come.
  for (int i = 0; i < 15; ++i) {
    s.log.Add(3);
    s.Follow();
    same("the log at its bound");
  }
  EXPECT_EQ(s.table->model()->rowCount(), 60);
  EXPECT_EQ(s.table->verticalScrollBar()->value(), s.table->verticalScrollBar()->maximum()) << "not following the end";
  // Each row shows its own entry: no two numbers are drawn alike.
  const QImage fresh = s.Fresh();
  for (int row = s.table->rowAt(0) + 1; row < s.table->model()->rowCount() - 1; ++row) {
    const int y = s.table->rowViewportPosition(row);
    const QRect cell(0, y, s.table->columnWidth(0), s.table->rowHeight(row));
    EXPECT_NE(fresh.copy(cell), fresh.copy(cell.translated(0, s.table->rowHeight(row)))) << "row " << row;
  }
  // A selected row keeps its look as it moves.
  s.table->selectRow(s.table->model()->rowCount() - 3);
  Shown::Settle();
  s.log.Add(2);
  s.Follow();
  same("with a selected row");
  // The operator scrolled up: the rows shown move up only as the front falls off.
  s.table->verticalScrollBar()->setValue(10);
  Shown::Settle();
  for (int i = 0; i < 5; ++i) {
    s.log.Add(2);
    s.Follow();
    same("scrolled up");
  }
  EXPECT_EQ(s.table->verticalScrollBar()->value(), 10) << "the table scrolled away from where the operator put it";
  // Cleared: shown anew.
  s.log.lines.clear();
  s.log.first += 500;
  s.log.Add(4);
  s.Follow();
  same("after clearing");
  EXPECT_EQ(s.table->model()->rowCount(), 4);
}

TEST(LogTable, ALogThatDidNotMoveIsNotDrawnAgain) {
  Shown s;
  s.log.Add(30);
  s.Follow();
  CountPaints counter;
  s.table->viewport()->installEventFilter(&counter);
  for (int i = 0; i < 3; ++i) s.Follow();
  EXPECT_EQ(counter.paints, 0);
  s.log.Add(1);
  s.Follow();
  EXPECT_EQ(counter.paints, 1);
}

TEST(LogTable, ScrollBarLooksAsTheStyleDrawsIt) {
  // A handle taller than a band, and one at its shortest.
  for (int rows : {15, 200}) {
    Shown s;
    s.log.Add(rows);
    s.Follow();
    QScrollBar* bar = s.table->verticalScrollBar();
    for (int value : {0, bar->maximum() / 2, bar->maximum()}) {
      bar->setValue(value);
      // The same bar drawn by the application's style alone.
      QScrollBar plain(Qt::Vertical);
      plain.setRange(bar->minimum(), bar->maximum());
      plain.setPageStep(bar->pageStep());
      plain.setValue(value);
      plain.resize(bar->size());
      QImage expected(bar->size(), QImage::Format_RGB32);
      expected.fill(Qt::black);
      QImage drawn = expected;
      {
        QPainter p(&expected);
        QStyleOptionSlider option;
        option.initFrom(&plain);
        option.orientation = Qt::Vertical;
        option.minimum = plain.minimum();
        option.maximum = plain.maximum();
        option.sliderPosition = option.sliderValue = value;
        option.pageStep = plain.pageStep();
        option.singleStep = plain.singleStep();
        option.upsideDown = false;
        option.subControls = QStyle::SC_All;
        option.state |= QStyle::State_Enabled | QStyle::State_Active;
        option.palette = bar->palette();
        QApplication::style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &p, &plain);
        QPainter q(&drawn);
        option.styleObject = nullptr;
        bar->style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &q, bar);
      }
      EXPECT_EQ(drawn, expected) << rows << " rows, value " << value;
    }
  }
}

TEST(LogTable, CellsDrawnWordByWordLookAsTheWholeTextDrawn) {
  const QString texts[] = {
      QStringLiteral("06 01 0F 00 1E 41 3C 1E 23 02 05 DC 0B B8 02 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00 12 34"),
      QStringLiteral("运行数据 内温度 23.5 外温度 开路 控制温度 23.5 电流 3.2 电压 53.4 内风机 3000 外风机 2990 告警 无"),
      QStringLiteral("写参数 12 = 90（高温报警 50）"), QStringLiteral("读运行数据 地址 1"), QStringLiteral("two  spaces "),
      QStringLiteral("iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii WWWWWWWWWWWWWWWWWWWW"), QStringLiteral("短"),
      QString::fromUtf8("\xF0\xA0\x80\x80\xF0\xA0\x80\x81\xF0\xA0\x80\x82 \xF0\x9F\x94\xA5\xF0\x9F\x94\xA5\xF0\x9F\x94\xA5\xF0\x9F\x94\xA5"),
      QString()};
  const QFont font = QApplication::font();
  for (const QString& text : texts)
    for (int width = 1; width < 720; width += 7) {
      const QRect area(3, 0, width, 18);
      QImage expected(width + 10, 18, QImage::Format_RGB32), drawn = expected;
      expected.fill(Qt::white);
      drawn.fill(Qt::white);
      QPainter e(&expected), d(&drawn);
      e.setFont(font);
      e.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                 QFontMetrics(font).elidedText(text, Qt::ElideRight, width));
      DrawElided(d, area, text, font);
      e.end();
      d.end();
      EXPECT_EQ(drawn, expected) << text.toStdString() << " at " << width;
    }
}

TEST(RecordingStatus, TheNoteShownFollowsTheRowCount) {
  QWidget window;
  auto* note = new RecordingStatus(&window);
  auto* fresh = new RecordingStatus(&window);
  window.show();
  note->Show(QStringLiteral("kestrova-A1-20261207-101500.csv"), 10);
  note->adjustSize();
  const QImage ten = note->grab().toImage();
  note->Show(QStringLiteral("kestrova-A1-20261207-101500.csv"), 11);
  fresh->Show(QStringLiteral("kestrova-A1-20261207-101500.csv"), 11);
  fresh->resize(note->size());
  EXPECT_EQ(note->text(), QStringLiteral("记录中：kestrova-A1-20261207-101500.csv（11 行）"));
  EXPECT_NE(note->grab().toImage(), ten);
  EXPECT_EQ(note->grab().toImage(), fresh->grab().toImage());
  // The status bar is laid out again when the note grows, not for every row.
  struct CountLayouts : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override { return n += e->type() == QEvent::LayoutRequest, false; }
  } layouts;
  window.setLayout(new QVBoxLayout);
  window.layout()->addWidget(note);
  Shown::Settle();
  window.installEventFilter(&layouts);
  note->Count(12);
  Shown::Settle();
  EXPECT_EQ(layouts.n, 0);
  note->Count(100);
  Shown::Settle();
  EXPECT_EQ(layouts.n, 1);
  EXPECT_EQ(note->text(), QStringLiteral("记录中：kestrova-A1-20261207-101500.csv（100 行）"));
}

// The trend plot draws each line in pieces so that a new point redraws only the last one: joined,
// the pieces must be exactly the store's points, broken only where a sensor was open.
TEST(TrendWindow, LinesInPiecesShowEveryPointAndOnlyTheLastPieceIsRedrawn) {
  TrendStore store;
  // In the future, so the plot's right edge follows the points, not the clock.
  const std::int64_t start = QDateTime::currentMSecsSinceEpoch() / 30000 * 30000 + 600000 + 500;
  const auto add = [&](int i) {
    RunDataValues v;
    v.innerTemp = 20 + i % 7;
    v.outerSensor = i >= 100 && i < 110 ? Sensor::Open : Sensor::Ok;
    v.outerTemp = 30 + i % 3;
    v.innerFanSpeed = 3000 + i;
    store.Add(start + i * 1000, v);
  };
  for (int i = 0; i < 200; ++i) add(i);
  TrendWindow window(store);
  window.resize(900, 500);
  window.show();
  Shown::Settle();
  QChart* chart = window.findChild<QChartView*>(QStringLiteral("TrendChart"))->chart();
  // A line's pieces joined: the points, and how often one piece does not start where the last ended.
  const auto joined = [&](const char* caption, int& breaks) {
    QList<QPointF> line;
    breaks = 0;
    for (QAbstractSeries* s : chart->series()) {
      auto* piece = qobject_cast<QLineSeries*>(s);
      if (!piece || !piece->name().startsWith(QString::fromUtf8(caption)) || piece->count() == 0) continue;
      QList<QPointF> points = piece->points();
      if (!line.isEmpty() && points.front() == line.back()) points.removeFirst();
      else if (!line.isEmpty()) ++breaks;
      line += points;
    }
    return line;
  };
  const auto expected = [&](int q) {
    QList<QPointF> line;
    for (const TrendPoint& p : store.Points(0))
      if (!std::isnan(p.value[q])) line.append(QPointF(static_cast<qreal>(p.atMs), p.value[q]));
    return line;
  };
  int breaks = 0;
  EXPECT_EQ(joined("内温度", breaks), expected(kInnerTemp));
  EXPECT_EQ(breaks, 0);
  EXPECT_EQ(joined("外温度", breaks), expected(kOuterTemp));
  EXPECT_EQ(breaks, 1) << "the open sensor is a gap";
  EXPECT_EQ(joined("内风机转速", breaks), expected(kInnerFan));

  int replaced = 0;
  for (QAbstractSeries* s : chart->series())
    if (auto* piece = qobject_cast<QLineSeries*>(s))
      QObject::connect(piece, &QXYSeries::pointsReplaced, [&replaced] { ++replaced; });
  add(200);
  window.Refresh();
  EXPECT_EQ(replaced, kTrendQuantities) << "only the last piece of each line changes";
  EXPECT_EQ(joined("内温度", breaks), expected(kInnerTemp));
  EXPECT_EQ(joined("外温度", breaks), expected(kOuterTemp));
}

}  // namespace
}  // namespace kestrova
