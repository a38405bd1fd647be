#include "garmin/waypoint_commands.h"

#include "gps/traces_directory.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"

namespace orvex {

int SaveWaypointFileCommand(const WaypointTable& table, const std::filesystem::path& applicationDirectory,
                            Dialogs& dialogs, std::string& transferFileName) {
  const auto chosen = dialogs.SaveFileName({"Sauver un fichier points de chemin (waypoint)",
                                            "Fichiers points de chemin  (*.dat *.DAT);;Tous (*)",
                                            PathText(TraceDialogDirectory(applicationDirectory))});
  if (!chosen) {
    return 0;
  }
  transferFileName = *chosen;
  const int status = WriteFileAtomically(*chosen, WaypointFileText(table));
  if (status != 0) {
    dialogs.Message(MessageKind::Error,
                    "Fichier waypoint non écrit : " + *chosen + " (erreur " + std::to_string(status) + ")");
  }
  return status;
}

WaypointLoad LoadWaypointFileCommand(WaypointTable& table, const std::filesystem::path& applicationDirectory,
                                     Dialogs& dialogs, std::string& transferFileName) {
  const auto chosen = dialogs.OpenFileName({"Lire un fichier points de chemin (waypoint)",
                                            "Fichiers points de chemin  (*.DAT *.dat);;Tous (*)",
                                            PathText(TraceDialogDirectory(applicationDirectory))});
  if (!chosen) {
    return WaypointLoad::Cancelled;
  }
  transferFileName = *chosen;
  return ReadWaypointFile(table, *chosen) == 0 ? WaypointLoad::Loaded : WaypointLoad::Unreadable;
}

}  // namespace orvex
