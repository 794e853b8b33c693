#include "qt/report/report_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

#include "qt/fonts.h"
#include "qt/text.h"

namespace kestrova {

namespace {

// An empty cell holds a no-break space: a table whose last row ends in an empty cell would
// otherwise lose the space below it.
QString Cell(const std::string& s) { return s.empty() ? QStringLiteral("&nbsp;") : ToQString(s).toHtmlEscaped(); }

// A section's heading; a new page when asked (the settings start the second page).
QString Heading(const QString& title, bool newPage = false) {
  return QStringLiteral("<h2%1>%2</h2>")
      .arg(newPage ? QStringLiteral(" style=\"page-break-before: always\"") : QString(), title.toHtmlEscaped());
}

// A table with a header row; every cell's text is escaped.
QString Table(const QStringList& columns, const std::vector<ReportRow>& rows) {
  QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\"><thead><tr>");
  for (const QString& c : columns) html += QStringLiteral("<th align=\"left\">%1</th>").arg(c.toHtmlEscaped());
  html += QStringLiteral("</tr></thead>");
  for (const ReportRow& row : rows) {
    html += QStringLiteral("<tr>");
    for (const std::string& cell : row) html += QStringLiteral("<td>%1</td>").arg(Cell(cell));
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

QString Note(const QString& text) { return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()); }

// The colours of the trend's quantities, in TrendQuantity order.
const QColor kSeriesColours[kTrendQuantities] = {
    QColor(0xc0, 0x30, 0x20), QColor(0x20, 0x60, 0xc0), QColor(0x30, 0x90, 0x30), QColor(0x90, 0x40, 0xa0),
    QColor(0xd0, 0x80, 0x10), QColor(0xc0, 0x30, 0x20), QColor(0x20, 0x60, 0xc0)};

// A line of the trend is broken where the board went unheard this long (the port closed, no reply).
constexpr std::int64_t kTrendGapMs = 30 * 1000;

// One panel of the trend: frame, value axis, the lines of its quantities (broken where a
// sensor had no value or the board was not heard) and the alarm and work-state markers.
// Lengths are in mm.
void DrawPanel(QPainter& p, const QRectF& box, const TrendPanel& panel, const ServiceReport& report,
               std::int64_t fromMs, std::int64_t toMs, double mm) {
  const QRectF plot = box.adjusted(14 * mm, 6 * mm, 0, 0);
  const double span = static_cast<double>(std::max<std::int64_t>(toMs - fromMs, 1));
  const auto x = [&](std::int64_t ms) { return plot.left() + plot.width() * static_cast<double>(ms - fromMs) / span; };
  const auto y = [&](double v) { return plot.bottom() - plot.height() * (v - panel.low) / (panel.high - panel.low); };

  p.setFont(ConsoleFont(8));
  p.setPen(Qt::black);
  p.drawText(QPointF(box.left(), box.top() + 4 * mm), ToQString(panel.title));
  double legendX = box.left() + 40 * mm;
  for (int q : panel.quantities) {
    p.setPen(QPen(kSeriesColours[q], 0.6 * mm));
    p.drawLine(QPointF(legendX, box.top() + 3 * mm), QPointF(legendX + 6 * mm, box.top() + 3 * mm));
    p.setPen(Qt::black);
    p.drawText(QPointF(legendX + 7 * mm, box.top() + 4 * mm), UiText("Trend", TrendCaptions()[q]));
    legendX += 30 * mm;
  }

  p.setFont(ConsoleFont(7));
  for (double v = panel.low; v <= panel.high + panel.step / 2; v += panel.step) {
    p.setPen(QPen(QColor(0xd8, 0xd8, 0xd8), 0.2 * mm));
    p.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
    p.setPen(Qt::black);
    p.drawText(QRectF(box.left(), y(v) - 2 * mm, 13 * mm, 4 * mm), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(std::abs(v) < panel.step / 1e6 ? 0.0 : v));
  }
  p.save();
  p.setClipRect(plot);
  for (const TrendMarker& m : report.markers) {
    p.setPen(QPen(m.alarm ? QColor(0xe0, 0x20, 0x20) : QColor(0x90, 0x90, 0x90), 0.3 * mm, Qt::DashLine));
    p.drawLine(QPointF(x(m.atMs), plot.top()), QPointF(x(m.atMs), plot.bottom()));
  }
  for (int q : panel.quantities) {
    QPainterPath path;
    std::optional<std::int64_t> previousMs;  // of the last point drawn, while a line runs
    for (const TrendPoint& point : report.trend) {
      const float v = point.value[static_cast<std::size_t>(q)];
      if (std::isnan(v)) {
        previousMs.reset();
        continue;
      }
      const QPointF at(x(point.atMs), y(v));
      if (previousMs && point.atMs - *previousMs <= kTrendGapMs)
        path.lineTo(at);
      else
        path.moveTo(at);
      previousMs = point.atMs;
    }
    p.setPen(QPen(kSeriesColours[q], 0.4 * mm));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  p.restore();
  p.setPen(QPen(Qt::black, 0.25 * mm));
  p.drawRect(plot);
}

// A heading never stays alone at the foot of a page: it goes over to the next page with the
// first row of its table.
void KeepHeadingsWithTables(QTextDocument& doc) {
  const qreal pageHeight = doc.pageSize().height();
  QAbstractTextDocumentLayout& layout = *doc.documentLayout();
  for (QTextBlock b = doc.begin(); b.isValid() && b.next().isValid(); b = b.next()) {
    if (b.blockFormat().headingLevel() != 2) continue;
    const auto page = [&](qreal y) { return static_cast<int>(y / pageHeight); };
    if (page(layout.blockBoundingRect(b).top()) == page(layout.blockBoundingRect(b.next()).bottom())) continue;
    QTextBlockFormat format = b.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(b).setBlockFormat(format);
  }
}

}  // namespace

QString ServiceReportPdf::Html(const ServiceReport& r) {
  QString html = QStringLiteral("<h1>%1</h1>").arg(tr("Kestrova 服务报告").toHtmlEscaped());
  const auto shown = [](const std::string& s) { return s.empty() ? std::string("—") : s; };
  // The board on the left, the visit on the right.
  const auto t = [](const QString& s) { return s.toStdString(); };
  html += Table({tr("控制板"), QString(), tr("本次服务"), QString()},
                {{t(tr("控制板型号")), shown(r.board[0]), t(tr("控制台版本")), r.consoleVersion},
                 {t(tr("PCB 版本")), shown(r.board[1]), t(tr("报告时间")), ReportTime(r.createdAtMs)},
                 {t(tr("软件版本")), shown(r.board[2]), t(tr("计算机")), shown(r.computer)},
                 {t(tr("版本说明")), shown(r.board[3]), t(tr("串口")), shown(r.port)},
                 {t(tr("通信方式")), shown(r.linkMode), t(tr("控制板地址")), std::to_string(r.address)}});

  // Tables follow their heading directly; a note goes below its table.
  html += Heading(tr("运行数据（%1）").arg(ToQString(ReportTime(r.latest.atMs))));
  html += Table({tr("项目"), tr("数值"), tr("单位")}, MeasurementRows(r.latest));

  html += Heading(tr("工作状态与告警"));
  const std::vector<ReportRow> work = WorkStateRows(r.latest.values), alarms = AlarmRows(r.latest.values);
  std::vector<ReportRow> lamps;
  for (std::size_t i = 0; i < std::max(work.size(), alarms.size()); ++i) {
    ReportRow row = i < work.size() ? work[i] : ReportRow{"", ""};
    const ReportRow alarm = i < alarms.size() ? alarms[i] : ReportRow{"", ""};
    row.insert(row.end(), alarm.begin(), alarm.end());
    lamps.push_back(std::move(row));
  }
  html += Table({tr("工作状态"), tr("状态"), tr("告警"), tr("状态")}, lamps);

  html += Heading(tr("运行设置"), true);
  html += Table({tr("设置"), tr("读回值"), tr("单位"), tr("档案载入值"), tr("本次发送值")}, SettingRows(r));
  html += Note(tr("读回值为控制板报告的值；档案载入值和本次发送值只列出与读回值不同的。"));

  html += Heading(tr("本次写入的设置"));
  const std::vector<ReportRow> writes = WriteRows(r.settings);
  html += writes.empty() ? Note(tr("本次没有写入设置。"))
                         : Table({tr("时间"), tr("设置"), tr("写入"), tr("读回"), tr("检查")}, writes);

  html += Heading(tr("事件记录"));
  const std::vector<ReportRow> events = EventRows(r.events);
  html += events.empty() ? Note(tr("本次没有事件。")) : Table({tr("时间"), tr("类别"), tr("事件")}, events);

  html += Heading(tr("通信统计"));
  html += Table({tr("项目"), tr("数值")}, LineRows(r.line));
  return html;
}

std::optional<QString> ServiceReportPdf::Write(const ServiceReport& report, const QString& path) {
  QSaveFile file(path);
  const auto failed = [&](const QString& cause) {
    file.cancelWriting();
    return tr("无法写入服务报告 %1：%2").arg(path, cause);
  };
  if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());

  QPdfWriter pdf(&file);
  pdf.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
  pdf.setResolution(300);
  pdf.setTitle(tr("Kestrova 服务报告"));
  pdf.setCreator(QStringLiteral("Kestrova ") + QString::fromStdString(report.consoleVersion));
  const QRectF page = pdf.pageLayout().paintRectPixels(pdf.resolution());
  const double mm = pdf.resolution() / 25.4;
  const double footer = 8 * mm;

  QTextDocument doc;
  // Lengths in the style sheet and the tables are pixels of the PDF at its 300 dpi.
  doc.documentLayout()->setPaintDevice(&pdf);
  doc.setDefaultFont(ConsoleFont(9));
  doc.setDefaultStyleSheet(
      QStringLiteral("h1 { font-size: 16pt; } h2 { font-size: 12pt; margin-top: 60px; margin-bottom: 20px; } "
                     "table { margin-top: 0px; margin-bottom: 0px; } "
                     "th { background-color: #e8e8e8; } table { border-collapse: collapse; }"));
  doc.setHtml(Html(report));
  doc.setPageSize(QSizeF(page.width(), page.height() - footer));
  KeepHeadingsWithTables(doc);
  const int textPages = doc.pageCount();
  const int pages = textPages + 1;

  QPainter p;
  if (!p.begin(&pdf)) return failed(tr("PDF 无法开始"));
  const auto footerText = [&](int number) {
    p.setFont(ConsoleFont(8));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, page.height() - footer + 2 * mm, page.width(), footer - 2 * mm), Qt::AlignCenter,
               tr("%1 · %2 · 第 %3 页，共 %4 页")
                   .arg(ToQString(report.board[0].empty() ? "—" : report.board[0]), ToQString(ReportTime(report.createdAtMs)))
                   .arg(number)
                   .arg(pages));
  };
  for (int i = 0; i < textPages; ++i) {
    if (i > 0) pdf.newPage();
    p.save();
    p.translate(0, -i * doc.pageSize().height());
    doc.drawContents(&p, QRectF(0, i * doc.pageSize().height(), page.width(), doc.pageSize().height()));
    p.restore();
    footerText(i + 1);
  }

  pdf.newPage();
  p.setFont(ConsoleFont(12));
  p.setPen(Qt::black);
  const std::int64_t fromMs = report.trend.empty() ? report.latest.atMs : report.trend.front().atMs;
  const std::int64_t toMs = report.trend.empty() ? report.latest.atMs : report.trend.back().atMs;
  p.drawText(QPointF(0, 6 * mm), tr("趋势图：%1 至 %2").arg(ToQString(ReportTime(fromMs)), ToQString(ReportTime(toMs))));
  p.setFont(ConsoleFont(8));
  p.drawText(QPointF(0, 11 * mm), tr("红色虚线：告警出现或解除；灰色虚线：工作状态变化。"));
  if (report.trend.empty()) {
    p.drawText(QPointF(0, 20 * mm), tr("没有趋势数据。"));
  } else {
    const std::vector<TrendPanel> panels = TrendPanels(report.trend);
    const double top = 16 * mm, height = (page.height() - footer - top) / static_cast<double>(panels.size());
    for (std::size_t i = 0; i < panels.size(); ++i)
      DrawPanel(p, QRectF(0, top + static_cast<double>(i) * height, page.width(), height - 6 * mm), panels[i], report,
                fromMs, toMs, mm);
    // The time axis under the last panel.
    p.setFont(ConsoleFont(7));
    const QRectF plot(14 * mm, 0, page.width() - 14 * mm, 0);
    const double bottom = top + static_cast<double>(panels.size()) * height - 6 * mm;
    const double span = static_cast<double>(std::max<std::int64_t>(toMs - fromMs, 1));
    for (const TimeTick& tick : TimeTicks(fromMs, toMs)) {
      const double x = plot.left() + plot.width() * static_cast<double>(tick.atMs - fromMs) / span;
      p.drawLine(QPointF(x, bottom), QPointF(x, bottom + 0.8 * mm));
      p.drawText(QRectF(x - 12 * mm, bottom + 0.8 * mm, 24 * mm, 4 * mm), Qt::AlignCenter, ToQString(tick.label));
    }
  }
  footerText(pages);
  if (!p.end()) return failed(tr("PDF 无法完成"));
  if (!file.commit()) return tr("无法写入服务报告 %1：%2").arg(path, file.errorString());
  return std::nullopt;
}

}  // namespace kestrova
