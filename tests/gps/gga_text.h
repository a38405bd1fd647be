#pragma once
// Builds GGA sentences with a correct checksum, so that each test case can
// break exactly one other thing.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace orvex::testing {

// `body` runs from "$" up to (not including) "*".
inline std::string WithChecksum(const std::string& body, bool lowerHex = false) {
  unsigned sum = 0;
  for (std::size_t i = 1; i < body.size(); ++i) {
    sum ^= static_cast<unsigned char>(body[i]);
  }
  char digits[3];
  std::snprintf(digits, sizeof digits, lowerHex ? "%02x" : "%02X", sum);
  return body + "*" + digits;
}

// Signed degrees from degrees, minutes and seconds.
inline double Dms(int degrees, int minutes, int seconds) {
  const double value = std::abs(degrees) + minutes / 60.0 + seconds / 3600.0;
  return degrees < 0 ? -value : value;
}

}  // namespace orvex::testing
