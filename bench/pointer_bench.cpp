// Every pointer move over the map recomputes the pointer panel and, during a
// measurement or a zoom rectangle, erases and redraws an xor figure; the
// window then shows the picture, which ends the canvas's painting. These
// measure the cost of one such move on a full-HD picture (goal: under 1 ms).
#include <benchmark/benchmark.h>


#include <cmath>
#include <vector>

#include "mapview/canvas.h"
#include "mapview/pointer_interaction.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kMoves = 1000;

// Pointer pixels on a circle of `radius` around the picture's centre.
std::vector<QPoint> Circle(int radius) {
  std::vector<QPoint> points;
  points.reserve(kMoves);
  for (int i = 0; i < kMoves; ++i) {
    const double angle = 2 * M_PI * i / kMoves;
    points.emplace_back(kWidth / 2 + static_cast<int>(radius * std::cos(angle)),
                        kHeight / 2 + static_cast<int>(radius * std::sin(angle) * kHeight / kWidth));
  }
  return points;
}

struct Fixture {
  explicit Fixture(bool zoomRectangle) : canvas(kWidth, kHeight) {
    projection.Zoom = 1000;
    projection.CentreLongitude = 6.1;
    projection.CentreLatitude = 49.6;
    projection.ImageWidth = kWidth;
    projection.ImageHeight = kHeight;
    orvex::ComputeViewport(projection);
    pointer.ZoomMode = zoomRectangle;
    orvex::PointerScene scene = Scene();
    orvex::TrackPointer(scene, kWidth / 2, kHeight / 2);
    orvex::StartMeasure(pointer);
  }
  orvex::PointerScene Scene() { return orvex::PointerScene{canvas, projection, redraw, pointer}; }

  orvex::Canvas canvas;
  orvex::ProjectionState projection;
  orvex::RedrawState redraw;
  orvex::PointerInteraction pointer;
};

void Moves(benchmark::State& state, bool zoomRectangle) {
  Fixture f(zoomRectangle);
  const std::vector<QPoint> path = Circle(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (const QPoint& at : path) {
      orvex::PointerScene scene = f.Scene();
      orvex::EraseRubberBand(scene);
      benchmark::DoNotOptimize(orvex::TrackPointer(scene, at.x(), at.y()));
      benchmark::DoNotOptimize(orvex::DrawRubberBand(scene));
      benchmark::DoNotOptimize(f.canvas.Image().constBits());
    }
  }
  state.SetItemsProcessed(state.iterations() * kMoves);
}

void BM_MoveWithMeasureLine(benchmark::State& state) { Moves(state, false); }
BENCHMARK(BM_MoveWithMeasureLine)->Arg(100)->Arg(900)->Unit(benchmark::kMicrosecond);

void BM_MoveWithZoomRectangle(benchmark::State& state) { Moves(state, true); }
BENCHMARK(BM_MoveWithZoomRectangle)->Arg(100)->Arg(900)->Unit(benchmark::kMicrosecond);

// The panel texts alone: three coordinate texts, the locator and two decimals.
void BM_PointerLabels(benchmark::State& state) {
  Fixture f(false);
  const std::vector<QPoint> path = Circle(400);
  for (auto _ : state) {
    for (const QPoint& at : path) {
      orvex::PointerScene scene = f.Scene();
      benchmark::DoNotOptimize(orvex::TrackPointer(scene, at.x(), at.y()));
    }
  }
  state.SetItemsProcessed(state.iterations() * kMoves);
}
BENCHMARK(BM_PointerLabels)->Unit(benchmark::kMicrosecond);

}  // namespace
