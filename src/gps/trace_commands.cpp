#include "gps/trace_commands.h"

#include "gps/drawn_trace.h"
#include "gps/gps_file.h"
#include "gps/traces_directory.h"
#include "platform/paths.h"

namespace orvex {
namespace {

constexpr const char* kGpsFilter = "Fichiers trace GPS (*.GPS);;Tous (*.*)";
constexpr const char* kTraceFilter = "Fichiers tracés  (*.*)";

FileDialogRequest Request(const char* title, const char* filter, const std::filesystem::path& applicationDirectory) {
  return {title, filter, PathText(TraceDialogDirectory(applicationDirectory))};
}

}  // namespace

std::optional<TracePoint> ReadGpsFileCommand(Traces& traces, const std::filesystem::path& applicationDirectory,
                                             Dialogs& dialogs, int& ioStatus) {
  const auto chosen =
      dialogs.OpenFileName(Request("Ouvrir un fichier trace GPS", kGpsFilter, applicationDirectory));
  if (!chosen) {
    return std::nullopt;
  }
  if (const int status = ReadGpsFile(traces, *chosen); status != 0) {
    ioStatus = status;
    return std::nullopt;
  }
  if (!IsValidChannel(traces, 0) || traces.TraceTable[0].empty()) {
    return std::nullopt;
  }
  return traces.TraceTable[0].back();
}

int SaveTraceFileCommand(const Traces& traces, const std::filesystem::path& applicationDirectory,
                         Dialogs& dialogs) {
  const auto chosen = dialogs.SaveFileName(Request("Sauver un fichier tracés", kTraceFilter, applicationDirectory));
  return chosen ? WriteTraceFile(*chosen, traces.DrawnTrace) : 0;
}

std::optional<DrawnPoint> ReadTraceFileCommand(Traces& traces, const std::filesystem::path& applicationDirectory,
                                               Dialogs& dialogs, int& ioStatus) {
  traces.DrawnTrace.clear();
  const auto chosen = dialogs.OpenFileName(Request("Ouvrir un fichier tracés", kTraceFilter, applicationDirectory));
  if (!chosen) {
    return std::nullopt;
  }
  if (const int status = ReadTraceFile(*chosen, traces.DrawnTrace, dialogs); status != 0) {
    ioStatus = status;
    return std::nullopt;
  }
  if (traces.DrawnTrace.empty()) {
    return std::nullopt;
  }
  return traces.DrawnTrace.back();
}

}  // namespace orvex
