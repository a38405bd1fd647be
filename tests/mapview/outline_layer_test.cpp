// Country outlines: 0, 0 closes an outline, the stream runs across files, the
// culling, the point cap, the point indexes and the world frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map_picture.h"
#include "mapview/layers.h"

namespace orvex {
namespace {

using testing::CountColour;
using testing::PixelAt;
using testing::ViewOf;

constexpr CouleurBgr kWhite = 0xFFFFFF;
constexpr TPointLgLt kSeparator{0, 0};

TPointLgLt At(double lon, double lat) { return {ToFixed(lon), ToFixed(lat)}; }

// Zoom 100 on a 400 x 400 picture centred on 6 E 49.5 N: x = 200 + 100 (lon - 6),
// y = 200 - 100 (lat - 49.5).
constexpr int kSize = 400;
constexpr double kLon = 6.0;
constexpr double kLat = 49.5;

struct OutlineCase {
  const char* name;
  std::vector<std::vector<TPointLgLt>> files;
  std::vector<QPoint> inked;
  std::vector<QPoint> blank;
};

std::vector<OutlineCase> Cases() {
  // Positions whose fixed form maps to whole pixels.
  const TPointLgLt a1 = At(5.5, 49.75);  // (150, 175)
  const TPointLgLt a2 = At(6.5, 49.75);  // (250, 175)
  const TPointLgLt b1 = At(5.5, 49.25);  // (150, 225)
  const TPointLgLt b2 = At(6.5, 49.25);  // (250, 225)
  return {
      {"closed outline drawn, open one at the end lost", {{a1, a2, kSeparator, b1, b2}}, {{200, 175}}, {{200, 225}}},
      {"last outline of a file without separator lost", {{a1, a2, kSeparator}, {b1, b2}}, {{200, 175}}, {{200, 225}}},
      {"an open outline runs on into the next file", {{a1, a2}, {b1, b2, kSeparator}},
       {{200, 175}, {200, 225}, {200, 200}}, {}},
      {"separators alone draw nothing", {{kSeparator, kSeparator}}, {}, {{200, 200}}},
      {"a point off the view is skipped and the line jumps over it", {{a1, At(40, 49.75), b2, kSeparator}},
       {{200, 200}}, {{245, 175}}},
  };
}

TEST(OutlineLayer, SeparatorsCullingAndTheStreamAcrossFiles) {
  for (const OutlineCase& c : Cases()) {
    Canvas canvas(kSize, kSize);
    const ProjectionState p = ViewOf(canvas, 100, kLon, kLat);
    TTableContours contours;
    for (std::size_t i = 0; i < c.files.size(); ++i) {
      contours.Fichiers.push_back({"F" + std::to_string(i) + ".DAT", c.files[i]});
    }
    DrawCountryOutlines(canvas, p, contours, DisplayOptions{});
    for (const QPoint& q : c.inked) {
      EXPECT_EQ(PixelAt(canvas, q.x(), q.y()), kWhite) << c.name << " at " << q.x() << "," << q.y();
    }
    for (const QPoint& q : c.blank) {
      EXPECT_EQ(PixelAt(canvas, q.x(), q.y()), 0x000000) << c.name << " at " << q.x() << "," << q.y();
    }
  }
}

TEST(OutlineLayer, AnOutlineStopsGrowingAtFiftyThousandPoints) {
  Canvas canvas(kSize, kSize);
  const ProjectionState p = ViewOf(canvas, 100, kLon, kLat);
  std::vector<TPointLgLt> points;
  constexpr int kCount = 60000;
  for (int i = 0; i < kCount; ++i) {
    points.push_back(At(5.0 + 2.0 * i / kCount, kLat));  // x from 100 to 300; point 50000 at x 266.7
  }
  points.push_back(kSeparator);
  TTableContours contours;
  contours.Fichiers.push_back({"LONG.DAT", points});
  DrawCountryOutlines(canvas, p, contours, DisplayOptions{});
  EXPECT_EQ(PixelAt(canvas, 260, 200), kWhite);
  EXPECT_EQ(PixelAt(canvas, 270, 200), 0x000000);
}

TEST(OutlineLayer, PointIndexesAboveZoomTen) {
  struct Case {
    bool indexer;
    std::int32_t zoom;
    bool marked;
  };
  for (const Case& c : {Case{true, 11, true}, {true, 10, false}, {false, 500, false}}) {
    Canvas canvas(kSize, kSize);
    canvas.SetFontColor(0x00FF00);
    const ProjectionState p = ViewOf(canvas, c.zoom, kLon, kLat);
    DisplayOptions display;
    display.IndexerPays = c.indexer;
    TTableContours contours;
    contours.Fichiers.push_back({"PAYS.DAT", {At(kLon, kLat), At(kLon, kLat - 10.0 / c.zoom), kSeparator}});
    DrawCountryOutlines(canvas, p, contours, display);
    EXPECT_EQ(CountColour(canvas, 0x00FF00, QRect(210, 210, 60, 14)) > 0, c.marked) << "zoom " << c.zoom;
    EXPECT_EQ(PixelAt(canvas, 195, 200) == kWhite, c.marked) << "cross arm at zoom " << c.zoom;
  }
}

TEST(OutlineLayer, WorldFrameInPlaneViewOnly) {
  for (const bool globe : {false, true}) {
    Canvas canvas(kSize, kSize);
    ProjectionState p = ViewOf(canvas, 1, 0, 0);  // the world spans x 20..380, y 110..290
    if (globe) {
      ToggleProjection(p);
      ComputeViewport(p);
    }
    DrawCountryOutlines(canvas, p, TTableContours{}, DisplayOptions{});
    EXPECT_EQ(PixelAt(canvas, 200, 110) == kWhite, !globe);
    EXPECT_EQ(PixelAt(canvas, 20, 200) == kWhite, !globe);
    EXPECT_EQ(PixelAt(canvas, 380, 200) == kWhite, !globe);
    EXPECT_EQ(PixelAt(canvas, 200, 290) == kWhite, !globe);
    EXPECT_EQ(CountColour(canvas, kWhite) > 0, !globe);
  }
}

}  // namespace
}  // namespace orvex
