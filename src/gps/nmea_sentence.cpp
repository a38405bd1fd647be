#include "gps/nmea_sentence.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "geo/coordinate_text.h"
#include "gps/degree_minutes.h"

namespace orvex {
namespace {

// Fields after the header, up to the age of the differential data; the
// station id after it may be left out.
enum GgaField : std::size_t {
  kTime,
  kLatitude,
  kNorthSouth,
  kLongitude,
  kEastWest,
  kQuality,
  kSatellites,
  kDilution,
  kAltitude,
  kAltitudeUnit,
  kGeoid,
  kGeoidUnit,
  kAge,
  kGgaFieldCount
};

constexpr int kMaxLatitude = 90;
constexpr int kMaxLongitude = 180;
constexpr std::size_t kChecksumDigits = 2;
constexpr std::size_t kMinuteDigits = 2;

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  return std::nullopt;
}

std::optional<int> SentChecksum(std::string_view digits) {
  const auto high = HexDigit(digits[0]);
  const auto low = HexDigit(digits[1]);
  if (!high || !low) {
    return std::nullopt;
  }
  return *high * 16 + *low;
}

int Checksum(std::string_view text) {
  int sum = 0;
  for (const char c : text) {
    sum ^= static_cast<unsigned char>(c);
  }
  return sum;
}

std::vector<std::string_view> SplitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t comma = text.find(','); comma != std::string_view::npos; comma = text.find(',', start)) {
    fields.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  fields.push_back(text.substr(start));
  return fields;
}

// Receivers without a value may leave its unit empty as well.
bool UnitAccepted(std::string_view value, std::string_view unit) {
  return unit.starts_with('M') || (unit.empty() && value.empty());
}

// "ddmm.mmmm" (or "dddmm.mmmm") and its hemisphere field.
double Coordinate(std::string_view field, std::string_view hemisphere, char positive, char negative, int maxDegrees) {
  if (hemisphere.size() != 1 || (hemisphere[0] != positive && hemisphere[0] != negative)) {
    return 0;
  }
  const std::size_t point = std::min(field.find('.'), field.size());
  if (point <= kMinuteDigits) {
    return 0;
  }
  double fraction = 0;
  const std::string_view decimals = point < field.size() ? field.substr(point + 1) : std::string_view();
  if (!decimals.empty() && (!IsDigitText(decimals) || !ParseDecimal("0." + std::string(decimals), fraction))) {
    return 0;
  }
  return DegreeMinutesToDegrees(field.substr(0, point - kMinuteDigits),
                                field.substr(point - kMinuteDigits, kMinuteDigits), fraction, hemisphere[0],
                                maxDegrees);
}

}  // namespace

std::size_t FindGgaHeader(std::string_view text, std::size_t from) {
  for (std::size_t p = text.find('$', from); p != std::string_view::npos; p = text.find('$', p + 1)) {
    if (p + kGgaHeaderLength <= text.size() && IsLetter(text[p + 1]) && IsLetter(text[p + 2]) &&
        UpperText(text.substr(p + 3, 3)) == "GGA") {
      return p;
    }
  }
  return std::string_view::npos;
}

DecodedPosition DecodeSentence(std::string_view sentence) {
  if (!sentence.empty() && (sentence.front() == '\n' || sentence.front() == '\r')) {
    sentence.remove_prefix(1);
  }
  const std::size_t star = sentence.find('*');
  if (star == std::string_view::npos || sentence.size() < star + 1 + kChecksumDigits || FindGgaHeader(sentence) != 0) {
    return {};
  }
  // The checksum covers the bytes as sent, so a receiver writing lower case is read too.
  const auto sent = SentChecksum(sentence.substr(star + 1, kChecksumDigits));
  if (!sent || *sent != Checksum(sentence.substr(1, star - 1))) {
    return {};
  }
  const std::string text = UpperText(sentence.substr(0, star));
  if (text.size() <= kGgaHeaderLength || text[kGgaHeaderLength] != ',') {
    return {};
  }
  const auto fields = SplitFields(std::string_view(text).substr(kGgaHeaderLength + 1));
  if (fields.size() < kGgaFieldCount || !UnitAccepted(fields[kAltitude], fields[kAltitudeUnit]) ||
      !UnitAccepted(fields[kGeoid], fields[kGeoidUnit])) {
    return {};
  }
  DecodedPosition result;
  result.Time = std::string(fields[kTime]);
  result.Latitude = Coordinate(fields[kLatitude], fields[kNorthSouth], 'N', 'S', kMaxLatitude);
  result.Longitude = Coordinate(fields[kLongitude], fields[kEastWest], 'E', 'W', kMaxLongitude);
  double altitude = 0;
  if (ParseDecimal(fields[kAltitude], altitude)) {
    result.Altitude = altitude;
  }
  return result;
}

}  // namespace orvex
