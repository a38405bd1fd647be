#pragma once
// Track points of the Garmin track log (record 0x22) and the lines of the
// track file they are written to and read back from.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "garmin/garmin_packet.h"
#include "garmin/garmin_time.h"

namespace orvex {

struct GarminTrackPoint {
  double Lat = 0;
  double Lon = 0;
  std::uint32_t Time = 0;  // seconds since 1989-12-31 00:00
};

// Latitude, longitude and time of a record's data; nothing when the record
// is shorter than those twelve bytes.
std::optional<GarminTrackPoint> DecodeTrackPoint(std::span<const std::uint8_t> data);

// "49°37'00"N": whole degrees (two digits at least), minutes, seconds
// rounded to the nearest whole second with the carry into minutes and
// degrees, then `positive` or `negative` by the sign. Windows-1252.
std::string TrackCoordinateText(double value, char positive, char negative);

// The three comment lines that open a track file, dated by its first point.
std::string TrackHeaderLines(const GarminDateTime& firstPoint);
// "hhmmss hhmmss latitude longitude " and the line end.
std::string TrackPointLine(const GarminTrackPoint& point);

// The date of a "/ Sauvegarde route du d/m/y" header line; nothing for any
// other line.
std::optional<GarminDateTime> TrackFileDate(std::string_view line);
// The track-point packet for one data line of a trace or track file (time,
// time, latitude, longitude, ...). The line's hhmmss on `date` gives the
// time; without a date, or with an unreadable time, the point carries
// kGarminNoTime. `first` starts a new track on the GPS.
GarminBytes TrackPointPacket(std::string_view line, const std::optional<GarminDateTime>& date, bool first);

}  // namespace orvex
