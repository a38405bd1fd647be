#include "geo/distance.h"

#include <gtest/gtest.h>

#include <random>

namespace orvex {
namespace {

constexpr double kEquatorialRadius = 6378.155;
constexpr double kRadiansPerDegree = 0.017453292519943295;

TEST(Distance, PointToItselfIsZero) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> longitudes(-180, 180);
  std::uniform_real_distribution<double> latitudes(-90, 90);
  for (int i = 0; i < 10000; ++i) {
    const double lon = longitudes(random);
    const double lat = latitudes(random);
    EXPECT_LT(Distance(lon, lat, lon, lat), 1e-3) << lon << ", " << lat;  // also fails on NaN
  }
}

TEST(Distance, GreatCircleOnALatitudeRadius) {
  const double meridianDegreeAt45 = (1 - 0.5 * 0.003353) * kEquatorialRadius * kRadiansPerDegree;
  const double equatorDegree = kEquatorialRadius * kRadiansPerDegree;
  struct Case { double lon1, lat1, lon2, lat2, kilometres, tolerance; };
  const Case cases[] = {
      {0, 44.5, 0, 45.5, meridianDegreeAt45, 1e-8}, {0, 45.5, 0, 44.5, meridianDegreeAt45, 1e-8},
      {0, 0, 2, 0, 2 * equatorDegree, 1e-8},
      // Across the date line, not the long way round.
      {179, 0, -179, 0, 2 * equatorDegree, 1e-8}, {-179, 0, 179, 0, 2 * equatorDegree, 1e-8},
      {2.3522, 48.8566, 5.3698, 43.2965, 660.4, 3},  // Paris to Marseille
      // More than a quarter of a great circle apart: the whole angle counts.
      {0, 0, 100, 0, 100 * equatorDegree, 1e-6}, {0, 0, 180, 0, 180 * equatorDegree, 1e-6},
      {0, 60, 0, -60, 120 * equatorDegree, 1e-6},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(Distance(c.lon1, c.lat1, c.lon2, c.lat2), c.kilometres, c.tolerance)
        << c.lon1 << ", " << c.lat1 << " to " << c.lon2 << ", " << c.lat2;
  }
}

TEST(ScreenBearing, ClockwiseFromNorthOnTheFlatMap) {
  struct Case { double lon1, lat1, lon2, lat2; int degrees; };
  const Case cases[] = {
      {0, 0, 1, 1, 45},   {0, 0, 1, -1, 135},  {0, 0, -1, -1, 225}, {0, 0, -1, 1, 315},
      {0, 0, 2, 1, 63},   {0, 0, -1, 2, 333},  {-5.5, 45, -3.5, 43, 135},
      {10, 60, 11, 61, 45},  // no correction for the meridians closing in
      {0, 0, -0.01, 1, 359}, {0, 0, -0.001, 1, 0},  // rounds up to a full turn: north
      // Along a parallel or a meridian, and no move at all.
      {0, 0, 1, 0, 90},   {0, 0, -1, 0, 270},  {0, 0, 0, 1, 0},     {0, 0, 0, -1, 180}, {3.5, 44.25, 3.5, 44.25, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScreenBearing(c.lon1, c.lat1, c.lon2, c.lat2), c.degrees)
        << c.lon1 << ", " << c.lat1 << " to " << c.lon2 << ", " << c.lat2;
  }
}

}  // namespace
}  // namespace orvex
