// Which layers a redraw paints at the zooms where they switch on.
#include <gtest/gtest.h>

#include "map_picture.h"
#include "mapview/redraw.h"

namespace orvex {
namespace {

using testing::CountColour;

constexpr double kCentreLon = 6.0;
constexpr double kCentreLat = 49.5;
constexpr CouleurBgr kCityFill = 0x000099;
constexpr CouleurBgr kYellow = 0x00FFFF;  // structure code 14
constexpr CouleurBgr kWhite = 0xFFFFFF;

PlaceTables OneOfEach() {
  PlaceTables tables;
  TVille ville;
  ville.Lg = ToFixed(kCentreLon);
  ville.Lt = ToFixed(kCentreLat);
  ville.Nom = "Centre";
  ville.Diametre = 300;
  tables.TableVilles.Fichiers.push_back({"VILLES.DAT", {ville}});
  TStructure structure;
  structure.Couleur = 14;
  for (const auto& [dlon, dlat] : {std::pair{-0.02, -0.02}, {0.02, -0.02}, {0.02, 0.02}, {-0.02, 0.02}}) {
    structure.Points.push_back({ToFixed(kCentreLat + dlat), ToFixed(kCentreLon + 0.45 + dlon)});
  }
  tables.TableStructures.Fichiers.push_back({"STRUCT.DAT", {structure}});
  tables.TableOM.Fichiers.push_back({"OM.DAT", {TOM{ToFixed(5.7), ToFixed(49.6), 0, "F1ABC"}}});
  return tables;
}

struct ThresholdCase {
  std::int32_t zoom;
  bool city;
  bool structure;
  bool radioAmateur;
};

TEST(LayerThresholds, LayersAppearAboveTheirZoom) {
  const PlaceTables tables = OneOfEach();
  DisplayOptions display;
  display.AffichePays = false;
  display.AfficheOM = true;
  for (const ThresholdCase& c : {ThresholdCase{20, false, false, false}, {21, true, false, false},
                                 {200, true, false, false}, {201, true, true, true}}) {
    Canvas canvas(400, 300);
    ProjectionState p;
    p.Zoom = c.zoom;
    p.CentreLongitude = kCentreLon;
    p.CentreLatitude = kCentreLat;
    RedrawState redraw;
    MapScene scene{canvas, p, tables, display, redraw};
    RequestRedraw(scene);
    const ScreenPoint om = FixedToScreen(p, ToFixed(5.7), ToFixed(49.6), 0);
    EXPECT_EQ(CountColour(canvas, kCityFill) > 0, c.city) << "zoom " << c.zoom;
    EXPECT_EQ(CountColour(canvas, kYellow) > 0, c.structure) << "zoom " << c.zoom;
    EXPECT_EQ(CountColour(canvas, kWhite, QRect(om.x - 11, om.y - 11, 23, 23)) > 0, c.radioAmateur)
        << "zoom " << c.zoom;
  }
}

}  // namespace
}  // namespace orvex
