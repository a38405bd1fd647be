#pragma once
// A Dialogs double: records every text shown and answers from queues.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace orvex::testing {

struct ShownMessage {
  MessageKind kind;
  std::string text;
};

class ScriptedDialogs : public Dialogs {
 public:
  void Message(MessageKind kind, const std::string& text) override { messages.push_back({kind, text}); }
  Answer Ask(const std::string& text, bool withCancel) override;
  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
  void Beep() override { ++beeps; }
  // Answers the print dialog; no printer chosen when empty.
  bool ChoosePrinter(QPrinter& chosen) override { return printer && printer(chosen); }

  std::vector<ShownMessage> messages;
  std::vector<std::string> questions;
  std::vector<FileDialogRequest> fileRequests;
  std::deque<Answer> answers;                        // empty: answers No
  std::deque<std::optional<std::string>> fileNames;  // empty: cancelled
  int beeps = 0;
  std::function<bool(QPrinter&)> printer;
};

}  // namespace orvex::testing
