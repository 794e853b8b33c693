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

namespace kestrova {

namespace {

using namespace main_window;

QString U(const char* text) { return QString::fromUtf8(text); }

// An operating setting: the edit field above its read-back field, the caption to their left.
// A display-only row has no edit field.
struct PairRow {
  const char* caption;
  const Control* edit;  // nullptr for a display-only row
  const Control& readback;
  int field_left, edit_top, readback_top, width, height;
  double edit_points = 0.0, readback_points = 0.0;
  int caption_left = 0;  // 0: the caption stands right against the fields
};

void AddPair(QWidget* group, const PairRow& row) {
  const QString label = LabelName(row.edit ? *row.edit : row.readback);
  if (row.caption_left > 0)
    AddNarrowCaptionAt(group, label, U(row.caption), row.caption_left, row.edit_top, row.readback_top + row.height);
  else
    AddNarrowCaption(group, label, U(row.caption), row.field_left, row.edit_top, row.readback_top + row.height);
  if (row.edit)
    AddField(group, N(*row.edit), {row.field_left, row.edit_top, row.width, row.height}, FieldKind::kEdit,
             row.edit_points);
  AddField(group, N(row.readback), {row.field_left, row.readback_top, row.width, row.height},
           FieldKind::kReadOnly, row.readback_points);
}

struct LampRow {
  const char* caption;
  const Control& lamp;
};

// A column of lamps at lamp_left with their captions right-aligned against them.
void AddLampColumn(QWidget* group, const std::vector<LampRow>& rows, int lamp_left, int first_top, double step,
                   int lamp_height) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int top = first_top + static_cast<int>(i * step + 0.5);
    AddCaption(group, LabelName(rows[i].lamp), U(rows[i].caption), {60, top - 20, lamp_left - 105, lamp_height + 40},
               Qt::AlignRight | Qt::AlignVCenter);
    AddLamp(group, N(rows[i].lamp), U(rows[i].caption), {lamp_left, top, 255, lamp_height});
  }
}

void BuildBoardInfo(QWidget& window) {
  QGroupBox* group = AddGroup(&window, QStringLiteral("控制板信息"), {240, 240, 3495, 1965});
  struct Row { const char* caption; const Control& field; int width; };
  const Row rows[] = {{"控制板型号", TextBox1, 1215}, {"PCB 版本", TextBox2, 1215},
                      {"软件版本", TextBox3, 1215}, {"版本说明", TextBox4, 1935}};
  int top = 360;
  for (const Row& row : rows) {
    AddCaption(group, LabelName(row.field), U(row.caption), {200, top, 1040, 285});
    AddField(group, N(row.field), {1280, top, row.width, 285}, FieldKind::kReadOnly);
    top += 390;
  }
}

void BuildCommPort(QWidget& window) {
  QGroupBox* group = AddGroup(&window, QStringLiteral("通信端口"), {3840, 240, 4935, 1965});
  AddField(group, N(CommPortText), {300, 380, 615, 315}, FieldKind::kReadOnly, kLargePoints);

  auto* scroll = new QScrollBar(Qt::Vertical, group);
  scroll->setObjectName(N(CommPortVScroll));
  scroll->setGeometry(TwipRect(915, 290, 495, 495));
  scroll->setRange(0, 32767);
  scroll->setSingleStep(1);
  scroll->setPageStep(1);
  scroll->setFocusPolicy(Qt::StrongFocus);
  scroll->hide();

  auto* toggle = new ToggleButton(
      QString::fromUtf8(kOpenPortCaption.data(), static_cast<qsizetype>(kOpenPortCaption.size())), group);
  toggle->setObjectName(N(CommPort_ToggleButton));
  toggle->setGeometry(TwipRect(1560, 390, 975, 360));

  AddCaption(group, LabelName(TextBox5), QStringLiteral("串口设置"), {300, 945, 840, 300});
  AddField(group, N(TextBox5), {1140, 945, 1575, 300}, FieldKind::kReadOnly)
      ->setText(QStringLiteral("9600,8,N,1"));
  AddCaption(group, LabelName(TextBox6), QStringLiteral("通信协议"), {300, 1425, 840, 300});
  AddField(group, N(TextBox6), {1140, 1425, 1575, 300}, FieldKind::kReadOnly)
      ->setText(QStringLiteral("MODBUS 改进型"));

  // The link mode is shown by the system; the operator cannot select either option.
  AddCaption(group, LabelName(RS485Option), QStringLiteral("通信方式"), {2940, 480, 780, 255});
  // Shown at full contrast, but neither clicks nor the keyboard reach them.
  for (auto [option_name, caption, top] : {std::tuple{RS485Option, "RS485", 285}, std::tuple{RS422Option, "RS422", 600}}) {
    auto* option = new DisplayOption(U(caption), group);
    option->setObjectName(N(option_name));
    option->setGeometry(TwipRect(3750, top, 1000, 300));
  }

  AddButton(group, N(Addr_Command1), QStringLiteral("发送地址"), {2880, 910, 975, 375});
  AddField(group, N(AddrText1), {4080, 955, 550, 320}, FieldKind::kEdit);
  AddButton(group, N(Addr_Command2), QStringLiteral("获取地址"), {2880, 1385, 975, 375});
  AddField(group, N(AddrText2), {4080, 1430, 550, 320}, FieldKind::kButtonFace);
}

void BuildModule(QWidget* status) {
  QGroupBox* module = AddGroup(status, QStringLiteral("半导体模块"), {120, 240, 2895, 4575});
  QGroupBox* cool = AddGroup(module, QStringLiteral("制冷"), {120, 240, 2655, 1300});
  QGroupBox* heat = AddGroup(module, QStringLiteral("制热"), {120, 1600, 2655, 1300});
  const double big = kLargePoints;
  AddPair(cool, {"开启温度", &S_TECcoolStart_Text, TECcoolStart_Text, 705, 300, 660, 615, 300, big, big});
  AddPair(cool, {"停止温度", &S_TECcoolStop_Text, TECcoolStop_Text, 1920, 300, 660, 615, 300, big, big});
  AddPair(heat, {"开启温度", &S_TECheatStart_Text, TECheatStart_Text, 705, 300, 660, 615, 300, big});
  AddPair(heat, {"停止温度", &S_TECheatStop_Text, TECheatStop_Text, 1920, 300, 660, 615, 300, big});
  AddPair(module, {"电流低限", &S_TECcurrL_Text, TECcurrL_Text, 840, 3120, 3480, 615, 300, big});
  AddPair(module, {"电流高限", &S_TECcurrH_Text, TECcurrH_Text, 2055, 3120, 3480, 615, 300, big});

  AddCaption(module, LabelName(TECcurrent_Text), QStringLiteral("实时电流"), {1000, 3960, 995, 300},
             Qt::AlignRight | Qt::AlignVCenter);
  AddField(module, N(TECcurrent_Text), {2055, 3960, 615, 300}, FieldKind::kReadOnly);

  // "单冷": two unlabelled options nobody reads; the second one is disabled.
  AddCaption(module, LabelName(Option1), QStringLiteral("单冷"), {240, 4000, 520, 255});
  for (auto [name, top] : {std::pair{Option1, 3900}, std::pair{Option2, 4150}}) {
    auto* option = new QRadioButton(module);
    option->setObjectName(N(name));
    // 200 × 200 twips is narrower than the style's indicator: the button grows right and down
    // just enough to show the whole circle.
    const QRect at = TwipRect(800, top, 200, 200);
    const QSize indicator(option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option),
                          option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, option));
    option->setGeometry(QRect(at.topLeft(), at.size().expandedTo(indicator + QSize(1, 1))));
  }
  Child<QRadioButton>(*module, Option2).setEnabled(false);
}

// The row captions of the two fan groups start at a fixed place inside their group.
constexpr int kFanCaptionLeft = 195;

void BuildFans(QWidget* status) {
  QGroupBox* inner = AddGroup(status, QStringLiteral("内风机"), {3120, 240, 1560, 4575});
  AddPair(inner, {"每转脉冲", &S_IntFanPulse_Text, IntFanPulse_Text, 720, 480, 840, 300, 270, 0, 0, kFanCaptionLeft});
  AddPair(inner, {"低速转速", &S_IntFanLowS_Text, IntFanLowS_Text, 720, 1560, 1920, 600, 270, 0, 0, kFanCaptionLeft});
  AddPair(inner, {"高速转速", &S_IntFanHighS_Text, IntFanHighS_Text, 720, 2640, 3000, 600, 270, 0, 0, kFanCaptionLeft});
  AddPair(inner, {"当前转速", nullptr, IntFanSpeed_Text, 720, 3720, 3720, 600, 270, 0, 0, kFanCaptionLeft});

  QGroupBox* outer = AddGroup(status, QStringLiteral("外风机"), {4800, 240, 1560, 4575});
  AddPair(outer, {"每转脉冲", &S_ExtFanPulse_Text, ExtFanPulse_Text, 720, 480, 840, 300, 270, 0, 0, kFanCaptionLeft});
  AddPair(outer, {"高速转速", &S_ExtFanHighS_Text, ExtFanHighS_Text, 720, 2640, 3000, 600, 270, 0, 0, kFanCaptionLeft});
  AddPair(outer, {"当前转速", nullptr, ExtFanSpeed_Text, 720, 3720, 3720, 600, 270, 0, 0, kFanCaptionLeft});
}

void BuildAlarmLimits(QWidget* status) {
  QGroupBox* limits = AddGroup(status, QStringLiteral("报警"), {6480, 240, 1695, 1815});
  AddPair(limits, {"高温报警", &S_TempMax_Text, TempMax_Text, 855, 240, 580, 615, 270});
  AddPair(limits, {"低温报警", &S_TempMin_Text, TempMin_Text, 855, 1020, 1360, 615, 270});
}

void BuildLamps(QWidget* status) {
  QGroupBox* work = AddGroup(status, QStringLiteral("系统工作状态"), {6480, 2160, 1695, 2655});
  AddLampColumn(work,
                {{"内风机状态", StatusBox1}, {"外风机状态", StatusBox2}, {"制冷状态", StatusBox3},
                 {"制热状态", StatusBox4}, {"排氢电机", StatusBox5}, {"自检", StatusBox6},
                 {"模拟温度", StatusBox18}, {"自检", StatusBox19}},
                1215, 285, 284, 220);
  // The last two rows exist but stay hidden for the whole run.
  for (const Control& name : {StatusBox18, StatusBox19}) {
    Child<Lamp>(*work, name).hide();
    Child<QLabel>(*work, LabelName(name)).hide();
  }

  QGroupBox* alarms = AddGroup(status, QStringLiteral("告警"), {8280, 240, 1935, 4575});
  AddLampColumn(alarms,
                {{"总告警", StatusBox7}, {"温度传感器告警", StatusBox8}, {"内风机告警", StatusBox9},
                 {"外风机告警", StatusBox10}, {"电流低限告警", StatusBox11}, {"电流高限告警", StatusBox12},
                 {"高温告警", StatusBox13}, {"低温告警", StatusBox14}, {"直流低压告警", StatusBox15},
                 {"直流高压告警", StatusBox16}, {"交流掉电告警", StatusBox17}, {"门禁", StatusBox20},
                 {"开关量3", StatusBox21}, {"开关量4", StatusBox22}},
                1515, 240, (4200 - 240) / 13.0, 225);
}

void BuildRightColumn(QWidget* status) {
  struct Row { int top; const char* caption; const Control& field; FieldKind kind; };
  const Row rows[] = {{360, "通信计数", CommCtr_Text, FieldKind::kButtonFace},
                      {800, "模拟温度", SetupT_Text, FieldKind::kEdit},
                      {1800, "内温度", Temp1_Text, FieldKind::kReadOnly},
                      {2160, "外温度", Temp2_Text, FieldKind::kReadOnly},
                      {2520, "控制温度", ControlTemp_Text, FieldKind::kReadOnly},
                      {3000, "直流电压", DCvoltage_Text, FieldKind::kReadOnly}};
  for (const Row& row : rows) {
    AddCaption(status, LabelName(row.field), U(row.caption), {10260, row.top, 900, 270},
               Qt::AlignRight | Qt::AlignVCenter);
    AddField(status, N(row.field), {11280, row.top, 615, 270}, row.kind);
  }
  AddButton(status, N(Command3), QStringLiteral("发送模拟温度"), {10500, 1220, 1335, 375});
  AddButton(status, N(F_Setup_Command), QStringLiteral("厂家设定"), {10560, 3400, 1215, 375});
  AddButton(status, N(Copy_Command), QStringLiteral("复制设置"), {10560, 3900, 1215, 375});
  AddButton(status, N(Setup_Command), QStringLiteral("发送设置"), {10560, 4400, 1215, 375});
}

// The Tab key walks the window from the port toggle through the port group, the settings in
// reading order and the command buttons.
void SetTabOrder(QWidget& window) {
  const Control chain[] = {CommPort_ToggleButton, CommPortVScroll, Addr_Command1, AddrText1, Addr_Command2,
                         S_TECcoolStart_Text, S_TECcoolStop_Text, S_TECheatStart_Text,
                         S_TECheatStop_Text, S_TECcurrL_Text, S_TECcurrH_Text, Option1,
                         S_IntFanPulse_Text, S_IntFanLowS_Text, S_IntFanHighS_Text, S_ExtFanPulse_Text,
                         S_ExtFanHighS_Text, S_TempMax_Text, S_TempMin_Text, SetupT_Text, Command3,
                         F_Setup_Command, Copy_Command, Setup_Command};
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
  QGroupBox* status = AddGroup(&window, QStringLiteral("设备状态数据"), {240, 2280, 12135, 4935});
  BuildModule(status);
  BuildFans(status);
  BuildAlarmLimits(status);
  BuildLamps(status);
  BuildRightColumn(status);
  SetTabOrder(window);
}

}  // namespace kestrova
