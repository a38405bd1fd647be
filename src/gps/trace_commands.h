#pragma once
// The menu commands that read and save trace files, through the dialogs
// interface. Bringing a point into view and redrawing stay with the caller.
#include <filesystem>
#include <optional>

#include "gps/trace_table.h"
#include "platform/dialogs.h"

namespace orvex {

// "Lire fichier GPS". The last point loaded into channel 0, or nothing when
// the dialog is cancelled, the file unreadable (its error number goes to
// `ioStatus`) or without data lines.
std::optional<TracePoint> ReadGpsFileCommand(Traces& traces, const std::filesystem::path& applicationDirectory,
                                             Dialogs& dialogs, int& ioStatus);

// "Sauver fichier tracé". 0 when saved or cancelled, else the error number.
int SaveTraceFileCommand(const Traces& traces, const std::filesystem::path& applicationDirectory,
                         Dialogs& dialogs);

// "Lire fichier tracé". The drawn trace is emptied before the dialog opens,
// so cancelling clears it. The last point read, to centre the map on, or
// nothing.
std::optional<DrawnPoint> ReadTraceFileCommand(Traces& traces, const std::filesystem::path& applicationDirectory,
                                               Dialogs& dialogs, int& ioStatus);

}  // namespace orvex
