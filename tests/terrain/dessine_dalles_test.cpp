#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "relief_fixture.h"
#include "terrain/view/dessine_dalles.h"

namespace orvex {
namespace {

using testing::Carte;
using testing::Grille;
using testing::PixelBgr;

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

void PoseGrille(Carte& carte, std::int32_t (*altitude)(std::int32_t, std::int32_t)) {
  carte.dalle = Grille(10, 10, kX0, kY0, altitude);
}

void Remplis(Canvas& canvas, CouleurBgr couleur) {
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(couleur);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
}

void Dessine(Carte& carte, bool modeTrait, StyleContour style) {
  SceneRelief scene = carte.Scene();
  DessineDalles(scene, modeTrait, style);
}

CouleurBgr Centre(const Carte& carte, int i, int j) { return PixelBgr(carte.canvas, X(i) + 10, Y(j) + 10); }

TEST(DessineDalles, FilledCellsTakeTheTableColourOfTheirNorthWestSample) {
  // Visible altitudes 0..700: k = 118 / 700.
  Carte carte;
  PoseGrille(carte, MonteVersLEst);
  Dessine(carte, false, StyleContour::Aucun);
  const std::pair<int, std::size_t> cases[] = {{0, 0}, {1, 17}, {3, 51}, {7, 118}};
  for (const auto& [colonne, index] : cases) {
    EXPECT_EQ(Centre(carte, colonne, 4), TableCouleurs[index]) << "column " << colonne;
  }
  EXPECT_EQ(PixelBgr(carte.canvas, X(3), Y(4)), TableCouleurs[51]) << "outlined in the cell's own colour";
  EXPECT_EQ(PixelBgr(carte.canvas, X(8) + 10, Y(4) + 10), kNoir) << "the last column only closes the cells";
}

TEST(DessineDalles, ShadingBlackensCellsLowerThanTheirNorthernNeighbour) {
  struct Case {
    const char* what;
    std::int32_t (*altitude)(std::int32_t, std::int32_t);
    bool couleur;
    bool nb;
    bool ombre;
    std::vector<std::pair<int, CouleurBgr>> lignes;  // display row, colour of its cells
  };
  // Sloping up to the north, rows 0..8 hold 1000..200 m: k = 245 / 800,
  // c = round(255 - 1000 k) = -51.
  const Case cases[] = {
      {"up to the north, shaded", MonteVersLeNord, false, true, true,
       {{0, kBlanc}, {1, CouleurGris(225)}, {2, kNoir}, {5, kNoir}, {8, kNoir}}},
      {"shading wins over the colour table", MonteVersLeNord, true, false, true,
       {{0, kBlanc}, {1, CouleurGris(225)}, {2, kNoir}}},
      {"up to the north, grey without shading", MonteVersLeNord, false, true, false,
       {{0, kBlanc}, {2, CouleurGris(194)}, {8, CouleurGris(10)}}},
      {"up to the south, shaded", MonteVersLeSud, false, true, true,
       {{0, CouleurGris(10)}, {2, CouleurGris(71)}, {8, kBlanc}}},
      {"flat, shaded", Plat, false, true, true, {{0, kBlanc}, {4, kBlanc}, {8, kBlanc}}},
      {"flat, coloured", Plat, true, false, false, {{0, TableCouleurs[118]}, {8, TableCouleurs[118]}}},
  };
  for (const Case& c : cases) {
    Carte carte;
  PoseGrille(carte, c.altitude);
    carte.display.CourbeCouleur = c.couleur;
    carte.display.CourbeNB = c.nb;
    carte.display.ModeOmbre = c.ombre;
    Dessine(carte, false, StyleContour::Aucun);
    for (const auto& [ligne, couleur] : c.lignes) {
      for (const int colonne : {0, 4, 7}) {
        EXPECT_EQ(Centre(carte, colonne, ligne), couleur) << c.what << ", row " << ligne << ", column " << colonne;
      }
    }
  }
}

TEST(DessineDalles, NegativeAltitudeTakesTheLowestColour) {
  Carte carte;
  PoseGrille(carte, MonteVersLEst);
  carte.dalle.Alt[2][3] = -50;
  Dessine(carte, false, StyleContour::Aucun);
  EXPECT_EQ(Centre(carte, 3, 2), TableCouleurs[0]);
  EXPECT_EQ(Centre(carte, 7, 2), TableCouleurs[118]);
}

TEST(DessineDalles, MeshDrawsTheNorthAndWestEdgesOverBlack) {
  struct Case {
    const char* what;
    bool couleur;
    bool nb;
    bool ombre;
    CouleurBgr trait;  // edges of the cell in column 3
  };
  const Case cases[] = {
      {"colour table", true, false, false, TableCouleurs[51]},
      {"colour table, shading has no effect on the mesh", true, false, true, TableCouleurs[51]},
      {"grey", false, true, false, CouleurGris(115)},
      {"plain", false, false, false, kGrisMoyen},
  };
  for (const Case& c : cases) {
    Carte carte;
  PoseGrille(carte, MonteVersLEst);
    Remplis(carte.canvas, kBleu);
    carte.display.CourbeCouleur = c.couleur;
    carte.display.CourbeNB = c.nb;
    carte.display.ModeOmbre = c.ombre;
    Dessine(carte, true, StyleContour::Gris);
    EXPECT_EQ(PixelBgr(carte.canvas, X(3) + 10, Y(4)), c.trait) << c.what << ": northern edge";
    EXPECT_EQ(PixelBgr(carte.canvas, X(3), Y(4) + 10), c.trait) << c.what << ": western edge";
    EXPECT_EQ(PixelBgr(carte.canvas, X(3) + 10, Y(4) + 10), c.trait) << c.what << ": diagonal";
    EXPECT_EQ(PixelBgr(carte.canvas, X(3) + 4, Y(4) + 4), kNoir) << c.what << ": north-west half";
    EXPECT_EQ(PixelBgr(carte.canvas, X(3) + 15, Y(4) + 15), kBleu) << c.what << ": south-east half untouched";
  }
}

// What the legend writes at (20, y), drawn alone for comparison.
QImage TexteSeul(const std::string& texte, int y) {
  Canvas canvas(testing::kCote, testing::kCote);
  canvas.SetBrushColor(kNoir);
  canvas.SetFontColor(kBlanc);
  canvas.TextOut(20, y, texte);
  return canvas.Image().copy(20, y, 36, 16);
}

TEST(DessineDalles, LegendRunsFromTheLowestAltitudeAtTheTopToTheHighest) {
  // Altitudes 0..700 over 200 pixels: 3.5 m per pixel.
  Carte carte;
  PoseGrille(carte, MonteVersLEst);
  Dessine(carte, false, StyleContour::Aucun);
  EXPECT_EQ(PixelBgr(carte.canvas, 0, 0), TableCouleurs[0]);
  EXPECT_EQ(PixelBgr(carte.canvas, 14, 0), TableCouleurs[0]);
  EXPECT_EQ(PixelBgr(carte.canvas, 15, 0), kNoir);
  EXPECT_EQ(PixelBgr(carte.canvas, 7, 100), TableCouleurs[59]);
  EXPECT_EQ(PixelBgr(carte.canvas, 7, 200), TableCouleurs[118]);
  EXPECT_EQ(PixelBgr(carte.canvas, 7, 201), kNoir);
  const std::pair<int, std::string> textes[] = {{0, "0"}, {100, "350"}, {200, "700"}};
  for (const auto& [y, texte] : textes) {
    EXPECT_EQ(carte.canvas.Image().copy(20, y, 36, 16), TexteSeul(texte, y)) << texte;
  }
}

TEST(DessineDalles, LegendOfAFlatGridIsOneColour) {
  Carte carte;
  PoseGrille(carte, Plat);
  Dessine(carte, false, StyleContour::Aucun);
  EXPECT_EQ(PixelBgr(carte.canvas, 7, 0), TableCouleurs[118]);
  EXPECT_EQ(PixelBgr(carte.canvas, 7, 200), TableCouleurs[118]);
  EXPECT_EQ(carte.canvas.Image().copy(20, 100, 36, 16), TexteSeul("300", 100));
}

TEST(DessineDalles, NoCellsAndNoLegendWhenNothingIsShown) {
  struct Case {
    const char* what;
    bool afficheNiveaux;
    std::int32_t zoom;
    bool fond;
    int x0;
  };
  const Case cases[] = {
      {"level curves off", false, testing::kZoomPixel, false, kX0},
      {"zoom 5", true, 5, false, kX0},
      {"background image", true, testing::kZoomPixel, true, kX0},
      {"grid east of the picture", true, testing::kZoomPixel, false, 400},
  };
  for (const Case& c : cases) {
    Carte carte;
    carte.dalle = Grille(10, 10, c.x0, kY0, MonteVersLEst);
    carte.display.AfficheNiveaux = c.afficheNiveaux;
    carte.projection = testing::Projection(c.zoom, 0, 0);
    carte.projection.BackgroundActive = c.fond;
    Dessine(carte, false, StyleContour::Gris);
    EXPECT_TRUE(carte.Vide()) << c.what;
  }
}

TEST(DessineDalles, ZoomSixIsEnoughForTiles) {
  Carte carte;
  carte.projection = testing::Projection(6, 0, 0);
  carte.dalle = Grille(10, 10, 0, 0, MonteVersLEst);
  carte.dalle.DLg = carte.dalle.DLt = 16384 * 5;  // 30 pixels at zoom 6
  carte.dalle.LgNO = -16384 * 15;
  carte.dalle.LtNO = 16384 * 15;
  Dessine(carte, false, StyleContour::Aucun);
  EXPECT_FALSE(carte.Vide());
}

TEST(DessineLegende, NothingOnAPictureTooShortForIt) {
  Canvas canvas(testing::kCote, testing::kCote);
  DessineLegende(canvas, 40, EchelleTableau(0, 100), 0, 100);
  EXPECT_EQ(canvas.Image(), Canvas(testing::kCote, testing::kCote).Image());
}

TEST(DessineDalles, ProgressiveRepaintAfterEachRowUnlessFlyingOver) {
  for (const bool survol : {false, true}) {
    Carte carte;
  PoseGrille(carte, MonteVersLEst);
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
    EXPECT_EQ(vus.front().first, TableCouleurs[118]) << "the first row shows at once";
    EXPECT_EQ(vus.front().second, kNoir) << "the last row is not drawn yet";
  }
}

TEST(DessineDalles, ARedrawDuringTheRepaintStopsTheStalePass) {
  // The repaint lets events run; one of them replaces the grid by a smaller
  // one and redraws. The interrupted pass must not go on with the old rows.
  Carte carte;
  PoseGrille(carte, MonteVersLEst);
  SceneRelief scene = carte.Scene();
  scene.intervalleRepeinte = std::chrono::milliseconds(0);
  int repeints = 0;
  bool imbrique = false;
  scene.repeint = [&] {
    ++repeints;
    if (imbrique) {
      return;
    }
    imbrique = true;
    carte.dalle = Grille(3, 3, kX0, kY0, MonteVersLEst);
    DessineDalles(scene, false, StyleContour::Aucun);
  };
  DessineDalles(scene, false, StyleContour::Aucun);
  EXPECT_EQ(repeints, 1 + 2);
  EXPECT_EQ(Centre(carte, 7, 8), kNoir);
}

}  // namespace
}  // namespace orvex
