#pragma once
// The indicator lamp beside a caption: one integer property State written by the run-data
// display. 0 off, 1 work state active, 2 alarm or input active, 3 self-test active; any other
// number shows as off. The states differ by shape as well as by colour, so they read at a
// glance without relying on colour: off is a hollow ring, work a filled green disc, alarm a
// filled red triangle, self-test a half-filled amber disc.
#include <QString>
#include <QWidget>

#include "monitor/run_data.h"

namespace kestrova {

class Lamp final : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int State READ State WRITE SetState)

 public:
  // The states the run data gives a lamp.
  enum : int { kOff = kLampOff, kWork = kLampWorking, kAlarm = kLampAlarm, kSelfTest = kLampSelfTest };

  explicit Lamp(QWidget* parent = nullptr);

  int State() const { return state_; }
  void SetState(int state);
  // The caption beside the lamp; with the state it forms the accessible name ("总告警：告警").
  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }

  // What the lamp shows for a state number (off for numbers outside 0..3).
  static int Shown(int state);
  static QString StateName(int state);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void UpdateAccessibleName();

  int state_ = kOff;
  QString caption_;
};

}  // namespace kestrova
