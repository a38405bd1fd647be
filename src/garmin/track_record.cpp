#include "garmin/track_record.h"

#include <cmath>

#include "garmin/semicircles.h"
#include "geo/coordinate_text.h"
#include "gps/gps_file.h"
#include "gps/traces_directory.h"

namespace orvex {
namespace {

constexpr std::size_t kTrackPointSize = 12;
constexpr std::string_view kTrackDateHeader = "/ Sauvegarde route du ";

std::string TimeGroup(const GarminDateTime& when) {
  return TwoDigits(when.hour) + TwoDigits(when.minute) + TwoDigits(when.second);
}

bool ParseTimeGroup(std::string_view text, GarminDateTime& when) {
  int hhmmss = 0;
  if (text.size() != 6 || !ParseInteger(text, hhmmss) || hhmmss < 0) {
    return false;
  }
  when.hour = hhmmss / 10000;
  when.minute = hhmmss / 100 % 100;
  when.second = hhmmss % 100;
  return true;
}

}  // namespace

std::optional<GarminTrackPoint> DecodeTrackPoint(std::span<const std::uint8_t> data) {
  if (data.size() < kTrackPointSize) {
    return std::nullopt;
  }
  return GarminTrackPoint{SemicirclesToDegrees(ReadInt32(data, 0)), SemicirclesToDegrees(ReadInt32(data, 4)),
                          static_cast<std::uint32_t>(ReadInt32(data, 8))};
}

std::string TrackCoordinateText(double value, char positive, char negative) {
  const long long totalSeconds = std::llround(std::fabs(value) * 3600);
  std::string text = TwoDigits(totalSeconds / 3600);
  text += kDegreeSign;
  text += TwoDigits(totalSeconds / 60 % 60) + "'";
  text += TwoDigits(totalSeconds % 60) + "\"";
  text += value >= 0 ? positive : negative;
  return text;
}

std::string TrackHeaderLines(const GarminDateTime& firstPoint) {
  std::string lines = std::string(kTrackDateHeader) + std::to_string(firstPoint.day) + "/" +
                      std::to_string(firstPoint.month) + "/" + std::to_string(firstPoint.year);
  lines += kTraceFileLineEnd;
  lines += "/Heure Heure  Latitude   Longitude   commentaire";
  lines += kTraceFileLineEnd;
  lines += "/ GPS   GPS";
  lines += kTraceFileLineEnd;
  return lines;
}

std::string TrackPointLine(const GarminTrackPoint& point) {
  const std::string time = TimeGroup(GarminTimeToDateTime(point.Time));
  std::string line = time + " " + time + " " + TrackCoordinateText(point.Lat, 'N', 'S') + " " +
                     TrackCoordinateText(point.Lon, 'E', 'O') + " ";
  line += kTraceFileLineEnd;
  return line;
}

std::optional<GarminDateTime> TrackFileDate(std::string_view line) {
  if (!line.starts_with(kTrackDateHeader)) {
    return std::nullopt;
  }
  line.remove_prefix(kTrackDateHeader.size());
  while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) {
    line.remove_suffix(1);
  }
  GarminDateTime date;
  const auto firstSlash = line.find('/');
  const auto secondSlash = line.find('/', firstSlash + 1);
  if (secondSlash == std::string_view::npos || !ParseInteger(line.substr(0, firstSlash), date.day) ||
      !ParseInteger(line.substr(firstSlash + 1, secondSlash - firstSlash - 1), date.month) ||
      !ParseInteger(line.substr(secondSlash + 1), date.year) || !DateTimeToGarminTime(date)) {
    return std::nullopt;
  }
  return date;
}

GarminBytes TrackPointPacket(std::string_view line, const std::optional<GarminDateTime>& date, bool first) {
  const GpsFileLine point = ReadGpsFileLine(line);
  std::uint32_t seconds = kGarminNoTime;
  GarminDateTime when = date.value_or(GarminDateTime{});
  if (date && ParseTimeGroup(point.time, when)) {
    seconds = DateTimeToGarminTime(when).value_or(kGarminNoTime);
  }
  GarminBytes data;
  AppendInt32(data, DegreesToSemicircles(point.lat));
  AppendInt32(data, DegreesToSemicircles(point.lon));
  AppendInt32(data, static_cast<std::int32_t>(seconds));
  data.push_back(first ? 1 : 0);
  return MakePacket(kPidTrackPoint, data);
}

}  // namespace orvex
