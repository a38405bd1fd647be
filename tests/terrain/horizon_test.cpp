// The visibility horizon: its directions, the crossing each ray keeps, and a
// whole horizon over synthetic cones of circular curves.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support/map_picture.h"
#include "terrain/horizon.h"
#include "terrain/view/dessin_profil.h"

namespace orvex {
namespace {

TEST(PointHorizon, HighestAboveZeroFromTheThirdFoundFirstWinsTies) {
  struct Case {
    const char* what;
    TPointsProfil points;
    std::optional<TPointProfil> attendu;
  };
  const Case cases[] = {
      {"fewer than three", {{1, 1, 900}, {2, 2, 800}}, std::nullopt},
      {"the first two never count", {{1, 1, 900}, {2, 2, 800}, {3, 3, 100}}, TPointProfil{3, 3, 100}},
      {"highest", {{1, 1, 0}, {2, 2, 0}, {3, 3, 100}, {4, 4, 300}, {5, 5, 200}}, TPointProfil{4, 4, 300}},
      {"first of equals", {{1, 1, 0}, {2, 2, 0}, {3, 3, 300}, {4, 4, 300}}, TPointProfil{3, 3, 300}},
      {"nothing above 0 m", {{1, 1, 500}, {2, 2, 500}, {3, 3, 0}, {4, 4, -20}}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PointHorizon(c.points), c.attendu) << c.what;
  }
}

// A 600 x 600 view at zoom 10000 around (0.5 E, 0.5 N): the horizon's
// radius is 290 pixels, 0.029 degrees. The centre lies between fixed-degree
// steps, so that the east and west rays do not run along the flat tops of
// rings rounded to those steps.
constexpr double kCentre = 0.5 + 0.3 / kFixedOne;
const ProjectionState kVue = testing::View(10000, kCentre, kCentre, 600, 600);

// Circular curves around the centre, as the rays see circles: longitudes
// stretched by ScaleRatio. Radii in degrees of latitude. The vertices sit off
// the rays' angles: a ray through a vertex meets both segments there, and the
// doubled crossing would shift which ones count as the first two found.
TTableNiveaux Anneaux(const std::vector<std::pair<double, std::int32_t>>& rayonsAltitudes) {
  TTableNiveaux table;
  table.Fichiers.emplace_back();
  constexpr int kSommets = 720;
  for (const auto& [rayon, altitude] : rayonsAltitudes) {
    TCourbeNiveau anneau;
    anneau.Altitude = altitude;
    for (int k = 0; k <= kSommets; ++k) {
      const double t = 2 * std::numbers::pi * (k + 0.25) / kSommets;
      anneau.Points.push_back({ToFixed(kVue.CentreLatitude + std::sin(t) * rayon),
                               ToFixed(kVue.CentreLongitude + std::cos(t) * kVue.ScaleRatio * rayon)});
    }
    table.Fichiers.back().Elements.push_back(anneau);
  }
  return table;
}

double DistanceAuCentre(const TPointProfil& point) {
  return std::hypot((FromFixed(point.Lg) - kVue.CentreLongitude) / kVue.ScaleRatio,
                    FromFixed(point.Lt) - kVue.CentreLatitude);
}

TEST(ParcourtHorizon, ReachesTheExpectedRingInEveryDirection) {
  ASSERT_NEAR(RayonHorizon(kVue), 0.029, 1e-4);
  struct Case {
    const char* what;
    std::vector<std::pair<double, std::int32_t>> anneaux;  // in table order
    double rayonAttendu;
    std::int32_t altitudeAttendue;
  };
  const Case cases[] = {
      // The ring beyond the radius is never reached.
      {"valley", {{0.004, 100}, {0.008, 200}, {0.012, 300}, {0.016, 400}, {0.020, 500}, {0.035, 900}}, 0.020, 500},
      {"peak, inner rings first: the two highest are found first", {{0.004, 600}, {0.008, 500}, {0.012, 400},
                                                                     {0.016, 300}, {0.020, 200}}, 0.012, 400},
      {"peak, outer rings first", {{0.020, 200}, {0.016, 300}, {0.012, 400}, {0.008, 500}, {0.004, 600}}, 0.004, 600},
  };
  for (const Case& c : cases) {
    const TTableNiveaux table = Anneaux(c.anneaux);
    const IndexNiveaux index(table, kVue.ViewBounds);
    const int faites = ParcourtHorizon(
        kVue,
        [&index](double lgA, double ltA, double lgB, double ltB, TPointsProfil& points) {
          index.CalculeProfil(lgA, ltA, lgB, ltB, points);
        },
        [&](const DirectionHorizon& d) {
          EXPECT_TRUE(d.Point.has_value()) << c.what << " at " << d.Angle;
          if (d.Point) {
            EXPECT_EQ(d.Point->Altitude, c.altitudeAttendue) << c.what << " at " << d.Angle;
            EXPECT_NEAR(DistanceAuCentre(*d.Point), c.rayonAttendu, 2e-4) << c.what << " at " << d.Angle;
          }
          return true;
        });
    EXPECT_EQ(faites, 315) << c.what;  // 0, 0.02, ... 6.28 radians
  }
}

TEST(DessineHorizon, StopsAfterTheDirectionDuringWhichItWasCancelled) {
  const TTableNiveaux table = Anneaux({{0.004, 100}, {0.008, 200}, {0.012, 300}});
  const ChercheCroisements cherche = [&table](double lgA, double ltA, double lgB, double ltB, TPointsProfil& points) {
    CalculeProfil(table, kVue.ViewBounds, lgA, ltA, lgB, ltB, points);
  };
  Canvas annule(600, 600);
  int appels = 0;
  bool AnnuleFonction = false;
  EXPECT_EQ(DessineHorizon(annule, kVue, cherche,
                           [&] {
                             // "Annule" is pressed while the fifth direction's events are processed.
                             AnnuleFonction = AnnuleFonction || ++appels == 5;
                             return !AnnuleFonction;
                           }),
            5);
  // Rays eastwards, nothing to the west: the first five directions span 0.08 radian.
  const QRect est(310, 270, 30, 60);
  const QRect ouest(260, 270, 30, 60);
  EXPECT_GT(testing::CountInk(annule, est), 10);
  EXPECT_EQ(testing::CountInk(annule, ouest), 0);
}

}  // namespace
}  // namespace orvex
