#pragma once
// What the Garmin transfers and the waypoint commands keep for the whole run.
#include <string>
#include <vector>

#include "garmin/waypoint_table.h"
#include "mapview/labelled_point.h"

namespace orvex {

struct GarminState {
  WaypointTable Waypoints;
  std::vector<LabelledPoint> WaypointPoints;  // what the waypoint layer draws, rebuilt at each redraw
  // The file last chosen in the Garmin dialog or the waypoint commands (UTF-8).
  std::string TransferFileName;
  // TransferFileName is a track file the dialog just downloaded: only then
  // is it read back as a trace when the dialog closes.
  bool TrackDownloaded = false;
  // "Créer un waypoint" waits for a click on the map.
  bool CreateWaypointPending = false;
};

}  // namespace orvex
