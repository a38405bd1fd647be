// The fly-over's phases and its cancel, the 3D controller's sliders and
// redraw rule, and the "Survol  X-Y" survey.
#include <gtest/gtest.h>

#include <cmath>

#include "geo/angle_constants.h"
#include "relief_fixture.h"
#include "terrain/view/controle_3d.h"
#include "terrain/view/survol_relief.h"
#include "terrain/view/survol_xy.h"
#include "terrain/view/table_couleurs.h"

namespace orvex {
namespace {

TEST(Survol, PhasesAndCancel) {
  struct Case {
    const char* what;
    int annuleApres;
    ImagesParPhase images;
    double alpha;
    double gamma;
  };
  const Case cases[] = {
      {"cancelled after the first frame: one frame per phase", 1, {1, 1, 1, 1, 1}, 0.06, 0.03},
      {"cancelled in phase 1", 5, {5, 1, 1, 1, 1}, 0.18, 0.03},
      {"cancelled in phase 2: phase 1 ran its 24 frames", 30, {24, 6, 1, 1, 1}, 0.75, 0.18},
  };
  for (const Case& c : cases) {
    ProjectionState p;
    p.Zoom = 600;
    ResetAngles(p);
    int images = 0;
    const ImagesParPhase parPhase = PhasesSurvol(
        p, [&] { ++images; }, [&] { return images >= c.annuleApres; });
    EXPECT_EQ(parPhase, c.images) << c.what;
    EXPECT_NEAR(p.Alpha.Radians, c.alpha, 1e-9) << c.what;
    EXPECT_NEAR(p.Gamma.Radians, c.gamma, 1e-9) << c.what;
    EXPECT_EQ(p.Zoom, 600 + 10 * c.images[4]) << c.what;
    EXPECT_FALSE(p.NoRotation) << c.what;
  }
}

TEST(Survol, AWholeFlightEndsTurnedBackAndZoomedIn) {
  ProjectionState p;
  p.Zoom = 600;
  ResetAngles(p);
  int images = 0;
  const ImagesParPhase parPhase = PhasesSurvol(
      p, [&] { ++images; }, [] { return false; });
  EXPECT_EQ(parPhase[0], 24) << "0.03 x 24 = 0.72 > 0.7";
  EXPECT_EQ(images, parPhase[0] + parPhase[1] + parPhase[2] + parPhase[3] + parPhase[4]);
  EXPECT_GT(p.Alpha.Radians, 0.9);
  EXPECT_LT(p.Gamma.Radians, 0);
  EXPECT_EQ(p.Zoom, 600 + 10 * parPhase[4]);
  EXPECT_GT(parPhase[4], 200) << "a whole turn back at 0.03 per frame";
}

TEST(Survol, DrawsTheReliefAloneAndNothingOverABackground) {
  testing::Carte carte;
  carte.dalle = testing::Grille(6, 6, 20, 20, [](std::int32_t c, std::int32_t r) { return 100 * (c + r); });
  carte.display.AffDalles = true;
  carte.projection = testing::Projection(testing::kZoomPixel, 0, 0);
  SceneRelief scene = carte.Scene();
  int images = 0;
  const ImagesParPhase parPhase = Survole(
      scene, carte.projection, [&] { ++images; }, [] { return true; });
  EXPECT_EQ(parPhase, (ImagesParPhase{1, 1, 1, 1, 1}));
  EXPECT_EQ(images, 5);
  EXPECT_FALSE(carte.Vide()) << "the tiles of the last frame";

  testing::Carte fond;
  fond.projection.BackgroundActive = true;
  fond.projection.Alpha.Set(0.4);
  SceneRelief sceneFond = fond.Scene();
  EXPECT_EQ(Survole(
                sceneFond, fond.projection, [&] { ++images; }, [] { return true; }),
            ImagesParPhase{});
  EXPECT_EQ(fond.projection.Alpha.Radians, 0.4) << "angles left alone";
}

TEST(Controleur3D, SliderPositionsFromTheState) {
  ProjectionState plane;
  plane.Zoom = 1500;
  plane.ZFactor = 0.37;
  plane.Alpha.Set(0.5);
  plane.Beta.Set(-0.2);
  plane.Gamma.Set(1.0);
  PositionsControleur attendu;
  attendu.plageAlpha = {-90, 90};
  attendu.plageGamma = {-90, 90};
  attendu.alpha = 29;
  attendu.beta = -11;
  attendu.gamma = 57;
  attendu.zoom = 1500;
  attendu.correctionZ = 37;
  EXPECT_EQ(PositionsDepuisEtat(plane), attendu);

  ProjectionState globe = plane;
  globe.Spherical = true;
  globe.SphereAlpha.Set(49.6 * kDegreesToRadians + kPi);
  globe.SphereBeta.Set(0);
  globe.SphereGamma.Set(-6.1 * kDegreesToRadians);
  const PositionsControleur positions = PositionsDepuisEtat(globe);
  EXPECT_EQ(positions.plageAlpha, (PlageCurseur{90, 270}));
  EXPECT_EQ(positions.plageGamma, (PlageCurseur{-180, 180}));
  EXPECT_EQ(std::tuple(positions.alpha, positions.beta, positions.gamma, positions.zoom), std::tuple(230, 0, -6, 1500));
  EXPECT_FALSE(positions.avecCorrectionZ);
}

TEST(Controleur3D, SlidersSetTheAnglesOfTheCurrentView) {
  ProjectionState p;
  RegleAngle(p, AxeRotation::Alpha, 30);
  EXPECT_DOUBLE_EQ(p.Alpha.Radians, 30 * kPi / 180);
  EXPECT_DOUBLE_EQ(p.Alpha.Sin, std::sin(30 * kPi / 180));
  EXPECT_FALSE(p.NoRotation);
  RegleAngle(p, AxeRotation::Alpha, 0);
  EXPECT_FALSE(p.NoRotation) << "as a step of 0 leaves it";
  p.Spherical = true;
  RegleAngle(p, AxeRotation::Gamma, -120);
  EXPECT_DOUBLE_EQ(p.SphereGamma.Radians, -120 * kPi / 180);
  EXPECT_EQ(p.Gamma.Radians, 0) << "the plane angle is not the globe's";

  for (const auto& [continu, dalles, complet] :
       {std::tuple{true, false, true}, {false, false, false}, {true, true, false}, {false, true, false}}) {
    DisplayOptions display;
    display.AffichageContinu = continu;
    display.AffDalles = dalles;
    EXPECT_EQ(RedessinCompletApresCurseur(display), complet) << continu << dalles;
  }
}

TEST(SurvolXY, ColumnWindowAndColourScale) {
  // Up to 100 lines the window narrows one column per side per line.
  EXPECT_EQ(FenetreDeLigne(5, 0, 80).gauche, 16);
  EXPECT_EQ(FenetreDeLigne(5, 0, 80).droite, 254);
  EXPECT_EQ(FenetreDeLigne(5, 79, 80).gauche, 95);
  EXPECT_EQ(FenetreDeLigne(5, 79, 80).droite, 175);
  // Taller pictures: never inside out, the last line still 40 columns wide.
  const FenetreColonnes derniere = FenetreDeLigne(0, 579, 580);
  EXPECT_NEAR(derniere.droite - derniere.gauche, 40, 1e-9);

  DisplayOptions couleur;
  DisplayOptions gris;
  gris.CourbeNB = true;
  struct Case {
    const char* what;
    const DisplayOptions& display;
    std::int32_t maxi;
    std::int32_t z;
    CouleurBgr couleur;
  };
  const Case cases[] = {
      {"sea level", couleur, 1000, 0, TableCouleurs[0]},
      // k = 638976 div 1000 = 638; c = round(39 - 638 / 16384 x 1000) = 0; (1000 x 638) >> 14 = 38.
      {"highest, integer steps", couleur, 1000, 1000, TableCouleurs[38]},
      {"a void below sea level counts as 0", couleur, 1000, -32768, TableCouleurs[0]},
      {"flat grid at 0 takes the highest colour", couleur, 0, 0, TableCouleurs[39]},
      {"grey lowest", gris, 1000, 0, CouleurGris(10)},
      {"grey highest", gris, 1000, 1000, CouleurGris(255)},
      {"grey flat", gris, 0, 0, CouleurGris(255)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EchellePourSurvol(c.display, c.maxi).Couleur(c.z), c.couleur) << c.what;
  }
}

TEST(SurvolXY, DrawsTheVisibleGridAndNothingElse) {
  testing::Carte carte;
  carte.dalle = testing::Grille(300, 260, 1, 1, [](std::int32_t c, std::int32_t r) { return 3 * c + r; });
  carte.projection = testing::Projection(1600, 0, 0);
  ConstruitMatriceEcran(carte.matrice, carte.dalle, carte.projection);
  ASSERT_GE(carte.matrice.PremiereColonne, 0);
  Canvas image(200, 120);
  int lignes = 0;
  DessineSurvolXY(image, carte.matrice, carte.display, [&](int) { ++lignes; });
  EXPECT_EQ(lignes, 100);
  EXPECT_EQ(testing::CountInk(image, QRect(10, 10, 180, 100)), 180 * 100) << "every pixel of the survey";
  EXPECT_EQ(testing::CountInk(image, QRect(0, 0, 200, 10)), 0) << "margin";

  MatriceEcran invisible;
  DessineSurvolXY(image, invisible, carte.display, [&](int) { ++lignes; });
  EXPECT_EQ(testing::CountInk(image, image.Image().rect()), 0);
  EXPECT_EQ(lignes, 100);
}

}  // namespace
}  // namespace orvex
