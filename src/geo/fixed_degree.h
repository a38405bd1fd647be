#pragma once
// Positions in the place tables, level curves, traces and the elevation grid
// are kept as degrees x 16384 in a signed 32-bit integer.
#include <cmath>
#include <cstdint>

namespace orvex {

using FixedDegree = std::int32_t;

inline constexpr std::int32_t kFixedOne = 16384;
inline constexpr FixedDegree kFixedLon180 = 180 * kFixedOne;
inline constexpr FixedDegree kFixedLat90 = 90 * kFixedOne;

// Values beyond what 32 bits hold (no valid file has them) saturate.
inline FixedDegree ToFixed(double degrees) {
  const double scaled = std::nearbyint(degrees * kFixedOne);
  if (!(scaled > INT32_MIN)) {
    return scaled != scaled ? 0 : INT32_MIN;  // NaN reads as 0
  }
  return scaled < INT32_MAX ? static_cast<FixedDegree>(scaled) : INT32_MAX;
}

inline constexpr double FromFixed(FixedDegree value) { return static_cast<double>(value) / kFixedOne; }

}  // namespace orvex
