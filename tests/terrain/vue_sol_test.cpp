// The ground view: the projection of points computed by hand, the wedge that
// must hold for a sight in any direction at any latitude, the observer's
// steps, the colour scales and the drawing of curves and stations.
#include "terrain/view/vue_sol.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "geo/angle_constants.h"
#include "support/map_picture.h"
#include "terrain/view/table_couleurs.h"

namespace orvex {
namespace {

using testing::CountInk;

// Worked by hand. North sight: A (6, 49), B (6, 49.1), eye at 200 m; the
// plane's ends are L1 (5.97, 49.1) and L2 (6.03, 49.1). Q (6.01, 49.2) at
// 100 m: the sight line to Q crosses the plane half-way (t = 0.02 / 0.01
// inverted), at (6.005, 49.1) and 150 m: u = 6.03 - 6.005 = 0.025, v = 50,
// so x = 400 - 250 = 150 and y = 100 + 40 = 140.
// East sight: A (6, 49), B (6.1, 49), L1 (6.1, 49.03), L2 (6.1, 48.97); Q
// (6.2, 49.01) at 100 m crosses at (6.1, 49.005), 150 m: u = 0.035, x = 50.
TEST(VueSol, ProjectionOfKnownPoints) {
  struct Case {
    const char* what;
    GeoPosition a;
    GeoPosition b;
    double lon;
    double lat;
    double z;
    std::optional<QPoint> ecran;
  };
  const Case cases[] = {
      {"north sight, point beyond and to the right", {6, 49}, {6, 49.1}, 6.01, 49.2, 100, QPoint(150, 140)},
      {"east sight: lateral rays due north-south", {6, 49}, {6.1, 49}, 6.2, 49.01, 100, QPoint(50, 140)},
      {"north sight, straight ahead, above the eye", {6, 49}, {6, 49.1}, 6.0, 49.2, 400, QPoint(100, -160)},
      {"behind the observer", {6, 49}, {6, 49.1}, 6.0, 48.9, 100, std::nullopt},
      {"between the observer and the picture plane", {6, 49}, {6, 49.1}, 6.0, 49.05, 100, std::nullopt},
      {"beyond the plane but right of the wedge", {6, 49}, {6, 49.1}, 6.2, 49.2, 100, std::nullopt},
      {"beyond the plane but left of the wedge", {6, 49}, {6, 49.1}, 5.8, 49.2, 100, std::nullopt},
      {"at eye level (v = 0)", {6, 49}, {6, 49.1}, 6.01, 49.2, 200, std::nullopt},
      {"a sight of no length", {6, 49}, {6, 49}, 6.0, 49.2, 100, std::nullopt},
  };
  for (const Case& c : cases) {
    const VueSol vue = PrepareVueSol(c.a, c.b, 200);
    EXPECT_EQ(ProjetteVueSol(vue, c.lon, c.lat, c.z), c.ecran) << c.what;
  }
}

// For sights every 15 degrees at several latitudes: a point straight ahead
// beyond B lands in the middle of the field, points just inside each lateral
// ray are drawn and points just outside are not.
TEST(VueSol, TheWedgeHoldsForEverySightAndLatitude) {
  for (const double latitude : {-80.0, 0.0, 49.6, 80.0}) {
    for (int cap = 0; cap < 360; cap += 15) {
      const double phi = (90 - cap) * kDegreesToRadians;
      const GeoPosition a{6, latitude};
      const GeoPosition b{6 + 0.01 * std::cos(phi), latitude + 0.01 * std::sin(phi)};
      const VueSol vue = PrepareVueSol(a, b, 300);
      const auto at = [&](double distance, double lateral) {  // in sight lengths; lateral to the left
        return ProjetteVueSol(
            vue, a.Longitude + distance * (b.Longitude - a.Longitude) - lateral * (b.Latitude - a.Latitude),
            a.Latitude + distance * (b.Latitude - a.Latitude) + lateral * (b.Longitude - a.Longitude), 0);
      };
      const std::string what = "bearing " + std::to_string(cap) + " at latitude " + std::to_string(latitude);
      ASSERT_TRUE(at(2, 0)) << what;
      EXPECT_EQ(at(2, 0)->x(), 370) << what;  // 400 - 0.3 x 0.01 x 10000
      EXPECT_TRUE(at(2, 0.55)) << what;
      EXPECT_TRUE(at(2, -0.55)) << what;
      EXPECT_FALSE(at(2, 0.65)) << what;
      EXPECT_FALSE(at(2, -0.65)) << what;
      EXPECT_FALSE(at(-2, 0)) << what;
    }
  }
}

TEST(VueSol, ObserverStepsAndTurns) {
  struct Case {
    const char* what;
    GeoPosition b;
    PasObservateur pas;
    double dLon;
    double dLat;
  };
  const Case cases[] = {
      {"north sight, forward", {6, 49.1}, PasObservateur::Avant, 0, 0.01},
      {"north sight, backward", {6, 49.1}, PasObservateur::Arriere, 0, -0.01},
      {"north sight, left is west", {6, 49.1}, PasObservateur::Gauche, -0.01, 0},
      {"north sight, right is east", {6, 49.1}, PasObservateur::Droite, 0.01, 0},
      {"east sight, forward", {6.1, 49}, PasObservateur::Avant, 0.01, 0},
      {"east sight, left is north", {6.1, 49}, PasObservateur::Gauche, 0, 0.01},
  };
  for (const Case& c : cases) {
    GeoPosition a{6, 49};
    GeoPosition b = c.b;
    DeplaceObservateur(a, b, c.pas);
    EXPECT_NEAR(a.Longitude, 6 + c.dLon, 1e-12) << c.what;
    EXPECT_NEAR(a.Latitude, 49 + c.dLat, 1e-12) << c.what;
    EXPECT_NEAR(b.Longitude, c.b.Longitude + c.dLon, 1e-12) << c.what;
    EXPECT_NEAR(b.Latitude, c.b.Latitude + c.dLat, 1e-12) << c.what;
  }
  for (const auto& [cap, dLon, dLat] :
       {std::tuple{30, 0.05, 0.0866025}, {135, 0.0707107, -0.0707107}, {270, -0.1, 0.0}}) {
    const GeoPosition b = ViseeVersCap({6, 49}, 0.1, cap);
    EXPECT_NEAR(b.Longitude, 6 + dLon, 1e-6) << cap;
    EXPECT_NEAR(b.Latitude, 49 + dLat, 1e-6) << cap;
  }
}

TEST(VueSol, ColourScales) {
  DisplayOptions couleur;
  DisplayOptions gris;
  gris.CourbeCouleur = false;
  gris.CourbeNB = true;
  DisplayOptions unie;
  unie.CourbeCouleur = false;
  unie.CourbeUnie = true;
  struct Case {
    const char* what;
    const DisplayOptions& display;
    PlageNiveaux plage;
    std::int32_t altitude;
    CouleurBgr couleur;
  };
  const Case cases[] = {
      {"lowest curve: first colour", couleur, {100, 500}, 100, TableCouleurs[0]},
      {"highest curve: the 40th colour", couleur, {100, 500}, 500, TableCouleurs[39]},
      {"half-way", couleur, {100, 500}, 300, TableCouleurs[20]},
      {"a single altitude takes the highest colour", couleur, {300, 300}, 300, TableCouleurs[39]},
      {"grey: lowest", gris, {100, 500}, 100, CouleurGris(10)},
      {"grey: highest", gris, {100, 500}, 500, CouleurGris(255)},
      {"grey: a single altitude is white", gris, {300, 300}, 300, CouleurGris(255)},
      {"plain curves are green", unie, {100, 500}, 300, kVert},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EchellePourVueSol(c.display, c.plage).Couleur(c.altitude), c.couleur) << c.what;
  }
}

struct Terrain {
  TTableNiveaux niveaux;
  TTableOM om;
  DisplayOptions display;
  Canvas canvas{640, 480};
  // A curve across the view 0.1 to 0.2 degree north of A (6, 49).
  void Courbe(std::int32_t altitude, double latitude) {
    if (niveaux.Fichiers.empty()) {
      niveaux.Fichiers.emplace_back();
    }
    TCourbeNiveau courbe{altitude, {}};
    for (double lon = 5.9; lon <= 6.1; lon += 0.005) {
      courbe.Points.push_back({ToFixed(latitude), ToFixed(lon)});
    }
    niveaux.Fichiers.front().Elements.push_back(courbe);
  }
  // A closed curve round a hill 0.3 degree north of A.
  void Colline(std::int32_t altitude, double rayon) {
    if (niveaux.Fichiers.empty()) {
      niveaux.Fichiers.emplace_back();
    }
    TCourbeNiveau courbe{altitude, {}};
    for (int i = 0; i <= 36; ++i) {
      const double angle = i * 10 * kDegreesToRadians;
      courbe.Points.push_back({ToFixed(49.3 + rayon * std::sin(angle)), ToFixed(6.0 + rayon * std::cos(angle))});
    }
    niveaux.Fichiers.front().Elements.push_back(courbe);
  }
};

TEST(VueSol, DrawsCurvesStationsAndThePhotograph) {
  Terrain t;
  t.Courbe(100, 49.15);
  t.Courbe(300, 49.3);
  t.Courbe(302, 49.4);  // not on m + 5 k: never painted by the photograph
  t.om.Fichiers.push_back({"OM.DAT", {TOM{ToFixed(6.0), ToFixed(49.2), 150, "F1ABC"}}});
  const VueSol vue = PrepareVueSol({6, 49}, {6, 49.1}, 200);
  DessineVueSol(t.canvas, vue, t.niveaux, t.om, t.display, 2.0);
  EXPECT_GT(testing::CountColour(t.canvas, TableCouleurs[0]), 50);
  EXPECT_GT(testing::CountColour(t.canvas, TableCouleurs[38]) + testing::CountColour(t.canvas, TableCouleurs[39]), 50);
  // The station at (6, 49.2), 75 m: straight ahead, at u = 0.03 (x = 100)
  // and v = 200 - (200 + 0.5 x (75 - 200)) = 62.5 -> y = 165: its cross.
  testing::ExpectPixels(t.canvas, {{100, 165, kBlanc}, {95, 165, kBlanc}, {100, 160, kBlanc}}, "station cross");

  Terrain photo;
  photo.Colline(100, 0.05);
  photo.Colline(302, 0.02);
  PhotographieVueSol(photo.canvas, vue, photo.niveaux, photo.display, 2.0);
  EXPECT_GT(testing::CountColour(photo.canvas, TableCouleurs[0]), 1000) << "filled lowest curve";
  EXPECT_EQ(testing::CountColour(photo.canvas, TableCouleurs[39]), 0) << "302 m is not 100 + 5 k";
  photo.Colline(300, 0.02);
  PhotographieVueSol(photo.canvas, vue, photo.niveaux, photo.display, 2.0);
  EXPECT_GT(testing::CountColour(photo.canvas, TableCouleurs[39]), 100) << "300 m painted over 100 m";
}

TEST(VueSol, TheConeIsErasedOnlyWhileThePictureHoldsIt) {
  Canvas carte(400, 300);
  ProjectionState p = testing::ViewOf(carte, 2000, 6.0, 49.05);
  RedrawState redraw;
  ConeSurCarte cone;
  const VueSol premiere = PrepareVueSol({6, 49}, {6, 49.02}, 100);
  const VueSol seconde = PrepareVueSol({6, 49}, {6.02, 49.02}, 100);
  RemplaceCone(cone, carte, p, redraw, premiere);
  const int encre = CountInk(carte, carte.Image().rect());
  EXPECT_GT(encre, 20);
  RemplaceCone(cone, carte, p, redraw, seconde);
  Canvas seule(400, 300);
  DessineCone(seule, p, seconde);
  EXPECT_EQ(carte.Image(), seule.Image()) << "the first cone was erased";
  // A redraw cleared the picture: the old cone must not be drawn back.
  carte.SetSize(400, 300);
  ++redraw.ClearCount;
  RemplaceCone(cone, carte, p, redraw, premiere);
  Canvas premiereSeule(400, 300);
  DessineCone(premiereSeule, p, premiere);
  EXPECT_EQ(carte.Image(), premiereSeule.Image());
}

}  // namespace
}  // namespace orvex
