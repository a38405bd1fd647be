// Cities: when a city shows, its circle, and where and when its name goes.
#include <gtest/gtest.h>

#include "map_picture.h"
#include "mapview/layers.h"

namespace orvex {
namespace {

using testing::CountColour;
using testing::CountInk;
using testing::PixelAt;
using testing::ViewOf;

constexpr double kLon = 6.13;
constexpr double kLat = 49.61;
constexpr CouleurBgr kFill = 0x000099;
constexpr CouleurBgr kPen = 0x0000FF;
constexpr CouleurBgr kName = 0xFFFFFF;  // over filled polygons

TTableVilles OneCity(std::int32_t zoomField, bool nomDessous, std::int32_t diametre) {
  TVille ville;
  ville.Lg = ToFixed(kLon);
  ville.Lt = ToFixed(kLat);
  ville.Nom = "Luxembourg";
  ville.Zoom = zoomField;
  ville.NomDessous = nomDessous;
  ville.Diametre = diametre;
  TTableVilles table;
  table.Fichiers.push_back({"LUXEMBOURG.DAT", {ville}});
  return table;
}

struct Drawn {
  ProjectionState p;
  ScreenPoint centre;
};

Drawn DrawOne(Canvas& canvas, std::int32_t zoom, const TTableVilles& villes) {
  Drawn d{ViewOf(canvas, zoom, kLon, kLat), {}};
  d.centre = FixedToScreen(d.p, ToFixed(kLon), ToFixed(kLat), 0);
  DrawCities(canvas, d.p, villes, DisplayOptions{});
  return d;
}

TEST(CityLayer, ZoomFieldIsTheMapZoomAboveWhichTheCityShows) {
  struct Case {
    std::int32_t field;
    std::int32_t mapZoom;
    bool shown;
  };
  for (const Case& c : {Case{300, 300, false}, {300, 301, true}, {300, 299, false}, {0, 21, true}, {0, 5000, true},
                        {5000, 4999, false}}) {
    Canvas canvas(200, 200);
    DrawOne(canvas, c.mapZoom, OneCity(c.field, true, 100));
    EXPECT_EQ(CountColour(canvas, kFill) > 0, c.shown) << "field " << c.field << " at zoom " << c.mapZoom;
  }
}

TEST(CityLayer, CircleOfZoomTimesDiameterOverAThousand) {
  Canvas canvas(200, 200);
  const Drawn d = DrawOne(canvas, 400, OneCity(0, true, 50));  // r = 20
  const ScreenPoint c = d.centre;
  EXPECT_EQ(PixelAt(canvas, c.x, c.y), kFill);
  EXPECT_EQ(PixelAt(canvas, c.x - 20, c.y), kPen);
  EXPECT_EQ(PixelAt(canvas, c.x + 19, c.y), kPen);
  EXPECT_EQ(PixelAt(canvas, c.x, c.y - 20), kPen);
  EXPECT_EQ(PixelAt(canvas, c.x - 21, c.y), 0x000000);
  EXPECT_EQ(PixelAt(canvas, c.x + 20, c.y), 0x000000);
}

TEST(CityLayer, NameBelowRightOrAboveLeftOfTheCircle) {
  for (const bool dessous : {true, false}) {
    Canvas canvas(300, 300);
    const Drawn d = DrawOne(canvas, 400, OneCity(0, dessous, 50));  // r = 20
    const ScreenPoint c = d.centre;
    const QRect belowRight(c.x + 20, c.y + 20, 60, 14);
    const QRect aboveLeft(c.x - 20, c.y - 30, 60, 10);
    EXPECT_GT(CountColour(canvas, kName, dessous ? belowRight : aboveLeft), 10) << dessous;
    EXPECT_EQ(CountColour(canvas, kName, dessous ? aboveLeft : belowRight), 0) << dessous;
  }
}

TEST(CityLayer, NameOnlyWhenTheCircleIsLargeEnoughForTheZoom) {
  struct Case {
    std::int32_t zoom;
    std::int32_t diametre;
    bool named;
  };
  // r = zoom * diametre / 1000.
  for (const Case& c : {Case{100, 5000, false}, {101, 5000, true}, {50, 1000, false}, {101, 50, false},
                        {101, 60, true}, {2000, 2, false}, {2000, 3, true}, {2001, 0, true}}) {
    Canvas canvas(1200, 1200);
    const Drawn d = DrawOne(canvas, c.zoom, OneCity(0, false, c.diametre));
    const auto r = static_cast<int>(std::int64_t{c.zoom} * c.diametre / 1000);
    const QRect label(d.centre.x - r, d.centre.y - r - 10, 80, 14);
    EXPECT_EQ(CountColour(canvas, kName, label) > 0, c.named) << "zoom " << c.zoom << " diametre " << c.diametre;
  }
}

TEST(CityLayer, OnlyCitiesInsideThePictureAreDrawn) {
  Canvas canvas(200, 200);
  const ProjectionState p = ViewOf(canvas, 1000, kLon, kLat);
  TTableVilles table;
  for (const double dlon : {-0.2, 0.2}) {
    TVille ville;
    ville.Lg = ToFixed(kLon + dlon);  // 200 pixels off either side
    ville.Lt = ToFixed(kLat);
    ville.Diametre = 300;  // r = 300: the circle alone would reach the picture
    table.Fichiers.push_back({"V.DAT", {ville}});
  }
  DrawCities(canvas, p, table, DisplayOptions{});
  EXPECT_EQ(CountInk(canvas, QRect(0, 0, 200, 200)), 0);
}

}  // namespace
}  // namespace orvex
