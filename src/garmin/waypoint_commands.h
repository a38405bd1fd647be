#pragma once
// The waypoint file commands, through the dialogs interface. Redrawing stays
// with the caller.
#include <filesystem>
#include <string>

#include "garmin/waypoint_table.h"
#include "platform/dialogs.h"

namespace orvex {

// "Sauve un fichier waypoint". The chosen file goes to `transferFileName`
// (left as it is when the dialog is cancelled). 0 when saved or cancelled,
// else the system's error number, which the user has been told.
int SaveWaypointFileCommand(const WaypointTable& table, const std::filesystem::path& applicationDirectory,
                            Dialogs& dialogs, std::string& transferFileName);

enum class WaypointLoad { Cancelled, Loaded, Unreadable };
// "Charge un fichier Waypoint". An unreadable file leaves the table as it was.
WaypointLoad LoadWaypointFileCommand(WaypointTable& table, const std::filesystem::path& applicationDirectory,
                                     Dialogs& dialogs, std::string& transferFileName);

}  // namespace orvex
