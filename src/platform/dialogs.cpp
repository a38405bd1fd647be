#include "platform/dialogs.h"

#include <cstdio>

namespace orvex {

void EchoLine(const std::string& utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

bool Dialogs::ChoosePrinter(QPrinter&) { return false; }

void StderrDialogs::Message(MessageKind, const std::string& text) { EchoLine(text); }

Answer StderrDialogs::Ask(const std::string& text, bool) {
  EchoLine(text);
  return Answer::No;
}

std::optional<std::string> StderrDialogs::OpenFileName(const FileDialogRequest&) { return std::nullopt; }

std::optional<std::string> StderrDialogs::SaveFileName(const FileDialogRequest&) { return std::nullopt; }

}  // namespace orvex
