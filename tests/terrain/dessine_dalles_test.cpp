// The elevation grid on the map: cell colours, shading, the mesh, the legend,
// when nothing is drawn, and the progressive repaint.
#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "relief_fixture.h"
#include "terrain/view/dessine_dalles.h"

namespace orvex {
namespace {

using testing::Carte;
using testing::Grille;
using testing::Teinte;

constexpr CouleurBgr kBleu = 0xFF0000;

// 10 x 10 samples from (60, 10), 20 pixels apart: cells of columns 0..7 and
// rows 0..8 are visible (the last column stops at the picture's east edge).
constexpr int kX0 = 60;
constexpr int kY0 = 10;
int X(int i) { return kX0 + 20 * i; }
int Y(int j) { return kY0 + 20 * j; }

std::int32_t MonteVersLEst(std::int32_t c, std::int32_t) { return 100 * c; }
std::int32_t MonteVersLeNord(std::int32_t, std::int32_t r) { return 100 * (10 - r); }
std::int32_t MonteVersLeSud(std::int32_t, std::int32_t r) { return 100 * r; }
std::int32_t Plat(std::int32_t, std::int32_t) { return 300; }

void Dessine(Carte& carte, bool modeTrait = false, StyleContour style = StyleContour::Aucun) {
  SceneRelief scene = carte.Scene();
  DessineDalles(scene, modeTrait, style);
}

CouleurBgr Centre(const Carte& carte, int i, int j) { return carte.Pixel(X(i) + 10, Y(j) + 10); }

TEST(DessineDalles, FilledCellsTakeTheTableColourOfTheirNorthWestSample) {
  // Visible altitudes 0..700: k = 118 / 700.
  Carte carte;
  carte.dalle = Grille(10, 10, kX0, kY0, MonteVersLEst);
  Dessine(carte);
  for (const auto& [colonne, index] : {std::pair<int, std::size_t>{0, 0}, {1, 17}, {3, 51}, {7, 118}}) {
    EXPECT_EQ(Centre(carte, colonne, 4), TableCouleurs[index]) << "column " << colonne;
  }
  EXPECT_EQ(carte.Pixel(X(3), Y(4)), TableCouleurs[51]) << "outlined in the cell's own colour";
  EXPECT_EQ(carte.Pixel(X(8) + 10, Y(4) + 10), kNoir) << "the last column only closes the cells";
  carte.dalle.Alt[2][3] = -50;
  Dessine(carte);
  EXPECT_EQ(Centre(carte, 3, 2), TableCouleurs[0]) << "a negative altitude takes the lowest colour";
  EXPECT_EQ(Centre(carte, 7, 2), TableCouleurs[118]);
}

TEST(DessineDalles, ShadingBlackensCellsLowerThanTheirNorthernNeighbour) {
  struct Case {
    const char* what;
    std::int32_t (*altitude)(std::int32_t, std::int32_t);
    Teinte teinte;
    bool ombre;
    std::vector<std::pair<int, CouleurBgr>> lignes;  // display row, colour of its cells
  };
  // Sloping up to the north, rows 0..8 hold 1000..200 m: k = 245 / 800,
  // c = round(255 - 1000 k) = -51.
  const Case cases[] = {
      {"up to the north, shaded", MonteVersLeNord, Teinte::Gris, true,
       {{0, kBlanc}, {1, CouleurGris(225)}, {2, kNoir}, {5, kNoir}, {8, kNoir}}},
      {"shading wins over the colour table", MonteVersLeNord, Teinte::Couleur, true,
       {{0, kBlanc}, {1, CouleurGris(225)}, {2, kNoir}}},
      {"up to the north, grey without shading", MonteVersLeNord, Teinte::Gris, false,
       {{0, kBlanc}, {2, CouleurGris(194)}, {8, CouleurGris(10)}}},
      {"up to the south, shaded", MonteVersLeSud, Teinte::Gris, true,
       {{0, CouleurGris(10)}, {2, CouleurGris(71)}, {8, kBlanc}}},
      {"flat, shaded", Plat, Teinte::Gris, true, {{0, kBlanc}, {4, kBlanc}, {8, kBlanc}}},
      {"flat, coloured", Plat, Teinte::Couleur, false, {{0, TableCouleurs[118]}, {8, TableCouleurs[118]}}},
  };
  for (const Case& c : cases) {
    Carte carte;
    carte.dalle = Grille(10, 10, kX0, kY0, c.altitude);
    testing::ChoisitTeinte(carte.display, c.teinte);
    carte.display.ModeOmbre = c.ombre;
    Dessine(carte);
    for (const auto& [ligne, couleur] : c.lignes) {
      for (const int colonne : {0, 4, 7}) {
        EXPECT_EQ(Centre(carte, colonne, ligne), couleur) << c.what << ", row " << ligne << ", column " << colonne;
      }
    }
  }
}

// Over a blue picture: the north and west edges and the diagonal of the cell
// in column 3 in the mode's colour, its north-west half black, the other
// half untouched. Shading has no effect on the mesh.
TEST(DessineDalles, MeshDrawsTheNorthAndWestEdgesOverBlack) {
  struct Case { const char* what; Teinte teinte; bool ombre; CouleurBgr trait; };
  for (const Case& c : {Case{"colour table", Teinte::Couleur, false, TableCouleurs[51]},
                        {"colour table, shaded", Teinte::Couleur, true, TableCouleurs[51]},
                        {"grey", Teinte::Gris, false, CouleurGris(115)}, {"plain", Teinte::Unie, false, kGrisMoyen}}) {
    Carte carte;
    carte.dalle = Grille(10, 10, kX0, kY0, MonteVersLEst);
    carte.canvas.SetBrushColor(kBleu);
    carte.canvas.FillRect(0, 0, testing::kCote, testing::kCote);
    testing::ChoisitTeinte(carte.display, c.teinte);
    carte.display.ModeOmbre = c.ombre;
    Dessine(carte, true, StyleContour::Gris);
    testing::ExpectPixels(carte.canvas, {{X(3) + 10, Y(4), c.trait}, {X(3), Y(4) + 10, c.trait},
                                         {X(3) + 10, Y(4) + 10, c.trait}, {X(3) + 4, Y(4) + 4, kNoir},
                                         {X(3) + 15, Y(4) + 15, kBleu}}, c.what);
  }
}

// The legend runs from the lowest altitude at the top to the highest, 200
// pixels long, its texts as drawn alone at (20, y).
TEST(DessineDalles, LegendFromTheLowestAltitudeAtTheTopToTheHighest) {
  struct Case {
    std::int32_t (*altitude)(std::int32_t, std::int32_t);
    std::vector<testing::PixelIs> pixels;
    std::vector<std::pair<int, std::string>> textes;
  };
  const Case cases[] = {
      // Altitudes 0..700: 3.5 m per pixel.
      {MonteVersLEst, {{0, 0, TableCouleurs[0]}, {14, 0, TableCouleurs[0]}, {15, 0, kNoir},
                       {7, 100, TableCouleurs[59]}, {7, 200, TableCouleurs[118]}, {7, 201, kNoir}},
       {{0, "0"}, {100, "350"}, {200, "700"}}},
      {Plat, {{7, 0, TableCouleurs[118]}, {7, 200, TableCouleurs[118]}}, {{100, "300"}}},
  };
  for (const Case& c : cases) {
    Carte carte;
    carte.dalle = Grille(10, 10, kX0, kY0, c.altitude);
    Dessine(carte);
    testing::ExpectPixels(carte.canvas, c.pixels);
    for (const auto& [y, texte] : c.textes) {
      Canvas seul(testing::kCote, testing::kCote);
      seul.SetBrushColor(kNoir);
      seul.SetFontColor(kBlanc);
      seul.TextOut(20, y, texte);
      EXPECT_EQ(carte.canvas.Image().copy(20, y, 36, 16), seul.Image().copy(20, y, 36, 16)) << texte;
    }
  }
  Canvas court(testing::kCote, testing::kCote);
  DessineLegende(court, 40, EchelleTableau(0, 100), 0, 100);
  EXPECT_EQ(court.Image(), Canvas(testing::kCote, testing::kCote).Image()) << "no legend on a short picture";
}

TEST(DessineDalles, NoCellsAndNoLegendWhenNothingIsShown) {
  struct Case { const char* what; bool afficheNiveaux; std::int32_t zoom; bool fond; int x0; };
  for (const Case& c : {Case{"level curves off", false, testing::kZoomPixel, false, kX0},
                        {"zoom 5", true, 5, false, kX0},
                        {"background image", true, testing::kZoomPixel, true, kX0},
                        {"grid east of the picture", true, testing::kZoomPixel, false, 400}}) {
    Carte carte;
    carte.dalle = Grille(10, 10, c.x0, kY0, MonteVersLEst);
    carte.display.AfficheNiveaux = c.afficheNiveaux;
    carte.projection = testing::Projection(c.zoom, 0, 0);
    carte.projection.BackgroundActive = c.fond;
    Dessine(carte, false, StyleContour::Gris);
    EXPECT_TRUE(carte.Vide()) << c.what;
  }
  Carte zoom6;  // samples 5 degrees apart: 30 pixels
  zoom6.projection = testing::Projection(6, 0, 0);
  zoom6.dalle = Grille(10, 10, 0, 0, MonteVersLEst);
  zoom6.dalle.DLg = zoom6.dalle.DLt = 16384 * 5;
  zoom6.dalle.LgNO = -16384 * 15;
  zoom6.dalle.LtNO = 16384 * 15;
  Dessine(zoom6);
  EXPECT_FALSE(zoom6.Vide()) << "zoom 6 is enough";
}

TEST(DessineDalles, ProgressiveRepaintAfterEachRowUnlessFlyingOver) {
  for (const bool survol : {false, true}) {
    Carte carte;
    carte.dalle = Grille(10, 10, kX0, kY0, MonteVersLEst);
    SceneRelief scene = carte.Scene();
    scene.intervalleRepeinte = std::chrono::milliseconds(0);
    scene.SurvolEnCours = survol;
    std::vector<std::pair<CouleurBgr, CouleurBgr>> vus;  // first and last row at each repaint
    scene.repeint = [&] { vus.emplace_back(Centre(carte, 7, 0), Centre(carte, 7, 8)); };
    DessineDalles(scene, false, StyleContour::Aucun);
    EXPECT_EQ(Centre(carte, 7, 8), TableCouleurs[118]) << "survol " << survol;
    if (survol) {
      EXPECT_TRUE(vus.empty()) << "no repaint during a fly-over";
      continue;
    }
    ASSERT_EQ(vus.size(), 9u) << "one repaint per row of cells";
    EXPECT_EQ(vus.front(), std::pair(TableCouleurs[118], kNoir)) << "the first row shows at once, the last not yet";
  }
}

// The repaint lets events run; one of them replaces the grid by a smaller one
// and redraws. The interrupted pass must not go on with the old rows.
TEST(DessineDalles, ARedrawDuringTheRepaintStopsTheStalePass) {
  Carte carte;
  carte.dalle = Grille(10, 10, kX0, kY0, MonteVersLEst);
  SceneRelief scene = carte.Scene();
  scene.intervalleRepeinte = std::chrono::milliseconds(0);
  int repeints = 0;
  scene.repeint = [&] {
    if (++repeints == 1) {
      carte.dalle = Grille(3, 3, kX0, kY0, MonteVersLEst);
      DessineDalles(scene, false, StyleContour::Aucun);
    }
  };
  DessineDalles(scene, false, StyleContour::Aucun);
  EXPECT_EQ(repeints, 1 + 2);
  EXPECT_EQ(Centre(carte, 7, 8), kNoir);
}

}  // namespace
}  // namespace orvex
