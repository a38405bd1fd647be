#pragma once
// TFormAide ("Micro aide..."): the lines of orvex.hlp; TFormAPropos ("A propos
// de ORVEX 32"): the name and the version of the build.
#include <QDialog>
#include <QListWidget>
#include <filesystem>

#include "platform/dialogs.h"

namespace orvex {

class TFormAide : public QDialog {
  Q_OBJECT
 public:
  // Reads orvex.hlp (found in any case) from `repertoire`.
  TFormAide(const std::filesystem::path& repertoire, Dialogs& dialogs, QWidget* parent = nullptr);

  QListWidget* ListBoxAide = nullptr;

 protected:
  // A missing file is said once per showing.
  void showEvent(QShowEvent* event) override;

 private:
  Dialogs& dialogs_;
  bool fichierLu_ = false;
};

class TFormAPropos : public QDialog {
  Q_OBJECT
 public:
  explicit TFormAPropos(QWidget* parent = nullptr);
};

}  // namespace orvex
