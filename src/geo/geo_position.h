#pragma once
// A position in degrees; a longitude or latitude of 0 means none.

namespace orvex {

struct GeoPosition {
  double Longitude = 0;
  double Latitude = 0;
};

}  // namespace orvex
