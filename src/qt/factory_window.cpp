#include "qt/factory_window.h"

#include <QCheckBox>
#include <QCloseEvent>

#include "qt/fonts.h"
#include "qt/form_builder.h"
#include "qt/twips.h"
#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

namespace {

using namespace factory_window;

struct Row {
  const char* caption;
  int captionLeft, captionTop;
  const Control& edit;
  const Control& readback;
  int fieldLeft, editTop, width;
};

// In tab order: column by column, each edit field followed by its read-back field.
const Row kRows[] = {
    {KTR_NOOP("FactoryWindow", "内温度传感器标定"), 360, 600, kSetInnerSensorCalib, kInnerSensorCalib, 1920, 360, 495},
    {KTR_NOOP("FactoryWindow", "外温度传感器标定"), 360, 1440, kSetOuterSensorCalib, kOuterSensorCalib, 1920, 1200, 495},
    {KTR_NOOP("FactoryWindow", "TEC电流标定"), 480, 2280, kSetCurrentCalib, kCurrentCalib, 1920, 2040, 495},
    {KTR_NOOP("FactoryWindow", "直流电压标定"), 600, 3120, kSetVoltageCalib, kVoltageCalib, 1920, 2880, 495},
    {KTR_NOOP("FactoryWindow", "直流电压低限"), 2880, 600, kSetVoltageLow, kVoltageLow, 4200, 360, 495},
    {KTR_NOOP("FactoryWindow", "直流电压高限"), 2880, 1440, kSetVoltageHigh, kVoltageHigh, 4200, 1200, 495},
    {KTR_NOOP("FactoryWindow", "排氢间隔时间"), 3000, 2280, kSetVentInterval, kVentInterval, 4200, 2040, 495},
    {KTR_NOOP("FactoryWindow", "版本"), 3120, 3120, kSetFactoryVersion, kFactoryVersion, 3720, 2880, 375},
    {KTR_NOOP("FactoryWindow", "回差"), 4920, 600, kSetVoltageLowHysteresis, kVoltageLowHysteresis, 5520, 360, 300},
    {KTR_NOOP("FactoryWindow", "回差"), 4920, 1440, kSetVoltageHighHysteresis, kVoltageHighHysteresis, 5520, 1200, 300},
};

constexpr int kFieldHeight = 270;
constexpr int kReadBackBelow = 360;

}  // namespace

FactoryWindow::FactoryWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(ToQString(kWindow));
  setWindowTitle(UiText("FactoryWindow", "厂家设定"));
  setFont(ConsoleFont());
  setFixedSize(TwipsToPixels(6255), TwipsToPixels(3885));

  for (const Row& row : kRows) {
    // The caption stands level with the gap between the two fields.
    AddCaption(this, LabelName(row.edit), UiText("FactoryWindow", row.caption),
               {row.captionLeft, row.captionTop, row.fieldLeft - row.captionLeft - 30, 255},
               Qt::AlignLeft | Qt::AlignTop);
    AddField(this, ToQString(row.edit), {row.fieldLeft, row.editTop, row.width, kFieldHeight}, FieldKind::kEdit);
    AddField(this, ToQString(row.readback), {row.fieldLeft, row.editTop + kReadBackBelow, row.width, kFieldHeight},
             FieldKind::kReadBack);
  }

  AddCaption(this, LabelName(kSetCoolingOnly), UiText("FactoryWindow", "单冷"), {5115, 2280, 375, 255},
             Qt::AlignLeft | Qt::AlignTop);
  for (auto [name, top] : {std::pair{kSetCoolingOnly, 2040}, std::pair{kCoolingOnly, 2400}}) {
    auto* box = new QCheckBox(this);
    box->setObjectName(ToQString(name));
    box->setGeometry(TwipRect(5520, top, 255, 255));
  }
  // The board's flag: the program sets it, the engineer cannot (locked, not greyed out).
  auto& boardFlag = Child<QCheckBox>(*this, kCoolingOnly);
  boardFlag.setAttribute(Qt::WA_TransparentForMouseEvents);
  boardFlag.setFocusPolicy(Qt::NoFocus);

  AddButton(this, ToQString(kSendFactorySettings), UiText("FactoryWindow", "发送设置"), {4560, 3000, 1095, 375});
}

void FactoryWindow::closeEvent(QCloseEvent* event) {
  emit closing();
  event->accept();
}

}  // namespace kestrova
