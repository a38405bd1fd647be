#include "gps/position_handler.h"

#include <gtest/gtest.h>

#include "gps/receive_buffer.h"
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

// Two fixes drawn without a redraw between them: the first landing cross is
// erased by xor, leaving only the second on the picture.
TEST(HandlePosition, LandingCrossesAreErasedByTheNextFix) {
  testing::TempDir dir;
  Canvas canvas(400, 300);
  ProjectionState p;
  p.Zoom = 100;
  p.ImageWidth = 400;
  p.ImageHeight = 300;
  p.CentreLongitude = 6.2;
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
  HandlePosition(context, fix(6.00, 3000));
  HandlePosition(context, fix(6.10, 2000));  // lands at 6.30
  const GeoPosition firstDrop = receive.DropPoint;
  HandlePosition(context, fix(6.15, 1000));  // lands at 6.20
  ASSERT_NEAR(firstDrop.Longitude, 6.3, 1e-3);
  ASSERT_NEAR(receive.DropPoint.Longitude, 6.2, 1e-3);

  const QImage image = canvas.Image();
  const ScreenPoint erased = GeoToScreen(p, firstDrop.Longitude, firstDrop.Latitude, 0);
  const ScreenPoint shown = GeoToScreen(p, receive.DropPoint.Longitude, receive.DropPoint.Latitude, 0);
  EXPECT_EQ(image.pixel(erased.x + 15, erased.y), qRgb(0, 0, 0));
  EXPECT_NE(image.pixel(shown.x + 15, shown.y), qRgb(0, 0, 0));
  EXPECT_EQ(traces.TraceTable[0].size(), 3u);
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
