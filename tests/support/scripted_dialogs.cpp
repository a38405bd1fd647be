#include "support/scripted_dialogs.h"

namespace orvex::testing {

Answer ScriptedDialogs::Ask(const std::string& text, bool) {
  questions.push_back(text);
  if (answers.empty()) {
    return Answer::No;
  }
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedDialogs::OpenFileName(const FileDialogRequest& request) {
  fileRequests.push_back(request);
  if (fileNames.empty()) {
    return std::nullopt;
  }
  auto name = fileNames.front();
  fileNames.pop_front();
  return name;
}

std::optional<std::string> ScriptedDialogs::SaveFileName(const FileDialogRequest& request) {
  return OpenFileName(request);
}

}  // namespace orvex::testing
