// The projection a background picture fixes, and the corners two tie points
// give, on the picture sizes users scan.
#include "images/background_geometry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orvex {
namespace {

TEST(AppliqueCorrespondance, CornersFallOnThePictureCorners) {
  ProjectionState p;
  p.ImageWidth = 1000;
  p.ImageHeight = 800;
  p.BackgroundActive = true;
  AppliqueCorrespondance(p, {2, 47, 3, 46.5});
  EXPECT_EQ(std::tuple(p.Zoom, p.ScaleY, p.CentreLongitude, p.CentreLatitude), std::tuple(1000, 1600, 2.5, 46.75));
  ComputeViewport(p);  // the redraw derives the offsets again: the corners must not move
  EXPECT_EQ(std::tuple(LonToX(p, 2), LatToY(p, 47), LonToX(p, 3), LatToY(p, 46.5), p.ScaleY),
            std::tuple(0, 0, 1000, 800, 1600));
}

TEST(CoinsDesPointsCalage, TwoKnownPointsGiveTheCorners) {
  const PointCalage northWest{100, 50, 2, 47};
  const PointCalage southEast{900, 650, 3, 46};
  const PointCalage southWest{100, 650, 2, 46};
  const PointCalage northEast{900, 50, 3, 47};
  // Either order, either diagonal: the same ground, the same corners.
  const std::pair<PointCalage, PointCalage> pairs[] = {
      {northWest, southEast}, {southEast, northWest}, {southWest, northEast}, {northEast, southWest}};
  for (const auto& [first, second] : pairs) {
    const std::optional<Correspondance> c = CoinsDesPointsCalage(first, second, 1000, 800);
    ASSERT_TRUE(c) << first.x << "," << first.y;
    EXPECT_NEAR(c->LgNW, 1.875, 0.001) << first.x << "," << first.y;
    EXPECT_NEAR(c->LtNW, 47.082, 0.001);
    EXPECT_NEAR(c->LgSE, 3.124, 0.001);
    EXPECT_NEAR(c->LtSE, 45.750, 0.001);
  }
}

TEST(CoinsDesPointsCalage, PointsThatCannotTieThePictureAreRefused) {
  const PointCalage origin{100, 50, 2, 47};
  const std::pair<const char*, PointCalage> cases[] = {
      {"same column", {100, 650, 3, 46}},
      {"same row", {900, 50, 3, 46}},
      {"east to the left", {900, 650, 1, 46}},
      {"north below", {900, 650, 3, 48}},
      {"same position", {900, 650, 2, 47}},
  };
  for (const auto& [what, second] : cases) {
    EXPECT_FALSE(CoinsDesPointsCalage(origin, second, 1000, 800)) << what;
  }
}

}  // namespace
}  // namespace orvex
