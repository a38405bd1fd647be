#include "gps/trace_layers.h"

#include <gtest/gtest.h>

#include "support/map_picture.h"

namespace orvex {
namespace {

constexpr CouleurBgr kYellow = 0x00FFFF;
constexpr CouleurBgr kPurple = 0x800080;
constexpr CouleurBgr kMaroon = 0x000080;
constexpr CouleurBgr kAqua = 0xFFFF00;
constexpr CouleurBgr kBlack = 0;

Traces TraceOf(std::initializer_list<GeoPosition> positions, double alt = 0) {
  Traces traces;
  ResetTraces(traces, 1);
  for (const GeoPosition& position : positions) {
    AppendTracePoint(traces, 0, "", position.Longitude, position.Latitude, alt);
  }
  return traces;
}

// A black 100 x 100 picture, 10 pixels per degree both ways, centred on 5E
// 45N: the point (lon, lat) lands on x = 10 lon, y = 500 - 10 lat.
class TraceLayers : public ::testing::Test {
 protected:
  void SetUp() override {
    p_.Zoom = 10;
    p_.ImageWidth = 100;
    p_.ImageHeight = 100;
    p_.CentreLongitude = 5;
    p_.CentreLatitude = 45;
    ComputeViewport(p_);
    ASSERT_EQ(GeoToScreen(p_, 3, 45, 0), (ScreenPoint{30, 50}));
  }
  CouleurBgr Pixel(int x, int y) const { return testing::PixelAt(canvas_, x, y); }
  // Pixels of `colour` in column x.
  int Count(CouleurBgr colour, int x) const { return testing::CountColour(canvas_, colour, QRect(x, 0, 1, 100)); }
  int Inked() const { return testing::CountInk(canvas_, QRect(0, 0, 100, 100)); }

  ProjectionState p_;
  Canvas canvas_{100, 100};
  GeoPosition pending_{9, 9};
};

TEST_F(TraceLayers, LiveTraceIsAYellowPathWithADropCross) {
  DrawLiveTrace(canvas_, p_, TraceOf({{3, 45}, {7, 45}}), {2, 42}, false, pending_);
  for (int x = 30; x < 70; ++x) {
    EXPECT_EQ(Pixel(x, 50), kYellow) << x;
  }
  EXPECT_EQ(Count(kYellow, 45), 1);
  EXPECT_EQ(Pixel(25, 50), kBlack);
  // The cross of +-20 pixels around (20, 80).
  EXPECT_EQ(Pixel(1, 80), kYellow);
  EXPECT_EQ(Pixel(20, 98), kYellow);
  EXPECT_EQ(Pixel(20, 58), kBlack);
  EXPECT_EQ(pending_.Longitude, 2);
  EXPECT_EQ(pending_.Latitude, 42);
  EXPECT_EQ(canvas_.PenWidth(), 1);

  canvas_.SetSize(100, 100);
  DrawLiveTrace(canvas_, p_, TraceOf({{3, 45}, {7, 45}}), {2, 42}, true, pending_);
  EXPECT_EQ(Count(kPurple, 45), 2);  // wider and purple over a background image
  EXPECT_EQ(Count(kYellow, 45), 0);
  EXPECT_EQ(canvas_.PenWidth(), 1);
}

TEST_F(TraceLayers, LiveTraceOfFewerThanTwoPointsDrawsNothing) {
  for (const Traces& traces : {TraceOf({}), TraceOf({{5, 45}})}) {
    pending_ = {5, 44};
    DrawLiveTrace(canvas_, p_, traces, {5, 44}, false, pending_);
    EXPECT_EQ(Inked(), 0);
    EXPECT_EQ(pending_.Longitude, 0);
  }
}

TEST_F(TraceLayers, LiveTraceSkipsPairsWhoseEarlierPointIsOutOfViewAndCrossesWithoutALandingPoint) {
  // From west of the picture into it, then back out: only the second pair starts in view.
  DrawLiveTrace(canvas_, p_, TraceOf({{-20, 45}, {3, 45}, {3, 40}}), {}, false, pending_);
  EXPECT_EQ(Pixel(10, 50), kBlack);
  EXPECT_EQ(Pixel(30, 70), kYellow);
  EXPECT_EQ(pending_.Longitude, 0);
  EXPECT_EQ(Inked(), 50);  // the visible part of the second pair, no cross
}

TEST_F(TraceLayers, LiveTraceLiftedByAltitudeHasMaroonVerticals) {
  p_.Alpha.Set(0.5);
  p_.NoRotation = false;
  DrawLiveTrace(canvas_, p_, TraceOf({{3, 45}, {7, 45}}, 5000), {}, false, pending_);
  const ScreenPoint ground = GeoToScreen(p_, 3, 45, 0);
  const ScreenPoint lifted = GeoToScreen(p_, 3, 45, 5000);
  ASSERT_EQ(ground.x, lifted.x);
  ASSERT_GT(ground.y - lifted.y, 4);
  EXPECT_EQ(Pixel(ground.x, (ground.y + lifted.y) / 2), kMaroon);
  EXPECT_EQ(Pixel(50, ground.y), kMaroon);  // ground track
  EXPECT_EQ(Pixel(50, lifted.y), kYellow);  // the path at its altitude
}

TEST_F(TraceLayers, DrawnTraceIsOneAquaPolyline) {
  Traces traces = TraceOf({});
  DrawDrawnTrace(canvas_, p_, traces, false);
  EXPECT_EQ(Inked(), 0);
  AddDrawnTracePoint(traces, 1, 48);
  AddDrawnTracePoint(traces, 8, 48);
  AddDrawnTracePoint(traces, 8, 42);
  DrawDrawnTrace(canvas_, p_, traces, false);
  EXPECT_EQ(Pixel(40, 20), kAqua);
  EXPECT_EQ(Pixel(80, 40), kAqua);
  EXPECT_EQ(Count(kAqua, 40), 1);
  EXPECT_EQ(Inked(), 70 + 60);

  canvas_.SetSize(100, 100);
  DrawDrawnTrace(canvas_, p_, traces, true);
  EXPECT_EQ(Count(kAqua, 40), 3);
}

}  // namespace
}  // namespace orvex
