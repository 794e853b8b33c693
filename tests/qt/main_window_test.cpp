// The main window's controls: names, kinds, captions and default texts, the read-only and Tab
// rules, a few positions in pixels at 96 DPI, and what the operator cannot change.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "qt/form_builder.h"
#include "qt/lamp.h"
#include "qt/main_window.h"
#include "qt/ui_support.h"

namespace kestrova::testing {
namespace {

enum class Kind { kEdit, kReadOnly, kButtonFace, kButton, kToggle, kOption, kLamp, kScroll, kCaption, kGroup };

struct Expected {
  const char* name;
  Kind kind;
  const char* text;  // caption, default text or group title
};

// clang-format off
const Expected kMainControls[] = {
    {"Frame_控制板信息", Kind::kGroup, "控制板信息"}, {"Frame_通信端口", Kind::kGroup, "通信端口"},
    {"Frame_设备状态数据", Kind::kGroup, "设备状态数据"}, {"Frame_半导体模块", Kind::kGroup, "半导体模块"},
    {"Frame_制冷", Kind::kGroup, "制冷"}, {"Frame_制热", Kind::kGroup, "制热"}, {"Frame_内风机", Kind::kGroup, "内风机"},
    {"Frame_外风机", Kind::kGroup, "外风机"}, {"Frame_报警", Kind::kGroup, "报警"}, {"Frame_系统工作状态", Kind::kGroup, "系统工作状态"},
    {"Frame_告警", Kind::kGroup, "告警"}, {"TextBox1", Kind::kReadOnly, ""}, {"Label_TextBox1", Kind::kCaption, "控制板型号"},
    {"TextBox2", Kind::kReadOnly, ""}, {"Label_TextBox2", Kind::kCaption, "PCB 版本"},
    {"TextBox3", Kind::kReadOnly, ""}, {"Label_TextBox3", Kind::kCaption, "软件版本"}, {"TextBox4", Kind::kReadOnly, ""},
    {"Label_TextBox4", Kind::kCaption, "版本说明"}, {"CommPortText", Kind::kReadOnly, ""},
    {"CommPortVScroll", Kind::kScroll, ""}, {"CommPort_ToggleButton", Kind::kToggle, "打开串口"},
    {"TextBox5", Kind::kReadOnly, "9600,8,N,1"}, {"Label_TextBox5", Kind::kCaption, "串口设置"},
    {"TextBox6", Kind::kReadOnly, "MODBUS 改进型"}, {"Label_TextBox6", Kind::kCaption, "通信协议"},
    {"Label_RS485Option", Kind::kCaption, "通信方式"}, {"RS485Option", Kind::kOption, "RS485"},
    {"RS422Option", Kind::kOption, "RS422"}, {"Addr_Command1", Kind::kButton, "发送地址"}, {"AddrText1", Kind::kEdit, ""},
    {"Addr_Command2", Kind::kButton, "获取地址"}, {"AddrText2", Kind::kButtonFace, ""},
    {"S_TECcoolStart_Text", Kind::kEdit, ""}, {"TECcoolStart_Text", Kind::kReadOnly, ""},
    {"Label_S_TECcoolStart_Text", Kind::kCaption, "开启温度"}, {"S_TECcoolStop_Text", Kind::kEdit, ""},
    {"TECcoolStop_Text", Kind::kReadOnly, ""}, {"Label_S_TECcoolStop_Text", Kind::kCaption, "停止温度"},
    {"S_TECheatStart_Text", Kind::kEdit, ""}, {"TECheatStart_Text", Kind::kReadOnly, ""},
    {"Label_S_TECheatStart_Text", Kind::kCaption, "开启温度"}, {"S_TECheatStop_Text", Kind::kEdit, ""},
    {"TECheatStop_Text", Kind::kReadOnly, ""}, {"Label_S_TECheatStop_Text", Kind::kCaption, "停止温度"},
    {"S_TECcurrL_Text", Kind::kEdit, ""}, {"TECcurrL_Text", Kind::kReadOnly, ""},
    {"Label_S_TECcurrL_Text", Kind::kCaption, "电流低限"}, {"S_TECcurrH_Text", Kind::kEdit, ""},
    {"TECcurrH_Text", Kind::kReadOnly, ""}, {"Label_S_TECcurrH_Text", Kind::kCaption, "电流高限"},
    {"TECcurrent_Text", Kind::kReadOnly, ""}, {"Label_TECcurrent_Text", Kind::kCaption, "实时电流"},
    {"Label_Option1", Kind::kCaption, "单冷"}, {"Option1", Kind::kOption, ""}, {"Option2", Kind::kOption, ""},
    {"S_IntFanPulse_Text", Kind::kEdit, ""}, {"IntFanPulse_Text", Kind::kReadOnly, ""},
    {"Label_S_IntFanPulse_Text", Kind::kCaption, "每转脉冲"}, {"S_IntFanLowS_Text", Kind::kEdit, ""},
    {"IntFanLowS_Text", Kind::kReadOnly, ""}, {"Label_S_IntFanLowS_Text", Kind::kCaption, "低速转速"},
    {"S_IntFanHighS_Text", Kind::kEdit, ""}, {"IntFanHighS_Text", Kind::kReadOnly, ""},
    {"Label_S_IntFanHighS_Text", Kind::kCaption, "高速转速"}, {"IntFanSpeed_Text", Kind::kReadOnly, ""},
    {"Label_IntFanSpeed_Text", Kind::kCaption, "当前转速"}, {"S_ExtFanPulse_Text", Kind::kEdit, ""},
    {"ExtFanPulse_Text", Kind::kReadOnly, ""}, {"S_ExtFanHighS_Text", Kind::kEdit, ""},
    {"ExtFanHighS_Text", Kind::kReadOnly, ""}, {"ExtFanSpeed_Text", Kind::kReadOnly, ""},
    {"Label_ExtFanSpeed_Text", Kind::kCaption, "当前转速"}, {"S_TempMax_Text", Kind::kEdit, ""},
    {"TempMax_Text", Kind::kReadOnly, ""}, {"Label_S_TempMax_Text", Kind::kCaption, "高温报警"},
    {"S_TempMin_Text", Kind::kEdit, ""}, {"TempMin_Text", Kind::kReadOnly, ""},
    {"Label_S_TempMin_Text", Kind::kCaption, "低温报警"}, {"StatusBox1", Kind::kLamp, "内风机状态"},
    {"StatusBox2", Kind::kLamp, "外风机状态"}, {"StatusBox3", Kind::kLamp, "制冷状态"}, {"StatusBox4", Kind::kLamp, "制热状态"},
    {"StatusBox5", Kind::kLamp, "排氢电机"}, {"StatusBox6", Kind::kLamp, "自检"}, {"StatusBox7", Kind::kLamp, "总告警"},
    {"StatusBox8", Kind::kLamp, "温度传感器告警"}, {"StatusBox9", Kind::kLamp, "内风机告警"},
    {"StatusBox10", Kind::kLamp, "外风机告警"}, {"StatusBox11", Kind::kLamp, "电流低限告警"},
    {"StatusBox12", Kind::kLamp, "电流高限告警"}, {"StatusBox13", Kind::kLamp, "高温告警"},
    {"StatusBox14", Kind::kLamp, "低温告警"}, {"StatusBox15", Kind::kLamp, "直流低压告警"},
    {"StatusBox16", Kind::kLamp, "直流高压告警"}, {"StatusBox17", Kind::kLamp, "交流掉电告警"},
    {"StatusBox18", Kind::kLamp, "模拟温度"}, {"StatusBox19", Kind::kLamp, "自检"}, {"StatusBox20", Kind::kLamp, "门禁"},
    {"StatusBox21", Kind::kLamp, "开关量3"}, {"StatusBox22", Kind::kLamp, "开关量4"},
    {"CommCtr_Text", Kind::kButtonFace, ""}, {"Label_CommCtr_Text", Kind::kCaption, "通信计数"},
    {"SetupT_Text", Kind::kEdit, ""}, {"Label_SetupT_Text", Kind::kCaption, "模拟温度"},
    {"Command3", Kind::kButton, "发送模拟温度"}, {"Temp1_Text", Kind::kReadOnly, ""},
    {"Label_Temp1_Text", Kind::kCaption, "内温度"}, {"Temp2_Text", Kind::kReadOnly, ""},
    {"Label_Temp2_Text", Kind::kCaption, "外温度"}, {"ControlTemp_Text", Kind::kReadOnly, ""},
    {"Label_ControlTemp_Text", Kind::kCaption, "控制温度"}, {"DCvoltage_Text", Kind::kReadOnly, ""},
    {"Label_DCvoltage_Text", Kind::kCaption, "直流电压"}, {"F_Setup_Command", Kind::kButton, "厂家设定"},
    {"Copy_Command", Kind::kButton, "复制设置"}, {"Setup_Command", Kind::kButton, "发送设置"},
};
// clang-format on

QColor Base(const QWidget& w) { return w.palette().color(QPalette::Base); }

void CheckControl(QWidget& window, const Expected& e) {
  SCOPED_TRACE(e.name);
  QWidget* w = Named(window, e.name);
  ASSERT_NE(w, nullptr);
  const QString text = QString::fromUtf8(e.text);
  auto* edit = qobject_cast<QLineEdit*>(w);
  switch (e.kind) {
    case Kind::kEdit:
      ASSERT_NE(edit, nullptr);
      EXPECT_EQ(edit->text(), text);
      EXPECT_FALSE(edit->isReadOnly());
      EXPECT_TRUE(edit->focusPolicy() & Qt::TabFocus);
      EXPECT_NE(Base(*edit), ReadBackGrey());
      break;
    case Kind::kReadOnly:
    case Kind::kButtonFace:
      ASSERT_NE(edit, nullptr);
      EXPECT_EQ(edit->text(), text);
      EXPECT_TRUE(edit->isReadOnly());
      EXPECT_EQ(edit->focusPolicy(), Qt::NoFocus);
      EXPECT_EQ(Base(*edit), e.kind == Kind::kReadOnly ? ReadBackGrey() : edit->palette().color(QPalette::Button));
      break;
    case Kind::kButton:
    case Kind::kToggle: {
      auto* button = qobject_cast<QPushButton*>(w);
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(button->text(), text);
      EXPECT_EQ(button->isCheckable(), e.kind == Kind::kToggle);
      EXPECT_FALSE(button->isChecked());
      break;
    }
    case Kind::kOption: {
      auto* option = qobject_cast<QRadioButton*>(w);
      ASSERT_NE(option, nullptr);
      EXPECT_EQ(option->text(), text);
      EXPECT_FALSE(option->isChecked());
      break;
    }
    case Kind::kLamp: {
      auto* lamp = qobject_cast<Lamp*>(w);
      ASSERT_NE(lamp, nullptr);
      EXPECT_EQ(lamp->Caption(), text);
      EXPECT_EQ(lamp->State(), 0);
      // The caption label beside it says the same.
      auto* label = Named<QLabel>(window, (std::string("Label_") + e.name).c_str());
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->text(), text);
      EXPECT_TRUE(label->alignment() & Qt::AlignRight);
      EXPECT_LE(label->geometry().right(), lamp->geometry().left());
      break;
    }
    case Kind::kScroll: {
      auto* bar = qobject_cast<QScrollBar*>(w);
      ASSERT_NE(bar, nullptr);
      EXPECT_EQ(bar->orientation(), Qt::Vertical);
      EXPECT_EQ(bar->value(), 0);
      EXPECT_EQ(bar->maximum(), 32767);
      EXPECT_TRUE(bar->isHidden());
      break;
    }
    case Kind::kCaption: {
      auto* label = qobject_cast<QLabel*>(w);
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->text(), text);
      break;
    }
    case Kind::kGroup: {
      auto* group = qobject_cast<QGroupBox*>(w);
      ASSERT_NE(group, nullptr);
      EXPECT_EQ(group->title(), text);
      break;
    }
  }
}

TEST(MainWindow, EveryControlHasItsKindAndText) {
  MainWindow window;
  EXPECT_EQ(window.objectName(), QStringLiteral("Kestrova后台软件"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestrova后台软件_v2"));
  for (const Expected& e : kMainControls) CheckControl(window, e);
}

TEST(MainWindow, GeometryInPixelsAt96Dpi) {
  if (QGuiApplication::primaryScreen()->logicalDotsPerInch() != 96) GTEST_SKIP() << "screen is not at 96 DPI";
  MainWindow window;
  EXPECT_EQ(window.Form().size(), QSize(842, 495));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  const std::pair<const char*, QRect> placed[] = {
      {"Frame_通信端口", QRect(256, 16, 329, 131)},      {"CommPortText", QRect(20, 25, 41, 21)},
      {"CommPort_ToggleButton", QRect(104, 26, 65, 24)}, {"AddrText1", QRect(272, 64, 37, 21)},
      {"Frame_告警", QRect(552, 16, 129, 305)},          {"StatusBox7", QRect(101, 16, 17, 15)},
      {"StatusBox22", QRect(101, 280, 17, 15)},          {"Setup_Command", QRect(704, 293, 81, 25)},
      {"S_TECcurrL_Text", QRect(56, 208, 41, 20)},
  };
  for (const auto& [name, rect] : placed) {
    SCOPED_TRACE(name);
    ASSERT_NE(Named(window, name), nullptr);
    EXPECT_EQ(Named(window, name)->geometry(), rect);
  }
  // The fan groups' captions start 195 twips inside their group.
  for (const char* name : {"Label_S_IntFanPulse_Text", "Label_S_ExtFanHighS_Text", "Label_IntFanSpeed_Text"})
    EXPECT_EQ(Named(window, name)->x(), 13) << name;
  // The "单冷" options keep their place and are wide enough for the whole circle.
  for (const char* name : {"Option1", "Option2"}) {
    auto* option = Named<QRadioButton>(window, name);
    EXPECT_EQ(option->x(), 53) << name;
    EXPECT_GE(option->width(), option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) + 1);
  }
}

TEST(MainWindow, FourCharacterSettingCaptionsTakeTwoLines) {
  MainWindow window;
  for (const char* name : {"Label_S_TECcoolStart_Text", "Label_S_IntFanHighS_Text", "Label_S_TempMin_Text",
                           "Label_ExtFanSpeed_Text"}) {
    SCOPED_TRACE(name);
    QLabel* label = Named<QLabel>(window, name);
    ASSERT_NE(label, nullptr);
    const QFontMetrics fm = label->fontMetrics();
    EXPECT_TRUE(label->wordWrap());
    EXPECT_GE(label->width(), fm.horizontalAdvance(QStringLiteral("温度")));
    EXPECT_LT(label->width(), fm.horizontalAdvance(QStringLiteral("温度温")));
    EXPECT_GE(label->height(), 2 * fm.lineSpacing());
  }
}

TEST(MainWindow, LargerFontOnTheModuleFieldsAndThePortName) {
  MainWindow window;
  for (const char* name : {"S_TECcoolStart_Text", "S_TECcoolStop_Text", "S_TECheatStart_Text", "S_TECheatStop_Text",
                           "S_TECcurrL_Text", "S_TECcurrH_Text", "TECcoolStart_Text", "TECcoolStop_Text",
                           "CommPortText"})
    EXPECT_DOUBLE_EQ(Named(window, name)->font().pointSizeF(), 10.5) << name;
  for (const char* name : {"TECheatStart_Text", "TECcurrL_Text", "S_TempMax_Text", "TextBox1"})
    EXPECT_DOUBLE_EQ(Named(window, name)->font().pointSizeF(), 9.0) << name;
  EXPECT_EQ(window.font().family(), QStringLiteral("SimSun"));
}

TEST(MainWindow, HiddenRowsOfTheWorkStateGroup) {
  MainWindow window;
  for (const char* name : {"StatusBox18", "StatusBox19", "Label_StatusBox18", "Label_StatusBox19"})
    EXPECT_TRUE(Named(window, name)->isHidden()) << name;
  EXPECT_FALSE(Named(window, "StatusBox6")->isHidden());
}

// Tab walks every edit field and button from the port toggle round to it again, never a
// read-only field; the hidden scroll bar is skipped.
TEST(MainWindow, TabChainStartsAtTheToggleAndSkipsReadOnlyFields) {
  MainWindow window;
  ASSERT_TRUE(ShowActive(window));
  QWidget* toggle = Named(window, "CommPort_ToggleButton");
  ASSERT_EQ(QApplication::focusWidget(), toggle);  // the window's first stop

  std::vector<std::string> walked;
  for (int i = 0; i < 40 && (walked.empty() || QApplication::focusWidget() != toggle); ++i) {
    walked.push_back(QApplication::focusWidget()->objectName().toStdString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  const std::vector<std::string> expected = {
      "CommPort_ToggleButton", "Addr_Command1", "AddrText1", "Addr_Command2", "S_TECcoolStart_Text",
      "S_TECcoolStop_Text", "S_TECheatStart_Text", "S_TECheatStop_Text", "S_TECcurrL_Text", "S_TECcurrH_Text",
      "Option1", "S_IntFanPulse_Text", "S_IntFanLowS_Text", "S_IntFanHighS_Text", "S_ExtFanPulse_Text",
      "S_ExtFanHighS_Text", "S_TempMax_Text", "S_TempMin_Text", "SetupT_Text", "Command3", "F_Setup_Command",
      "Copy_Command", "Setup_Command"};
  EXPECT_EQ(walked, expected);
}

TEST(MainWindow, OperatorCannotChangeDisplayFieldsOrLinkOptions) {
  MainWindow window;
  ASSERT_TRUE(ShowActive(window));
  auto* field = Named<QLineEdit>(window, "TextBox5");
  QTest::mouseClick(field, Qt::LeftButton);
  QTest::keyClicks(field, "x");
  EXPECT_EQ(field->text(), QStringLiteral("9600,8,N,1"));
  EXPECT_NE(QApplication::focusWidget(), field);

  for (const char* name : {"RS422Option", "RS485Option", "Option2"}) {
    auto* option = Named<QRadioButton>(window, name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    QTest::keyClick(option, Qt::Key_Space);
    EXPECT_FALSE(option->isChecked()) << name;
  }
  auto* option1 = Named<QRadioButton>(window, "Option1");
  QTest::mouseClick(option1, Qt::LeftButton, {}, option1->rect().center());
  EXPECT_TRUE(option1->isChecked());
}

}  // namespace
}  // namespace kestrova::testing
