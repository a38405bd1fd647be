#include "mapview/entry_checks.h"

#include <cstddef>

#include "geo/coordinate_text.h"
#include "geo/projection.h"

namespace orvex {
namespace {

constexpr std::size_t kLocatorLength = 6;
constexpr std::size_t kLongestZoomText = 5;

bool Between(char c, char first, char last) { return c >= first && c <= last; }

bool IsDigit(char c) { return Between(c, '0', '9'); }

}  // namespace

bool LocatorEntryValid(std::string_view text) {
  const std::string upper = UpperText(text);
  return upper.size() == kLocatorLength && Between(upper[0], 'A', 'R') && Between(upper[1], 'A', 'R') &&
         Between(upper[4], 'A', 'X') && Between(upper[5], 'A', 'X');
}

bool ZoomEntryValid(std::string_view text) {
  if (text.empty() || text.size() > kLongestZoomText) {
    return false;
  }
  std::int32_t value = 0;
  for (const char c : text) {
    if (!IsDigit(c)) {
      return false;
    }
    value = value * 10 + (c - '0');
  }
  return value >= kMinZoom && value <= kMaxZoom;
}

std::int32_t LeadingSignedInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') {
    ++i;
  }
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    ++i;
  }
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > kLimit) {
      return 0;
    }
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  return value >= INT32_MIN && value <= INT32_MAX ? static_cast<std::int32_t>(value) : 0;
}

}  // namespace orvex
