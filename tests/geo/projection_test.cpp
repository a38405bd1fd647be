#include "geo/projection.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <random>
#include <tuple>

#include "geo/angle_constants.h"

namespace orvex {

void PrintTo(const ScreenPoint& point, std::ostream* out) { *out << "(" << point.x << ", " << point.y << ")"; }

namespace {

ProjectionState Viewport(std::int32_t zoom, std::int32_t width, std::int32_t height, double lon, double lat) {
  ProjectionState p;
  p.Zoom = zoom;
  p.ImageWidth = width;
  p.ImageHeight = height;
  p.CentreLongitude = lon;
  p.CentreLatitude = lat;
  ComputeViewport(p);
  return p;
}

ProjectionState Globe(std::int32_t zoom, double lon, double lat) {
  ProjectionState p = Viewport(zoom, 800, 600, lon, lat);
  ToggleProjection(p);
  ComputeViewport(p);  // as the redraw that follows the button does
  return p;
}

// Row of a point `degrees` of arc north of the centre of a globe of radius 80.
int NorthOfCentreRow(double degrees) {
  return 300 - static_cast<int>(std::nearbyint(80 * std::sin(degrees * kDegreesToRadians)));
}

TEST(ComputeViewport, DerivesScalesOffsetsAndBounds) {
  const ProjectionState p = Viewport(100, 800, 600, 2, 46);
  EXPECT_EQ(std::tuple(p.ScaleY, p.PivotX, p.PivotY, p.OffsetX, p.OffsetY, p.BottomY, p.GlobeRadius),
            std::tuple(133, 400, 300, -200, 5818, 6418, 8000.0));
  EXPECT_DOUBLE_EQ(p.ScaleRatio, 1.33);
  EXPECT_EQ(std::tuple(LonToX(p, 2), LatToY(p, 46), FixedLonToX(p, 2 * kFixedOne), FixedLatToY(p, 46 * kFixedOne)),
            std::tuple(400, 300, 400, 300));
  EXPECT_EQ(GeoToScreen(p, 3, 45, 1200), (ScreenPoint{500, 433}));
  EXPECT_DOUBLE_EQ(p.ViewBounds.West, -2);
  EXPECT_DOUBLE_EQ(p.ViewBounds.East, 6);
  EXPECT_DOUBLE_EQ(p.ViewBounds.North, 6418.0 / 133);
  EXPECT_DOUBLE_EQ(p.ViewBounds.South, 5818.0 / 133);
  EXPECT_EQ(std::pair(p.ViewBounds.FixedWest, p.ViewBounds.FixedNorth),
            std::pair(-2 * kFixedOne, ToFixed(6418.0 / 133)));
}

TEST(ComputeViewport, KeepsZoomAndScalesUsableAndTheBackgroundScale) {
  ProjectionState p = Viewport(0, 800, 0, 0, 0);
  EXPECT_EQ(p.Zoom, kMinZoom);
  EXPECT_GE(p.ScaleY, 1);
  EXPECT_EQ(Viewport(1, 1, 600, 0, 0).ScaleY, 1);  // 1/600 would round to a zero scale
  EXPECT_EQ(Viewport(90000, 800, 600, 0, 0).Zoom, kMaxZoom);
  p = Viewport(100, 800, 600, 0, 0);
  p.ScaleY = 150;
  p.BackgroundActive = true;
  ComputeViewport(p);
  EXPECT_EQ(p.ScaleY, 150);
  EXPECT_DOUBLE_EQ(p.ScaleRatio, 1.5);
}

TEST(PlaneMapping, ClampsOutOfRangePositions) {
  const ProjectionState p = Viewport(100, 800, 600, 2, 46);
  EXPECT_EQ(std::pair(LonToX(p, 200), LonToX(p, -1000)), std::pair(LonToX(p, 180), LonToX(p, -180)));
  EXPECT_EQ(std::pair(LatToY(p, 95), LatToY(p, -91)), std::pair(LatToY(p, 90), LatToY(p, -90)));
  EXPECT_EQ(FixedLonToX(p, 3000000), FixedLonToX(p, kFixedLon180));
  EXPECT_EQ(FixedLatToY(p, -2000000), FixedLatToY(p, -kFixedLat90));
  EXPECT_EQ(std::pair(XToLon(p, 1000000), YToLat(p, 1000000)), std::pair(180.0, -90.0));
  EXPECT_EQ(std::pair(XToFixedLon(p, -1000000), YToFixedLat(p, -1000000)), std::pair(-kFixedLon180, kFixedLat90));
}

TEST(PlaneMapping, PixelsAndPositionsRoundTrip) {
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> longitudes(-180, 180);
  std::uniform_real_distribution<double> latitudes(-90, 90);
  std::uniform_int_distribution<FixedDegree> fixedLongitudes(-kFixedLon180, kFixedLon180);
  for (std::int32_t zoom : {1, 7, 100, 4321, 50000}) {
    const ProjectionState p = Viewport(zoom, 1024, 700, longitudes(random), latitudes(random));
    for (int i = 0; i < 2000; ++i) {
      const double lon = longitudes(random);
      const double lat = latitudes(random);
      EXPECT_NEAR(XToLon(p, LonToX(p, lon)), lon, 1.0 / zoom) << zoom;
      EXPECT_NEAR(YToLat(p, LatToY(p, lat)), lat, 1.0 / p.ScaleY) << zoom;
      EXPECT_NEAR(XToFixedLon(p, LonToX(p, lon)), lon * kFixedOne, double{kFixedOne} / zoom + 1) << zoom;
      EXPECT_NEAR(YToFixedLat(p, LatToY(p, lat)), lat * kFixedOne, double{kFixedOne} / p.ScaleY + 1) << zoom;
      // The fixed-point mapping lands within a pixel of the plain one.
      const FixedDegree fixed = fixedLongitudes(random);
      EXPECT_LE(std::abs(FixedLonToX(p, fixed) - LonToX(p, FromFixed(fixed))), 1) << zoom << " " << fixed;
      EXPECT_LE(std::abs(FixedLatToY(p, fixed / 2) - LatToY(p, FromFixed(fixed / 2))), 1) << zoom << " " << fixed;
    }
  }
}

TEST(AltitudeToZ, ScalesByRoundedZoomTimesFactorAndTruncates) {
  ProjectionState p = Viewport(100, 800, 600, 0, 0);
  EXPECT_EQ(std::pair(AltitudeToZ(p, 1000), AltitudeToZ(p, -999)), std::pair(50, -49));
  p.ZFactor = 0.125;  // 12.5 pixels per kilometre round to 12, ties to even
  EXPECT_EQ(AltitudeToZ(p, 1000), 12);
  p.ZFactor = 0.135;
  EXPECT_EQ(AltitudeToZ(p, 1000), 14);
}

TEST(RotatePoint, TurnsAboutThePivotInOrderGammaAlphaBeta) {
  struct Case { double alpha, beta, gamma; ScreenPoint point; std::int32_t z; ScreenPoint expected; };
  const Case cases[] = {
      {0, 0, kPi / 2, {500, 300}, 0, {400, 400}},  // east turns to down the screen
      {0, 0, kPi / 2, {400, 300}, 77, {400, 300}}, {kPi / 2, 0, 0, {123, 456}, 40, {123, 260}},
      {0, kPi / 2, 0, {123, 456}, 40, {440, 456}}, {0, kPi / 2, kPi / 2, {500, 300}, 40, {440, 400}},
  };
  for (const Case& c : cases) {
    ProjectionState p = Viewport(100, 800, 600, 0, 0);
    StepAlpha(p, c.alpha);
    StepBeta(p, c.beta);
    StepGamma(p, c.gamma);
    EXPECT_EQ(RotatePoint(p, c.point, c.z), c.expected) << c.alpha << " " << c.beta << " " << c.gamma;
  }
}

TEST(RotatePoint, GroundViewKeepsTheBottomRowFixed) {
  ProjectionState p = Viewport(100, 800, 600, 2, 46);
  p.GroundView = true;
  StepAlpha(p, 0.3);
  const double bottomLat = YToLat(p, p.ImageHeight);
  EXPECT_EQ(GeoToScreen(p, 2, bottomLat, 0).y, 600);
  EXPECT_EQ(GeoToScreen(p, 2, YToLat(p, 0), 0).y, 600 - static_cast<int>(std::nearbyint(600 * std::cos(0.3))));
  p.GroundView = false;
  EXPECT_EQ(GeoToScreen(p, 2, 46, 0).y, 300);
  EXPECT_LT(GeoToScreen(p, 2, bottomLat, 0).y, 600);
}

TEST(StepAngles, PlaneStepThereAndBackSkipsTheRotationUntilRefreshed) {
  ProjectionState p = Viewport(100, 800, 600, 2, 46);
  StepAlpha(p, 0.1);
  StepAlpha(p, -0.1);
  EXPECT_EQ(p.Alpha.Radians, 0);
  EXPECT_FALSE(p.NoRotation);
  EXPECT_EQ(GeoToScreen(p, 3, 45, 3000), (ScreenPoint{LonToX(p, 3), LatToY(p, 45)}));
  RefreshRotation(p);
  EXPECT_TRUE(p.NoRotation);
}

// Steps in globe view turn the globe, not the plane; the globe enters facing
// the centre and keeps its Beta.
TEST(StepAngles, GlobeViewTurnsTheGlobeWhichEntersFacingTheCentre) {
  ProjectionState p = Globe(100, 2, 46);
  const double sphereAlpha = p.SphereAlpha.Radians;
  StepAlpha(p, 0.1);
  StepBeta(p, 0.25);
  StepGamma(p, 0.3);
  EXPECT_DOUBLE_EQ(p.SphereAlpha.Radians, sphereAlpha + 0.1);
  EXPECT_DOUBLE_EQ(p.SphereBeta.Cos, std::cos(0.25));
  EXPECT_DOUBLE_EQ(p.SphereGamma.Sin, std::sin(2 * kDegreesToRadians + 0.3));
  EXPECT_EQ(p.Alpha.Radians, 0);
  EXPECT_TRUE(p.NoRotation);
  ToggleProjection(p);
  EXPECT_FALSE(p.Spherical);
  p.CentreLongitude = -10;
  p.CentreLatitude = 30;
  ToggleProjection(p);
  EXPECT_TRUE(p.Spherical);
  EXPECT_DOUBLE_EQ(p.SphereAlpha.Radians, 30 * kDegreesToRadians + kPi);
  EXPECT_DOUBLE_EQ(p.SphereGamma.Radians, -10 * kDegreesToRadians);
  EXPECT_DOUBLE_EQ(p.SphereBeta.Radians, 0.25);
  EXPECT_DOUBLE_EQ(p.SphereGamma.Cos, std::cos(-10 * kDegreesToRadians));
}

TEST(ResetAngles, ZeroesThePlaneAnglesAndFacesTheCentre) {
  ProjectionState p = Viewport(100, 800, 600, 2, 46);
  StepAlpha(p, 0.4);
  StepGamma(p, 0.2);
  ToggleProjection(p);
  StepBeta(p, 0.3);
  ResetAngles(p);
  EXPECT_EQ(std::tuple(p.Alpha.Radians, p.Gamma.Radians, p.SphereBeta.Radians, p.NoRotation),
            std::tuple(0, 0, 0, true));
  EXPECT_EQ(GeoToScreen(p, 2, 46, 0), (ScreenPoint{400, 300}));
}

TEST(SphereProject, CentreAtPivotNorthUpEastRightWholeWorldInView) {
  const ProjectionState p = Globe(1, 2, 46);  // radius 80 pixels
  EXPECT_EQ(GeoToScreen(p, 2, 46, 9999), (ScreenPoint{400, 300}));
  EXPECT_EQ(GeoToScreen(p, 2, 56, 0), (ScreenPoint{400, NorthOfCentreRow(10)}));
  EXPECT_GT(GeoToScreen(p, 12, 46, 0).x, 400);
  EXPECT_LT(GeoToScreen(p, -8, 46, 0).x, 400);
  const ScreenPoint fixed = FixedToScreen(p, ToFixed(5.5), ToFixed(44.25), 0);
  const ScreenPoint plain = GeoToScreen(p, 5.5, 44.25, 0);
  EXPECT_LE(std::abs(fixed.x - plain.x), 1);
  EXPECT_LE(std::abs(fixed.y - plain.y), 1);
  const GeoBounds& b = p.ViewBounds;
  EXPECT_EQ(std::tuple(b.West, b.East, b.North, b.South, b.FixedEast), std::tuple(-180, 180, 90, -90, kFixedLon180));
}

TEST(SphereProject, FarSideAndFarOffPictureCollapseToZero) {
  const ProjectionState p = Globe(1, 0, 0);
  EXPECT_EQ(GeoToScreen(p, 100, 0, 0), (ScreenPoint{0, 0}));  // 100 degrees of arc away
  EXPECT_EQ(GeoToScreen(p, 0, 80, 0), (ScreenPoint{400, NorthOfCentreRow(80)}));  // still on the near side
  EXPECT_EQ(GeoToScreen(p, 180, 0, 0), (ScreenPoint{0, 0}));
  EXPECT_EQ(GeoToScreen(Globe(1, 2, 46), -178, -46, 0), (ScreenPoint{0, 0}));
  const ProjectionState huge = Globe(50000, 0, 0);  // radius 4 000 000 pixels
  EXPECT_EQ(GeoToScreen(huge, 10, 0, 0), (ScreenPoint{0, 300}));
}

// A picture far wider than tall at the largest zoom, centred on the south
// pole: the far edge of the world lies billions of pixels away.
TEST(OverflowGuard, ResultsSaturateInsteadOfWrapping) {
  const ProjectionState p = Viewport(kMaxZoom, 4000, 10, 0, -90);
  EXPECT_EQ(std::pair(p.ScaleY, p.OffsetY), std::pair(20000000, -1800000005));
  EXPECT_EQ(std::pair(LatToY(p, -90), FixedLatToY(p, -kFixedLat90)), std::pair(5, 5));  // the centre, on the pivot row
  EXPECT_EQ(std::pair(LatToY(p, 90), FixedLatToY(p, kFixedLat90)), std::pair(-kScreenLimit, -kScreenLimit));
  std::int32_t previous = LatToY(p, -90);
  for (double lat = -89.5; lat <= 90; lat += 0.5) {
    const std::int32_t y = LatToY(p, lat);
    EXPECT_LE(y, previous) << lat;
    previous = y;
  }
  EXPECT_DOUBLE_EQ(YToLat(p, 5), -90);
  EXPECT_EQ(LonToX(Viewport(kMaxZoom, 800, 600, 179, 0), -180), -9000000 - (8950000 - 400));

  ProjectionState rotated = Viewport(kMaxZoom, 800, 600, 0, 0);
  StepAlpha(rotated, 0.5);
  StepGamma(rotated, 0.5);
  const std::int32_t high = GeoToScreen(rotated, 0, 0, 1e12).y;
  EXPECT_TRUE(high < 0 && high >= -kScreenLimit) << high;
  const std::int32_t deep = GeoToScreen(rotated, 0, 0, -1e12).y;
  EXPECT_TRUE(deep > 600 && deep <= kScreenLimit) << deep;
  const ScreenPoint corner = GeoToScreen(rotated, -180, 90, 0);
  EXPECT_TRUE(corner.x < 0 && corner.y < 0) << corner.x << ", " << corner.y;
}

}  // namespace
}  // namespace orvex
