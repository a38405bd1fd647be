#include "gps/degree_minutes.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "geo/coordinate_text.h"

namespace orvex {
namespace {

constexpr int kSecondsPerMinute = 60;
constexpr char kLastMinuteTens = '5';
constexpr std::size_t kMinuteDigits = 4;

}  // namespace

bool IsDigitText(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

double DegreeMinutesToDegrees(std::string_view degrees, std::string_view minutes, double fraction, char hemisphere,
                              int maxDegrees) {
  if (!IsDigitText(degrees) || minutes.size() != 2 || !IsDigitText(minutes) || minutes[0] > kLastMinuteTens) {
    return 0;
  }
  const long seconds = std::lround(fraction * kSecondsPerMinute);
  std::string text(degrees);
  text += kDegreeSign;
  text += minutes;
  text += '\'';
  text += std::to_string(seconds);
  text += '"';
  text += hemisphere;
  const double value = DmsToDegrees(text);
  return std::fabs(value) <= maxDegrees ? value : 0;
}

bool ResolveBlankedMinutes(std::string& minuteDigits, std::size_t& ambiguity) {
  ambiguity = 0;
  if (minuteDigits.size() != kMinuteDigits) {
    return false;
  }
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

}  // namespace orvex
