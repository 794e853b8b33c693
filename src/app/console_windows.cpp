#include "app/console_windows.h"

#include <QLineEdit>
#include <QScrollBar>

#include "link/poll_cycle.h"
#include "panel/controls.h"
#include "qt/form_builder.h"
#include "qt/twips.h"
#include "factory/factory_settings.h"
#include "settings/setting_pairs.h"
#include "qt/text.h"

namespace kestrova {

ConsoleWindows::ConsoleWindows(SerialPort& port, MessageBox& box, QObject* parent)
    : QObject(parent),
      mainView_(std::make_unique<MainWindow>()),
      factoryView_(std::make_unique<FactoryWindow>()),
      passwordView_(std::make_unique<PasswordWindow>()),
      mainPanel_(*mainView_),
      factoryPanel_(*factoryView_),
      passwordPanel_(*passwordView_),
      form_(port, mainPanel_, factoryPanel_, passwordPanel_, box),
      password_(form_),
      factory_(form_),
      mainValidate_(*mainView_),
      factoryValidate_(*factoryView_) {
  timer_.setInterval(kPollIntervalMs);
  connect(&timer_, &QTimer::timeout, this, [this] { form_.OnPollTick(); });
  WireMain();
  WireSecondary();
}

ConsoleWindows::~ConsoleWindows() { timer_.stop(); }

void ConsoleWindows::Load() {
  form_.OnStart();
  timer_.start();
}

void ConsoleWindows::ShowMain() {
  ShowCentred(*mainView_);
  Child<QWidget>(*mainView_, main_window::kPortToggle).setFocus(Qt::OtherFocusReason);
}

void ConsoleWindows::WireMain() {
  using namespace main_window;
  MainWindow& w = *mainView_;
  const auto click = [&](const Control& name, void (MainForm::*handler)()) {
    connect(&Child<QAbstractButton>(w, name), &QAbstractButton::clicked, this, [this, handler] { (form_.*handler)(); });
  };
  click(kPortToggle, &MainForm::OnTogglePort);
  click(kSendSettings, &MainForm::OnSendSettings);
  click(kCopySettings, &MainForm::OnCopySettings);
  click(kSendAddress, &MainForm::OnSendAddress);
  click(kReadAddress, &MainForm::OnReadAddress);
  click(kSendSimTemperature, &MainForm::OnSendSimTemperature);
  click(kOpenFactorySetup, &MainForm::OnOpenFactorySetup);

  connect(&Child<QLineEdit>(w, kNewAddress), &QLineEdit::textEdited, this, [this] { form_.OnNewAddressEdited(); });

  // The program's own value changes are made with the signals blocked (QtPanel); the guard
  // keeps a change made from inside the handler from running it again.
  connect(&Child<QScrollBar>(w, kPortScroll), &QScrollBar::valueChanged, this, [this] {
    if (scrolling_) return;
    scrolling_ = true;
    form_.OnNextPort();
    scrolling_ = false;
  });

  // Leaving an operating-setting edit field or kSimTemperature runs its range check.
  auto watch = [&](std::string_view field) {
    mainValidate_.Watch(&Child<QLineEdit>(w, field), [this, field] { form_.Validate(field); });
  };
  for (const SettingPair& pair : kSettingPairs) {
    watch(pair.edit);
    const std::string_view field = pair.edit;
    connect(&Child<QLineEdit>(w, field), &QLineEdit::textEdited, this, [this, field] { form_.EditedByOperator(field); });
  }
  watch(kSimTemperature);

  connect(&w, &MainWindow::closing, this, &ConsoleWindows::OnMainClosing);
}

void ConsoleWindows::WireSecondary() {
  connect(&Child<QLineEdit>(*passwordView_, password_window::kPasswordField), &QLineEdit::textEdited, this,
          [this] { password_.OnPasswordEdited(); });
  connect(passwordView_.get(), &PasswordWindow::activatedFromConsole, this, [this] { password_.OnActivate(); });

  connect(&Child<QAbstractButton>(*factoryView_, factory_window::kSendFactorySettings), &QAbstractButton::clicked, this,
          [this] { factory_.OnSendFactorySettings(); });
  for (const FactorySetting& setting : kFactorySettings) {
    const std::string_view field = setting.edit;
    if (auto* edit = factoryView_->findChild<QLineEdit*>(ToQString(field)))
      connect(edit, &QLineEdit::textEdited, this, [this, field] { factory_.EditedByOperator(field); });
  }
  factoryValidate_.Watch(&Child<QLineEdit>(*factoryView_, factory_window::kSetVentInterval),
                          [this] { factory_.OnVentIntervalLeft(); });
  connect(factoryView_.get(), &FactoryWindow::closing, this, [this] { factory_.OnClose(); });
}

void ConsoleWindows::OnMainClosing() {
  timer_.stop();
  form_.OnClose();
  passwordView_->hide();
  factoryView_->hide();
  emit closed();
}

}  // namespace kestrova
