// The terrain layer on a full-screen map: a large elevation grid drawn as
// filled shaded cells, and the level curves of the bundled region.
#include <benchmark/benchmark.h>


#include <cmath>
#include <cstdio>
#include <filesystem>

#include "database/level_curve_file.h"
#include "terrain/view/dessine_relief.h"

namespace {

using namespace orvex;

constexpr int kLargeur = 1920;
constexpr int kHauteur = 1080;
constexpr std::int32_t kCote = 1000;
// Zoom 2000 at 1920 x 1080 gives 3556 pixels per degree of latitude: cells of
// 16 x 5 units are about 2 x 1 pixels and the whole grid covers the picture.
constexpr std::int32_t kZoomDalles = 2000;
constexpr std::int32_t kDLg = 16;
constexpr std::int32_t kDLt = 5;
constexpr double kLonCentre = 6.10;
constexpr double kLatCentre = 49.75;
constexpr std::int32_t kZoomDepart = 600;

ProjectionState Vue(std::int32_t zoom) {
  ProjectionState p;
  p.Zoom = zoom;
  p.CentreLongitude = kLonCentre;
  p.CentreLatitude = kLatCentre;
  p.ImageWidth = kLargeur;
  p.ImageHeight = kHauteur;
  ComputeViewport(p);
  return p;
}

// Rolling hills between about 100 and 560 m, centred on the view.
TDalle Collines() {
  TDalle d;
  d.NbX = kCote;
  d.NbY = kCote;
  d.DLg = kDLg;
  d.DLt = kDLt;
  d.LgNO = ToFixed(kLonCentre) - kCote / 2 * kDLg;
  d.LtNO = ToFixed(kLatCentre) + kCote / 2 * kDLt;
  d.Alt.assign(kCote, std::vector<std::int32_t>(kCote));
  for (std::int32_t r = 0; r < kCote; ++r) {
    for (std::int32_t c = 0; c < kCote; ++c) {
      const double relief = 330 + 150 * std::sin(c / 37.0) * std::cos(r / 53.0) + 80 * std::sin((c + 2 * r) / 91.0);
      d.Alt[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = static_cast<std::int32_t>(relief);
    }
  }
  return d;
}

void BM_DallesPleinesOmbrees(benchmark::State& state) {
  Canvas canvas(kLargeur, kHauteur);
  const ProjectionState p = Vue(kZoomDalles);
  const TDalle dalle = Collines();
  const TTableNiveaux niveaux;
  DisplayOptions display;
  display.AffDalles = true;
  display.PolygonesPleins = true;
  display.AvecGrillage = state.range(0) != 0;
  display.ModeOmbre = true;
  display.CourbeNB = true;
  display.CourbeCouleur = false;
  MatriceEcran matrice;
  SceneRelief scene(canvas, p, niveaux, dalle, display, matrice);
  for (auto _ : state) {
    DessineRelief(scene);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
  state.counters["cells"] = static_cast<double>(matrice.DerniereColonne - matrice.PremiereColonne) *
                            (matrice.DerniereLigne - matrice.PremiereLigne);
}
BENCHMARK(BM_DallesPleinesOmbrees)->ArgName("grillage")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

const TTableNiveaux& CourbesLuxembourg() {
  static const TTableNiveaux table = [] {
    TTableNiveaux t;
    const auto dossier = std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "lieux" /
                         "luxembourg" / "niveaux";
    for (const auto& entree : std::filesystem::directory_iterator(dossier)) {
      if (CompileNiveaux(entree.path(), entree.path().filename().string(), t) != 0) {
        std::fprintf(stderr, "unreadable level-curve file %s\n", entree.path().c_str());
      }
    }
    return t;
  }();
  return table;
}

// At the start-up zoom (600) the curves are not drawn, only prepared; the
// larger zooms draw the multiples of 10 m and then every curve.
void BM_CourbesLuxembourg(benchmark::State& state) {
  const TTableNiveaux& niveaux = CourbesLuxembourg();
  if (niveaux.Fichiers.empty()) {
    state.SkipWithError("no level curves under data/lieux/luxembourg/niveaux");
    return;
  }
  Canvas canvas(kLargeur, kHauteur);
  const ProjectionState p = Vue(static_cast<std::int32_t>(state.range(0)));
  const TDalle dalle;
  const DisplayOptions display;
  MatriceEcran matrice;
  SceneRelief scene(canvas, p, niveaux, dalle, display, matrice);
  std::size_t points = 0;
  for (const auto& fichier : niveaux.Fichiers) {
    for (const auto& courbe : fichier.Elements) {
      points += courbe.Points.size();
    }
  }
  for (auto _ : state) {
    DessineRelief(scene);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
  state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_CourbesLuxembourg)->ArgName("zoom")->Arg(kZoomDepart)->Arg(1200)->Arg(3001)->Unit(benchmark::kMillisecond);

}  // namespace
