#include "gps/aprs_packet.h"

#include <algorithm>
#include <optional>
#include <string>

#include "gps/aprs_position.h"
#include "gps/degree_minutes.h"

namespace orvex {
namespace {

constexpr std::size_t kObjectNameLength = 9;
constexpr std::size_t kTimeStampLength = 7;  // "092345z" (day, hour, minute) or "234517h"
constexpr std::size_t kObjectStateAt = 1 + kObjectNameLength;
constexpr std::size_t kObjectPositionAt = kObjectStateAt + 1 + kTimeStampLength;
constexpr std::size_t kMinItemNameLength = 3;
constexpr std::size_t kTimeStampedPositionAt = 1 + kTimeStampLength;
constexpr std::size_t kMaxCallsignLength = 9;
constexpr std::size_t kMaxSsidLength = 2;
constexpr std::size_t kLatitudeDegreeDigits = 2;
constexpr std::size_t kLongitudeDegreeDigits = 3;
constexpr std::size_t kMinuteDigits = 4;               // "mm.hh" without its point
constexpr std::size_t kAngleTail = kMinuteDigits + 2;  // the point and the hemisphere letter
constexpr int kMaxLatitude = 90;
constexpr int kMaxLongitude = 180;
constexpr double kHundredths = 100.0;

bool IsAlphanumeric(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

bool IsAlphanumericText(std::string_view text, std::size_t maxLength) {
  return !text.empty() && text.size() <= maxLength && std::all_of(text.begin(), text.end(), IsAlphanumeric);
}

// The primary and alternate tables, or an overlay digit or letter.
bool IsSymbolTable(char c) { return c == '/' || c == '\\' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

struct AprsAngle {
  double Degrees = 0;
  std::size_t Ambiguity = 0;  // trailing minute digits sent as blanks
};

// "ddmm.hhN" or "dddmm.hhE" at the start of `text`.
std::optional<AprsAngle> ReadAngle(std::string_view text, std::size_t degreeDigits, std::string_view hemispheres,
                                   int maxDegrees) {
  if (text.size() < degreeDigits + kAngleTail || text[degreeDigits + 2] != '.' ||
      hemispheres.find(text[degreeDigits + kAngleTail - 1]) == std::string_view::npos) {
    return std::nullopt;
  }
  std::string minuteDigits(text.substr(degreeDigits, 2));
  minuteDigits += text.substr(degreeDigits + 3, 2);
  AprsAngle angle;
  if (!ResolveBlankedMinutes(minuteDigits, angle.Ambiguity)) {
    return std::nullopt;
  }
  const double fraction = std::stoi(minuteDigits.substr(2)) / kHundredths;
  angle.Degrees = DegreeMinutesToDegrees(text.substr(0, degreeDigits), std::string_view(minuteDigits).substr(0, 2),
                                         fraction, text[degreeDigits + kAngleTail - 1], maxDegrees);
  if (angle.Degrees == 0) {
    return std::nullopt;
  }
  return angle;
}

// The latitude ends three characters after the first point of the
// information; one symbol table character separates it from the longitude.
std::optional<AprsPosition> ReadPosition(std::string_view info) {
  const std::size_t point = info.find('.');
  if (point == std::string_view::npos || point < kLatitudeDegreeDigits + 2) {
    return std::nullopt;
  }
  std::string_view rest = info.substr(point - kLatitudeDegreeDigits - 2);
  const auto latitude = ReadAngle(rest, kLatitudeDegreeDigits, "NS", kMaxLatitude);
  if (!latitude) {
    return std::nullopt;
  }
  rest.remove_prefix(kLatitudeDegreeDigits + kAngleTail);
  if (rest.empty() || !IsSymbolTable(rest.front())) {
    return std::nullopt;
  }
  rest.remove_prefix(1);
  const auto longitude = ReadAngle(rest, kLongitudeDegreeDigits, "EWO", kMaxLongitude);
  if (!longitude || longitude->Ambiguity != latitude->Ambiguity) {
    return std::nullopt;
  }
  return AprsPosition{longitude->Degrees, latitude->Degrees};
}

std::string SourceCallsign(std::string_view header) { return std::string(header.substr(0, header.find('>'))); }

// The destination callsign of a header "SOURCE>DEST,PATH".
std::string_view Destination(std::string_view header) {
  const std::string_view rest = header.substr(header.find('>') + 1);
  return rest.substr(0, rest.find_first_of(",:"));
}

// Where an object or item puts its position, and its name and state; npos
// for a malformed one. `result` gets the name and the killed flag.
std::size_t ObjectOrItemPosition(std::string_view info, DecodedPosition& result) {
  if (info.starts_with(';')) {
    result.Name = std::string(info.substr(1, kObjectNameLength));
    if (info.size() <= kObjectStateAt || (info[kObjectStateAt] != '*' && info[kObjectStateAt] != '_')) {
      return std::string_view::npos;
    }
    result.Killed = info[kObjectStateAt] == '_';
    return kObjectPositionAt;
  }
  const std::size_t state = info.find_first_of("!_", 1);
  if (state == std::string_view::npos || state < 1 + kMinItemNameLength || state > 1 + kObjectNameLength) {
    return std::string_view::npos;
  }
  result.Name = std::string(info.substr(1, state - 1));
  result.Killed = info[state] == '_';
  return state + 1;
}

std::optional<AprsPosition> ReadAnyPosition(std::string_view header, std::string_view info,
                                            DecodedPosition& result) {
  std::size_t start = std::string_view::npos;
  switch (info.empty() ? '\0' : info[0]) {
    case '!':
    case '=':
      start = 1;
      break;
    case '/':
    case '@':
      start = kTimeStampedPositionAt;
      break;
    case ';':
    case ')':
      start = ObjectOrItemPosition(info, result);
      if (start == std::string_view::npos || result.Killed) {
        return std::nullopt;
      }
      break;
    case '`':
    case '\'':
      return DecodeMicEPosition(Destination(header), info);
    default:
      break;
  }
  if (start < info.size() && IsCompressedSymbolTable(info[start])) {
    return DecodeCompressedPosition(info.substr(start));
  }
  return ReadPosition(info);
}

// `header` is "SOURCE>DEST,PATH" (anything after the path is ignored).
DecodedPosition DecodeAprs(std::string_view header, std::string_view info) {
  DecodedPosition result;
  result.Name = SourceCallsign(header);
  result.Information = std::string(info);
  if (const auto position = ReadAnyPosition(header, info, result)) {
    result.Longitude = position->Longitude;
    result.Latitude = position->Latitude;
  }
  return result;
}

}  // namespace

bool IsAprsHeader(std::string_view line) {
  const std::size_t arrow = line.find('>');
  if (arrow == std::string_view::npos) {
    return false;
  }
  const std::string_view source = line.substr(0, arrow);
  const std::size_t dash = source.find('-');
  if (!IsAlphanumericText(source.substr(0, dash), kMaxCallsignLength)) {
    return false;
  }
  return dash == std::string_view::npos || IsAlphanumericText(source.substr(dash + 1), kMaxSsidLength);
}

DecodedPosition DecodePacket(std::string_view message) {
  if (!IsAprsHeader(message)) {
    return {};
  }
  const std::size_t endOfHeader = message.find('\r');
  if (endOfHeader == std::string_view::npos) {
    DecodedPosition result;
    result.Name = SourceCallsign(message);
    return result;
  }
  std::string_view info = message.substr(endOfHeader + 1);
  if (info.starts_with('\n')) {
    info.remove_prefix(1);
  }
  if (info.ends_with('\r')) {
    info.remove_suffix(1);
  }
  return DecodeAprs(message.substr(0, endOfHeader), info);
}

DecodedPosition DecodeAprsLine(std::string_view line) {
  if (!IsAprsHeader(line)) {
    return {};
  }
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) {
    DecodedPosition result;
    result.Name = SourceCallsign(line);
    return result;
  }
  return DecodeAprs(line.substr(0, colon), line.substr(colon + 1));
}

}  // namespace orvex
