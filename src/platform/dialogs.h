#pragma once
// Every message box, confirmation, file dialog and beep of the program goes
// through this interface: Qt widgets in the program, a scripted double in the
// tests, standard error in the headless renderer. Texts are UTF-8.
#include <optional>
#include <string>

class QPrinter;

namespace orvex {

enum class MessageKind { Information, Warning, Error };
enum class Answer { Yes, No, Cancel };

struct FileDialogRequest {
  std::string title;
  std::string filter;     // Qt filter text, e.g. "Traces (*.gps)"
  std::string directory;  // start directory
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void Message(MessageKind kind, const std::string& text) = 0;
  // A Yes/No question, with a Cancel button when `withCancel`.
  virtual Answer Ask(const std::string& text, bool withCancel) = 0;
  // The chosen file, or nothing when the user cancels.
  virtual std::optional<std::string> OpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileName(const FileDialogRequest& request) = 0;
  virtual void Beep() = 0;
  // The system's print dialog on `printer`; true when the user chose to
  // print. Without a window there is nothing to choose: false.
  virtual bool ChoosePrinter(QPrinter& printer);
};

// Writes one line to standard error: the record a user who started the
// program from a terminal keeps of what it said.
void EchoLine(const std::string& utf8);

// Messages go to standard error; questions are answered No and file dialogs
// cancelled. For runs without a window.
class StderrDialogs : public Dialogs {
 public:
  void Message(MessageKind kind, const std::string& text) override;
  Answer Ask(const std::string& text, bool withCancel) override;
  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
  void Beep() override {}
};

}  // namespace orvex
