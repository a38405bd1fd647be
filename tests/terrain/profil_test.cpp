// The level profile: crossings of a vector with the curves on screen, their
// west-to-east order, the section's layout and picture; the segment index
// against the full scan.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "support/map_picture.h"
#include "terrain/profil.h"
#include "terrain/section_profil.h"
#include "terrain/view/dessin_profil.h"

namespace orvex {
namespace {

using testing::CountInk;
using testing::View;

struct Courbe {
  std::int32_t altitude;
  std::vector<std::pair<double, double>> lonLat;
};

TTableNiveaux Table(const std::vector<Courbe>& courbes) {
  TTableNiveaux table;
  table.Fichiers.emplace_back();
  for (const Courbe& c : courbes) {
    TCourbeNiveau courbe;
    courbe.Altitude = c.altitude;
    for (const auto& [lon, lat] : c.lonLat) {
      courbe.Points.push_back({ToFixed(lat), ToFixed(lon)});
    }
    table.Fichiers.back().Elements.push_back(courbe);
  }
  return table;
}

TPointProfil Point(double lon, double lat, std::int32_t altitude) { return {ToFixed(lon), ToFixed(lat), altitude}; }

// The position as the curve files keep it.
double Stocke(double degrees) { return FromFixed(ToFixed(degrees)); }

// A 600 x 400 view at zoom 10000 around 6.02 E, 49.6 N: 5.99 to 6.05 E, 49.587 to 49.613 N.
const ProjectionState kVue = View(10000, 6.02, 49.6, 600, 400);

// Three north-south curves met west to east at 300, 500 and 400 m, stored out of order.
const TTableNiveaux kTroisCourbes = Table({{500, {{6.02, 49.59}, {6.02, 49.61}}},
                                           {300, {{6.01, 49.59}, {6.01, 49.61}}},
                                           {400, {{6.03, 49.59}, {6.03, 49.61}}}});

TPointsProfil Profil(const TTableNiveaux& table, const ProjectionState& p, double lgA, double ltA, double lgB,
                     double ltB) {
  TPointsProfil points;
  CalculeProfil(table, p.ViewBounds, lgA, ltA, lgB, ltB, points);
  return points;
}

TEST(CalculeProfil, CrossingsInTableOrderOnlyInsideTheView) {
  struct Case {
    const char* what;
    TTableNiveaux table;
    ProjectionState vue;
    double lgA, ltA, lgB, ltB;
    TPointsProfil attendus;
  };
  const ProjectionState autourDeZero = View(1000, 0, 0, 600, 400);
  const Case cases[] = {
      {"three curves", kTroisCourbes, kVue, 6.0, 49.6, 6.04, 49.6,
       {Point(6.02, 49.6, 500), Point(6.01, 49.6, 300), Point(6.03, 49.6, 400)}},
      {"a single curve", kTroisCourbes, kVue, 6.0, 49.6, 6.015, 49.6, {Point(6.01, 49.6, 300)}},
      {"a vector ending on a curve", kTroisCourbes, kVue, 6.0, 49.6, Stocke(6.01), 49.6, {Point(6.01, 49.6, 300)}},
      {"a vector ending just short of it", kTroisCourbes, kVue, 6.0, 49.6, Stocke(6.01) - 1e-9, 49.6, {}},
      {"north-south vector over east-west curves",
       Table({{200, {{6.0, 49.61}, {6.04, 49.61}}}, {100, {{6.0, 49.59}, {6.04, 49.59}}}}), kVue, 6.02, 49.62, 6.02,
       49.58, {Point(6.02, 49.61, 200), Point(6.02, 49.59, 100)}},
      {"a segment with an end outside the view is ignored",
       Table({{300, {{6.01, 49.59}, {6.01, 49.62}}}, {400, {{6.03, 49.59}, {6.03, 49.61}}}}), kVue, 6.0, 49.6, 6.04,
       49.6, {Point(6.03, 49.6, 400)}},
      {"a shared vertex counts for both segments", Table({{300, {{6.01, 49.59}, {6.01, 49.6}, {6.01, 49.61}}}}),
       kVue, 6.0, Stocke(49.6), 6.04, Stocke(49.6), {Point(6.01, 49.6, 300), Point(6.01, 49.6, 300)}},
      {"no crossing at longitude 0",
       Table({{300, {{0.0, 0.05}, {0.0, 0.1}}}, {400, {{0.1, 0.05}, {0.1, 0.1}}}}), autourDeZero, -0.1, 0.07, 0.2,
       0.07, {Point(0.1, 0.07, 400)}},
      {"no crossing at latitude 0",
       Table({{300, {{0.05, 0.0}, {0.1, 0.0}}}, {400, {{0.05, 0.05}, {0.1, 0.05}}}}), autourDeZero, 0.07, -0.1,
       0.07, 0.1, {Point(0.07, 0.05, 400)}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Profil(c.table, c.vue, c.lgA, c.ltA, c.lgB, c.ltB), c.attendus) << c.what;
  }
}

TEST(TriProfil, WestToEastWhateverTheDirectionDrawn) {
  struct Case {
    const char* what;
    double lgA, ltA, lgB, ltB;
    TPointsProfil points;
    TPointsProfil attendus;
  };
  const TPointsProfil nordSud = {Point(6.02, 49.59, 100), Point(6.02, 49.61, 200), Point(6.02, 49.60, 150)};
  const TPointsProfil sudNord = {Point(6.02, 49.59, 100), Point(6.02, 49.60, 150), Point(6.02, 49.61, 200)};
  // A steep vector heading north-west: on a shared rounded longitude, the
  // southern crossing is the eastern one along the vector.
  const TPointsProfil raide = {Point(6.02, 49.61, 1), Point(6.0201, 49.5, 2), Point(6.02, 49.60, 3)};
  const Case cases[] = {
      {"drawn east to west", 6.04, 49.6, 6.0, 49.6,
       {Point(6.03, 49.6, 400), Point(6.02, 49.6, 500), Point(6.01, 49.6, 300)},
       {Point(6.01, 49.6, 300), Point(6.02, 49.6, 500), Point(6.03, 49.6, 400)}},
      {"north-south: south to north", 6.02, 49.62, 6.02, 49.58, nordSud, sudNord},
      {"steep north-west", 6.0201, 49.5, 6.0199, 49.7, raide,
       {Point(6.02, 49.61, 1), Point(6.02, 49.60, 3), Point(6.0201, 49.5, 2)}},
  };
  for (const Case& c : cases) {
    TPointsProfil points = c.points;
    TriProfil(points, c.lgA, c.ltA, c.lgB, c.ltB);
    EXPECT_EQ(points, c.attendus) << c.what;
  }
}

std::vector<PointSection> Section(const TPointsProfil& tries) {
  return CalculeSection(tries, kLargeurSection, kHauteurSection).Points;
}

TEST(CalculeSection, ScalesLabelsAndTheTwoLeftOpenCases) {
  // Along the equator a fixed-degree unit is one pixel when the vector spans
  // 550 of them: x = 15 + offset, the first crossing at 10.
  const auto equateur = [](std::initializer_list<std::pair<int, std::int32_t>> decalagesAltitudes) {
    TPointsProfil points;
    for (const auto& [decalage, altitude] : decalagesAltitudes) {
      points.push_back({16384 + decalage, 0, altitude});
    }
    return points;
  };
  struct Case {
    const char* what;
    TPointsProfil tries;
    std::vector<PointSection> attendus;
  };
  const Case cases[] = {
      {"300, 500, 400: highest at 20, lowest at H - 35",
       {Point(6.01, 49.6, 300), Point(6.02, 49.6, 500), Point(6.03, 49.6, 400)},
       {{10, 78, true}, {290, 20, true}, {565, 49, true}}},
      {"labels only more than 15 pixels right of the last one, the first included",
       equateur({{0, 100}, {5, 200}, {11, 300}, {26, 200}, {27, 100}, {550, 300}}),
       {{10, 78, true}, {20, 49, false}, {26, 20, true}, {41, 49, false}, {42, 78, true}, {565, 20, true}}},
      {"flat: the middle of the band", equateur({{0, 250}, {550, 250}}), {{10, 49, true}, {565, 49, true}}},
      {"all on one spot", {Point(6.01, 49.6, 300), Point(6.01, 49.6, 500)}, {{10, 78, true}, {15, 20, false}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Section(c.tries), c.attendus) << c.what;
  }
}

TEST(DessineSection, FilledSectionLabelsAndEnds) {
  TPointsProfil tries = Profil(kTroisCourbes, kVue, 6.04, 49.6, 6.0, 49.6);
  TriProfil(tries, 6.04, 49.6, 6.0, 49.6);
  const SectionProfil section = CalculeSection(tries, kLargeurSection, kHauteurSection);
  Canvas canvas(kLargeurSection, kHauteurSection);
  DessineSection(canvas, tries, section);
  constexpr CouleurBgr kBlanc = 0xFFFFFF;
  const int base = section.LigneDeBase;
  // The red outline: the floor and the verticals at each crossing.
  testing::ExpectPixels(canvas, {{100, base, 0x0000FF}, {290, 50, 0x0000FF}, {565, 60, 0x0000FF},
                                 {200, 60, kBlanc}, {0, 0, 0x000000}});
  // The blue ticks of the labelled crossings, the text above each, "A" and "B" under the ends.
  testing::ExpectPixels(canvas, {{291, 19, 0xFF0000}, {566, 48, 0xFF0000}});
  for (const QRect& texte : {QRect(10, 78 - 15, 20, 12), QRect(290, 5, 20, 12), QRect(565, 49 - 15, 18, 12),
                             QRect(10, base + 5, 8, 12), QRect(565, base + 5, 8, 12)}) {
    EXPECT_GT(CountInk(canvas, texte, kBlanc), 5) << texte.x() << "," << texte.y();
  }
  EXPECT_EQ(CountInk(canvas, QRect(150, base + 5, 100, 12), kBlanc), 0);

  // Drawn the other way, the vector gives the same picture.
  TPointsProfil autreSens = Profil(kTroisCourbes, kVue, 6.0, 49.6, 6.04, 49.6);
  TriProfil(autreSens, 6.0, 49.6, 6.04, 49.6);
  Canvas autre(kLargeurSection, kHauteurSection);
  DessineSection(autre, autreSens, CalculeSection(autreSens, kLargeurSection, kHauteurSection));
  EXPECT_EQ(autre.Image(), canvas.Image());
}

// Random curves whose points fall on a coarse lattice, so that vertical,
// horizontal and collinear segments and shared vertices are common.
TTableNiveaux CourbesAuHasard(std::mt19937& hasard, const GeoBounds& b, int nbCourbes) {
  std::uniform_int_distribution<int> pas(-3, 3);
  std::uniform_int_distribution<int> longueur(2, 40);
  std::uniform_int_distribution<int> altitude(0, 900);
  const double maille = (b.East - b.West) / 60;
  TTableNiveaux table;
  for (int f = 0; f < 3; ++f) {
    table.Fichiers.emplace_back();
    for (int c = 0; c < nbCourbes / 3; ++c) {
      TCourbeNiveau courbe;
      courbe.Altitude = altitude(hasard);
      // Some curves start just outside the view.
      int i = std::uniform_int_distribution<int>(-2, 62)(hasard);
      int j = std::uniform_int_distribution<int>(-2, 42)(hasard);
      for (int n = longueur(hasard); n > 0; --n) {
        courbe.Points.push_back({ToFixed(b.South + j * maille), ToFixed(b.West + i * maille)});
        i += pas(hasard);
        j += pas(hasard);
      }
      table.Fichiers.back().Elements.push_back(courbe);
    }
  }
  return table;
}

// Segments from the west quarter of the view to the east one, each across
// most of the grid.
TTableNiveaux Diagonales(std::mt19937& hasard, const GeoBounds& b, int nombre) {
  std::uniform_real_distribution<double> quart(0.01, 0.25);
  TTableNiveaux table;
  table.Fichiers.emplace_back();
  for (int k = 0; k < nombre; ++k) {
    const auto point = [&](double fx, double fy) {
      return TPointLtLg{ToFixed(b.South + fy * (b.North - b.South)), ToFixed(b.West + fx * (b.East - b.West))};
    };
    table.Fichiers[0].Elements.push_back({10 * k, {point(quart(hasard), quart(hasard)),
                                                    point(1 - quart(hasard), 1 - quart(hasard))}});
  }
  return table;
}

TEST(IndexNiveaux, SameCrossingsInTheSameOrderAsTheFullScan) {
  std::mt19937 hasard(20261206);
  std::uniform_real_distribution<double> fraction(-0.2, 1.2);
  std::size_t croisements = 0;
  for (int ensemble = 0; ensemble < 20; ++ensemble) {
    const ProjectionState vue = View(1000 + 700 * ensemble, 6.0 + 0.1 * ensemble, 49.0 - 0.5 * ensemble, 600, 400);
    const GeoBounds& b = vue.ViewBounds;
    // Every fourth set has long segments only, which make the grid coarser than one cell per segment.
    const bool longs = ensemble % 4 == 3;
    const TTableNiveaux table = longs ? Diagonales(hasard, b, 3000) : CourbesAuHasard(hasard, b, 60 + 20 * ensemble);
    const IndexNiveaux index(table, b);
    EXPECT_EQ(index.NbColonnes() * index.NbLignes() < static_cast<int>(index.NbSegments()) / 2, longs) << ensemble;
    const auto auHasard = [&] {
      return std::pair{b.West + fraction(hasard) * (b.East - b.West), b.South + fraction(hasard) * (b.North - b.South)};
    };
    const auto sommet = [&] {
      const auto& courbe = table.Fichiers[0].Elements[hasard() % table.Fichiers[0].Elements.size()].Points;
      const TPointLtLg& s = courbe[hasard() % courbe.size()];
      return std::pair{FromFixed(s.Lg), FromFixed(s.Lt)};
    };
    for (int rayon = 0; rayon < 200; ++rayon) {
      auto [lgA, ltA] = auHasard();
      auto [lgB, ltB] = auHasard();
      switch (rayon % 5) {
        case 1: {  // through a vertex: B beyond it, seen from A
          const auto [lg, lt] = sommet();
          lgB = 2 * lg - lgA;
          ltB = 2 * lt - ltA;
          break;
        }
        case 2:  // from vertex to vertex, often along a curve segment
          std::tie(lgA, ltA) = sommet();
          std::tie(lgB, ltB) = sommet();
          break;
        case 3:  // vertical through a vertex
          std::tie(lgA, ltA) = sommet();
          lgB = lgA;
          break;
        case 4:  // horizontal through a vertex
          std::tie(lgA, ltA) = sommet();
          ltB = ltA;
          break;
        default:
          break;
      }
      TPointsProfil complet;
      TPointsProfil indexe;
      CalculeProfil(table, b, lgA, ltA, lgB, ltB, complet);
      index.CalculeProfil(lgA, ltA, lgB, ltB, indexe);
      ASSERT_EQ(indexe, complet) << "set " << ensemble << " ray " << rayon << ": " << lgA << "," << ltA << " -> "
                                 << lgB << "," << ltB;
      croisements += complet.size();
    }
  }
  EXPECT_GT(croisements, 5000u);  // the rays do meet the curves
}

}  // namespace
}  // namespace orvex
