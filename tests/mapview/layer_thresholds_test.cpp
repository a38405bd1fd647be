// Which layers a redraw paints, and in which order, at the zooms and in the
// modes where they switch on or off.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mapview/redraw.h"
#include "support/map_picture.h"

namespace orvex {
namespace {

using testing::CountColour;

constexpr double kLon = 6.0;
constexpr double kLat = 49.5;
constexpr CouleurBgr kWhite = 0xFFFFFF;
constexpr CouleurBgr kGridColour = 0x008000;

PlaceTables OneOfEach() {
  PlaceTables tables;
  tables.TableVilles.Fichiers.push_back({"VILLES.DAT", {{ToFixed(kLon), ToFixed(kLat), "Centre", 0, true, 300}}});
  TStructure structure{14, "Jaune", {}};
  for (const auto& [dlon, dlat] : {std::pair{-0.02, -0.02}, {0.02, -0.02}, {0.02, 0.02}, {-0.02, 0.02}}) {
    structure.Points.push_back({ToFixed(kLat + dlat), ToFixed(kLon + 0.45 + dlon)});
  }
  tables.TableStructures.Fichiers.push_back({"STRUCT.DAT", {structure}});
  tables.TableOM.Fichiers.push_back({"OM.DAT", {TOM{ToFixed(5.7), ToFixed(49.6), 0, "F1ABC"}}});
  return tables;
}

// One redraw of a 400 x 300 picture centred on kLon, kLat; `change` sets the
// case up before it.
struct Redrawn {
  Canvas canvas{400, 300};
  ProjectionState p;
  std::vector<std::string> order;  // the hooked layers, as they were called

  Redrawn(std::int32_t zoom, const PlaceTables& tables, DisplayOptions display,
          const std::function<void(DisplayOptions&, ProjectionState&)>& change = {}) {
    p.Zoom = zoom;
    p.CentreLongitude = kLon;
    p.CentreLatitude = kLat;
    if (change) {
      change(display, p);
    }
    RedrawState redraw;
    MapScene scene{canvas, p, tables, display, redraw};
    scene.reliefLayer = [this] { order.push_back("relief"); };
    scene.liveTraceLayer = [this] { order.push_back("live trace"); };
    scene.drawnTraceLayer = [this] { order.push_back("drawn trace"); };
    RequestRedraw(scene);
  }

  // Grid-coloured pixels within a pixel of where (lon, lat) lies.
  int GridNear(double lon, double lat) const {
    const ScreenPoint s = GeoToScreen(p, lon, lat, 0);
    return CountColour(canvas, kGridColour, QRect(s.x - 1, s.y - 1, 3, 3));
  }
};

TEST(LayerThresholds, LayersAppearAboveTheirZoom) {
  struct Case { std::int32_t zoom; bool city; bool structure; bool radioAmateur; };
  const PlaceTables tables = OneOfEach();
  DisplayOptions display;
  display.AffichePays = false;
  display.AfficheOM = true;
  for (const Case& c : {Case{20, false, false, false}, {21, true, false, false}, {200, true, false, false},
                        {201, true, true, true}}) {
    const Redrawn r(c.zoom, tables, display);
    const ScreenPoint om = FixedToScreen(r.p, ToFixed(5.7), ToFixed(49.6), 0);
    EXPECT_EQ(CountColour(r.canvas, 0x000099) > 0, c.city) << "zoom " << c.zoom;  // city fill
    EXPECT_EQ(CountColour(r.canvas, 0x00FFFF) > 0, c.structure) << "zoom " << c.zoom;
    EXPECT_EQ(CountColour(r.canvas, 0xFFFFFF, QRect(om.x - 11, om.y - 11, 23, 23)) > 0, c.radioAmateur)
        << "zoom " << c.zoom;
  }
}

// The locator grid, when toggled on, from zoom 201: its lines lie on the
// sub-square edges (every 5' of longitude and 2.5' of latitude), none between.
TEST(LayerThresholds, LocatorGridOnTheSubSquareEdgesAboveZoom200) {
  DisplayOptions display;
  display.GridShown = true;
  for (const std::int32_t zoom : {200, 201, 600}) {
    const Redrawn r(zoom, {}, display);
    const bool shown = zoom > 200;
    EXPECT_EQ(r.GridNear(kLon + 1.0 / 12, kLat + 0.02) > 0, shown) << zoom;  // a meridian of the grid
    EXPECT_EQ(r.GridNear(kLon - 2.0 / 12, kLat - 0.02) > 0, shown) << zoom;
    EXPECT_EQ(r.GridNear(kLon + 0.04, kLat + 1.0 / 24) > 0, shown) << zoom;  // a parallel of the grid
    EXPECT_EQ(r.GridNear(kLon - 0.04, kLat - 2.0 / 24) > 0, shown) << zoom;
    EXPECT_EQ(r.GridNear(kLon + 1.0 / 24, kLat + 1.0 / 48), 0) << zoom;  // inside a sub-square
    EXPECT_EQ(r.GridNear(kLon - 1.0 / 24, kLat - 1.0 / 48), 0) << zoom;
  }
}

TEST(LayerThresholds, RepeatersAboveZoom30) {
  PlaceTables tables;
  tables.TableRelais.push_back(TRelais{"LX0ABC", "JN39BM", "Relais", "R1", "0", "430.000"});
  DisplayOptions display;
  display.AffichePays = false;
  for (const std::int32_t zoom : {30, 31}) {
    const Redrawn r(zoom, tables, display, [](DisplayOptions& d, ProjectionState&) { d.AfficheRelais = true; });
    EXPECT_EQ(CountColour(r.canvas, kWhite, QRect(0, 0, 400, 250)) > 0, zoom > 30) << zoom;
  }
}

// A background map replaces the outlines; the scale bar is a plane-view thing.
TEST(LayerThresholds, OutlinesNotOverABackgroundScaleBarNotOnTheGlobe) {
  PlaceTables tables;
  tables.TableContours.Fichiers.push_back(
      {"F.DAT", {{ToFixed(5.5), ToFixed(49.7)}, {ToFixed(6.5), ToFixed(49.7)}, {0, 0}}});
  const QRect outlineArea(0, 0, 400, 200);
  const QRect scaleBarArea(25, 260, 110, 20);
  const struct {
    const char* what;
    bool background;
    bool globe;
    int outline;  // -1: not looked at (the globe bends it out of the area)
    bool scaleBar;
  } cases[] = {{"plane view", false, false, 1, true},
               {"background map", true, false, 0, true},
               {"globe", false, true, -1, false}};
  for (const auto& c : cases) {
    const Redrawn r(100, tables, {}, [&c](DisplayOptions&, ProjectionState& p) {
      p.BackgroundActive = c.background;
      p.Spherical = c.globe;
    });
    if (c.outline >= 0) {
      EXPECT_EQ(CountColour(r.canvas, kWhite, outlineArea) > 0, c.outline == 1) << c.what;
    }
    EXPECT_EQ(CountColour(r.canvas, kWhite, scaleBarArea) > 0, c.scaleBar) << c.what;
  }
}

TEST(LayerThresholds, ReliefBehindOrInFrontOfTheVectorLayers) {
  for (const bool inFront : {false, true}) {
    const Redrawn r(100, {}, {}, [inFront](DisplayOptions& d, ProjectionState&) { d.Courbe1erPlan = inFront; });
    const std::vector<std::string> expected =
        inFront ? std::vector<std::string>{"live trace", "drawn trace", "relief"}
                : std::vector<std::string>{"relief", "live trace", "drawn trace"};
    EXPECT_EQ(r.order, expected) << inFront;
  }
}

}  // namespace
}  // namespace orvex
