#pragma once
// The factory window "F_Setup_Form": eleven setting pairs (edit field over read-back field,
// both editable, the read-back ones grey), the cooling-only check boxes and "发送设置".
// Its close box does not destroy it: the console empties and hides it, and the read-back of
// the factory data keeps writing into the same controls.
#include <QWidget>

namespace kestrova {

class FactoryWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit FactoryWindow(QWidget* parent = nullptr);

 signals:
  // The operator pressed the close box.
  void closing();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace kestrova
