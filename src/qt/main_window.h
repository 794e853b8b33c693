#pragma once
// The main window "Kestrova后台软件": the fixed layout of board information, communication
// port and device status data. It only builds and shows controls; the console wiring connects
// them to the logic (console_windows.h).
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

class QStatusBar;
class QVBoxLayout;

namespace kestrova {

// The port toggle: a two-state push button whose pressed look follows its caption. It shows
// pressed while the caption names anything but the "open" action, so the look always matches
// what the logic decided, including an open that failed and left the caption at "打开串口".
// A click does not flip the state by itself.
class ToggleButton final : public QPushButton {
  Q_OBJECT
 public:
  ToggleButton(const QString& raisedCaption, QWidget* parent);
  void SetCaption(const QString& caption);

 protected:
  void nextCheckState() override {}

 private:
  QString raisedCaption_;
};

// An option button only the program selects: drawn like an enabled one, so the link mode
// reads clearly, but no click and no key reaches it.
class DisplayOption final : public QRadioButton {
  Q_OBJECT
 public:
  DisplayOption(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  bool hitButton(const QPoint&) const override { return false; }
  void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
  void keyReleaseEvent(QKeyEvent* event) override { event->ignore(); }
};

// The original form keeps its fixed size; the window adds a status bar below it (kLinkStatus,
// kLinkStats) and room for a menu bar above it.
class MainWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  QWidget& Form() const { return *form_; }
  QStatusBar& StatusBar() const { return *statusBar_; }
  void SetMenuBar(QWidget* bar);

 signals:
  // The operator closed the window: the program ends.
  void closing();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* form_;
  QStatusBar* statusBar_;
  QVBoxLayout* layout_;
};

// Builds every control of the main window into window (main_window_layout.cpp).
void BuildMainWindowLayout(QWidget& window);

}  // namespace kestrova
