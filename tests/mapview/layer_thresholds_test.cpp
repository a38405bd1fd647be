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
  tables.TableRelais.push_back(TRelais{"LX0ABC", "JN39BM", "Relais", "R1", "0", "430.000"});  // 6.125 E 49.52 N
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
  struct Case { std::int32_t zoom; bool city; bool structure; bool radioAmateur; bool repeater; };
  const PlaceTables tables = OneOfEach();
  DisplayOptions display;
  display.AffichePays = false;
  display.AfficheOM = display.AfficheRelais = true;
  for (const Case& c : {Case{20, false, false, false, false}, {21, true, false, false, false},
                        {30, true, false, false, false}, {31, true, false, false, true}, {200, true, false, false, true},
                        {201, true, true, true, true}}) {
    const Redrawn r(c.zoom, tables, display);
    const ScreenPoint om = FixedToScreen(r.p, ToFixed(5.7), ToFixed(49.6), 0);
    const ScreenPoint repeater = GeoToScreen(r.p, 6.125, 49.52, 0);
    EXPECT_EQ(CountColour(r.canvas, kWhite, QRect(repeater.x - 8, repeater.y - 8, 17, 17)) > 0, c.repeater)
        << "zoom " << c.zoom;
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
    const std::vector<bool> found = {r.GridNear(kLon + 1.0 / 12, kLat + 0.02) > 0,  // meridians of the grid
                                     r.GridNear(kLon - 2.0 / 12, kLat - 0.02) > 0,
                                     r.GridNear(kLon + 0.04, kLat + 1.0 / 24) > 0,  // parallels
                                     r.GridNear(kLon - 0.04, kLat - 2.0 / 24) > 0,
                                     r.GridNear(kLon + 1.0 / 24, kLat + 1.0 / 48) > 0};  // inside a sub-square
    EXPECT_EQ(found, std::vector<bool>({zoom > 200, zoom > 200, zoom > 200, zoom > 200, false})) << zoom;
  }
}

// A background map replaces the outlines (the globe bends them out of the
// area looked at); the scale bar is a plane-view thing; the relief goes
// behind the vector layers or in front of them.
TEST(LayerThresholds, OutlinesScaleBarAndReliefByMode) {
  PlaceTables tables;
  tables.TableContours.Fichiers.push_back(
      {"F.DAT", {{ToFixed(5.5), ToFixed(49.7)}, {ToFixed(6.5), ToFixed(49.7)}, {0, 0}}});
  const std::vector<std::string> behind = {"relief", "live trace", "drawn trace"};
  const std::vector<std::string> inFront = {"live trace", "drawn trace", "relief"};
  const std::tuple<bool, bool, bool, bool, bool, std::vector<std::string>> cases[] = {
      // background, globe, Courbe1erPlan; outline and scale bar seen; layer order
      {false, false, false, true, true, behind},
      {true, false, true, false, true, inFront},
      {false, true, false, false, false, behind}};
  for (const auto& [background, globe, front, outline, scaleBar, order] : cases) {
    const Redrawn r(100, tables, {}, [&](DisplayOptions& d, ProjectionState& p) {
      p.BackgroundActive = background;
      p.Spherical = globe;
      d.Courbe1erPlan = front;
    });
    const bool outlineSeen = !globe && CountColour(r.canvas, kWhite, QRect(0, 0, 400, 200)) > 0;
    EXPECT_EQ(std::tuple(outlineSeen, CountColour(r.canvas, kWhite, QRect(25, 260, 110, 20)) > 0, r.order),
              std::tuple(outline, scaleBar, order))
        << background << globe;
  }
}

}  // namespace
}  // namespace orvex
