#include "garmin/waypoint_table.h"

#include <algorithm>

#include "garmin/semicircles.h"
#include "geo/coordinate_text.h"
#include "gps/traces_directory.h"
#include "platform/text_file.h"

namespace orvex {
namespace {

constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kLatOffset = 6;
constexpr std::size_t kLonOffset = 10;
constexpr std::size_t kCommentOffset = 18;
constexpr std::uint8_t kUnusedField[] = {0xA6, 0x19, 0x9B, 0x01};
constexpr std::string_view kFixedDateTime = "1/1/2000 00h00mn00s ";

// Received text fields are padded with spaces by the GPS; a NUL would end a
// line of the waypoint file early for many readers.
std::string RecordText(std::span<const std::uint8_t> data, std::size_t offset, std::size_t length) {
  std::string text;
  for (std::size_t i = offset; i < std::min(data.size(), offset + length); ++i) {
    text += data[i] == 0 ? ' ' : static_cast<char>(data[i]);
  }
  return text;
}

std::string Fitted(std::string_view text, std::size_t length) {
  std::string fitted(text.substr(0, length));
  fitted.resize(length, ' ');
  return fitted;
}

std::string_view WithoutTrailingSpaces(std::string_view text) {
  while (!text.empty() && text.back() == ' ') {
    text.remove_suffix(1);
  }
  return text;
}

// The next space-separated field of `rest`, removed from it with the space.
std::string_view TakeWord(std::string_view& rest) {
  const auto space = rest.find(' ');
  const std::string_view word = rest.substr(0, space);
  rest.remove_prefix(space == std::string_view::npos ? rest.size() : space + 1);
  return word;
}

// The next field of a file line whose fields are separated by any run of
// spaces and commas; `rest` then starts at the following field, so that
// the comment keeps its own spaces.
std::string_view TakeSeparated(std::string_view& rest) {
  constexpr std::string_view kSeparators = " ,";
  const auto start = std::min(rest.size(), rest.find_first_not_of(kSeparators));
  rest.remove_prefix(start);
  const auto end = std::min(rest.size(), rest.find_first_of(kSeparators));
  const std::string_view field = rest.substr(0, end);
  rest.remove_prefix(end);
  rest.remove_prefix(std::min(rest.size(), rest.find_first_not_of(kSeparators)));
  return field;
}

}  // namespace

bool StoreWaypointRecord(WaypointTable& table, std::span<const std::uint8_t> data) {
  if (data.size() < kLonOffset + 4) {
    return false;
  }
  Waypoint waypoint;
  waypoint.Name = RecordText(data, kNameOffset, kGarminNameLength);
  waypoint.Lat = SemicirclesToDegrees(ReadInt32(data, kLatOffset));
  waypoint.Lon = SemicirclesToDegrees(ReadInt32(data, kLonOffset));
  waypoint.Comment = RecordText(data, kCommentOffset, kGarminCommentLength);
  table.push_back(std::move(waypoint));
  return true;
}

GarminBytes WaypointPacket(std::string_view line) {
  // The file's names are 6 characters when written after a download, but a
  // table read back from a file holds them unpadded: the latitude (the
  // first field with a degree sign) says where the name ends.
  std::string_view name = line.substr(0, kGarminNameLength);
  std::string_view rest = line.substr(std::min(line.size(), kGarminNameLength + 1));
  if (const auto degree = line.find(kDegreeSign); degree != std::string_view::npos) {
    const auto space = line.rfind(' ', degree);
    name = space == std::string_view::npos ? std::string_view() : line.substr(0, space);
    rest = line.substr(space == std::string_view::npos ? 0 : space + 1);
  }
  const double lat = DmsToDegrees(TakeWord(rest));
  const double lon = DmsToDegrees(TakeWord(rest));
  TakeWord(rest);
  TakeWord(rest);
  const std::string fittedName = Fitted(name, kGarminNameLength);
  GarminBytes data(fittedName.begin(), fittedName.end());
  AppendInt32(data, DegreesToSemicircles(lat));
  AppendInt32(data, DegreesToSemicircles(lon));
  data.insert(data.end(), std::begin(kUnusedField), std::end(kUnusedField));
  const std::string comment = Fitted(WithoutTrailingSpaces(rest), kGarminCommentLength);
  data.insert(data.end(), comment.begin(), comment.end());
  return MakePacket(kPidWaypoint, data);
}

std::string PaddedWaypointName(std::string_view name) {
  std::string padded(name);
  if (padded.size() < kGarminNameLength) {
    padded.resize(kGarminNameLength, ' ');
  }
  return padded;
}

bool WaypointNameUsed(const WaypointTable& table, std::string_view name) {
  const std::string_view wanted = WithoutTrailingSpaces(name);
  return std::any_of(table.begin(), table.end(),
                     [&](const Waypoint& w) { return WithoutTrailingSpaces(w.Name) == wanted; });
}

std::string WaypointFileText(const WaypointTable& table) {
  std::string text;
  for (const char* header : {"/ Sauvegarde waypoints-------------------------", "/",
                             "/Nom du  Latitude Longitude    date       heure    commentaire", "/Waypoint    "}) {
    text += header;
    text += kTraceFileLineEnd;
  }
  for (const Waypoint& w : table) {
    text += w.Name + " " + LatitudeToText(w.Lat) + " " + LongitudeToText(w.Lon) + " ";
    text += kFixedDateTime;
    text += w.Comment;
    text += kTraceFileLineEnd;
  }
  return text;
}

int ReadWaypointFile(WaypointTable& table, const std::filesystem::path& file) {
  std::vector<std::string> lines;
  int status = 0;
  if (!ReadLines(file, lines, status)) {
    return status;
  }
  table.clear();
  for (const std::string& line : lines) {
    if (line.empty() || line[0] == '/') {
      continue;
    }
    std::string_view rest = line;
    Waypoint w;
    w.Name = std::string(TakeSeparated(rest).substr(0, kWaypointNameLength));
    w.Lat = DmsToDegrees(TakeSeparated(rest));
    w.Lon = DmsToDegrees(TakeSeparated(rest));
    TakeSeparated(rest);
    TakeSeparated(rest);
    w.Comment = std::string(WithoutTrailingSpaces(rest).substr(0, kWaypointCommentLength));
    table.push_back(std::move(w));
  }
  return 0;
}

std::vector<LabelledPoint> WaypointPoints(const WaypointTable& table) {
  std::vector<LabelledPoint> points;
  points.reserve(table.size());
  for (const Waypoint& w : table) {
    points.push_back({w.Lon, w.Lat, w.Name});
  }
  return points;
}

}  // namespace orvex
