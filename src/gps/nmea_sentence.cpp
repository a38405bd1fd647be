#include "gps/nmea_sentence.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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
// No fix is 100 km above or below the ground: such an altitude is garbage or
// forged, and would not fit the whole metres the trace keeps.
constexpr double kMaxAltitude = 100000;

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

// "hhmmss" with an optional decimal part: the time goes into the trace file as
// it is, so a line end or a separator in it would forge lines there.
bool IsTimeField(std::string_view field) {
  const std::size_t point = std::min(field.find('.'), field.size());
  const std::string_view decimals = point < field.size() ? field.substr(point + 1) : std::string_view("0");
  return IsDigitText(field.substr(0, point)) && IsDigitText(decimals);
}

// The altitude in metres; nothing when the sentence must be refused. A field
// that is not a number reads 0, as other unreadable numbers do.
std::optional<double> Altitude(std::string_view field) {
  double value = 0;
  if (ParseDecimal(field, value)) {
    return std::fabs(value) <= kMaxAltitude ? std::optional(value) : std::nullopt;
  }
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  const bool outOfRange = error == std::errc::result_out_of_range || (error == std::errc() && !std::isfinite(value));
  return outOfRange && end == field.data() + field.size() ? std::nullopt : std::optional(0.0);
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
  const std::optional<double> altitude = Altitude(fields[kAltitude]);
  if (!IsTimeField(fields[kTime]) || !altitude) {
    return {};
  }
  DecodedPosition result;
  result.Time = std::string(fields[kTime]);
  result.Latitude = Coordinate(fields[kLatitude], fields[kNorthSouth], 'N', 'S', kMaxLatitude);
  result.Longitude = Coordinate(fields[kLongitude], fields[kEastWest], 'E', 'W', kMaxLongitude);
  result.Altitude = *altitude;
  return result;
}

}  // namespace orvex
