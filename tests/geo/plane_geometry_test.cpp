#include "geo/plane_geometry.h"

#include <gtest/gtest.h>

#include <optional>

namespace orvex {
namespace {

TEST(IntersectSegments, CrossingInsideBothBoxesOnly) {
  struct Case { const char* name; Segment a; Segment b; std::optional<Crossing> expected; };
  const Case cases[] = {
      {"diagonals", {0, 0, 2, 2}, {0, 2, 2, 0}, Crossing{1, 1}},
      {"reversed ends", {2, 2, 0, 0}, {2, 0, 0, 2}, Crossing{1, 1}},
      {"touching ends", {0, 0, 1, 1}, {1, 1, 2, 0}, Crossing{1, 1}},
      {"crossing at the origin", {-1, -1, 1, 1}, {-1, 1, 1, -1}, Crossing{0, 0}},
      {"lines cross outside the boxes", {0, 0, 1, 1}, {2, 0, 3, -1}, std::nullopt},
      {"outside one box only", {0, 0, 1, 1}, {0, 4, 4, 0}, std::nullopt},
      {"parallel", {0, 0, 1, 1}, {0, 1, 1, 2}, std::nullopt}, {"collinear", {0, 0, 2, 2}, {1, 1, 3, 3}, std::nullopt},
      {"vertical and horizontal", {1, 0, 1, 2}, {0, 1, 2, 1}, Crossing{1, 1}},
      {"horizontal and vertical", {0, 1, 2, 1}, {1, 2, 1, 0}, Crossing{1, 1}},
      {"vertical and sloped", {1, -5, 1, 5}, {0, 0, 2, 4}, Crossing{1, 2}},
      {"vertical too short", {1, 0, 1, 0.5}, {0, 1, 2, 1}, std::nullopt},
      {"sloped misses vertical", {3, -5, 3, 5}, {0, 0, 2, 4}, std::nullopt},
      {"two verticals", {1, 0, 1, 2}, {1, 1, 1, 3}, std::nullopt},
      {"sloped and horizontal", {0, 0, 2, 4}, {0, 3, 5, 3}, Crossing{1.5, 3}},
      {"horizontal and sloped", {0, 3, 5, 3}, {0, 0, 2, 4}, Crossing{1.5, 3}},
      {"sloped misses horizontal", {0, 0, 2, 4}, {0, 5, 5, 5}, std::nullopt},
      {"two horizontals", {0, 1, 2, 1}, {1, 1, 3, 1}, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<Crossing> crossing = IntersectSegments(c.a, c.b);
    ASSERT_EQ(crossing.has_value(), c.expected.has_value()) << c.name;
    if (crossing) {
      EXPECT_DOUBLE_EQ(crossing->CrossX, c.expected->CrossX) << c.name;
      EXPECT_DOUBLE_EQ(crossing->CrossY, c.expected->CrossY) << c.name;
    }
  }
  // A steep profile across horizontal level-curve segments: the crossing
  // keeps the segment's latitude, which a height recomputed from the
  // profile's line misses by a rounding more often than not.
  for (int k = 1; k <= 200; ++k) {
    const double lat = 49.6 + k / 16384.0;
    const Segment profile{6.02, 49.5, 6.02 + k * 1e-4, 49.7};
    const Segment curve{6.0, lat, 6.1, lat};
    const std::optional<Crossing> steep = IntersectSegments(profile, curve);
    ASSERT_TRUE(steep) << k;
    EXPECT_EQ(steep->CrossY, lat) << k;
    EXPECT_EQ(IntersectSegments(curve, profile)->CrossY, lat) << k;
  }
  // A level curve across a profile, in degrees.
  const std::optional<Crossing> crossing = IntersectSegments({5.1, 45.2, 5.3, 45.4}, {5.1, 45.4, 5.3, 45.2});
  ASSERT_TRUE(crossing);
  EXPECT_NEAR(crossing->CrossX, 5.2, 1e-12);
  EXPECT_NEAR(crossing->CrossY, 45.3, 1e-12);
}

}  // namespace
}  // namespace orvex
