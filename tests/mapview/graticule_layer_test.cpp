// The graticule: parallels and meridians with their spacing, colour and
// labels in plane view; the circle and the sampled lines of the globe.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mapview/layers.h"
#include "support/map_picture.h"

namespace orvex {
namespace {

using testing::CountColour;
using testing::PixelAt;
using testing::ViewOf;

constexpr CouleurBgr kDim = 0x008000;
constexpr CouleurBgr kBright = 0x00FF00;

TEST(Graticule, LineSpacingFollowsTheZoom) {
  struct Case { std::int32_t zoom; std::vector<int> drawn; std::vector<int> skipped; };
  // 400 x 300 centred on 1 E 49.5 N. At zoom 5 the south bound is 28, so
  // parallels run from 26 by 11; at zoom 100 every degree.
  for (const Case& c : {Case{5, {37, 48, 59, 70}, {38, 42, 47, 49, 58}}, {100, {49, 50}, {}}}) {
    Canvas canvas(400, 300);
    const ProjectionState p = ViewOf(canvas, c.zoom, 1.0, 49.5);
    DrawGraticule(canvas, p, false, false);
    const int column = LonToX(p, 0.55);  // between two meridians at both zooms
    for (const int lat : c.drawn) {
      EXPECT_EQ(PixelAt(canvas, column, LatToY(p, lat)), kDim) << "zoom " << c.zoom << " lat " << lat;
      EXPECT_EQ(PixelAt(canvas, column, LatToY(p, lat) + 2), 0) << "zoom " << c.zoom << " lat " << lat;
    }
    for (const int lat : c.skipped) {
      EXPECT_EQ(PixelAt(canvas, column, LatToY(p, lat)), 0) << "zoom " << c.zoom << " lat " << lat;
    }
    if (c.zoom == 100) {  // meridians every degree too
      for (const int lon : {0, 1, 2}) {
        EXPECT_EQ(PixelAt(canvas, LonToX(p, lon), LatToY(p, 49.25)), kDim) << lon;
        EXPECT_EQ(PixelAt(canvas, LonToX(p, lon + 0.5), LatToY(p, 49.25)), 0) << lon;
      }
    }
  }
}

TEST(Graticule, BrightWithTheLocatorGridAboveZoom200) {
  struct Case { std::int32_t zoom; bool grid; CouleurBgr colour; };
  for (const Case& c : {Case{201, true, kBright}, {201, false, kDim}, {200, true, kDim}}) {
    Canvas canvas(400, 300);
    const ProjectionState p = ViewOf(canvas, c.zoom, 1.2, 49.5);
    DrawGraticule(canvas, p, c.grid, false);
    EXPECT_EQ(PixelAt(canvas, LonToX(p, 1.1), LatToY(p, 50)), c.colour) << c.zoom << " " << c.grid;
  }
}

// Each label drawn alone must light the same pixels as in the graticule.
TEST(Graticule, LabelsAreWholeDegreesWithTheirHemisphere) {
  Canvas canvas(400, 300);
  canvas.SetBrushColor(0x000000);
  const ProjectionState p = ViewOf(canvas, 100, 0.3, 0);
  DrawGraticule(canvas, p, false, false);
  struct Label { double lon; double lat; std::string text; };
  const double east = p.ViewBounds.East - 0.7;
  const double south = p.ViewBounds.South + 0.4;
  for (const Label& l : std::vector<Label>{{east, 1, "1\xB0N"}, {east, 0, "0\xB0S"}, {east, -1, "1\xB0S"},
                                           {-1, south, "1\xB0W"}, {0, south, "0\xB0W"}, {1, south, "1\xB0" "E"}}) {
    Canvas alone(400, 300);
    alone.SetBrushColor(0x000000);
    alone.SetFontColor(kBright);
    const QRect box(LonToX(p, l.lon) + 1, LatToY(p, l.lat) + 1, 30, 12);
    alone.TextOut(box.left(), box.top(), l.text);
    for (int y = box.top(); y <= box.bottom(); ++y) {
      for (int x = box.left(); x <= box.right(); ++x) {
        ASSERT_EQ(PixelAt(canvas, x, y) == kBright, PixelAt(alone, x, y) == kBright) << l.text << " " << x << "," << y;
      }
    }
    EXPECT_GT(CountColour(canvas, kBright, box), 10) << l.text;
  }
}

ProjectionState GlobeView(const Canvas& canvas, std::int32_t zoom) {
  ProjectionState p = ViewOf(canvas, zoom, 0, 0);
  ToggleProjection(p);
  ComputeViewport(p);
  return p;
}

TEST(Graticule, GlobeCircleAndSampledLines) {
  struct Case { const char* name; std::int32_t zoom; bool demo; std::vector<QPoint> green; std::vector<QPoint> black; };
  // A globe of radius 80 about (120, 120), facing 0 E 0 N: seven degrees
  // north (row 110) the meridian of 20 degrees runs at x 147, that of 30
  // degrees at 160. The parallels are at odd tens of degrees (the equator
  // has none), every 30 degrees from -90 in the demonstration (the equator
  // is one).
  const std::vector<Case> cases = {
      {"globe", 1, false, {{40, 120}, {199, 120}, {120, 40}, {120, 100}, {147, 110}}, {{160, 110}, {130, 110}}},
      {"demonstration: radius Zoom, lines every 30 degrees", 80, true,
       {{40, 120}, {199, 120}, {120, 100}, {160, 110}, {130, 120}}, {{147, 110}, {130, 110}}},
  };
  for (const Case& c : cases) {
    Canvas canvas(240, 240);
    DrawGraticule(canvas, GlobeView(canvas, c.zoom), false, c.demo);
    const auto around = [](const QPoint& q) { return QRect(q.x() - 1, q.y() - 1, 3, 3); };
    for (const QPoint& q : c.green) {
      EXPECT_GT(CountColour(canvas, kBright, around(q)), 0) << c.name << " at " << q.x() << "," << q.y();
    }
    for (const QPoint& q : c.black) {
      EXPECT_EQ(CountColour(canvas, 0, around(q)), 9) << c.name << " at " << q.x() << "," << q.y();
    }
    EXPECT_EQ(CountColour(canvas, kBright, QRect(0, 0, 38, 240)), 0) << c.name << ": nothing outside the globe";
  }
}

TEST(Graticule, NoCircleOnceItWouldReachAThousandPixels) {
  for (const std::int32_t zoom : {12, 13}) {  // radius 960, then 1040
    Canvas canvas(2400, 2400);
    DrawGraticule(canvas, GlobeView(canvas, zoom), false, false);
    // On the rim 20 degrees above due west, where no parallel or meridian
    // comes within ten pixels.
    const double radius = zoom * 80;
    const int x = 1200 - static_cast<int>(radius * 0.9397);
    const int y = 1200 - static_cast<int>(radius * 0.3420);
    EXPECT_EQ(CountColour(canvas, kBright, QRect(x - 2, y - 2, 5, 5)) > 0, zoom == 12) << zoom;
  }
}

}  // namespace
}  // namespace orvex
