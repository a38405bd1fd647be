#pragma once
// The start-up window: a borderless list of progress lines.
#include <QDialog>
#include <QListWidget>

namespace orvex {

class TFormDebug : public QDialog {
  Q_OBJECT
 public:
  explicit TFormDebug(QWidget* parent = nullptr);
  // Appends a line (UTF-8), repaints at once and echoes it to standard error.
  void AddLine(const std::string& line);
  void RemoveLastLine();

  QListWidget* ListBoxDebug = nullptr;
};

}  // namespace orvex
