#include "platform/ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

#include "platform/ui/qt_text.h"

namespace orvex {

namespace {

// Messages carry file names, city names and sentences from the serial line:
// plain text, like every label.
QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                                           QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, QApplication::applicationName(), QString(), buttons, parent);
  box.setTextFormat(Qt::PlainText);
  box.setText(Utf8ToQString(text));
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtDialogs::Message(MessageKind kind, const std::string& text) {
  EchoLine(text);
  const QMessageBox::Icon icon = kind == MessageKind::Information ? QMessageBox::Information
                                 : kind == MessageKind::Warning   ? QMessageBox::Warning
                                                                  : QMessageBox::Critical;
  ShowMessageBox(parent_, icon, text, QMessageBox::Ok);
}

Answer QtDialogs::Ask(const std::string& text, bool withCancel) {
  EchoLine(text);
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) {
    buttons |= QMessageBox::Cancel;
  }
  const auto reply = ShowMessageBox(parent_, QMessageBox::Question, text, buttons);
  return reply == QMessageBox::Yes ? Answer::Yes : reply == QMessageBox::No ? Answer::No : Answer::Cancel;
}

std::optional<std::string> QtDialogs::OpenFileName(const FileDialogRequest& request) {
  const QString name = QFileDialog::getOpenFileName(parent_, Utf8ToQString(request.title),
                                                    Utf8ToQString(request.directory), Utf8ToQString(request.filter));
  if (name.isEmpty()) {
    return std::nullopt;
  }
  return name.toStdString();
}

std::optional<std::string> QtDialogs::SaveFileName(const FileDialogRequest& request) {
  const QString name = QFileDialog::getSaveFileName(parent_, Utf8ToQString(request.title),
                                                    Utf8ToQString(request.directory), Utf8ToQString(request.filter));
  if (name.isEmpty()) {
    return std::nullopt;
  }
  return name.toStdString();
}

void QtDialogs::Beep() { QApplication::beep(); }

bool QtDialogs::ChoosePrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace orvex
