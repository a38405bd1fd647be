// Which vector layers a redraw paints over a scanned map: never the country
// outlines nor the structures, cities only while "Ajouter des villes" is
// ticked.
#include <gtest/gtest.h>

#include <string>

#include "images/background_image.h"
#include "mapview/redraw.h"
#include "support/map_picture.h"

namespace orvex {
namespace {

using testing::CountColour;

constexpr CouleurBgr kPaper = 0x808080;

PlaceTables Places() {
  PlaceTables tables;
  tables.TableContours.Fichiers.push_back(
      {"CONTOURS.DAT", {{ToFixed(2.1), ToFixed(46.6)}, {ToFixed(2.4), ToFixed(46.9)}, {0, 0}}});
  tables.TableVilles.Fichiers.push_back({"VILLES.DAT", {{ToFixed(2.6), ToFixed(46.9), "Centre", 0, true, 30}}});
  TStructure structure{14, "Jaune", {}};
  for (const auto& [lon, lat] : {std::pair{2.7, 46.6}, {2.9, 46.6}, {2.9, 46.7}, {2.7, 46.7}}) {
    structure.Points.push_back({ToFixed(lat), ToFixed(lon)});
  }
  tables.TableStructures.Fichiers.push_back({"STRUCT.DAT", {structure}});
  return tables;
}

TEST(BackgroundLayers, OnlyTheLayersThatApplyOverAScannedMap) {
  QImage scan(1000, 800, QImage::Format_RGB32);
  scan.fill(ToQColor(kPaper));
  const PlaceTables tables = Places();
  DisplayOptions display;
  struct Case { bool background; bool ajouterVilles; bool outlines; bool structures; bool cities; };
  for (const Case& c : {Case{false, false, true, true, true}, {true, false, false, false, false},
                        {true, true, false, false, true}}) {
    Canvas canvas(1000, 800);
    ProjectionState p;
    ImageFond fond;
    if (c.background) {
      PoseImageFond(fond, p, scan, "scan.png", 100);
      AppliqueCorrespondance(p, {2, 47, 3, 46.5});
    } else {
      p = testing::View(1000, 2.5, 46.75, 1000, 800);
    }
    RedrawState redraw;
    MapScene scene{canvas, p, tables, display, redraw};
    scene.background = c.background ? &fond.Shown : nullptr;
    scene.menuAjouterVilles = c.ajouterVilles;
    RequestRedraw(scene);
    const std::string what = std::string(c.background ? "background" : "vector map") +
                             (c.ajouterVilles ? ", Ajouter des villes" : "");
    EXPECT_EQ(CountColour(canvas, kPaper, QRect(0, 0, 1000, 800)) > 100000, c.background) << what;
    const ScreenPoint a = GeoToScreen(p, 2.25, 46.75, 0);  // on the outline
    EXPECT_EQ(CountColour(canvas, 0xFFFFFF, QRect(a.x - 2, a.y - 2, 5, 5)) > 0, c.outlines) << what;
    EXPECT_EQ(CountColour(canvas, 0x00FFFF, QRect(0, 0, 1000, 800)) > 0, c.structures) << what;
    // The city disc is merged (or-ed) into what lies below it.
    const CouleurBgr disc = c.background ? kPaper | 0x000099 : 0x000099;
    EXPECT_EQ(CountColour(canvas, disc, QRect(0, 0, 1000, 800)) > 0, c.cities) << what;
  }
}

}  // namespace
}  // namespace orvex
