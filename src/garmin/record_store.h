#pragma once
// Where a download puts the records it receives: waypoints into the table,
// track points into the track file (written atomically when closed).
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

#include "garmin/waypoint_table.h"
#include "platform/atomic_file.h"

namespace orvex {

class RecordStore {
 public:
  explicit RecordStore(WaypointTable& waypoints) : waypoints_(waypoints) {}

  // The track file that later track points go to; 0, or the system's error
  // number when it cannot be created.
  int OpenTrackFile(const std::filesystem::path& path);
  // Any record packet; identifiers other than waypoint and track point, and
  // track points while no track file is open, are ignored.
  void StoreRecord(std::span<const std::uint8_t> packet);
  // Writes the track file with what it got (nothing to do when none is
  // open): 0, or the system's error number.
  int CloseTrackFile();
  int TrackPointsWritten() const { return trackPoints_; }

 private:
  WaypointTable& waypoints_;
  std::unique_ptr<AtomicFileWriter> track_;
  int trackPoints_ = 0;
};

}  // namespace orvex
