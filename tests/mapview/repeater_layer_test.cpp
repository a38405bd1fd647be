// Repeaters: the triangle at the locator's sub-square centre, and the texts
// below it above zoom 300.
#include <gtest/gtest.h>

#include "geo/locator.h"
#include "mapview/layers.h"
#include "support/map_picture.h"

namespace orvex {
namespace {

using testing::CountInk;
using testing::ViewOf;

constexpr int kSize = 240;

// Draws one repeater at `qra` on a view centred on JN39OO's sub-square, which
// it returns on the picture.
ScreenPoint DrawRepeater(Canvas& canvas, std::int32_t zoom, const std::string& qra, bool background = false) {
  double lon = 0;
  double lat = 0;
  LocatorToCoordinate("JN39OO", lon, lat);
  ProjectionState p = ViewOf(canvas, zoom, lon, lat);
  p.BackgroundActive = background;
  PlaceTables tables;
  tables.TableCanaux[7] = TCanal{"R0", "145.600"};
  tables.TableRelais.push_back(TRelais{"F5ZXX", qra, "Relais du Kirchberg", "R0", "0", "430.000"});
  DrawRepeaters(canvas, p, tables);
  return GeoToScreen(p, lon, lat, 0);
}

TEST(RepeaterLayer, TriangleApexUpGrowingWithTheZoom) {
  struct Case { std::int32_t zoom; bool background; int s; int h; };  // base width, half height
  for (const Case& c : {Case{31, false, 2, 3}, {300, false, 5, 7}, {300, true, 5, 7}, {1200, false, 20, 30}}) {
    Canvas canvas(kSize, kSize);
    const CouleurBgr paper = c.background ? 0xFFFFFF : 0x000000;
    const CouleurBgr ink = c.background ? 0x000000 : 0xFFFFFF;
    canvas.SetBrushColor(paper);
    canvas.FillRect(0, 0, kSize, kSize);
    const auto [x, y] = DrawRepeater(canvas, c.zoom, "JN39OO", c.background);
    // Apex, base left, middle and right; then above the apex, below and left of the base.
    testing::ExpectPixels(canvas, {{x, y - c.h, ink}, {x - c.s / 2, y + c.h, ink}, {x, y + c.h, ink},
                                   {x + c.s / 2 - 1, y + c.h, ink}, {x, y - c.h - 1, paper},
                                   {x, y + c.h + 1, paper}, {x - c.s / 2 - 1, y + c.h, paper}},
                          "zoom " + std::to_string(c.zoom));
    if (c.s >= 5) {
      EXPECT_EQ(testing::PixelAt(canvas, x, y), paper) << c.zoom << ": inside";
    }
  }
}

TEST(RepeaterLayer, TextsBelowAboveZoom300WithChannelsReplacedByFrequencies) {
  for (const std::int32_t zoom : {300, 301}) {
    Canvas canvas(kSize, kSize);
    const auto [x, y] = DrawRepeater(canvas, zoom, "JN39OO");
    // Below the triangle, the four lines of text as drawn alone.
    const int s = zoom / 60;
    const int h = 3 * s / 2;
    Canvas expected(kSize, kSize);
    if (zoom > 300) {
      expected.SetFontColor(0xFFFFFF);
      expected.SetFontHeight(6);
      const int column = x - s / 2 - 5;
      expected.TextOut(column, y + h + 2, "Relais du Kirchberg");
      expected.TextOut(column, y + h + 15, "F5ZXX");
      expected.TextOut(column, y + h + 30, "145.600");
      expected.TextOut(column, y + h + 60, "430.000");
    }
    const QRect below(0, y + h + 1, kSize, kSize);
    EXPECT_EQ(canvas.Image().copy(below), expected.Image().copy(below)) << "zoom " << zoom;
    EXPECT_EQ(CountInk(canvas, QRect(0, y + h + 2, kSize, 80)) > 0, zoom > 300) << "zoom " << zoom;
  }
}

TEST(RepeaterLayer, InvalidLocatorPlacesTheRepeaterAtZeroZero) {
  for (const double centreLon : {0.0, 20.0}) {
    Canvas canvas(kSize, kSize);
    const ProjectionState p = ViewOf(canvas, 100, centreLon, 0);
    PlaceTables tables;
    tables.TableRelais.push_back(TRelais{"F5ZXX", "ZZ99ZZ", "Relais", "0", "0", "0"});
    DrawRepeaters(canvas, p, tables);
    EXPECT_EQ(CountInk(canvas, QRect(0, 0, kSize, kSize)) > 0, centreLon == 0.0) << centreLon;
    if (centreLon == 0.0) {
      const ScreenPoint origin = GeoToScreen(p, 0, 0, 0);
      EXPECT_EQ(testing::PixelAt(canvas, origin.x, origin.y - 3), 0xFFFFFF);  // apex at zoom 100: h = 3
    }
  }
}

}  // namespace
}  // namespace orvex
