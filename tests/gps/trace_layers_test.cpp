#include "gps/trace_layers.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

namespace orvex {
namespace {

constexpr CouleurBgr kYellow = 0x00FFFF;
constexpr CouleurBgr kPurple = 0x800080;
constexpr CouleurBgr kMaroon = 0x000080;
constexpr CouleurBgr kAqua = 0xFFFF00;
constexpr CouleurBgr kBlack = 0;

// 100 x 100 pixels, 10 pixels per degree both ways, centred on 5E 45N: the
// point (lon, lat) lands on x = 10 lon, y = 500 - 10 lat.
ProjectionState SmallView() {
  ProjectionState p;
  p.Zoom = 10;
  p.ImageWidth = 100;
  p.ImageHeight = 100;
  p.CentreLongitude = 5;
  p.CentreLatitude = 45;
  ComputeViewport(p);
  return p;
}

Traces TraceOf(std::initializer_list<GeoPosition> positions, double alt = 0) {
  Traces traces;
  ResetTraces(traces, 1);
  for (const GeoPosition& position : positions) {
    AppendTracePoint(traces, 0, "", position.Longitude, position.Latitude, alt);
  }
  return traces;
}

CouleurBgr Pixel(const Canvas& canvas, int x, int y) { return FromQColor(canvas.Image().pixelColor(x, y)); }

int CountInColumn(const Canvas& canvas, int x, CouleurBgr colour) {
  int count = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    count += Pixel(canvas, x, y) == colour ? 1 : 0;
  }
  return count;
}

int InkedPixels(const Canvas& canvas) {
  int count = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      count += Pixel(canvas, x, y) != kBlack ? 1 : 0;
    }
  }
  return count;
}

TEST(LiveTraceLayer, DrawsTheYellowPathAndTheDropCross) {
  const ProjectionState p = SmallView();
  ASSERT_EQ(GeoToScreen(p, 3, 45, 0), (ScreenPoint{30, 50}));
  Canvas canvas(100, 100);
  const Traces traces = TraceOf({{3, 45}, {7, 45}});
  GeoPosition pending{9, 9};
  DrawLiveTrace(canvas, p, traces, {2, 42}, false, pending);

  for (int x = 30; x < 70; ++x) {
    EXPECT_EQ(Pixel(canvas, x, 50), kYellow) << x;
  }
  EXPECT_EQ(CountInColumn(canvas, 45, kYellow), 1);
  EXPECT_EQ(Pixel(canvas, 25, 50), kBlack);
  // The cross of +-20 pixels around (20, 80).
  EXPECT_EQ(Pixel(canvas, 1, 80), kYellow);
  EXPECT_EQ(Pixel(canvas, 20, 98), kYellow);
  EXPECT_EQ(Pixel(canvas, 20, 58), kBlack);
  EXPECT_EQ(pending.Longitude, 2);
  EXPECT_EQ(pending.Latitude, 42);
  EXPECT_EQ(canvas.PenWidth(), 1);
}

TEST(LiveTraceLayer, DrawsNothingWithFewerThanTwoPoints) {
  const ProjectionState p = SmallView();
  for (const Traces& traces : {TraceOf({}), TraceOf({{5, 45}})}) {
    Canvas canvas(100, 100);
    GeoPosition pending{5, 44};
    DrawLiveTrace(canvas, p, traces, {5, 44}, false, pending);
    EXPECT_EQ(InkedPixels(canvas), 0);
    EXPECT_EQ(pending.Longitude, 0);
  }
}

TEST(LiveTraceLayer, SkipsPairsWhoseEarlierPointIsOutOfViewAndCrossesWithoutALandingPoint) {
  const ProjectionState p = SmallView();
  Canvas canvas(100, 100);
  // From west of the picture into it, then back out: only the second pair starts in view.
  const Traces traces = TraceOf({{-20, 45}, {3, 45}, {3, 40}});
  GeoPosition pending{5, 44};
  DrawLiveTrace(canvas, p, traces, {}, false, pending);
  EXPECT_EQ(Pixel(canvas, 10, 50), kBlack);
  EXPECT_EQ(Pixel(canvas, 30, 70), kYellow);
  EXPECT_EQ(pending.Longitude, 0);
  EXPECT_EQ(InkedPixels(canvas), 50);  // the visible part of the second pair, no cross
}

TEST(LiveTraceLayer, UsesAWiderPurplePathOverABackgroundImage) {
  const ProjectionState p = SmallView();
  Canvas canvas(100, 100);
  GeoPosition pending;
  DrawLiveTrace(canvas, p, TraceOf({{3, 45}, {7, 45}}), {2, 42}, true, pending);
  EXPECT_EQ(CountInColumn(canvas, 45, kPurple), 2);
  EXPECT_EQ(CountInColumn(canvas, 45, kYellow), 0);
  EXPECT_EQ(canvas.PenWidth(), 1);
}

TEST(LiveTraceLayer, DrawsTheVerticalsInMaroonWhenAltitudeLiftsThePath) {
  ProjectionState p = SmallView();
  p.Alpha.Set(0.5);
  p.NoRotation = false;
  Canvas canvas(100, 100);
  GeoPosition pending;
  DrawLiveTrace(canvas, p, TraceOf({{3, 45}, {7, 45}}, 5000), {}, false, pending);

  const ScreenPoint ground = GeoToScreen(p, 3, 45, 0);
  const ScreenPoint lifted = GeoToScreen(p, 3, 45, 5000);
  ASSERT_EQ(ground.x, lifted.x);
  ASSERT_GT(ground.y - lifted.y, 4);
  EXPECT_EQ(Pixel(canvas, ground.x, (ground.y + lifted.y) / 2), kMaroon);
  EXPECT_EQ(Pixel(canvas, 50, ground.y), kMaroon);  // ground track
  EXPECT_EQ(Pixel(canvas, 50, lifted.y), kYellow);  // the path at its altitude
}

TEST(DrawnTraceLayer, DrawsOneAquaPolyline) {
  const ProjectionState p = SmallView();
  Traces traces = TraceOf({});
  Canvas empty(100, 100);
  DrawDrawnTrace(empty, p, traces, false);
  EXPECT_EQ(InkedPixels(empty), 0);

  AddDrawnTracePoint(traces, 1, 48);
  AddDrawnTracePoint(traces, 8, 48);
  AddDrawnTracePoint(traces, 8, 42);
  Canvas canvas(100, 100);
  DrawDrawnTrace(canvas, p, traces, false);
  EXPECT_EQ(Pixel(canvas, 40, 20), kAqua);
  EXPECT_EQ(Pixel(canvas, 80, 40), kAqua);
  EXPECT_EQ(CountInColumn(canvas, 40, kAqua), 1);
  EXPECT_EQ(InkedPixels(canvas), 70 + 60);

  Canvas wide(100, 100);
  DrawDrawnTrace(wide, p, traces, true);
  EXPECT_EQ(CountInColumn(wide, 40, kAqua), 3);
}

}  // namespace
}  // namespace orvex
