// Which layers a redraw paints at the zooms where they switch on.
#include <gtest/gtest.h>

#include "mapview/redraw.h"
#include "support/map_picture.h"

namespace orvex {
namespace {

using testing::CountColour;

constexpr double kLon = 6.0;
constexpr double kLat = 49.5;

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

TEST(LayerThresholds, LayersAppearAboveTheirZoom) {
  struct Case { std::int32_t zoom; bool city; bool structure; bool radioAmateur; };
  const PlaceTables tables = OneOfEach();
  DisplayOptions display;
  display.AffichePays = false;
  display.AfficheOM = true;
  for (const Case& c : {Case{20, false, false, false}, {21, true, false, false}, {200, true, false, false},
                        {201, true, true, true}}) {
    Canvas canvas(400, 300);
    ProjectionState p;
    p.Zoom = c.zoom;
    p.CentreLongitude = kLon;
    p.CentreLatitude = kLat;
    RedrawState redraw;
    MapScene scene{canvas, p, tables, display, redraw};
    RequestRedraw(scene);
    const ScreenPoint om = FixedToScreen(p, ToFixed(5.7), ToFixed(49.6), 0);
    EXPECT_EQ(CountColour(canvas, 0x000099) > 0, c.city) << "zoom " << c.zoom;  // city fill
    EXPECT_EQ(CountColour(canvas, 0x00FFFF) > 0, c.structure) << "zoom " << c.zoom;
    EXPECT_EQ(CountColour(canvas, 0xFFFFFF, QRect(om.x - 11, om.y - 11, 23, 23)) > 0, c.radioAmateur)
        << "zoom " << c.zoom;
  }
}

}  // namespace
}  // namespace orvex
