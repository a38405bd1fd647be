// Level curves on the map: which curves the zoom and the filter keep, their
// colours, the margin that stops a curve leaving the view, editing crosses.
#include <gtest/gtest.h>

#include <vector>

#include "relief_fixture.h"
#include "terrain/view/dessine_courbes.h"

namespace orvex {
namespace {

using testing::Carte;
using testing::Projection;
using testing::Teinte;

constexpr double kLon = 6.0;
constexpr double kLat = 49.5;

// A west-east curve across the whole view at latitude `lat` (degrees).
std::vector<std::pair<FixedDegree, FixedDegree>> Traversee(const ProjectionState& p, double lat) {
  std::vector<std::pair<FixedDegree, FixedDegree>> points;
  for (FixedDegree lon = p.ViewBounds.FixedWest - 100; lon <= p.ViewBounds.FixedEast + 100; lon += 50) {
    points.emplace_back(lon, ToFixed(lat));
  }
  return points;
}

// Where a curve point lands, as the drawing rounds it.
int X(const ProjectionState& p, double lon) { return FixedLonToX(p, ToFixed(lon)); }
int Y(const ProjectionState& p, double lat) { return FixedLatToY(p, ToFixed(lat)); }

// Prepares and draws the curves, as the redraw does.
void Dessine(Carte& carte, bool marquePoints = false) {
  const PreparationCourbes preparation = PrepareCourbes(carte.canvas, carte.projection, carte.niveaux, carte.display);
  DessineCourbes(carte.canvas, carte.projection, carte.niveaux, carte.display, preparation, marquePoints);
}

TEST(DessineCourbes, ZoomAndFilterChooseTheCurves) {
  struct Case { int zoom; int altitude; int filtreMin; int filtreMax; bool dessinee; };
  // Every 100 m above zoom 1000, every 20 m above 2000, all above 3000, not 0 m;
  // the filter bounds are exclusive.
  const Case cases[] = {
      {1000, 100, 0, 10000, false}, {1001, 100, 0, 10000, true}, {2000, 100, 0, 10000, true},
      {2000, 105, 0, 10000, false}, {3000, 105, 0, 10000, false}, {3001, 105, 0, 10000, true},
      {3001, 0, 0, 10000, false},   {2000, 500, 0, 500, false},   {2000, 490, 0, 500, true},
      {2000, 200, 200, 500, false}, {2000, 210, 200, 500, true},  {3001, 201, 200, 202, true},
  };
  for (const Case& c : cases) {
    Carte carte;
    carte.projection = Projection(c.zoom, kLon, kLat);
    carte.display.FiltreMin = c.filtreMin;
    carte.display.FiltreMax = c.filtreMax;
    carte.AjouteCourbe(c.altitude, Traversee(carte.projection, kLat));
    Dessine(carte);
    EXPECT_EQ(!carte.Vide(), c.dessinee) << "zoom " << c.zoom << " altitude " << c.altitude << " filter "
                                         << c.filtreMin << ".." << c.filtreMax;
  }
  Carte off;
  off.projection = Projection(2000, kLon, kLat);
  off.display.AfficheNiveaux = false;
  off.AjouteCourbe(100, Traversee(off.projection, kLat));
  Dessine(off);
  EXPECT_TRUE(off.Vide()) << "level curves off";
}

TEST(DessineCourbes, ColourModes) {
  struct Case { const char* what; Teinte teinte; bool fond; CouleurBgr bas; CouleurBgr milieu; CouleurBgr haut; };
  // Curves at 100, 200 and 345 m, every one drawn at zoom 3001. Colour:
  // k = 118 / 245, 200 m at index 48; grey: k = 1, c = -90.
  const Case cases[] = {
      {"colour by altitude", Teinte::Couleur, false, TableCouleurs[0], TableCouleurs[48], TableCouleurs[118]},
      {"colour over a background", Teinte::Couleur, true, TableCouleurs[0], TableCouleurs[48], TableCouleurs[118]},
      {"grey by altitude", Teinte::Gris, false, CouleurGris(10), CouleurGris(110), CouleurGris(255)},
      {"plain curves are green", Teinte::Unie, false, kVert, kVert, kVert},
      {"plain curves over a background are black", Teinte::Unie, true, kNoir, kNoir, kNoir},
  };
  for (const Case& c : cases) {
    Carte carte;
    carte.canvas.SetBrushColor(0x404040);
    carte.canvas.FillRect(0, 0, testing::kCote, testing::kCote);
    carte.projection = Projection(3001, kLon, kLat);
    carte.projection.BackgroundActive = c.fond;
    testing::ChoisitTeinte(carte.display, c.teinte);
    for (const auto& [altitude, lat] : {std::pair{100, kLat + 0.02}, {200, kLat}, {345, kLat - 0.02}}) {
      carte.AjouteCourbe(altitude, Traversee(carte.projection, lat));
    }
    Dessine(carte);
    const ProjectionState& p = carte.projection;
    testing::ExpectPixels(carte.canvas, {{120, Y(p, kLat + 0.02), c.bas}, {120, Y(p, kLat), c.milieu},
                                         {120, Y(p, kLat - 0.02), c.haut}}, c.what);
  }
}

// The 300 m curve is filtered out but still sets the top of the scale.
TEST(DessineCourbes, ScaleSpansTheWholeTableNotOnlyTheDrawnCurves) {
  Carte carte;
  carte.projection = Projection(2000, kLon, kLat);
  carte.display.FiltreMax = 250;
  carte.AjouteCourbe(100, Traversee(carte.projection, kLat + 0.02));
  carte.AjouteCourbe(200, Traversee(carte.projection, kLat));
  carte.AjouteCourbe(300, Traversee(carte.projection, kLat - 0.02));
  Dessine(carte);
  EXPECT_EQ(carte.Pixel(120, Y(carte.projection, kLat)), TableCouleurs[59]);
  EXPECT_EQ(carte.Pixel(120, Y(carte.projection, kLat - 0.02)), kNoir);
}

TEST(DessineCourbes, ACurveLeavingAndComingBackIsNotJoinedAcrossTheMap) {
  // Zoom 2000 on 240 pixels: the view spans 0.12 degree; the margin is 0.061.
  Carte carte;
  carte.projection = Projection(2000, kLon, kLat);
  carte.AjouteCourbe(100, {{ToFixed(kLon), ToFixed(kLat + 0.02)}, {ToFixed(kLon + 0.3), ToFixed(kLat + 0.02)},
                           {ToFixed(kLon + 0.3), ToFixed(kLat - 0.02)}, {ToFixed(kLon - 0.3), ToFixed(kLat - 0.02)},
                           {ToFixed(kLon), ToFixed(kLat - 0.02)}});
  Dessine(carte);
  const int nord = Y(carte.projection, kLat + 0.02);
  const int sud = Y(carte.projection, kLat - 0.02);
  EXPECT_EQ(carte.Pixel(X(carte.projection, kLon), (nord + sud) / 2), kNoir) << "no chord between the two stretches";
  // The segments towards the far points are drawn up to the picture's edges.
  EXPECT_NE(carte.Pixel(testing::kCote - 2, nord), kNoir);
  EXPECT_NE(carte.Pixel(1, sud), kNoir);
  EXPECT_EQ(carte.Pixel(1, nord), kNoir);
}

TEST(DessineCourbes, EditingMarksEveryPointWithACross) {
  for (const bool marque : {false, true}) {
    Carte carte;
    carte.projection = Projection(2000, kLon, kLat);
    carte.AjouteCourbe(100, {{ToFixed(kLon - 0.01), ToFixed(kLat)}, {ToFixed(kLon + 0.01), ToFixed(kLat)}});
    Dessine(carte, marque);
    const int x = X(carte.projection, kLon - 0.01);
    const int y = Y(carte.projection, kLat);
    for (const QPoint& arm : {QPoint(x, y - 4), QPoint(x, y + 4), QPoint(x - 4, y)}) {
      EXPECT_EQ(carte.Pixel(arm.x(), arm.y()) != kNoir, marque) << arm.x() << "," << arm.y();
    }
  }
}

}  // namespace
}  // namespace orvex
