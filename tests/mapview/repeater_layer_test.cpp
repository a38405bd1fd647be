// Repeaters: the triangle at the locator's sub-square centre, and the texts
// below it above zoom 300.
#include <gtest/gtest.h>

#include "geo/locator.h"
#include "map_picture.h"
#include "mapview/layers.h"

namespace orvex {
namespace {

using testing::CountInk;
using testing::PixelAt;
using testing::ViewOf;

constexpr int kSize = 240;
constexpr char kQra[] = "JN39OO";

TRelais Relais(std::string qra) {
  return TRelais{"F5ZXX", std::move(qra), "Relais du Kirchberg", "R0", "0", "430.000"};
}

struct Placed {
  ProjectionState p;
  ScreenPoint at;
};

// The view centred on the locator's sub-square, so the symbol lands mid-picture.
Placed CentredOnLocator(const Canvas& canvas, std::int32_t zoom) {
  double lon = 0;
  double lat = 0;
  LocatorToCoordinate(kQra, lon, lat);
  Placed placed{ViewOf(canvas, zoom, lon, lat), {}};
  placed.at = GeoToScreen(placed.p, lon, lat, 0);
  return placed;
}

TEST(RepeaterLayer, TriangleApexUpGrowingWithTheZoom) {
  struct Case {
    std::int32_t zoom;
    bool background;
    int s;  // base width
    int h;  // half height
  };
  for (const Case& c : {Case{31, false, 2, 3}, {300, false, 5, 7}, {300, true, 5, 7}, {1200, false, 20, 30}}) {
    Canvas canvas(kSize, kSize);
    const CouleurBgr paper = c.background ? 0xFFFFFF : 0x000000;
    const CouleurBgr ink = c.background ? 0x000000 : 0xFFFFFF;
    canvas.SetBrushColor(paper);
    canvas.FillRect(0, 0, kSize, kSize);
    Placed placed = CentredOnLocator(canvas, c.zoom);
    placed.p.BackgroundActive = c.background;
    PlaceTables tables;
    tables.TableRelais.push_back(Relais(kQra));
    DrawRepeaters(canvas, placed.p, tables);
    const int x = placed.at.x;
    const int y = placed.at.y;
    const std::string at = "zoom " + std::to_string(c.zoom);
    EXPECT_EQ(PixelAt(canvas, x, y - c.h), ink) << at << ": apex";
    EXPECT_EQ(PixelAt(canvas, x - c.s / 2, y + c.h), ink) << at << ": base left";
    EXPECT_EQ(PixelAt(canvas, x, y + c.h), ink) << at << ": base middle";
    EXPECT_EQ(PixelAt(canvas, x + c.s / 2 - 1, y + c.h), ink) << at << ": base right";
    EXPECT_EQ(PixelAt(canvas, x, y - c.h - 1), paper) << at << ": above the apex";
    EXPECT_EQ(PixelAt(canvas, x, y + c.h + 1), paper) << at << ": below the base";
    EXPECT_EQ(PixelAt(canvas, x - c.s / 2 - 1, y + c.h), paper) << at << ": left of the base";
    if (c.s >= 5) {
      EXPECT_EQ(PixelAt(canvas, x, y), paper) << at << ": inside";
    }
  }
}

TEST(RepeaterLayer, TextsBelowAboveZoom300WithChannelsReplacedByFrequencies) {
  for (const std::int32_t zoom : {300, 301}) {
    Canvas canvas(kSize, kSize);
    const Placed placed = CentredOnLocator(canvas, zoom);
    PlaceTables tables;
    tables.TableCanaux[7] = TCanal{"R0", "145.600"};
    tables.TableRelais.push_back(Relais(kQra));
    DrawRepeaters(canvas, placed.p, tables);

    // The same picture drawn by hand: triangle, then the four lines of text.
    Canvas expected(kSize, kSize);
    const int s = zoom / 60;
    const int h = 3 * s / 2;
    const int x = placed.at.x;
    const int y = placed.at.y;
    expected.SetPenColor(0xFFFFFF);
    expected.SetFontColor(0xFFFFFF);
    expected.MoveTo(x - s / 2, y + h);
    expected.LineTo(x, y - h);
    expected.LineTo(x + s / 2, y + h);
    expected.LineTo(x - s / 2, y + h);
    if (zoom > 300) {
      expected.SetFontHeight(6);
      const int column = x - s / 2 - 5;
      expected.TextOut(column, y + h + 2, "Relais du Kirchberg");
      expected.TextOut(column, y + h + 15, "F5ZXX");
      expected.TextOut(column, y + h + 30, "145.600");
      expected.TextOut(column, y + h + 60, "430.000");
    }
    EXPECT_EQ(canvas.Image(), expected.Image()) << "zoom " << zoom;
    EXPECT_EQ(CountInk(canvas, QRect(0, y + h + 2, kSize, 80)) > 0, zoom > 300) << "zoom " << zoom;
  }
}

TEST(RepeaterLayer, InvalidLocatorPlacesTheRepeaterAtZeroZero) {
  for (const double centreLon : {0.0, 20.0}) {
    Canvas canvas(kSize, kSize);
    const ProjectionState p = ViewOf(canvas, 100, centreLon, 0);
    PlaceTables tables;
    tables.TableRelais.push_back(Relais("ZZ99ZZ"));
    DrawRepeaters(canvas, p, tables);
    const ScreenPoint origin = GeoToScreen(p, 0, 0, 0);
    EXPECT_EQ(CountInk(canvas, QRect(0, 0, kSize, kSize)) > 0, centreLon == 0.0) << centreLon;
    if (centreLon == 0.0) {
      EXPECT_EQ(PixelAt(canvas, origin.x, origin.y - 3), 0xFFFFFF);  // apex at zoom 100: h = 3
    }
  }
}

}  // namespace
}  // namespace orvex
