#include "qt/factory_window.h"

#include <QCheckBox>
#include <QCloseEvent>

#include "qt/fonts.h"
#include "qt/form_builder.h"
#include "qt/twips.h"

namespace kestrova {

namespace {

using namespace factory_window;

struct Row {
  const char* caption;
  int caption_left, caption_top;
  const Control& edit;
  const Control& readback;
  int field_left, edit_top, width;
};

// In tab order: column by column, each edit field followed by its read-back field.
const Row kRows[] = {
    {"内温度传感器标定", 360, 600, S_Temp1Calib_Text, Temp1Calib_Text, 1920, 360, 495},
    {"外温度传感器标定", 360, 1440, S_Temp2Calib_Text, Temp2Calib_Text, 1920, 1200, 495},
    {"TEC电流标定", 480, 2280, S_TECcurrCalib_Text, TECcurrCalib_Text, 1920, 2040, 495},
    {"直流电压标定", 600, 3120, S_DCVcalib_Text, DCVcalib_Text, 1920, 2880, 495},
    {"直流电压低限", 2880, 600, S_DCVlow_Text, DCVlow_Text, 4200, 360, 495},
    {"直流电压高限", 2880, 1440, S_DCVhigh_Text, DCVhigh_Text, 4200, 1200, 495},
    {"排氢间隔时间", 3000, 2280, S_H_Fan_Text, H_Fan_Text, 4200, 2040, 495},
    {"版本", 3120, 3120, S_Ver_Text, Ver_Text, 3720, 2880, 375},
    {"回差", 4920, 600, S_DCVlowOffset_Text, DCVlowOffset_Text, 5520, 360, 300},
    {"回差", 4920, 1440, S_DCVhighOffset_Text, DCVhighOffset_Text, 5520, 1200, 300},
};

constexpr int kFieldHeight = 270;
constexpr int kReadBackBelow = 360;

}  // namespace

FactoryWindow::FactoryWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(N(kWindow));
  setWindowTitle(QStringLiteral("厂家设定"));
  setFont(ConsoleFont());
  setFixedSize(TwipsToPixels(6255), TwipsToPixels(3885));

  for (const Row& row : kRows) {
    // The caption stands level with the gap between the two fields.
    AddCaption(this, LabelName(row.edit), QString::fromUtf8(row.caption),
               {row.caption_left, row.caption_top, row.field_left - row.caption_left - 30, 255},
               Qt::AlignLeft | Qt::AlignTop);
    AddField(this, N(row.edit), {row.field_left, row.edit_top, row.width, kFieldHeight}, FieldKind::kEdit);
    AddField(this, N(row.readback), {row.field_left, row.edit_top + kReadBackBelow, row.width, kFieldHeight},
             FieldKind::kReadBack);
  }

  AddCaption(this, LabelName(CheckBox1), QStringLiteral("单冷"), {5115, 2280, 375, 255},
             Qt::AlignLeft | Qt::AlignTop);
  for (auto [name, top] : {std::pair{CheckBox1, 2040}, std::pair{CheckBox2, 2400}}) {
    auto* box = new QCheckBox(this);
    box->setObjectName(N(name));
    box->setGeometry(TwipRect(5520, top, 255, 255));
  }
  // The board's flag: the program sets it, the engineer cannot (locked, not greyed out).
  auto& board_flag = Child<QCheckBox>(*this, CheckBox2);
  board_flag.setAttribute(Qt::WA_TransparentForMouseEvents);
  board_flag.setFocusPolicy(Qt::NoFocus);

  AddButton(this, N(F_Setup_Command), QStringLiteral("发送设置"), {4560, 3000, 1095, 375});
}

void FactoryWindow::closeEvent(QCloseEvent* event) {
  emit closing();
  event->accept();
}

}  // namespace kestrova
