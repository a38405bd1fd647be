#include <gtest/gtest.h>

#include "relief_fixture.h"
#include "terrain/view/dessine_relief.h"

namespace orvex {
namespace {

using testing::Carte;
using testing::PixelBgr;

constexpr CouleurBgr kBleu = 0xFF0000;

// A plain green curve along row 220 and a 5 x 5 grid in the upper left, its
// cells 20 pixels wide from (60, 10).
void PoseCourbeEtGrille(Carte& carte) {
  carte.canvas.SetBrushColor(kBleu);
  carte.canvas.FillRect(0, 0, testing::kCote, testing::kCote);
  carte.display.CourbeCouleur = false;
  carte.display.CourbeUnie = true;
  carte.AjouteCourbe(100, {{-200, -100}, {200, -100}});
  carte.dalle = testing::Grille(5, 5, 60, 10, [](std::int32_t c, std::int32_t) { return 100 * c; });
}

bool CourbeVue(const Carte& carte) { return PixelBgr(carte.canvas, 100, 220) != kBleu; }
bool DallesVues(const Carte& carte) { return PixelBgr(carte.canvas, 70, 20) != kBleu; }

TEST(DessineRelief, CurvesOrTilesByModeBackgroundAndEditing) {
  struct Case {
    const char* what;
    bool affDalles;
    bool fond;
    bool creation;
    bool edition;
    bool courbe;
    bool dalles;
  };
  const Case cases[] = {
      {"curves", false, false, false, false, true, false},
      {"curves hidden by a background", false, true, false, false, false, false},
      {"curves over a background while creating one", false, true, true, false, true, false},
      {"curves over a background while editing", false, true, false, true, true, false},
      {"tiles", true, false, false, false, false, true},
      {"tiles while editing without background", true, false, true, false, false, true},
      {"no tiles over a background", true, true, false, false, false, false},
      {"nothing while editing over a background", true, true, false, true, false, false},
  };
  for (const Case& c : cases) {
    Carte carte;
    PoseCourbeEtGrille(carte);
    carte.display.AffDalles = c.affDalles;
    carte.projection.BackgroundActive = c.fond;
    SceneRelief scene = carte.Scene();
    scene.creationCourbe = c.creation;
    scene.editionCourbe = c.edition;
    DessineRelief(scene);
    EXPECT_EQ(CourbeVue(carte), c.courbe) << c.what;
    EXPECT_EQ(DallesVues(carte), c.dalles) << c.what;
  }
}

TEST(DessineRelief, FilledCellsAndOutlinesFromTheOptions) {
  struct Case {
    bool pleins;
    bool grillage;
    CouleurBgr coin;       // north-west corner of the cell in column 1, row 1
    CouleurBgr sudEst;     // inside its south-east half
  };
  // Column 1 of 0..300 m: index round(100 * 118 / 300) = 39.
  const Case cases[] = {
      {true, true, kGrisMoyen, TableCouleurs[39]},
      {true, false, TableCouleurs[39], TableCouleurs[39]},
      {false, true, TableCouleurs[39], kBleu},
      {false, false, TableCouleurs[39], kBleu},
  };
  for (const Case& c : cases) {
    Carte carte;
    PoseCourbeEtGrille(carte);
    carte.display.AffDalles = true;
    carte.display.CourbeCouleur = true;
    carte.display.CourbeUnie = false;
    carte.display.PolygonesPleins = c.pleins;
    carte.display.AvecGrillage = c.grillage;
    SceneRelief scene = carte.Scene();
    DessineRelief(scene);
    EXPECT_EQ(PixelBgr(carte.canvas, 80, 30), c.coin) << "pleins " << c.pleins << " grillage " << c.grillage;
    EXPECT_EQ(PixelBgr(carte.canvas, 95, 45), c.sudEst) << "pleins " << c.pleins << " grillage " << c.grillage;
  }
}

}  // namespace
}  // namespace orvex
