#pragma once
// What every decoded position must respect, whatever the line carried.
#include <cmath>

#include "gps/decoded_position.h"
#include "place_lines.h"

namespace orvex::fuzz {

// Within the globe, and kept to whole arc-seconds.
inline void RequireSoundPosition(const DecodedPosition& position) {
  constexpr double kSecondsPerDegree = 3600;
  constexpr double kRoundingSlack = 1e-6;
  for (const auto& [value, limit] : {std::pair{position.Latitude, 90.0}, std::pair{position.Longitude, 180.0}}) {
    Require(std::isfinite(value) && std::fabs(value) <= limit);
    const double seconds = value * kSecondsPerDegree;
    Require(std::fabs(seconds - std::round(seconds)) < kRoundingSlack);
  }
  Require(std::isfinite(position.Altitude));
}

}  // namespace orvex::fuzz
