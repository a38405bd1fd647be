// The screen matrix of the grid: the display step from the zoom, the visible
// ranges, coarse sampling and grids that hold fewer rows than announced.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "relief_fixture.h"
#include "terrain/view/matrice_ecran.h"

namespace orvex {
namespace {

using testing::Grille;
using testing::Projection;

std::int32_t Altitude(std::int32_t c, std::int32_t r) { return 1000 * r + c; }

TEST(PasAffichage, StepFromZoomAndColumnStep) {
  struct Case { std::int32_t zoom; std::int32_t dlg; std::int32_t pas; };
  // With DLg 150, v is the zoom itself; 5.33 rounds to 5, 14.5 to the even
  // 14; the last case goes far beyond 32 bits before the division.
  const Case cases[] = {{100, 14, 10}, {2000, 14, 1}, {1, 150, 20},    {5, 150, 20},  {6, 150, 10},  {9, 150, 10},
                        {10, 150, 5},  {14, 150, 5},  {15, 150, 4},    {30, 150, 4},  {31, 150, 3},  {79, 150, 3},
                        {80, 150, 2},  {120, 150, 2}, {121, 150, 1},   {50000, 150, 1}, {100, 0, 1}, {1, 1, 1},
                        {100, 1, 20},  {100, 8, 20},  {145, 15, 5},    {50000, 65535, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(PasAffichage(c.zoom, c.dlg), c.pas) << "zoom " << c.zoom << " DLg " << c.dlg;
  }
}

TEST(ConstruitMatriceEcran, StatusTextNamesTheStep) {
  MatriceEcran m;
  std::string texte;
  ConstruitMatriceEcran(m, Grille(4, 4, 60, 10, Altitude), Projection(testing::kZoomPixel, 0, 0),
                        [&](const std::string& t) { texte = t; });
  EXPECT_EQ(texte, "Delta affichage matrice : 1");
  EXPECT_EQ(TexteDeltaAffichage(20), "Delta affichage matrice : 20");
}

TEST(ConstruitMatriceEcran, VisibleRangesFollowThePicture) {
  struct Case { const char* what; int x0; int y0; std::tuple<int, int, int, int> colonnesLignes; };
  // Samples 20 pixels apart on a 240-pixel picture; 10 x 10 samples. First
  // and last column, first and last row.
  const Case cases[] = {
      {"inside but for the east and south edges", 60, 10, {0, 8, 0, 9}},
      {"two columns west of the picture", -30, 10, {2, 9, 0, 9}},
      {"sample on pixel 0 is not yet visible", 0, 0, {1, 9, 1, 9}},
      {"all east of the picture", 300, 10, {0, -1, 0, 9}},
      {"all west of the picture", -500, 10, {-1, 9, 0, 9}},
      {"all north of the picture", 60, -400, {0, 8, -1, 9}},
  };
  for (const Case& c : cases) {
    MatriceEcran m;
    ConstruitMatriceEcran(m, Grille(10, 10, c.x0, c.y0, Altitude), Projection(testing::kZoomPixel, 0, 0));
    EXPECT_EQ(std::tuple(m.PremiereColonne, m.DerniereColonne, m.PremiereLigne, m.DerniereLigne), c.colonnesLignes)
        << c.what;
  }
  MatriceEcran vide;
  ConstruitMatriceEcran(vide, TDalle{}, Projection(testing::kZoomPixel, 0, 0));
  EXPECT_EQ(std::tuple(vide.NbColonnes, vide.CellulesVisibles(), vide.PremiereColonne), std::tuple(0, false, -1))
      << "no grid, no cells";
}

TEST(ConstruitMatriceEcran, CoarseStepSamplesEveryNthPoint) {
  // Zoom 750 with DLg 20: v = 100, every second sample.
  MatriceEcran m;
  ConstruitMatriceEcran(m, Grille(11, 7, 60, 10, Altitude), Projection(750, 0, 0));
  EXPECT_EQ(std::tuple(m.PasAffichage, m.NbColonnes, m.NbLignes), std::tuple(2, 5, 3));
  EXPECT_EQ(m(1, 1).z, Altitude(2, 2));
  EXPECT_EQ(m(4, 2).z, Altitude(8, 4));
}

TEST(ConstruitMatriceEcran, RowsMissingFromTheGridAreNotRead) {
  TDalle d = Grille(4, 4, 60, 10, Altitude);
  d.NbY = 9;  // announces more rows than it holds
  d.Alt[1].resize(2);
  MatriceEcran m;
  ConstruitMatriceEcran(m, d, Projection(testing::kZoomPixel, 0, 0));
  EXPECT_EQ(m.NbLignes, 4);
  EXPECT_EQ(m(3, 1).z, 0);
}

}  // namespace
}  // namespace orvex
