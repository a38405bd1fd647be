#include "garmin/record_store.h"

#include "garmin/track_record.h"

namespace orvex {

int RecordStore::OpenTrackFile(const std::filesystem::path& path) {
  track_ = std::make_unique<AtomicFileWriter>(path);
  trackPoints_ = 0;
  if (const int status = track_->status(); status != 0) {
    track_.reset();
    return status;
  }
  return 0;
}

void RecordStore::StoreRecord(std::span<const std::uint8_t> packet) {
  const auto data = PacketData(packet);
  switch (PacketId(packet)) {
    case kPidWaypoint:
      StoreWaypointRecord(waypoints_, data);
      break;
    case kPidTrackPoint:
      if (const auto point = DecodeTrackPoint(data); point && track_) {
        if (trackPoints_ == 0) {
          track_->Write(TrackHeaderLines(GarminTimeToDateTime(point->Time)));
        }
        track_->Write(TrackPointLine(*point));
        ++trackPoints_;
      }
      break;
    default:
      break;
  }
}

int RecordStore::CloseTrackFile() {
  if (!track_) {
    return 0;
  }
  const int status = track_->Commit();
  track_.reset();
  return status;
}

}  // namespace orvex
