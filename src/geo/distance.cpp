#include "geo/distance.h"

#include <algorithm>
#include <cmath>

#include "geo/angle_constants.h"

namespace orvex {
namespace {

constexpr double kEquatorialRadius = 6378.155;  // kilometres
constexpr double kFlattening = 0.003353;

// Latitude in degrees whose radius stands for the whole pair.
double ReferenceLatitude(double deltaLon, double lat1, double lat2) {
  if (deltaLon < 90) {
    return (lat1 + lat2) / 2;
  }
  // Far apart in longitude: this lands within two degrees of the equator, so
  // the radius is all but the equatorial one.
  const double lowest = std::min(lat1, lat2);
  const double s = std::sin(deltaLon * kDegreesToRadians);
  const double u = std::atan(Tangent(lat2 * kDegreesToRadians) / s * kDegreesToRadians);
  return std::atan((u + lowest) / 2);
}

}  // namespace

double ArcCosine(double x) { return std::acos(std::clamp(x, -1.0, 1.0)); }

double Tangent(double x) { return std::tan(x); }

double Distance(double lon1, double lat1, double lon2, double lat2) {
  double deltaLon = std::fabs(lon1 - lon2);
  if (deltaLon > 180) {
    deltaLon = 360 - deltaLon;
  }
  const double phi1 = lat1 * kDegreesToRadians;
  const double phi2 = lat2 * kDegreesToRadians;
  const double cosine = std::cos(deltaLon * kDegreesToRadians) * std::cos(phi1) * std::cos(phi2) +
                        std::sin(phi1) * std::sin(phi2);
  const double centralAngle = ArcCosine(cosine);
  const double sinReference = std::sin(ReferenceLatitude(deltaLon, lat1, lat2) * kDegreesToRadians);
  const double radius = (1 - sinReference * sinReference * kFlattening) * kEquatorialRadius;
  return radius * centralAngle;
}

int ScreenBearing(double lon1, double lat1, double lon2, double lat2) {
  // atan2 covers the four quadrants and the due east/west/north/south cases
  // in one formula; coinciding points give atan2(0, 0) = 0.
  double degrees = std::atan2(lon2 - lon1, lat2 - lat1) * 180 / kPi;
  if (degrees < 0) {
    degrees += 360;
  }
  // Just west of north rounds up to 360, which is north again.
  return static_cast<int>(std::nearbyint(degrees)) % 360;
}

}  // namespace orvex
