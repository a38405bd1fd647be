// Tile fabrication, plain scan against the index, in one run: the real 50 m
// curves of ../shared/data/dem (84 117 points) at 30" and 3" steps, and a
// synthetic set of 1 000 000 points over 1000 x 1000 nodes. The plain scan
// runs on every row where that takes seconds, and on a sample of evenly
// spread rows otherwise, its time extrapolated to the whole grid; the rows it
// makes are compared with the index's grid and must be identical. Times are
// the process's CPU time (a loaded machine disturbs them less than the wall
// clock).
#include <benchmark/benchmark.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <ctime>
#include <fstream>
#include <map>

#include "terrain/curve_index.h"
#include "terrain/fabrication.h"

namespace {

using namespace orvex;

constexpr std::int32_t kTrente = 137;  // 30" in 1/16384 degree
constexpr std::int32_t kTrois = 14;    // 3"

double ProcessCpu() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

TTableNiveaux RealCurves() {
  TTableNiveaux table;
  std::ifstream in(ORVEX_SHARED_DATA "/dem/N43E007_nice_contours_50m.geojson", std::ios::binary);
  const std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto& set = table.Fichiers.emplace_back();
  for (const auto& value : QJsonDocument::fromJson(QByteArray::fromStdString(json))["features"].toArray()) {
    const QJsonObject feature = value.toObject();
    TCourbeNiveau& c = set.Elements.emplace_back();
    c.Altitude = feature["properties"].toObject()["elev"].toInt();
    for (const auto& p : feature["geometry"].toObject()["coordinates"].toArray()) {
      c.Points.push_back({ToFixed(p.toArray()[1].toDouble()), ToFixed(p.toArray()[0].toDouble())});
    }
  }
  return table;
}

// 1000 wavy curves of 1000 points, one every 30" of latitude, over a box
// that 30" steps cut into 1000 x 1000 nodes.
TTableNiveaux SyntheticCurves() {
  TTableNiveaux table;
  auto& set = table.Fichiers.emplace_back();
  for (int k = 0; k < 1000; ++k) {
    TCourbeNiveau& c = set.Elements.emplace_back();
    c.Altitude = 100 + 10 * k;
    for (int i = 0; i < 1000; ++i) {
      const double wave = 60 * std::sin(i * 0.05 + k);
      const auto lt = static_cast<FixedDegree>(std::clamp(k * kTrente + wave, 0.0, 999.0 * kTrente));
      c.Points.push_back({lt, i * kTrente});
    }
  }
  return table;
}

struct Case {
  TTableNiveaux table;
  PlanFabrication plan;
  TDalle indexed;
  double indexCpu = 0;
  std::size_t points = 0;
};

// Each case built once: its index grid made (and timed) first.
Case& Cases(const std::string& name) {
  static std::map<std::string, Case> cases;
  const auto found = cases.find(name);
  if (found != cases.end()) {
    return found->second;
  }
  Case& c = cases[name];
  c.table = name == "synthetic" ? SyntheticCurves() : RealCurves();
  const std::int32_t step = name == "real_3s" ? kTrois : kTrente;
  if (PlanifieFabrication(c.table, step, step, c.plan).empty()) {
    const double start = ProcessCpu();
    c.indexed = FabriqueDalles(c.table, c.plan, {});
    c.indexCpu = ProcessCpu() - start;
  }
  c.points = IndexCourbes(c.table).NbPoints();
  return c;
}

void BM_Index(benchmark::State& state, const std::string& name) {
  Case& c = Cases(name);
  if (c.indexed.NbY == 0) {
    state.SkipWithError("no curves (../shared/data/dem absent?)");
    return;
  }
  for (auto _ : state) {
    const double start = ProcessCpu();
    benchmark::DoNotOptimize(FabriqueDalles(c.table, c.plan, {}));
    state.SetIterationTime(ProcessCpu() - start);
  }
  state.counters["nodes"] = static_cast<double>(c.indexed.NbX) * c.indexed.NbY;
  state.counters["points"] = static_cast<double>(c.points);
}

// The plain scan on `sampled` rows spread over the grid, timed and scaled to
// every row; any node differing from the index's grid is an error.
void BM_PlainScan(benchmark::State& state, const std::string& name, std::int32_t sampled) {
  Case& c = Cases(name);
  if (c.indexed.NbY == 0) {
    state.SkipWithError("no curves (../shared/data/dem absent?)");
    return;
  }
  const TDalle& d = c.indexed;
  const std::int32_t rows = std::min(sampled, d.NbY);
  std::int64_t differences = 0;
  for (auto _ : state) {
    const double start = ProcessCpu();
    for (std::int32_t k = 0; k < rows; ++k) {
      const std::int32_t r = static_cast<std::int32_t>(static_cast<std::int64_t>(k) * d.NbY / rows);
      for (std::int32_t col = 0; col < d.NbX; ++col) {
        const std::int32_t a = AltitudeCourbeLaPlusProche(c.table, d.LgNO + col * d.DLg, d.LtNO - r * d.DLt);
        differences += a != d.Alt[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)];
      }
    }
    state.SetIterationTime((ProcessCpu() - start) * d.NbY / rows);
  }
  if (differences != 0) {
    state.SkipWithError("the plain scan and the index differ");
  }
  state.counters["sampled_rows"] = rows;
  state.counters["index_cpu_s"] = c.indexCpu;
}

}  // namespace

BENCHMARK_CAPTURE(BM_Index, real_30s, std::string("real_30s"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_PlainScan, real_30s, std::string("real_30s"), 1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Index, real_3s, std::string("real_3s"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_PlainScan, real_3s, std::string("real_3s"), 15)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Index, synthetic, std::string("synthetic"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_PlainScan, synthetic, std::string("synthetic"), 2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
