// A redraw draws millions of short segments; these measure the cost per
// segment of the canvas calls the layers use.
#include <benchmark/benchmark.h>


#include <algorithm>
#include <random>
#include <span>
#include <vector>

#include "mapview/canvas.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1200;
constexpr int kSegments = 1'000'000;

std::vector<QPoint> RandomWalk() {
  std::mt19937 random(42);
  std::uniform_int_distribution<int> step(-6, 6);
  std::vector<QPoint> points;
  points.reserve(kSegments + 1);
  QPoint p(kWidth / 2, kHeight / 2);
  for (int i = 0; i <= kSegments; ++i) {
    p = QPoint(std::clamp(p.x() + step(random), 0, kWidth - 1), std::clamp(p.y() + step(random), 0, kHeight - 1));
    points.push_back(p);
  }
  return points;
}

void BM_LineTo(benchmark::State& state) {
  const std::vector<QPoint> points = RandomWalk();
  orvex::Canvas canvas(kWidth, kHeight);
  canvas.SetPenMode(static_cast<orvex::PenMode>(state.range(0)));
  canvas.SetPenColor(0x00FFFF);
  for (auto _ : state) {
    canvas.MoveTo(points.front().x(), points.front().y());
    for (const QPoint& p : points) {
      canvas.LineTo(p.x(), p.y());
    }
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
  state.SetItemsProcessed(state.iterations() * kSegments);
}
BENCHMARK(BM_LineTo)->Arg(static_cast<int>(orvex::PenMode::Copy))->Arg(static_cast<int>(orvex::PenMode::Xor))
    ->Unit(benchmark::kMillisecond);

void BM_Polyline(benchmark::State& state) {
  const std::vector<QPoint> points = RandomWalk();
  orvex::Canvas canvas(kWidth, kHeight);
  canvas.SetPenColor(0x00FFFF);
  const std::size_t chunk = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    for (std::size_t start = 0; start + 1 < points.size(); start += chunk) {
      const std::size_t count = std::min(chunk + 1, points.size() - start);
      canvas.Polyline(std::span<const QPoint>(points).subspan(start, count));
    }
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
  state.SetItemsProcessed(state.iterations() * kSegments);
}
BENCHMARK(BM_Polyline)->Arg(50)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
