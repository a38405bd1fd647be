// Country outlines: 0, 0 closes an outline, the stream runs across files, the
// culling, the point cap, the point indexes and the world frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mapview/layers.h"
#include "support/map_picture.h"

namespace orvex {
namespace {

using testing::ExpectPixels;
using testing::ViewOf;

constexpr CouleurBgr kWhite = 0xFFFFFF;
constexpr TPointLgLt kSeparator{0, 0};

TPointLgLt At(double lon, double lat) { return {ToFixed(lon), ToFixed(lat)}; }

// The files drawn as outline files on a 400 x 400 picture centred on 6 E
// 49.5 N: at zoom 100, x = 200 + 100 (lon - 6), y = 200 - 100 (lat - 49.5).
struct Drawn {
  Canvas canvas{400, 400};

  Drawn(std::int32_t zoom, const std::vector<std::vector<TPointLgLt>>& files, const DisplayOptions& display = {}) {
    canvas.SetFontColor(0x00FF00);
    TTableContours contours;
    for (std::size_t i = 0; i < files.size(); ++i) {
      contours.Fichiers.push_back({"F" + std::to_string(i) + ".DAT", files[i]});
    }
    DrawCountryOutlines(canvas, ViewOf(canvas, zoom, 6.0, 49.5), contours, display);
  }
};

TEST(OutlineLayer, SeparatorsCullingAndTheStreamAcrossFiles) {
  struct Case { const char* name; std::vector<std::vector<TPointLgLt>> files; std::vector<testing::PixelIs> pixels; };
  // Positions whose fixed form maps to whole pixels: a at y 175, b at y 225,
  // 1 at x 150, 2 at x 250.
  const TPointLgLt a1 = At(5.5, 49.75);
  const TPointLgLt a2 = At(6.5, 49.75);
  const TPointLgLt b1 = At(5.5, 49.25);
  const TPointLgLt b2 = At(6.5, 49.25);
  const Case cases[] = {
      {"closed outline drawn, open one at the end lost", {{a1, a2, kSeparator, b1, b2}},
       {{200, 175, kWhite}, {200, 225, 0}}},
      {"last outline of a file without separator lost", {{a1, a2, kSeparator}, {b1, b2}},
       {{200, 175, kWhite}, {200, 225, 0}}},
      {"an open outline runs on into the next file", {{a1, a2}, {b1, b2, kSeparator}},
       {{200, 175, kWhite}, {200, 225, kWhite}, {200, 200, kWhite}}},
      {"separators alone draw nothing", {{kSeparator, kSeparator}}, {{200, 200, 0}}},
      {"a point off the view is skipped and the line jumps over it", {{a1, At(40, 49.75), b2, kSeparator}},
       {{200, 200, kWhite}, {245, 175, 0}}},
  };
  for (const Case& c : cases) {
    ExpectPixels(Drawn(100, c.files).canvas, c.pixels, c.name);
  }
}

TEST(OutlineLayer, AnOutlineStopsGrowingAtFiftyThousandPoints) {
  std::vector<TPointLgLt> points;
  for (int i = 0; i < 60000; ++i) {
    points.push_back(At(5.0 + 2.0 * i / 60000, 49.5));  // x from 100 to 300; point 50000 at x 266.7
  }
  points.push_back(kSeparator);
  ExpectPixels(Drawn(100, {points}).canvas, {{260, 200, kWhite}, {270, 200, 0}});
}

TEST(OutlineLayer, PointIndexesAboveZoomTen) {
  struct Case { bool indexer; std::int32_t zoom; bool marked; };
  for (const Case& c : {Case{true, 11, true}, {true, 10, false}, {false, 500, false}}) {
    DisplayOptions display;
    display.IndexerPays = c.indexer;
    const Drawn drawn(c.zoom, {{At(6.0, 49.5), At(6.0, 49.5 - 10.0 / c.zoom), kSeparator}}, display);
    EXPECT_EQ(testing::CountColour(drawn.canvas, 0x00FF00, QRect(210, 210, 60, 14)) > 0, c.marked) << c.zoom;
    EXPECT_EQ(testing::PixelAt(drawn.canvas, 195, 200) == kWhite, c.marked) << "cross arm at zoom " << c.zoom;
  }
}

TEST(OutlineLayer, WorldFrameInPlaneViewOnly) {
  for (const bool globe : {false, true}) {
    Canvas canvas(400, 400);
    ProjectionState p = ViewOf(canvas, 1, 0, 0);  // the world spans x 20..380, y 110..290
    if (globe) {
      ToggleProjection(p);
      ComputeViewport(p);
    }
    DrawCountryOutlines(canvas, p, TTableContours{}, DisplayOptions{});
    const CouleurBgr frame = globe ? 0 : kWhite;
    ExpectPixels(canvas, {{200, 110, frame}, {20, 200, frame}, {380, 200, frame}, {200, 290, frame}}, "frame");
    EXPECT_EQ(testing::CountColour(canvas, kWhite) > 0, !globe);
  }
}

}  // namespace
}  // namespace orvex
