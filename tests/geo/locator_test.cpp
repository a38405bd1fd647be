#include "geo/locator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace orvex {
namespace {

struct PositionCase { double longitude, latitude; const char* locator; };

TEST(CoordinateToLocator, NamesTheSubSquareHoldingThePosition) {
  const PositionCase cases[] = {
      {3.95833256, 50.27083293, "JO10XG"}, {2.35, 48.85, "JN18EU"}, {-0.01, -0.01, "II99XX"}, {0, 0, "JJ00AA"},
      {-180, -90, "AA00AA"}, {179.9999, 89.9999, "RR99XX"}, {-72.5, -33.4, "FF36SO"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CoordinateToLocator(c.longitude, c.latitude), c.locator) << c.longitude << ", " << c.latitude;
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double outside[][2] = {
      {180, 0}, {0, 90}, {-180.0001, 0}, {0, -90.0001}, {-190, 0}, {0, -95}, {1000, 0}, {nan, 0}, {0, nan},
  };
  for (const auto& c : outside) {
    EXPECT_EQ(CoordinateToLocator(c[0], c[1]), "?") << c[0] << ", " << c[1];
  }
}

TEST(LocatorToCoordinate, GivesTheSubSquareCentreOrZeroZero) {
  const PositionCase cases[] = {
      {3.95833256, 50.27083293, "JO10XG"}, {3.95833256, 50.27083293, "jo10xg"},
      {3.95833256, 50.27083293, "JO10XG77"}, {-180 + 0.04166666, -90 + 0.02083333, "AA00AA"},
      {35.95833256, 50.27083293, "JoA0xG"},  // square digits are not checked: 'A' reads as 17 squares
  };
  for (const auto& c : cases) {
    double lon = -1;
    double lat = -1;
    LocatorToCoordinate(c.locator, lon, lat);
    EXPECT_NEAR(lon, c.longitude, 1e-9) << c.locator;
    EXPECT_NEAR(lat, c.latitude, 1e-9) << c.locator;
  }
  for (const char* text : {"", "JO10X", "SO10XG", "JS10XG", "JO10YG", "JO10XY", "J@10XG", "JO10X\xC7", "?"}) {
    double lon = -1;
    double lat = -1;
    LocatorToCoordinate(text, lon, lat);
    EXPECT_EQ(std::pair(lon, lat), std::pair(0.0, 0.0)) << text;
  }
}

// A position and its sub-square centre are at most half a sub-square apart
// (the stored centre constants are a little short of 1/12 and 1/24).
void ExpectLocatorNear(double lon, double lat) {
  constexpr double kCentreSlack = 2e-6;
  double backLon = 0;
  double backLat = 0;
  const std::string locator = CoordinateToLocator(lon, lat);
  LocatorToCoordinate(locator, backLon, backLat);
  EXPECT_NEAR(backLon, lon, 1.0 / 24 + kCentreSlack) << locator << " for " << lon << ", " << lat;
  EXPECT_NEAR(backLat, lat, 1.0 / 48 + kCentreSlack) << locator << " for " << lon << ", " << lat;
}

// Random positions, and one unit in the last place either side of a field or
// square edge, where the square or sub-square could contradict the field.
TEST(LocatorRoundTrip, PositionsStayInsideTheirSubSquare) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> longitudes(-180, 180);
  std::uniform_real_distribution<double> latitudes(-90, 90);
  for (int i = 0; i < 20000; ++i) {
    ExpectLocatorNear(longitudes(random), latitudes(random));
  }
  for (double edge = -178; edge < 180; edge += 2) {
    for (double lon : {std::nextafter(edge, -1000.0), edge, std::nextafter(edge, 1000.0)}) {
      ExpectLocatorNear(lon, 45.5);
    }
  }
  for (double edge = -89; edge < 90; ++edge) {
    for (double lat : {std::nextafter(edge, -1000.0), edge, std::nextafter(edge, 1000.0)}) {
      ExpectLocatorNear(5.5, lat);
    }
  }
  ExpectLocatorNear(std::nextafter(180.0, 0.0), std::nextafter(90.0, 0.0));
}

}  // namespace
}  // namespace orvex
