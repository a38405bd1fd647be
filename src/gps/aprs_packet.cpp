#include "gps/aprs_packet.h"

#include <algorithm>
#include <optional>
#include <string>

#include "gps/degree_minutes.h"

namespace orvex {
namespace {

constexpr std::size_t kNameLength = 7;  // the start of the header that holds the name
constexpr std::size_t kObjectNameLength = 9;
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

std::string StationName(std::string_view message) {
  std::string_view name = message.substr(0, kNameLength);
  for (const char stop : {'>', '*', '-'}) {
    name = name.substr(0, name.find(stop));
  }
  return std::string(name);
}

struct AprsAngle {
  double Degrees = 0;
  std::size_t Ambiguity = 0;  // trailing minute digits sent as blanks
};

// A blanked digit stands for the whole range it could hold: the first blank
// takes the middle of that range, the ones after it 0.
bool ResolveAmbiguity(std::string& minuteDigits, std::size_t& ambiguity) {
  ambiguity = 0;
  while (ambiguity < kMinuteDigits && minuteDigits[kMinuteDigits - 1 - ambiguity] == ' ') {
    ++ambiguity;
  }
  if (ambiguity > 0) {
    const std::size_t first = kMinuteDigits - ambiguity;
    minuteDigits[first] = first == 0 ? '3' : '5';
    std::fill(minuteDigits.begin() + static_cast<std::ptrdiff_t>(first) + 1, minuteDigits.end(), '0');
  }
  return IsDigitText(minuteDigits);
}

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
  if (!ResolveAmbiguity(minuteDigits, angle.Ambiguity)) {
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

struct AprsPosition {
  double Longitude = 0;
  double Latitude = 0;
};

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
  DecodedPosition result;
  result.Name = StationName(message);
  const std::size_t endOfHeader = message.find('\r');
  if (endOfHeader == std::string_view::npos) {
    return result;
  }
  std::string_view info = message.substr(endOfHeader + 1);
  if (info.starts_with('\n')) {
    info.remove_prefix(1);
  }
  if (info.starts_with(';')) {
    result.Name = std::string(info.substr(1, kObjectNameLength));
    result.Name.erase(std::min(result.Name.find('\r'), result.Name.size()));
  }
  if (const auto position = ReadPosition(info)) {
    result.Longitude = position->Longitude;
    result.Latitude = position->Latitude;
  }
  return result;
}

}  // namespace orvex
