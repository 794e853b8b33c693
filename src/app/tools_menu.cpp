#include "app/tools_menu.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>

#include "kestrova_version.h"
#include "panel/controls.h"
#include "qt/status_labels.h"
#include "qt/tools/profile_file.h"
#include "qt/tools/save_file.h"
#include "settings/setting_pairs.h"
#include "tools/setting_profile.h"
#include "tools/wall_time.h"
#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

namespace {

std::int64_t WallMs() { return QDateTime::currentMSecsSinceEpoch(); }

}  // namespace

ToolsMenu::ToolsMenu(ConsoleWindows& windows, QObject* parent)
    : QObject(parent),
      windows_(windows),
      trafficView_(std::make_unique<TrafficWindow>(windows.Form().stats, traffic_)),
      trendView_(std::make_unique<TrendWindow>(trend_)),
      eventsView_(std::make_unique<EventsWindow>(events_)),
      busScan_(std::make_unique<BusScanTool>(
          windows, [this](const std::string& text) { events_.LineNote(WallMs(), text); })) {
  MainWindow& main = windows.MainView();
  bar_ = new QMenuBar(&main);
  bar_->setObjectName(QStringLiteral("MenuBar"));
  QMenu* tools = bar_->addMenu(UiText("ToolsMenu", "工具"));
  Add(tools, "Action_Traffic", UiText("ToolsMenu", "通信监视"), &ToolsMenu::ShowTraffic);
  Add(tools, "Action_Trend", UiText("ToolsMenu", "趋势图"), &ToolsMenu::ShowTrend);
  Add(tools, "Action_Events", UiText("ToolsMenu", "事件记录"), &ToolsMenu::ShowEvents);
  Add(tools, "Action_BusScan", UiText("ToolsMenu", "总线扫描"), &ToolsMenu::ShowBusScan);
  tools->addSeparator();
  record_ = Add(tools, "Action_Record", UiText("ToolsMenu", "开始记录…"), &ToolsMenu::StartOrStopRecording);
  tools->addSeparator();
  Add(tools, "Action_SaveProfile", UiText("ToolsMenu", "保存设置档案…"), &ToolsMenu::SaveProfile);
  Add(tools, "Action_LoadProfile", UiText("ToolsMenu", "载入设置档案…"), &ToolsMenu::LoadProfile);
  tools->addSeparator();
  Add(tools, "Action_Report", UiText("ToolsMenu", "生成服务报告…"), &ToolsMenu::MakeReport);
  QMenu* help = bar_->addMenu(UiText("ToolsMenu", "帮助"));
  Add(help, "Action_About", UiText("ToolsMenu", "关于"), &ToolsMenu::About);
  main.SetMenuBar(bar_);

  // The recording note shares the status bar's room: at most a third of it, the file name
  // elided when longer (the whole path in its tooltip).
  auto* note = new ElidedLabel(&main.StatusBar(), QSizePolicy::Preferred);
  note->setMaximumWidth(main.Form().width() / 3);
  recordStatus_ = note;
  recordStatus_->setObjectName(QStringLiteral("RecordStatus"));
  main.StatusBar().insertPermanentWidget(1, recordStatus_);
  recordStatus_->hide();
  // A marked differing edit field is drawn with a yellow ground.
  main.setStyleSheet(main.styleSheet() + QStringLiteral("QLineEdit[differs=\"true\"] { background: #fff2b0; }"));

  MainForm& form = windows.Form();
  form.runDataShown = [this](const ReceiveRing&) { RunDataShown(); };
  form.writeChecked = [this](const WriteCheckResult& result) {
    events_.WriteChecked(WallMs(), result);
    session_.WriteChecked(WallMs(), result);
  };
  form.portLost = [this](const std::string& lost) { events_.PortLost(WallMs(), lost); };
  events_.Added = [this](const EventEntry& e) {
    if (e.kind == EventEntry::Kind::Alarm || e.kind == EventEntry::Kind::WorkState)
      trend_.AddMarker({e.atMs, e.kind == EventEntry::Kind::Alarm, e.text});
  };
  // After every poll tick (connected after the poll itself): the link's events, and the open
  // tool windows follow their data on the same wake-up.
  connect(&windows.PollTimer(), &QTimer::timeout, this, [this] {
    MainForm& f = windows_.Form();
    events_.LinkTick(WallMs(), f.linePort.PortOpen(), f.stats, f.Time().NowMs());
    // A recording waits while no data can come: the note says so, the event log marks the gap.
    if (recorder_.Active()) {
      const bool open = f.linePort.PortOpen();
      if (auto gap = recordGap_.Tick(WallMs(), !open || f.runDataFreshness.Stale(),
                                     open ? Tr("Recorder", "控制板无运行数据") : Tr("Recorder", "串口未打开"))) {
        events_.LineNote(WallMs(), *gap);
        ShowRecordingCount();
      }
    }
    const int ms = windows_.PollTimer().interval();
    trafficView_->Beat(ms);
    trendView_->Beat(ms);
    eventsView_->Beat(ms);
  });
  // The operator's edits change which fields differ from the board's values.
  for (const SettingPair& pair : kSettingPairs)
    if (auto* edit = main.findChild<QLineEdit*>(QString::fromUtf8(pair.edit.data(), pair.edit.size())))
      connect(edit, &QLineEdit::textEdited, this, [this] {
        if (markDiffering_) MarkDiffering(windows_.MainPanel());
      });

  AskFile = [this](const QString& title, const QString& suggested, const QString& filter, bool save) {
    QWidget* parent = &windows_.MainView();
    return save ? QFileDialog::getSaveFileName(parent, title, suggested, filter)
                : QFileDialog::getOpenFileName(parent, title, suggested, filter);
  };
}

ToolsMenu::~ToolsMenu() {
  MainForm& form = windows_.Form();
  form.runDataShown = nullptr;
  form.writeChecked = nullptr;
  form.portLost = nullptr;
}

QAction* ToolsMenu::Add(QMenu* menu, const char* name, const QString& text, void (ToolsMenu::*slot)()) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void ToolsMenu::Show(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

void ToolsMenu::About() {
  QMessageBox::about(&windows_.MainView(), UiText("ToolsMenu", "关于"),
                     UiText("ToolsMenu", "Kestrova 后台软件\n版本 %1\n构建日期 %2\nQt %3")
                         .arg(QString::fromLatin1(kVersion), QString::fromLatin1(kBuildDate),
                              QString::fromLatin1(qVersion())));
}

void ToolsMenu::RunDataShown() {
  // The readout the main window was just written from: the tools see what the operator sees.
  const std::int64_t now = WallMs();
  const RunDataReadout& shown = windows_.Form().runData.Shown;
  const RunDataValues& values = shown.values;
  latest_ = SnapshotRunData(now, shown, windows_.Form().runData.commCounter);
  trend_.Add(now, values);
  events_.RunData(now, values);
  if (markDiffering_) MarkDiffering(windows_.MainPanel());
  if (!recorder_.Active()) return;
  if (auto error = recorder_.Row(now, windows_.Form().runData.Shown)) return StopRecording(*error);
  if (auto resumed = recordGap_.Row(now)) events_.LineNote(now, *resumed);
  ShowRecordingCount();
}

void ToolsMenu::ShowRecording() {
  recordStatus_->setVisible(recorder_.Active());
  recordFile_ = QFileInfo(ToQString(recorder_.Path())).fileName();
  ShowRecordingCount();
  recordStatus_->setToolTip(ToQString(recorder_.Path()));
  record_->setText(recorder_.Active() ? UiText("ToolsMenu", "停止记录") : UiText("ToolsMenu", "开始记录…"));
}

void ToolsMenu::ShowRecordingCount() {
  recordStatus_->setText(ToQString(recordGap_.Note(ToUtf8(recordFile_), recorder_.Rows())));
}

void ToolsMenu::StopRecording(const std::string& why) {
  recorder_.Stop();
  ShowRecording();
  // Inside a poll tick: the message waits for the event loop.
  windows_.Form().messageBox.Post(why);
}

void ToolsMenu::StartOrStopRecording() {
  if (recorder_.Active()) {
    recorder_.Stop();
    return ShowRecording();
  }
  std::string model = windows_.MainPanel().Text(main_window::kBoardModel);
  if (model.empty()) model = "board";
  const QString suggested = QDir::home().filePath(
      QStringLiteral("kestrova-%1-%2.csv").arg(ToQString(model), ToQString(FileTime(WallMs()))));
  const QString path = AskFile(UiText("ToolsMenu", "开始记录"), suggested, UiText("ToolsMenu", "CSV 文件 (*.csv)"), true);
  if (path.isEmpty()) return;
  recordGap_ = {};
  if (auto error = recorder_.Start(path.toStdString())) {
    recorder_.Stop();
    ShowRecording();
    return windows_.Form().messageBox.Show(*error);
  }
  ShowRecording();
}

void ToolsMenu::SaveProfile() {
  const SettingProfile profile = ProfileFromWindow(windows_.MainPanel(), windows_.Form().runData.Shown, IsoTime(WallMs()));
  if (auto refusal = ProfileRefusal(profile))
    return windows_.Form().messageBox.Show(Tr("ToolsMenu", "无法保存设置档案：") + *refusal);
  std::string model = profile.board[0].empty() ? "board" : profile.board[0];
  const QString suggested = QDir::home().filePath(
      QStringLiteral("kestrova-%1-settings-%2.json").arg(ToQString(model), ToQString(FileTime(WallMs()))));
  const QString path = AskFile(UiText("ToolsMenu", "保存设置档案"), suggested, UiText("ToolsMenu", "设置档案 (*.json)"), true);
  if (path.isEmpty()) return;
  if (auto error = SaveFile(path, ProfileJson(profile))) windows_.Form().messageBox.Show(error->toStdString());
}

void ToolsMenu::LoadProfile() {
  const QString path =
      AskFile(UiText("ToolsMenu", "载入设置档案"), QDir::homePath(), UiText("ToolsMenu", "设置档案 (*.json)"), false);
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return windows_.Form().messageBox.Show(Tr("ToolsMenu", "无法打开设置档案：") + file.errorString().toStdString());
  const auto parsed = ProfileFromJson(file.read(1 << 20));
  if (const auto* why = std::get_if<QString>(&parsed)) return windows_.Form().messageBox.Show(why->toStdString());
  kestrova::LoadProfile(std::get<SettingProfile>(parsed), windows_.MainPanel());
  session_.ProfileLoaded(std::get<SettingProfile>(parsed).values);
  markDiffering_ = true;
}

}  // namespace kestrova
