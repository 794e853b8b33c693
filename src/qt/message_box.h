#pragma once
// Operator messages as QMessageBox: text only, one OK button, no icon, the application's
// title, modal to the application, over the console window that is active (or the fallback
// window when none is). Post() shows the same box once control is back in the event loop, so
// a poll tick never runs a modal loop of its own.
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "panel/panel.h"

namespace kestrova {

class QtMessageBox final : public QObject, public MessageBox {
  Q_OBJECT
 public:
  explicit QtMessageBox(QObject* parent = nullptr);

  // The window a box stands over when no console window is active (the main window).
  void SetFallbackParent(QWidget* window) { fallback_ = window; }

  void Show(std::string_view text) override;
  void Post(std::string_view text) override;

 private:
  void ShowText(const QString& text);

  QPointer<QWidget> fallback_;
};

}  // namespace kestrova
