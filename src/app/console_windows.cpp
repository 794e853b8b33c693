#include "app/console_windows.h"

#include <QLineEdit>
#include <QScrollBar>

#include "link/poll_cycle.h"
#include "panel/controls.h"
#include "qt/form_builder.h"
#include "qt/twips.h"
#include "factory/factory_settings.h"
#include "settings/setting_pairs.h"

namespace kestrova {

ConsoleWindows::ConsoleWindows(SerialPort& port, MessageBox& box, QObject* parent)
    : QObject(parent),
      main_view_(std::make_unique<MainWindow>()),
      factory_view_(std::make_unique<FactoryWindow>()),
      password_view_(std::make_unique<PasswordWindow>()),
      main_panel_(*main_view_),
      factory_panel_(*factory_view_),
      password_panel_(*password_view_),
      form_(port, main_panel_, factory_panel_, password_panel_, box),
      password_(form_),
      factory_(form_),
      main_validate_(*main_view_),
      factory_validate_(*factory_view_) {
  timer_.setInterval(kPollIntervalMs);
  connect(&timer_, &QTimer::timeout, this, [this] { form_.Timer1_Timer(); });
  WireMain();
  WireSecondary();
}

ConsoleWindows::~ConsoleWindows() { timer_.stop(); }

void ConsoleWindows::Load() {
  form_.Form_Load();
  timer_.start();
}

void ConsoleWindows::ShowMain() {
  ShowCentred(*main_view_);
  Child<QWidget>(*main_view_, main_window::CommPort_ToggleButton).setFocus(Qt::OtherFocusReason);
}

void ConsoleWindows::WireMain() {
  using namespace main_window;
  MainWindow& w = *main_view_;
  const auto click = [&](const Control& name, void (MainForm::*handler)()) {
    connect(&Child<QAbstractButton>(w, name), &QAbstractButton::clicked, this, [this, handler] { (form_.*handler)(); });
  };
  click(CommPort_ToggleButton, &MainForm::CommPort_ToggleButton_Click);
  click(Setup_Command, &MainForm::Setup_Command_Click);
  click(Copy_Command, &MainForm::Copy_Command_Click);
  click(Addr_Command1, &MainForm::Addr_Command1_Click);
  click(Addr_Command2, &MainForm::Addr_Command2_Click);
  click(Command3, &MainForm::Command3_Click);
  click(F_Setup_Command, &MainForm::F_Setup_Command_Click);

  connect(&Child<QLineEdit>(w, AddrText1), &QLineEdit::textEdited, this, [this] { form_.AddrText1_Change(); });

  // The program's own value changes are made with the signals blocked (QtPanel); the guard
  // keeps a change made from inside the handler from running it again.
  connect(&Child<QScrollBar>(w, CommPortVScroll), &QScrollBar::valueChanged, this, [this] {
    if (scrolling_) return;
    scrolling_ = true;
    form_.CommPortVScroll_Change();
    scrolling_ = false;
  });

  // Leaving an operating-setting edit field or SetupT_Text runs its range check.
  auto watch = [&](std::string_view field) {
    main_validate_.Watch(&Child<QLineEdit>(w, field), [this, field] { form_.Validate(field); });
  };
  for (const SettingPair& pair : kSettingPairs) {
    watch(pair.edit);
    const std::string_view field = pair.edit;
    connect(&Child<QLineEdit>(w, field), &QLineEdit::textEdited, this, [this, field] { form_.EditedByOperator(field); });
  }
  watch(SetupT_Text);

  connect(&w, &MainWindow::closing, this, &ConsoleWindows::OnMainClosing);
}

void ConsoleWindows::WireSecondary() {
  connect(&Child<QLineEdit>(*password_view_, password_window::Password_TextBox), &QLineEdit::textEdited, this,
          [this] { password_.Password_TextBox_Change(); });
  connect(password_view_.get(), &PasswordWindow::activatedFromConsole, this, [this] { password_.Form_Activate(); });

  connect(&Child<QAbstractButton>(*factory_view_, factory_window::F_Setup_Command), &QAbstractButton::clicked, this,
          [this] { factory_.F_Setup_Command_Click(); });
  for (const FactorySetting& setting : kFactorySettings) {
    const std::string_view field = setting.edit;
    if (auto* edit = factory_view_->findChild<QLineEdit*>(N(field)))
      connect(edit, &QLineEdit::textEdited, this, [this, field] { factory_.EditedByOperator(field); });
  }
  factory_validate_.Watch(&Child<QLineEdit>(*factory_view_, factory_window::S_H_Fan_Text),
                          [this] { factory_.S_H_Fan_Text_Validate(); });
  connect(factory_view_.get(), &FactoryWindow::closing, this, [this] { factory_.Form_Unload(); });
}

void ConsoleWindows::OnMainClosing() {
  timer_.stop();
  form_.Form_Unload();
  password_view_->hide();
  factory_view_->hide();
  emit closed();
}

}  // namespace kestrova
