#pragma once
// Live trace files, GPS files and drawn-trace files live in "Traces" under
// the application directory.
#include <filesystem>
#include <string_view>

namespace orvex {

// Trace files travel to and from Windows machines: lines end with CR LF.
inline constexpr std::string_view kTraceFileLineEnd = "\r\n";

// The "Traces" directory (found whatever its case); it may not exist.
std::filesystem::path TracesDirectory(const std::filesystem::path& applicationDirectory);

// Where the trace file dialogs start: the Traces directory when it exists,
// otherwise the application directory.
std::filesystem::path TraceDialogDirectory(const std::filesystem::path& applicationDirectory);

}  // namespace orvex
