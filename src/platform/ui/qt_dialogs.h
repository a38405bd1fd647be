#pragma once
#include <QWidget>
#include <QPointer>

#include "platform/dialogs.h"

namespace orvex {

// Modal Qt message boxes and file dialogs over a parent window. Every message
// is also echoed to standard error.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Message(MessageKind kind, const std::string& text) override;
  Answer Ask(const std::string& text, bool withCancel) override;
  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
  void Beep() override;
  bool ChoosePrinter(QPrinter& printer) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace orvex
