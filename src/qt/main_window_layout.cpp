// The controls of the main window, group by group, at their twip positions inside their group.
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <tuple>
#include <vector>

#include "link/port_selection.h"
#include "qt/fonts.h"
#include "qt/form_builder.h"
#include "qt/lamp.h"
#include "qt/main_window.h"
#include "qt/twips.h"
#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

namespace {

using namespace main_window;

// An operating setting: the edit field above its read-back field, the caption to their left.
// A display-only row has no edit field.
struct PairRow {
  const char* caption;
  const Control* edit;  // nullptr for a display-only row
  const Control& readback;
  int fieldLeft, editTop, readbackTop, width, height;
  double editPoints = 0.0, readbackPoints = 0.0;
  int captionLeft = 0;  // 0: the caption stands right against the fields
};

void AddPair(QWidget* group, const PairRow& row) {
  const QString label = LabelName(row.edit ? *row.edit : row.readback);
  if (row.captionLeft > 0)
    AddNarrowCaptionAt(group, label, UiText("MainWindow", row.caption), row.captionLeft, row.editTop, row.readbackTop + row.height);
  else
    AddNarrowCaption(group, label, UiText("MainWindow", row.caption), row.fieldLeft, row.editTop, row.readbackTop + row.height);
  if (row.edit)
    AddField(group, ToQString(*row.edit), {row.fieldLeft, row.editTop, row.width, row.height}, FieldKind::kEdit,
             row.editPoints);
  AddField(group, ToQString(row.readback), {row.fieldLeft, row.readbackTop, row.width, row.height},
           FieldKind::kReadOnly, row.readbackPoints);
}

struct LampRow {
  const char* caption;
  const Control& lamp;
};

// A column of lamps at lampLeft with their captions right-aligned against them.
void AddLampColumn(QWidget* group, const std::vector<LampRow>& rows, int lampLeft, int firstTop, double step,
                   int lampHeight) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int top = firstTop + static_cast<int>(i * step + 0.5);
    AddCaption(group, LabelName(rows[i].lamp), UiText("MainWindow", rows[i].caption), {60, top - 20, lampLeft - 105, lampHeight + 40},
               Qt::AlignRight | Qt::AlignVCenter);
    AddLamp(group, ToQString(rows[i].lamp), UiText("MainWindow", rows[i].caption), {lampLeft, top, 255, lampHeight});
  }
}

void BuildBoardInfo(QWidget& window) {
  QGroupBox* group = AddGroup(&window, "MainWindow", KTR_NOOP("MainWindow", "控制板信息"), {240, 240, 3495, 1965});
  struct Row { const char* caption; const Control& field; int width; };
  const Row rows[] = {{KTR_NOOP("MainWindow", "控制板型号"), kBoardModel, 1215}, {KTR_NOOP("MainWindow", "PCB 版本"), kPcbVersion, 1215},
                      {KTR_NOOP("MainWindow", "软件版本"), kSoftwareVersion, 1215}, {KTR_NOOP("MainWindow", "版本说明"), kVersionNote, 1935}};
  int top = 360;
  for (const Row& row : rows) {
    AddCaption(group, LabelName(row.field), UiText("MainWindow", row.caption), {200, top, 1040, 285});
    AddField(group, ToQString(row.field), {1280, top, row.width, 285}, FieldKind::kReadOnly);
    top += 390;
  }
}

void BuildCommPort(QWidget& window) {
  QGroupBox* group = AddGroup(&window, "MainWindow", KTR_NOOP("MainWindow", "通信端口"), {3840, 240, 4935, 1965});
  AddField(group, ToQString(kPortName), {300, 380, 615, 315}, FieldKind::kReadOnly, kLargePoints);

  auto* scroll = new QScrollBar(Qt::Vertical, group);
  scroll->setObjectName(ToQString(kPortScroll));
  scroll->setGeometry(TwipRect(915, 290, 495, 495));
  scroll->setRange(0, 32767);
  scroll->setSingleStep(1);
  scroll->setPageStep(1);
  scroll->setFocusPolicy(Qt::StrongFocus);
  scroll->hide();

  auto* toggle = new ToggleButton(
      UiText("PortSelection", kOpenPortCaption.data()), group);
  toggle->setObjectName(ToQString(kPortToggle));
  toggle->setGeometry(TwipRect(1560, 390, 975, 360));

  AddCaption(group, LabelName(kLineSettings), UiText("MainWindow", "串口设置"), {300, 945, 840, 300});
  AddField(group, ToQString(kLineSettings), {1140, 945, 1575, 300}, FieldKind::kReadOnly)
      ->setText(QStringLiteral("9600,8,N,1"));
  AddCaption(group, LabelName(kProtocolName), UiText("MainWindow", "通信协议"), {300, 1425, 840, 300});
  AddField(group, ToQString(kProtocolName), {1140, 1425, 1575, 300}, FieldKind::kReadOnly)
      ->setText(UiText("MainWindow", "MODBUS 改进型"));

  // The link mode is shown by the system; the operator cannot select either option.
  AddCaption(group, LabelName(kRs485Mode), UiText("MainWindow", "通信方式"), {2940, 480, 780, 255});
  // Shown at full contrast, but neither clicks nor the keyboard reach them.
  for (auto [optionName, caption, top] : {std::tuple{kRs485Mode, "RS485", 285}, std::tuple{kRs422Mode, "RS422", 600}}) {
    auto* option = new DisplayOption(ToQString(caption), group);
    option->setObjectName(ToQString(optionName));
    option->setGeometry(TwipRect(3750, top, 1000, 300));
  }

  AddButton(group, ToQString(kSendAddress), UiText("MainWindow", "发送地址"), {2880, 910, 975, 375});
  AddField(group, ToQString(kNewAddress), {4080, 955, 550, 320}, FieldKind::kEdit);
  AddButton(group, ToQString(kReadAddress), UiText("MainWindow", "获取地址"), {2880, 1385, 975, 375});
  AddField(group, ToQString(kBoardAddress), {4080, 1430, 550, 320}, FieldKind::kButtonFace);
}

void BuildModule(QWidget* status) {
  QGroupBox* module = AddGroup(status, "MainWindow", KTR_NOOP("MainWindow", "半导体模块"), {120, 240, 2895, 4575});
  QGroupBox* cool = AddGroup(module, "MainWindow", KTR_NOOP("MainWindow", "制冷"), {120, 240, 2655, 1300});
  QGroupBox* heat = AddGroup(module, "MainWindow", KTR_NOOP("MainWindow", "制热"), {120, 1600, 2655, 1300});
  const double big = kLargePoints;
  AddPair(cool, {KTR_NOOP("MainWindow", "开启温度"), &kSetCoolStart, kCoolStart, 705, 300, 660, 615, 300, big, big});
  AddPair(cool, {KTR_NOOP("MainWindow", "停止温度"), &kSetCoolStop, kCoolStop, 1920, 300, 660, 615, 300, big, big});
  AddPair(heat, {KTR_NOOP("MainWindow", "开启温度"), &kSetHeatStart, kHeatStart, 705, 300, 660, 615, 300, big});
  AddPair(heat, {KTR_NOOP("MainWindow", "停止温度"), &kSetHeatStop, kHeatStop, 1920, 300, 660, 615, 300, big});
  AddPair(module, {KTR_NOOP("MainWindow", "电流低限"), &kSetCurrentLow, kCurrentLow, 840, 3120, 3480, 615, 300, big});
  AddPair(module, {KTR_NOOP("MainWindow", "电流高限"), &kSetCurrentHigh, kCurrentHigh, 2055, 3120, 3480, 615, 300, big});

  AddCaption(module, LabelName(kLiveCurrent), UiText("MainWindow", "实时电流"), {1000, 3960, 995, 300},
             Qt::AlignRight | Qt::AlignVCenter);
  AddField(module, ToQString(kLiveCurrent), {2055, 3960, 615, 300}, FieldKind::kReadOnly);

  // "单冷": two unlabelled options nobody reads; the second one is disabled.
  AddCaption(module, LabelName(kCoolingOnlyUpper), UiText("MainWindow", "单冷"), {240, 4000, 520, 255});
  for (auto [name, top] : {std::pair{kCoolingOnlyUpper, 3900}, std::pair{kCoolingOnlyLower, 4150}}) {
    auto* option = new QRadioButton(module);
    option->setObjectName(ToQString(name));
    // 200 × 200 twips is narrower than the style's indicator: the button grows right and down
    // just enough to show the whole circle.
    const QRect at = TwipRect(800, top, 200, 200);
    const QSize indicator(option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option),
                          option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, option));
    option->setGeometry(QRect(at.topLeft(), at.size().expandedTo(indicator + QSize(1, 1))));
  }
  Child<QRadioButton>(*module, kCoolingOnlyLower).setEnabled(false);
}

// The row captions of the two fan groups start at a fixed place inside their group.
constexpr int kFanCaptionLeft = 195;

void BuildFans(QWidget* status) {
  QGroupBox* inner = AddGroup(status, "MainWindow", KTR_NOOP("MainWindow", "内风机"), {3120, 240, 1560, 4575});
  AddPair(inner, {KTR_NOOP("MainWindow", "每转脉冲"), &kSetInnerFanPulses, kInnerFanPulses, 720, 480, 840, 300, 270, 0, 0, kFanCaptionLeft});
  AddPair(inner, {KTR_NOOP("MainWindow", "低速转速"), &kSetInnerFanLowSpeed, kInnerFanLowSpeed, 720, 1560, 1920, 600, 270, 0, 0, kFanCaptionLeft});
  AddPair(inner, {KTR_NOOP("MainWindow", "高速转速"), &kSetInnerFanHighSpeed, kInnerFanHighSpeed, 720, 2640, 3000, 600, 270, 0, 0, kFanCaptionLeft});
  AddPair(inner, {KTR_NOOP("MainWindow", "当前转速"), nullptr, kInnerFanSpeed, 720, 3720, 3720, 600, 270, 0, 0, kFanCaptionLeft});

  QGroupBox* outer = AddGroup(status, "MainWindow", KTR_NOOP("MainWindow", "外风机"), {4800, 240, 1560, 4575});
  AddPair(outer, {KTR_NOOP("MainWindow", "每转脉冲"), &kSetOuterFanPulses, kOuterFanPulses, 720, 480, 840, 300, 270, 0, 0, kFanCaptionLeft});
  AddPair(outer, {KTR_NOOP("MainWindow", "高速转速"), &kSetOuterFanHighSpeed, kOuterFanHighSpeed, 720, 2640, 3000, 600, 270, 0, 0, kFanCaptionLeft});
  AddPair(outer, {KTR_NOOP("MainWindow", "当前转速"), nullptr, kOuterFanSpeed, 720, 3720, 3720, 600, 270, 0, 0, kFanCaptionLeft});
}

void BuildAlarmLimits(QWidget* status) {
  QGroupBox* limits = AddGroup(status, "MainWindow", KTR_NOOP("MainWindow", "报警"), {6480, 240, 1695, 1815});
  AddPair(limits, {KTR_NOOP("MainWindow", "高温报警"), &kSetHighTempAlarm, kHighTempAlarm, 855, 240, 580, 615, 270});
  AddPair(limits, {KTR_NOOP("MainWindow", "低温报警"), &kSetLowTempAlarm, kLowTempAlarm, 855, 1020, 1360, 615, 270});
}

void BuildLamps(QWidget* status) {
  QGroupBox* work = AddGroup(status, "MainWindow", KTR_NOOP("MainWindow", "系统工作状态"), {6480, 2160, 1695, 2655});
  AddLampColumn(work,
                {{KTR_NOOP("MainWindow", "内风机状态"), kInnerFanLamp}, {KTR_NOOP("MainWindow", "外风机状态"), kOuterFanLamp}, {KTR_NOOP("MainWindow", "制冷状态"), kCoolingLamp},
                 {KTR_NOOP("MainWindow", "制热状态"), kHeatingLamp}, {KTR_NOOP("MainWindow", "排氢电机"), kVentMotorLamp}, {KTR_NOOP("MainWindow", "自检"), kSelfTestLamp},
                 {KTR_NOOP("MainWindow", "模拟温度"), kSimTemperatureLamp}, {KTR_NOOP("MainWindow", "自检"), kSelfTestHiddenLamp}},
                1215, 285, 284, 220);
  // The last two rows exist but stay hidden for the whole run.
  for (const Control& name : {kSimTemperatureLamp, kSelfTestHiddenLamp}) {
    Child<Lamp>(*work, name).hide();
    Child<QLabel>(*work, LabelName(name)).hide();
  }

  QGroupBox* alarms = AddGroup(status, "MainWindow", KTR_NOOP("MainWindow", "告警"), {8280, 240, 1935, 4575});
  AddLampColumn(alarms,
                {{KTR_NOOP("MainWindow", "总告警"), kGeneralAlarmLamp}, {KTR_NOOP("MainWindow", "温度传感器告警"), kSensorAlarmLamp}, {KTR_NOOP("MainWindow", "内风机告警"), kInnerFanAlarmLamp},
                 {KTR_NOOP("MainWindow", "外风机告警"), kOuterFanAlarmLamp}, {KTR_NOOP("MainWindow", "电流低限告警"), kCurrentLowAlarmLamp}, {KTR_NOOP("MainWindow", "电流高限告警"), kCurrentHighAlarmLamp},
                 {KTR_NOOP("MainWindow", "高温告警"), kHighTempAlarmLamp}, {KTR_NOOP("MainWindow", "低温告警"), kLowTempAlarmLamp}, {KTR_NOOP("MainWindow", "直流低压告警"), kDcLowAlarmLamp},
                 {KTR_NOOP("MainWindow", "直流高压告警"), kDcHighAlarmLamp}, {KTR_NOOP("MainWindow", "交流掉电告警"), kAcPowerLossLamp}, {KTR_NOOP("MainWindow", "门禁"), kDoorLamp},
                 {KTR_NOOP("MainWindow", "开关量3"), kSwitchInput3Lamp}, {KTR_NOOP("MainWindow", "开关量4"), kSwitchInput4Lamp}},
                1515, 240, (4200 - 240) / 13.0, 225);
}

void BuildRightColumn(QWidget* status) {
  struct Row { int top; const char* caption; const Control& field; FieldKind kind; };
  const Row rows[] = {{360, KTR_NOOP("MainWindow", "通信计数"), kCommCounter, FieldKind::kButtonFace},
                      {800, KTR_NOOP("MainWindow", "模拟温度"), kSimTemperature, FieldKind::kEdit},
                      {1800, KTR_NOOP("MainWindow", "内温度"), kInnerTemperature, FieldKind::kReadOnly},
                      {2160, KTR_NOOP("MainWindow", "外温度"), kOuterTemperature, FieldKind::kReadOnly},
                      {2520, KTR_NOOP("MainWindow", "控制温度"), kControlTemperature, FieldKind::kReadOnly},
                      {3000, KTR_NOOP("MainWindow", "直流电压"), kSupplyVoltage, FieldKind::kReadOnly}};
  for (const Row& row : rows) {
    AddCaption(status, LabelName(row.field), UiText("MainWindow", row.caption), {10260, row.top, 900, 270},
               Qt::AlignRight | Qt::AlignVCenter);
    AddField(status, ToQString(row.field), {11280, row.top, 615, 270}, row.kind);
  }
  AddButton(status, ToQString(kSendSimTemperature), UiText("MainWindow", "发送模拟温度"), {10500, 1220, 1335, 375});
  AddButton(status, ToQString(kOpenFactorySetup), UiText("MainWindow", "厂家设定"), {10560, 3400, 1215, 375});
  AddButton(status, ToQString(kCopySettings), UiText("MainWindow", "复制设置"), {10560, 3900, 1215, 375});
  AddButton(status, ToQString(kSendSettings), UiText("MainWindow", "发送设置"), {10560, 4400, 1215, 375});
}

// The Tab key walks the window from the port toggle through the port group, the settings in
// reading order and the command buttons.
void SetTabOrder(QWidget& window) {
  const Control chain[] = {kPortToggle, kPortScroll, kSendAddress, kNewAddress, kReadAddress,
                         kSetCoolStart, kSetCoolStop, kSetHeatStart,
                         kSetHeatStop, kSetCurrentLow, kSetCurrentHigh, kCoolingOnlyUpper,
                         kSetInnerFanPulses, kSetInnerFanLowSpeed, kSetInnerFanHighSpeed, kSetOuterFanPulses,
                         kSetOuterFanHighSpeed, kSetHighTempAlarm, kSetLowTempAlarm, kSimTemperature, kSendSimTemperature,
                         kOpenFactorySetup, kCopySettings, kSendSettings};
  QWidget* previous = nullptr;
  for (const Control& name : chain) {
    QWidget* next = &Child<QWidget>(window, name);
    if (previous) QWidget::setTabOrder(previous, next);
    previous = next;
  }
}

}  // namespace

void BuildMainWindowLayout(QWidget& window) {
  BuildBoardInfo(window);
  BuildCommPort(window);
  QGroupBox* status = AddGroup(&window, "MainWindow", KTR_NOOP("MainWindow", "设备状态数据"), {240, 2280, 12135, 4935});
  BuildModule(status);
  BuildFans(status);
  BuildAlarmLimits(status);
  BuildLamps(status);
  BuildRightColumn(status);
  SetTabOrder(window);
}

}  // namespace kestrova
