// The altitude under a still pointer is looked up every second; without tiles
// it scans every level-curve point. A region of the size of the Alpes-Maritimes
// sample holds about 84 000 points in 900 curves.
#include <benchmark/benchmark.h>

#include <random>

#include "terrain/dalles.h"

namespace {

constexpr int kCurves = 900;
constexpr int kPointsPerCurve = 94;

orvex::TTableNiveaux Curves() {
  std::mt19937 random(7);
  std::uniform_int_distribution<orvex::FixedDegree> lt(43 * 16384, 44 * 16384);
  std::uniform_int_distribution<orvex::FixedDegree> lg(7 * 16384, 8 * 16384);
  orvex::TTableNiveaux table;
  auto& set = table.Fichiers.emplace_back();
  for (int c = 0; c < kCurves; ++c) {
    auto& curve = set.Elements.emplace_back();
    curve.Altitude = 50 * (c % 40);
    for (int p = 0; p < kPointsPerCurve; ++p) {
      curve.Points.push_back({lt(random), lg(random)});
    }
  }
  return table;
}

void BM_NearestCurvePoint(benchmark::State& state) {
  const orvex::TTableNiveaux table = Curves();
  std::optional<orvex::FenetreVisible> window;
  if (state.range(0) != 0) {
    window = orvex::FenetreVisible{7.2, 7.6, 43.2, 43.6};
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(orvex::AltitudeDuPoint(table, window, 7.4, 43.4));
  }
  state.SetItemsProcessed(state.iterations() * kCurves * kPointsPerCurve);
}
BENCHMARK(BM_NearestCurvePoint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_GridLookup(benchmark::State& state) {
  orvex::TDalle grid;
  grid.NbX = grid.NbY = 1201;
  grid.LgNO = 7 * 16384;
  grid.LtNO = 44 * 16384;
  grid.DLg = grid.DLt = 14;
  grid.Alt.assign(1201, std::vector<std::int32_t>(1201, 100));
  double lg = 7.0;
  for (auto _ : state) {
    lg = lg > 8.0 ? 7.0 : lg + 0.001;
    benchmark::DoNotOptimize(orvex::AltitudeDuPoint(grid, lg, 43.5));
  }
}
BENCHMARK(BM_GridLookup);

}  // namespace
