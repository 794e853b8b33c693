// "生成服务报告…": gathers the visit from the console's stores and writes it as a PDF.
#include <QDateTime>
#include <QDir>
#include <QSysInfo>

#include "app/tools_menu.h"
#include "kestrova_version.h"
#include "panel/controls.h"
#include "qt/report/report_pdf.h"

namespace kestrova {

void ToolsMenu::MakeReport() {
  MainForm& form = windows_.Form();
  if (auto refusal = ReportRefusal(latest_)) return form.messageBox.Show(*refusal);

  const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
  const QtPanel& main = windows_.MainPanel();
  using namespace main_window;
  ServiceReport report;
  report.consoleVersion = kVersion;
  report.createdAtMs = now;
  report.computer = QSysInfo::machineHostName().toStdString();
  report.port = form.linePort.DeviceName(form.linePort.CommPort());
  report.address = form.deviceAddress;
  report.linkMode = main.Checked(kRs422Mode) ? "RS422" : main.Checked(kRs485Mode) ? "RS485" : "";
  report.board = {main.Text(kBoardModel), main.Text(kPcbVersion), main.Text(kSoftwareVersion), main.Text(kVersionNote)};
  report.latest = *latest_;
  report.settings = session_;
  for (std::size_t i = 0; i < events_.Size(); ++i) report.events.push_back(events_.At(i));
  const std::int64_t from = TrendStartMs(trend_.NewestMs());
  report.trend = trend_.Points(from);
  for (const TrendMarker& m : trend_.Markers())
    if (m.atMs >= from) report.markers.push_back(m);
  report.line = LineFiguresOf(form.stats, form.linePort.PortOpen(), form.Time().NowMs());

  const QString suggested =
      QDir::home().filePath(QString::fromStdString(ReportFileName(report.board[0], report.address, now)));
  const QString path = AskFile(tr("生成服务报告"), suggested, tr("PDF 文件 (*.pdf)"), true);
  if (path.isEmpty()) return;
  if (auto error = ServiceReportPdf::Write(report, path)) form.messageBox.Show(error->toStdString());
}

}  // namespace kestrova
