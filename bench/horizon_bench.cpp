// The visibility horizon (315 rays from the map centre, segment index built
// once per run) against the full scan of every curve segment for each ray,
// on the real 50 m level curves of ../shared/data/dem (skipped when absent)
// and on a synthetic set of a million points. The counters check that both
// searches keep the same crossings.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <random>

#include "terrain/view/dessin_profil.h"

namespace {

using namespace orvex;

constexpr int kLargeur = 1280;
constexpr int kHauteur = 800;

struct Jeu {
  TTableNiveaux niveaux;
  ProjectionState vue;
  std::size_t points = 0;
};

// A plane view of the picture size whose visible area holds every point.
ProjectionState VueEnglobante(const TTableNiveaux& niveaux) {
  double ouest = 180, est = -180, sud = 90, nord = -90;
  for (const auto& courbe : niveaux.Fichiers.front().Elements) {
    for (const TPointLtLg& p : courbe.Points) {
      ouest = std::min(ouest, FromFixed(p.Lg));
      est = std::max(est, FromFixed(p.Lg));
      sud = std::min(sud, FromFixed(p.Lt));
      nord = std::max(nord, FromFixed(p.Lt));
    }
  }
  ProjectionState p;
  p.CentreLongitude = (ouest + est) / 2;
  p.CentreLatitude = (sud + nord) / 2;
  p.ImageWidth = kLargeur;
  p.ImageHeight = kHauteur;
  for (p.Zoom = kMaxZoom;; p.Zoom = p.Zoom * 9 / 10) {
    ComputeViewport(p);
    const GeoBounds& b = p.ViewBounds;
    if (b.West < ouest && b.East > est && b.South < sud && b.North > nord) {
      return p;
    }
  }
}

const Jeu& CourbesNice() {
  static const Jeu jeu = [] {
    Jeu j;
    const auto fichier = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "shared" /
                         "data" / "dem" / "N43E007_nice_contours_50m.geojson";
    QFile f(QString::fromStdString(fichier.string()));
    if (!f.open(QIODevice::ReadOnly)) {
      return j;
    }
    j.niveaux.Fichiers.emplace_back();
    const QJsonArray features = QJsonDocument::fromJson(f.readAll()).object()["features"].toArray();
    for (const QJsonValue& feature : features) {
      TCourbeNiveau courbe;
      courbe.Altitude = static_cast<std::int32_t>(std::lround(feature["properties"]["elev"].toDouble()));
      for (const QJsonValue& point : feature["geometry"]["coordinates"].toArray()) {
        courbe.Points.push_back({ToFixed(point[1].toDouble()), ToFixed(point[0].toDouble())});
      }
      j.points += courbe.Points.size();
      j.niveaux.Fichiers.back().Elements.push_back(std::move(courbe));
    }
    j.vue = VueEnglobante(j.niveaux);
    return j;
  }();
  return jeu;
}

// A thousand wavy rings of a thousand points each, of every size, scattered
// over a degree square.
const Jeu& MillionDePoints() {
  static const Jeu jeu = [] {
    Jeu j;
    std::mt19937 hasard(14);
    std::uniform_real_distribution<double> centre(0.1, 0.9);
    std::uniform_real_distribution<double> rayon(0.005, 0.09);
    std::uniform_real_distribution<double> phase(0, 2 * std::numbers::pi);
    std::uniform_int_distribution<int> altitude(1, 200);
    j.niveaux.Fichiers.emplace_back();
    for (int c = 0; c < 1000; ++c) {
      TCourbeNiveau courbe;
      courbe.Altitude = 10 * altitude(hasard);
      const double lg = 7 + centre(hasard);
      const double lt = 43.5 + centre(hasard);
      const double r = rayon(hasard);
      const double ph = phase(hasard);
      for (int k = 0; k < 1000; ++k) {
        const double t = 2 * std::numbers::pi * k / 999;
        const double rk = r * (1 + 0.2 * std::sin(7 * t + ph));
        courbe.Points.push_back({ToFixed(lt + rk * std::sin(t)), ToFixed(lg + 1.4 * rk * std::cos(t))});
      }
      j.points += courbe.Points.size();
      j.niveaux.Fichiers.back().Elements.push_back(std::move(courbe));
    }
    j.vue = VueEnglobante(j.niveaux);
    return j;
  }();
  return jeu;
}

enum Recherche { kBalayage = 0, kIndex = 1 };

void Horizon(benchmark::State& state, const Jeu& jeu) {
  if (jeu.points == 0) {
    state.SkipWithError("../shared/data/dem is absent");
    return;
  }
  Canvas canvas(kLargeur, kHauteur);
  std::int64_t rayonsTrouves = 0;
  std::int64_t altitudes = 0;
  for (auto _ : state) {
    rayonsTrouves = 0;
    altitudes = 0;
    const auto compte = [&](const DirectionHorizon& d) {
      if (d.Point) {
        ++rayonsTrouves;
        altitudes += d.Point->Altitude;
      }
      return true;
    };
    if (state.range(0) == kIndex) {
      const IndexNiveaux index(jeu.niveaux, jeu.vue.ViewBounds);
      ParcourtHorizon(
          jeu.vue,
          [&index](double lgA, double ltA, double lgB, double ltB, TPointsProfil& points) {
            index.CalculeProfil(lgA, ltA, lgB, ltB, points);
          },
          compte);
    } else {
      ParcourtHorizon(
          jeu.vue,
          [&jeu](double lgA, double ltA, double lgB, double ltB, TPointsProfil& points) {
            CalculeProfil(jeu.niveaux, jeu.vue.ViewBounds, lgA, ltA, lgB, ltB, points);
          },
          compte);
    }
  }
  state.counters["points"] = static_cast<double>(jeu.points);
  state.counters["rays_found"] = static_cast<double>(rayonsTrouves);
  state.counters["altitude_sum"] = static_cast<double>(altitudes);
}

void BM_HorizonNice(benchmark::State& state) { Horizon(state, CourbesNice()); }
void BM_HorizonMillion(benchmark::State& state) { Horizon(state, MillionDePoints()); }

BENCHMARK(BM_HorizonNice)->ArgName("index")->Arg(kBalayage)->Arg(kIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HorizonMillion)->ArgName("index")->Arg(kBalayage)->Arg(kIndex)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
