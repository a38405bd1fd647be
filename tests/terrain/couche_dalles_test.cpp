// The tile layer: quadrilaterals and triangles filled by the odd-even rule and
// outlined, clipped, and laid onto the picture where they changed.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support/map_picture.h"
#include "terrain/view/couche_dalles.h"

namespace orvex {
namespace {

using testing::ExpectPixels;

constexpr CouleurBgr kFond = 0x202020;
constexpr CouleurBgr kPlein = 0x0000FF;
constexpr CouleurBgr kTrait = 0x00FF00;

struct Dessin {
  Canvas canvas{100, 100};
  CoucheDalles couche{100, 100};

  Dessin() {
    canvas.SetBrushColor(kFond);
    canvas.FillRect(0, 0, 100, 100);
  }
};

TEST(CoucheDalles, QuadrilateralsFillByTheOddEvenRule) {
  struct Case { const char* what; std::array<QPoint, 4> coins; std::vector<testing::PixelIs> points; };
  const Case cases[] = {
      {"diamond", {QPoint(50, 10), QPoint(90, 50), QPoint(50, 90), QPoint(10, 50)},
       {{50, 50, kPlein}, {30, 50, kPlein}, {15, 15, kFond}, {85, 85, kFond}, {70, 30, kTrait}, {50, 10, kTrait}}},
      {"bow tie", {QPoint(10, 10), QPoint(90, 90), QPoint(90, 10), QPoint(10, 90)},
       {{20, 50, kPlein}, {80, 50, kPlein}, {50, 20, kFond}, {50, 80, kFond}, {30, 30, kTrait}}},
      {"square", {QPoint(20, 20), QPoint(60, 20), QPoint(60, 60), QPoint(20, 60)},
       {{40, 40, kPlein}, {20, 40, kTrait}, {60, 40, kTrait}, {40, 60, kTrait}, {61, 40, kFond}, {40, 61, kFond}}},
      {"concave dart", {QPoint(10, 10), QPoint(50, 40), QPoint(90, 10), QPoint(50, 90)},
       {{50, 60, kPlein}, {50, 30, kFond}, {30, 30, kPlein}}},
  };
  for (const Case& c : cases) {
    Dessin d;
    d.couche.Quadrilatere(c.coins, kPlein, kTrait);
    d.couche.Reporte(d.canvas);
    ExpectPixels(d.canvas, c.points, c.what);
  }
}

TEST(CoucheDalles, TriangleOutlinedOnAllThreeEdges) {
  Dessin d;
  d.couche.Triangle({QPoint(80, 10), QPoint(10, 10), QPoint(10, 80)}, kPlein, kTrait);
  d.couche.Reporte(d.canvas);
  ExpectPixels(d.canvas, {{40, 10, kTrait}, {10, 40, kTrait}, {45, 45, kTrait}, {20, 20, kPlein}, {60, 60, kFond}});
}

TEST(CoucheDalles, FarCoordinatesAreClippedNotWalked) {
  constexpr int kLoin = 1 << 30;
  Dessin d;
  d.couche.Quadrilatere({QPoint(-kLoin, -kLoin), QPoint(kLoin, -kLoin + 7), QPoint(kLoin, kLoin), QPoint(-kLoin, kLoin)},
                        kPlein, kTrait);
  d.couche.Triangle({QPoint(-kLoin, 50), QPoint(kLoin, 51), QPoint(kLoin, 52)}, kPlein, kTrait);
  d.couche.Quadrilatere({QPoint(-kLoin, 0), QPoint(-kLoin + 5, 0), QPoint(-kLoin + 5, 5), QPoint(-kLoin, 5)}, kTrait,
                        kTrait);
  d.couche.Reporte(d.canvas);
  ExpectPixels(d.canvas, {{0, 0, kPlein}, {99, 99, kPlein}});
}

// Corners 2^31 apart across: the edge still runs through the picture,
// roughly along x = 2y - 100.
TEST(CoucheDalles, EdgeSpanningMoreThanTheIntRangeCrossesRowsWhereItLies) {
  constexpr int kLoin = 1 << 30;
  Dessin d;
  d.couche.Triangle({QPoint(-kLoin, -kLoin / 2), QPoint(kLoin, kLoin / 2 + 100), QPoint(-kLoin, kLoin / 2 + 100)},
                    kPlein, kTrait);
  d.couche.Reporte(d.canvas);
  ExpectPixels(d.canvas, {{20, 75, kPlein}, {80, 75, kFond}, {20, 25, kFond}});
}

// Between two reports the canvas may receive other drawing (a marker from an
// event handled during the repaint); the next report must not wipe it, and
// undrawn parts of the layer are transparent.
TEST(CoucheDalles, ReportLaysOnlyWhatChangedSinceThePreviousOne) {
  Dessin d;
  d.couche.Quadrilatere({QPoint(10, 10), QPoint(30, 10), QPoint(30, 30), QPoint(10, 30)}, kPlein, kPlein);
  d.couche.Reporte(d.canvas);
  d.canvas.SetBrushColor(kTrait);
  d.canvas.FillRect(15, 15, 20, 20);
  d.canvas.FillRect(80, 80, 85, 85);
  d.couche.Quadrilatere({QPoint(60, 60), QPoint(70, 60), QPoint(70, 70), QPoint(60, 70)}, kPlein, kPlein);
  d.couche.Reporte(d.canvas);
  ExpectPixels(d.canvas, {{17, 17, kTrait}, {82, 82, kTrait}, {65, 65, kPlein}, {50, 50, kFond}});
}

}  // namespace
}  // namespace orvex
