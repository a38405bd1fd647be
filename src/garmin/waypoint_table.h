#pragma once
// The waypoints: the table kept for the whole run, the Garmin waypoint
// record (0x23) received and sent, and the waypoint files.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "garmin/garmin_packet.h"
#include "mapview/labelled_point.h"

namespace orvex {

inline constexpr std::size_t kWaypointNameLength = 10;
inline constexpr std::size_t kWaypointCommentLength = 64;
inline constexpr std::size_t kGarminNameLength = 6;
inline constexpr std::size_t kGarminCommentLength = 40;

struct Waypoint {
  std::string Name;  // Windows-1252; 6 characters, space padded, when created or received
  double Lon = 0;
  double Lat = 0;
  std::string Comment;
};

using WaypointTable = std::vector<Waypoint>;

// Appends the waypoint of a 0x23 record's data; false (nothing appended)
// when the record is too short to hold a position.
bool StoreWaypointRecord(WaypointTable& table, std::span<const std::uint8_t> data);

// The waypoint packet for one line of a waypoint file: name, latitude,
// longitude, date, time, comment. The name is whatever precedes the
// latitude, padded or cut to 6 characters.
GarminBytes WaypointPacket(std::string_view line);

// "AB" -> "AB    ".
std::string PaddedWaypointName(std::string_view name);
// Whether a waypoint already has this name; trailing spaces do not count, so
// a name read back from a file (unpadded) still matches the typed one.
bool WaypointNameUsed(const WaypointTable& table, std::string_view name);

// The whole waypoint file: four comment lines, then one line per waypoint.
std::string WaypointFileText(const WaypointTable& table);
// Replaces the table by the file's waypoints. 0, or the system's error
// number when the file cannot be read (the table is then untouched).
int ReadWaypointFile(WaypointTable& table, const std::filesystem::path& file);

// What the waypoint layer draws.
std::vector<LabelledPoint> WaypointPoints(const WaypointTable& table);

}  // namespace orvex
