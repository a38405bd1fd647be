#pragma once
// A named position drawn on the map: an APRS station heard, a waypoint.
#include <string>

namespace orvex {

struct LabelledPoint {
  double longitude = 0;
  double latitude = 0;
  std::string name;  // Windows-1252 bytes
};

}  // namespace orvex
