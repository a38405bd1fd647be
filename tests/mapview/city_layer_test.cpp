// Cities: when a city shows, its circle, and where and when its name goes.
#include <gtest/gtest.h>

#include "mapview/layers.h"
#include "support/map_picture.h"

namespace orvex {
namespace {

using testing::CountColour;
using testing::ViewOf;

constexpr double kLon = 6.13;
constexpr double kLat = 49.61;
constexpr CouleurBgr kFill = 0x000099;
constexpr CouleurBgr kPen = 0x0000FF;
constexpr CouleurBgr kName = 0xFFFFFF;  // over filled polygons

// Draws one city at the centre of `canvas` and returns that centre.
ScreenPoint DrawOne(Canvas& canvas, std::int32_t zoom, std::int32_t zoomField, bool nomDessous, std::int32_t diametre) {
  const ProjectionState p = ViewOf(canvas, zoom, kLon, kLat);
  const TVille ville{ToFixed(kLon), ToFixed(kLat), "Luxembourg", zoomField, nomDessous, diametre};
  DrawCities(canvas, p, TTableVilles{{{"LUXEMBOURG.DAT", {ville}}}}, DisplayOptions{});
  return FixedToScreen(p, ToFixed(kLon), ToFixed(kLat), 0);
}

TEST(CityLayer, ZoomFieldIsTheMapZoomAboveWhichTheCityShows) {
  struct Case { std::int32_t field; std::int32_t mapZoom; bool shown; };
  for (const Case& c : {Case{300, 300, false}, {300, 301, true}, {300, 299, false}, {0, 21, true}, {0, 5000, true},
                        {5000, 4999, false}}) {
    Canvas canvas(200, 200);
    DrawOne(canvas, c.mapZoom, c.field, true, 100);
    EXPECT_EQ(CountColour(canvas, kFill) > 0, c.shown) << "field " << c.field << " at zoom " << c.mapZoom;
  }
}

TEST(CityLayer, CircleOfZoomTimesDiameterOverAThousand) {
  Canvas canvas(200, 200);
  const ScreenPoint c = DrawOne(canvas, 400, 0, true, 50);  // r = 20
  testing::ExpectPixels(canvas, {{c.x, c.y, kFill}, {c.x - 20, c.y, kPen}, {c.x + 19, c.y, kPen},
                                 {c.x, c.y - 20, kPen}, {c.x - 21, c.y, 0}, {c.x + 20, c.y, 0}});
}

TEST(CityLayer, NameBelowRightOrAboveLeftOfTheCircle) {
  for (const bool dessous : {true, false}) {
    Canvas canvas(300, 300);
    const ScreenPoint c = DrawOne(canvas, 400, 0, dessous, 50);  // r = 20
    const QRect belowRight(c.x + 20, c.y + 20, 60, 14);
    const QRect aboveLeft(c.x - 20, c.y - 30, 60, 10);
    EXPECT_GT(CountColour(canvas, kName, dessous ? belowRight : aboveLeft), 10) << dessous;
    EXPECT_EQ(CountColour(canvas, kName, dessous ? aboveLeft : belowRight), 0) << dessous;
  }
}

TEST(CityLayer, NameOnlyWhenTheCircleIsLargeEnoughForTheZoom) {
  struct Case { std::int32_t zoom; std::int32_t diametre; bool named; };
  // r = zoom * diametre / 1000.
  for (const Case& c : {Case{100, 5000, false}, {101, 5000, true}, {50, 1000, false}, {101, 50, false},
                        {101, 60, true}, {2000, 2, false}, {2000, 3, true}, {2001, 0, true}}) {
    Canvas canvas(1200, 1200);
    const ScreenPoint centre = DrawOne(canvas, c.zoom, 0, false, c.diametre);
    const auto r = static_cast<int>(std::int64_t{c.zoom} * c.diametre / 1000);
    const QRect label(centre.x - r, centre.y - r - 10, 80, 14);
    EXPECT_EQ(CountColour(canvas, kName, label) > 0, c.named) << "zoom " << c.zoom << " diametre " << c.diametre;
  }
}

TEST(CityLayer, OnlyCitiesInsideThePictureAreDrawn) {
  Canvas canvas(200, 200);
  TTableVilles table;
  // 200 pixels off either side, r = 300: the circle alone would reach the picture.
  for (const double dlon : {-0.2, 0.2}) {
    table.Fichiers.push_back({"V.DAT", {{ToFixed(kLon + dlon), ToFixed(kLat), "V", 0, true, 300}}});
  }
  DrawCities(canvas, ViewOf(canvas, 1000, kLon, kLat), table, DisplayOptions{});
  EXPECT_EQ(testing::CountInk(canvas, QRect(0, 0, 200, 200)), 0);
}

}  // namespace
}  // namespace orvex
