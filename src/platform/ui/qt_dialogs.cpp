#include "platform/ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

#include "platform/ui/qt_text.h"

namespace orvex {

void QtDialogs::Message(MessageKind kind, const std::string& text) {
  EchoLine(text);
  const QString body = Utf8ToQString(text);
  const QString title = QApplication::applicationName();
  switch (kind) {
    case MessageKind::Information:
      QMessageBox::information(parent_, title, body);
      break;
    case MessageKind::Warning:
      QMessageBox::warning(parent_, title, body);
      break;
    case MessageKind::Error:
      QMessageBox::critical(parent_, title, body);
      break;
  }
}

Answer QtDialogs::Ask(const std::string& text, bool withCancel) {
  EchoLine(text);
  auto buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) {
    buttons |= QMessageBox::Cancel;
  }
  const auto reply = QMessageBox::question(parent_, QApplication::applicationName(), Utf8ToQString(text), buttons);
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
