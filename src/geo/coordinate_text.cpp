#include "geo/coordinate_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

namespace orvex {
namespace {

// A value this close below a whole second counts as that second: truncating
// through floating-point error would make text -> value -> text lose a second.
constexpr double kSecondTolerance = 1e-6;

std::string_view SkipLeadingBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  return text;
}

constexpr std::array<std::pair<unsigned char, unsigned char>, 13> kOemToWindows = {{
    {0x87, 0xE7}, {0x82, 0xE9}, {0x8A, 0xE8}, {0x83, 0xE2}, {0x85, 0xE0}, {0x88, 0xEA}, {0x94, 0xF6},
    {0x93, 0xF4}, {0x8C, 0xEE}, {0x8B, 0xEF}, {0x96, 0xFB}, {0x81, 0xFC}, {0xF8, 0xB0},
}};

}  // namespace

bool ParseInteger(std::string_view text, long long& value) {
  text = SkipLeadingBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') {
      return false;
    }
  }
  if (text.empty()) {
    return false;
  }
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool ParseInteger(std::string_view text, int& value) {
  long long wide = 0;
  if (!ParseInteger(text, wide) || wide < std::numeric_limits<int>::min() ||
      wide > std::numeric_limits<int>::max()) {
    return false;
  }
  value = static_cast<int>(wide);
  return true;
}

bool ParseDecimal(std::string_view text, double& value) {
  text = SkipLeadingBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') {
      return false;
    }
  }
  if (text.empty()) {
    return false;
  }
  double parsed = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), parsed, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed)) {
    return false;
  }
  value = parsed;
  return true;
}

std::string TwoDigits(long long value) {
  std::string text = std::to_string(value);
  return text.size() == 1 ? "0" + text : text;
}

std::string DegreesToDms(double value) {
  // Defined for any double: what is not finite reads 0.
  const double a = std::isfinite(value) ? std::fabs(value) : 0;
  double degrees = std::trunc(a);
  double minutes = (a - degrees) * 60;
  double wholeMinutes = std::trunc(minutes);
  double seconds = (minutes - wholeMinutes) * 60;
  double wholeSeconds = std::trunc(seconds + kSecondTolerance);
  // The tolerance can lift 59.9999999 s to 60: carry it upwards.
  if (wholeSeconds >= 60) {
    wholeSeconds -= 60;
    wholeMinutes += 1;
  }
  if (wholeMinutes >= 60) {
    wholeMinutes -= 60;
    degrees += 1;
  }
  // Degrees beyond any integer type are still printed whole.
  char wholeDegrees[320];
  std::snprintf(wholeDegrees, sizeof wholeDegrees, "%02.0f", degrees);
  std::string text = wholeDegrees;
  text += kDegreeSign;
  text += TwoDigits(static_cast<long long>(wholeMinutes)) + "'";
  text += TwoDigits(static_cast<long long>(wholeSeconds)) + "\"";
  return text;
}

std::string LongitudeToText(double longitude) { return DegreesToDms(longitude) + (longitude >= 0 ? "E" : "O"); }

std::string LatitudeToText(double latitude) { return DegreesToDms(latitude) + (latitude >= 0 ? "N" : "S"); }

namespace {

constexpr int kSavedDecimals = 5;
constexpr int kSavedSignificantDigits = 7;
constexpr long long kSecondsPerDegree = 3600;

// Whole seconds from integers: the degrees of a stored position lie up to a
// tenth of a second either side of the second they were read from.
std::string RoundedDms(double value, const char* positive, const char* negative) {
  const long long seconds = std::llround(value * kSecondsPerDegree);
  const long long a = seconds < 0 ? -seconds : seconds;
  std::string text = TwoDigits(a / kSecondsPerDegree);
  text += kDegreeSign;
  text += TwoDigits(a / 60 % 60) + "'";
  text += TwoDigits(a % 60) + "\"";
  return text + (seconds < 0 ? negative : positive);
}

int IntegerDigits(double magnitude) {
  return magnitude >= 1 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 0;
}

}  // namespace

std::string LongitudeToSavedText(double longitude) { return RoundedDms(longitude, "E", "O"); }

std::string LatitudeToSavedText(double latitude) { return RoundedDms(latitude, "N", "S"); }

std::string SavedDegreesText(double degrees) {
  const int decimals = std::clamp(kSavedSignificantDigits - IntegerDigits(std::fabs(degrees)), 0, kSavedDecimals);
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), degrees, std::chars_format::fixed, decimals);
  std::string text(buffer.data(), result.ptr);
  if (decimals == 0) {
    text += '.';
  }
  return text.append(static_cast<std::size_t>(kSavedDecimals - decimals), '0');
}

double DmsToDegrees(std::string_view text) {
  std::size_t p = text.find(kDegreeSign);
  if (p == std::string_view::npos) {
    p = text.find(kConsoleDegreeSign);
  }
  if (p == std::string_view::npos) {
    return 0;
  }
  bool ok = true;
  long long degrees = 0;
  ok = ParseInteger(text.substr(0, p), degrees) && ok;
  std::string_view rest = text.substr(p + 1);
  p = rest.find('\'');
  if (p == std::string_view::npos) {
    return 0;
  }
  long long minutes = 0;
  ok = ParseInteger(rest.substr(0, p), minutes) && ok;
  rest = rest.substr(p + 1);
  long long seconds = 0;
  p = rest.find('"');
  if (p != std::string_view::npos) {
    ok = ParseInteger(rest.substr(0, p), seconds) && ok;
  }
  if (!ok || rest.empty()) {
    return 0;  // a text ending at the minute mark has no hemisphere: unreadable
  }
  double value = static_cast<double>(minutes) / 60 + static_cast<double>(seconds) / 3600 + static_cast<double>(degrees);
  const char hemisphere = UpperText(rest.substr(rest.size() - 1))[0];
  if (hemisphere == 'W' || hemisphere == 'O' || hemisphere == 'S') {
    value = -value;
  }
  return value;
}

double DecimalToDegrees(std::string_view text) {
  double value = 0;
  return ParseDecimal(CommaToPoint(text), value) ? value : 0;
}

double TextToCoordinate(std::string_view text) {
  const bool dms = text.find(kDegreeSign) != std::string_view::npos ||
                   text.find(kConsoleDegreeSign) != std::string_view::npos;
  return dms ? DmsToDegrees(text) : DecimalToDegrees(text);
}

std::string CommaToPoint(std::string_view text) {
  std::string copy(text);
  for (char& c : copy) {
    if (c == ',') {
      c = '.';
    }
  }
  return copy;
}

std::string UpperText(std::string_view text) {
  std::string copy(text);
  for (char& c : copy) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return copy;
}

std::string OemToWindowsText(std::string_view text) {
  std::string copy(text);
  for (char& c : copy) {
    for (const auto& [from, to] : kOemToWindows) {
      if (static_cast<unsigned char>(c) == from) {
        c = static_cast<char>(to);
        break;
      }
    }
  }
  return copy;
}

}  // namespace orvex
