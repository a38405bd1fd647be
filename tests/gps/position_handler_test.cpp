#include "gps/position_handler.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "gps/receive_buffer.h"
#include "gps/trace_layers.h"
#include "mapview/redraw.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

TEST(PredictDropPoint, ExtendsThePathToAltitudeZero) {
  // Descending 1000 m per 0.01 degree east: ground reached 0.02 degree further.
  const GeoPosition drop = PredictDropPoint({6.00, 49.5}, 3000, {6.01, 49.5}, 2000);
  EXPECT_NEAR(drop.Longitude, 6.03, 1e-12);
  EXPECT_NEAR(drop.Latitude, 49.5, 1e-12);
  // Level flight keeps the previous point; a first fix (previous 0,0,0) gives 0,0.
  EXPECT_DOUBLE_EQ(PredictDropPoint({6.0, 49.5}, 800, {6.1, 49.6}, 800).Longitude, 6.0);
  const GeoPosition first = PredictDropPoint({}, 0, {6.1, 49.6}, 800);
  EXPECT_EQ(first.Longitude, 0);
  EXPECT_EQ(first.Latitude, 0);
}

TEST(NearestCityText, FirstOfEqualDistancesAndNoneWithoutCities) {
  TTableVilles villes;
  EXPECT_FALSE(NearestCityText(villes, 6, 49).has_value());
  villes.Fichiers.resize(2);
  villes.Fichiers[0].Elements.push_back({ToFixed(6.1), ToFixed(49.0), "Est", 0, true, 100});
  villes.Fichiers[1].Elements.push_back({ToFixed(5.9), ToFixed(49.0), "Ouest", 0, true, 100});
  villes.Fichiers[1].Elements.push_back({ToFixed(6.0), ToFixed(49.5), "Nord", 0, true, 100});
  EXPECT_EQ(NearestCityText(villes, 6.0, 49.0), "7km de Est");
  EXPECT_EQ(NearestCityText(villes, 6.0, 49.4), "11km de Nord");
}

// Landing crosses drawn by xor: each fix erases the cross before it, whether
// a fix drew it or a redraw did, so that only the newest stays on the picture.
TEST(HandlePosition, LandingCrossesAreErasedByTheNextFix) {
  testing::TempDir dir;
  Canvas canvas(400, 300);
  ProjectionState p;
  p.Zoom = 1000;
  p.ImageWidth = 400;
  p.ImageHeight = 300;
  p.CentreLongitude = 6.1;
  p.CentreLatitude = 49.6;
  ComputeViewport(p);
  ReceiveState receive;
  Traces traces;
  ResetTraces(traces, 1);
  AprsStationTable stations;
  RedrawState redraw;
  PlaceTables tables;
  PositionContext context{receive, traces, stations, canvas, p, redraw, tables, 6.0, 49.5, kTrameNmea, dir.path(), {}};

  const auto fix = [](double lon, double alt) { return DecodedPosition{lon, 49.6, alt, "120000", ""}; };
  const auto redrawMap = [&] {
    DisplayOptions display;
    MapScene scene(canvas, p, tables, display, redraw);
    scene.liveTraceLayer = [&] {
      DrawLiveTrace(canvas, p, traces, receive.DropPoint, false, receive.PendingDropCross);
    };
    RequestRedraw(scene);
  };
  // The upper arm of a cross: off the path, which runs along the parallel.
  const auto crossShown = [&](const GeoPosition& at) {
    const ScreenPoint s = GeoToScreen(p, at.Longitude, at.Latitude, 0);
    return canvas.Image().pixel(s.x, s.y - 15) != qRgb(0, 0, 0);
  };
  std::vector<GeoPosition> drops;
  for (const auto& [lon, alt, redrawAfter] : {std::tuple{6.00, 3000, false}, {6.05, 2000, true},  // lands at 6.15
                                              {6.08, 1000, false},                                // lands at 6.11
                                              {6.10, 500, false}}) {                              // lands at 6.12
    HandlePosition(context, fix(lon, alt));
    if (receive.DropPoint.Longitude != 0) {
      drops.push_back(receive.DropPoint);
    }
    if (redrawAfter) {
      redrawMap();
    }
  }
  ASSERT_EQ(drops.size(), 3u);
  EXPECT_NEAR(drops[0].Longitude, 6.15, 1e-3);
  EXPECT_NEAR(drops[2].Longitude, 6.12, 1e-3);
  EXPECT_EQ(std::vector<bool>({crossShown(drops[0]), crossShown(drops[1]), crossShown(drops[2])}),
            std::vector<bool>({false, false, true}));
  EXPECT_EQ(traces.TraceTable[0].size(), 4u);
}

// One rounding for the panel, the trace, its file and the landing test: a
// half metre goes up, and a first fix of 0.4 m counts as on the ground.
TEST(HandlePosition, AltitudesRoundTheSameWayEverywhere) {
  testing::TempDir dir;
  Canvas canvas(400, 300);
  ProjectionState p;
  p.Zoom = 100;
  p.ImageWidth = 400;
  p.ImageHeight = 300;
  ComputeViewport(p);
  ReceiveState receive;
  Traces traces;
  ResetTraces(traces, 1);
  AprsStationTable stations;
  RedrawState redraw;
  PlaceTables tables;
  PositionContext context{receive, traces, stations, canvas, p, redraw, tables, 6.0, 49.5, kTrameNmea, dir.path(), {}};
  const auto fix = [](double alt) { return DecodedPosition{6.1, 49.6, alt, "120000", ""}; };

  EXPECT_FALSE(HandlePosition(context, fix(0.4)).LgChuteGP3.has_value());
  const GpsPanelUpdate half = HandlePosition(context, fix(544.5));
  const GpsPanelUpdate below = HandlePosition(context, fix(-2.5));
  EXPECT_EQ(std::pair(half.AltGPSGP3, below.AltGPSGP3), std::pair(std::optional<std::string>("545"),
                                                                  std::optional<std::string>("-3")));
  EXPECT_EQ(traces.TraceTable[0][1].Alt, 545);
  EXPECT_EQ(traces.TraceTable[0][2].Alt, -3);
  const std::string file = testing::ReadFile(traces.TraceFileName);
  EXPECT_NE(file.find(",545\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find(",-3\r\n"), std::string::npos) << file;
}

}  // namespace
}  // namespace orvex
