#include "gps/traces_directory.h"

#include <system_error>

#include "platform/paths.h"

namespace orvex {

std::filesystem::path TracesDirectory(const std::filesystem::path& applicationDirectory) {
  return ResolvePath(applicationDirectory, "Traces");
}

std::filesystem::path TraceDialogDirectory(const std::filesystem::path& applicationDirectory) {
  const std::filesystem::path traces = TracesDirectory(applicationDirectory);
  std::error_code ec;
  return std::filesystem::is_directory(traces, ec) ? traces : applicationDirectory;
}

}  // namespace orvex
