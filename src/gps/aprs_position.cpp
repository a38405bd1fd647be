#include "gps/aprs_position.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "gps/degree_minutes.h"

namespace orvex {
namespace {

constexpr std::size_t kCompressedLength = 13;
constexpr std::size_t kBase91Digits = 4;
constexpr int kBase91 = 91;
constexpr char kBase91First = '!';
constexpr char kBase91Last = '{';
constexpr double kLatitudeUnitsPerDegree = 380926;
constexpr double kLongitudeUnitsPerDegree = 190463;
constexpr double kSecondsPerDegree = 3600;
constexpr int kMaxLatitude = 90;
constexpr int kMaxLongitude = 180;

constexpr std::size_t kMicEDestination = 6;
constexpr std::size_t kMicEInfo = 9;  // data type, longitude, speed and course, symbol
constexpr int kMicEBias = 28;
constexpr int kDegreesFirst = 38, kDegreesLast = 127;
constexpr int kMinutesFirst = 38, kMinutesLast = 97;
constexpr int kHundredthsFirst = 28, kHundredthsLast = 127;
constexpr int kLongitudeOffset = 100;
constexpr int kMinutesPerDegree = 60;
constexpr int kOffsetUnits = 190;
constexpr int kOffsetHundreds = 80;

double WholeArcSeconds(double degrees) { return std::round(degrees * kSecondsPerDegree) / kSecondsPerDegree; }

std::optional<long> Base91(std::string_view digits) {
  long value = 0;
  for (const char c : digits) {
    if (c < kBase91First || c > kBase91Last) {
      return std::nullopt;
    }
    value = value * kBase91 + (c - kBase91First);
  }
  return value;
}

// One destination character of a Mic-E latitude: its digit ('\0' for an
// ambiguity blank) and whether it sets the custom bit (north, offset, west
// in places 4 to 6). Nothing for a character the encoding does not use.
struct MicECharacter {
  char digit;
  bool high;
};

std::optional<MicECharacter> ReadMicECharacter(char c, std::size_t place) {
  const bool messageOnly = place < 3;  // 'A'..'K' only carry message bits
  if (c >= '0' && c <= '9') {
    return MicECharacter{c, false};
  }
  if (messageOnly && c >= 'A' && c <= 'J') {
    return MicECharacter{static_cast<char>('0' + (c - 'A')), true};
  }
  if (messageOnly && c == 'K') {
    return MicECharacter{' ', true};
  }
  if (c == 'L') {
    return MicECharacter{' ', false};
  }
  if (c >= 'P' && c <= 'Y') {
    return MicECharacter{static_cast<char>('0' + (c - 'P')), true};
  }
  if (c == 'Z') {
    return MicECharacter{' ', true};
  }
  return std::nullopt;
}

bool InRange(int value, int first, int last) { return value >= first && value <= last; }

// `value` (0 <= value < 10^width) with leading zeros.
std::string Digits(int value, std::size_t width) {
  std::string text = std::to_string(value);
  return std::string(width - std::min(width, text.size()), '0') + text;
}

// The longitude minutes and hundredths as "mmhh", blanked as far as the
// latitude is (the ambiguity covers both).
std::string BlankLike(int minutes, int hundredths, std::size_t ambiguity) {
  std::string text = Digits(minutes, 2) + Digits(hundredths, 2);
  for (std::size_t i = 0; i < ambiguity; ++i) {
    text[text.size() - 1 - i] = ' ';
  }
  return text;
}

}  // namespace

bool IsCompressedSymbolTable(char c) {
  return c == '/' || c == '\\' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'j');
}

std::optional<AprsPosition> DecodeCompressedPosition(std::string_view text) {
  if (text.size() < kCompressedLength || !IsCompressedSymbolTable(text[0])) {
    return std::nullopt;
  }
  const auto y = Base91(text.substr(1, kBase91Digits));
  const auto x = Base91(text.substr(1 + kBase91Digits, kBase91Digits));
  if (!y || !x) {
    return std::nullopt;
  }
  const double latitude = kMaxLatitude - static_cast<double>(*y) / kLatitudeUnitsPerDegree;
  const double longitude = static_cast<double>(*x) / kLongitudeUnitsPerDegree - kMaxLongitude;
  if (std::fabs(latitude) > kMaxLatitude || std::fabs(longitude) > kMaxLongitude) {
    return std::nullopt;
  }
  return AprsPosition{WholeArcSeconds(longitude), WholeArcSeconds(latitude)};
}

std::optional<AprsPosition> DecodeMicEPosition(std::string_view destination, std::string_view info) {
  destination = destination.substr(0, destination.find('-'));
  if (destination.size() != kMicEDestination || info.size() < kMicEInfo) {
    return std::nullopt;
  }
  std::string latitudeDigits;
  std::array<bool, kMicEDestination> high{};
  for (std::size_t i = 0; i < kMicEDestination; ++i) {
    const auto c = ReadMicECharacter(destination[i], i);
    if (!c) {
      return std::nullopt;
    }
    latitudeDigits += c->digit;
    high[i] = c->high;
  }
  std::string latitudeMinutes = latitudeDigits.substr(2);
  std::size_t ambiguity = 0;
  if (!ResolveBlankedMinutes(latitudeMinutes, ambiguity)) {
    return std::nullopt;
  }
  const double latitude = DegreeMinutesToDegrees(latitudeDigits.substr(0, 2), latitudeMinutes.substr(0, 2),
                                                 std::stoi(latitudeMinutes.substr(2)) / 100.0,
                                                 high[3] ? 'N' : 'S', kMaxLatitude);

  const int d = static_cast<unsigned char>(info[1]);
  const int m = static_cast<unsigned char>(info[2]);
  const int h = static_cast<unsigned char>(info[3]);
  if (!InRange(d, kDegreesFirst, kDegreesLast) || !InRange(m, kMinutesFirst, kMinutesLast) ||
      !InRange(h, kHundredthsFirst, kHundredthsLast)) {
    return std::nullopt;
  }
  int degrees = d - kMicEBias + (high[4] ? kLongitudeOffset : 0);
  // 0..9 and 100..109 degrees are sent above the bytes of 10..99.
  if (degrees >= kOffsetUnits) {
    degrees -= kOffsetUnits;
  } else if (degrees >= kMaxLongitude) {
    degrees -= kOffsetHundreds;
  }
  const int minutes = (m - kMicEBias) % kMinutesPerDegree;
  std::string longitudeMinutes = BlankLike(minutes, h - kMicEBias, ambiguity);
  ResolveBlankedMinutes(longitudeMinutes, ambiguity);
  const double longitude =
      DegreeMinutesToDegrees(Digits(degrees, 3), longitudeMinutes.substr(0, 2),
                             std::stoi(longitudeMinutes.substr(2)) / 100.0, high[5] ? 'W' : 'E', kMaxLongitude);
  if (latitude == 0 || longitude == 0) {
    return std::nullopt;
  }
  return AprsPosition{longitude, latitude};
}

}  // namespace orvex
