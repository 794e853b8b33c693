#include "qt/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace kestrova {

QtMessageBox::QtMessageBox(QObject* parent) : QObject(parent) {}

void QtMessageBox::Show(std::string_view text) {
  ShowText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtMessageBox::Post(std::string_view text) {
  QTimer::singleShot(0, this, [this, message = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))] {
    ShowText(message);
  });
}

void QtMessageBox::ShowText(const QString& text) {
  QWidget* owner = QApplication::activeWindow();
  if (!owner || qobject_cast<QMessageBox*>(owner)) owner = fallback_;
  const QPointer<QWidget> window = owner;
  const QPointer<QWidget> focus = QApplication::focusWidget();

  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kTitle.data(), static_cast<qsizetype>(kTitle.size())), text,
                  QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  box.exec();

  // Without a window manager nothing hands the activation back to the window the box stood
  // over; give it back, with the focus where it was.
  if (window && window->isVisible()) {
    window->activateWindow();
    if (focus && focus->window() == window) focus->setFocus(Qt::ActiveWindowFocusReason);
  }
}

}  // namespace kestrova
