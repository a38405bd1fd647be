// The terrain layer: curves or tiles by mode, background and editing, and
// the filled cells and outlines the options ask for.
#include <gtest/gtest.h>

#include "relief_fixture.h"
#include "terrain/view/dessine_relief.h"

namespace orvex {
namespace {

using testing::Carte;

constexpr CouleurBgr kBleu = 0xFF0000;

// Over a blue picture, a plain curve along row 220 and a 5 x 5 grid in the
// upper left, its cells 20 pixels wide from (60, 10), 0..400 m west to east.
void PoseCourbeEtGrille(Carte& carte) {
  carte.canvas.SetBrushColor(kBleu);
  carte.canvas.FillRect(0, 0, testing::kCote, testing::kCote);
  testing::ChoisitTeinte(carte.display, testing::Teinte::Unie);
  carte.AjouteCourbe(100, {{-200, -100}, {200, -100}});
  carte.dalle = testing::Grille(5, 5, 60, 10, [](std::int32_t c, std::int32_t) { return 100 * c; });
}

TEST(DessineRelief, CurvesOrTilesByModeBackgroundAndEditing) {
  struct Case { const char* what; bool affDalles; bool fond; bool creation; bool edition; bool courbe; bool dalles; };
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
    EXPECT_EQ(carte.Pixel(100, 220) != kBleu, c.courbe) << c.what;
    EXPECT_EQ(carte.Pixel(70, 20) != kBleu, c.dalles) << c.what;
  }
}

TEST(DessineRelief, FilledCellsAndOutlinesFromTheOptions) {
  // The north-west corner of the cell in column 1, row 1, and inside its
  // south-east half. Column 1 of 0..300 m: index round(100 * 118 / 300) = 39.
  struct Case { bool pleins; bool grillage; CouleurBgr coin; CouleurBgr sudEst; };
  const CouleurBgr k39 = TableCouleurs[39];
  for (const Case& c : {Case{true, true, kGrisMoyen, k39}, {true, false, k39, k39}, {false, true, k39, kBleu},
                        {false, false, k39, kBleu}}) {
    Carte carte;
    PoseCourbeEtGrille(carte);
    carte.display.AffDalles = true;
    testing::ChoisitTeinte(carte.display, testing::Teinte::Couleur);
    carte.display.PolygonesPleins = c.pleins;
    carte.display.AvecGrillage = c.grillage;
    SceneRelief scene = carte.Scene();
    DessineRelief(scene);
    testing::ExpectPixels(carte.canvas, {{80, 30, c.coin}, {95, 45, c.sudEst}},
                          "pleins " + std::to_string(c.pleins) + " grillage " + std::to_string(c.grillage));
  }
}

}  // namespace
}  // namespace orvex
