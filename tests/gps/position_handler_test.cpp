#include "gps/position_handler.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "gps/receive_buffer.h"
#include "gps/trace_layers.h"
#include "mapview/redraw.h"
#include "support/map_picture.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

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
  ProjectionState p = testing::View(1000, 6.1, 49.6, 400, 300);
  ReceiveState receive;
  Traces traces;
  ResetTraces(traces, 1);
  AprsStationTable stations;
  RedrawState redraw;
  PlaceTables tables;
  PositionContext context{receive, traces, stations, canvas, p, redraw, tables, 6.0, 49.5, kTrameNmea, dir.path(), {}};

  const auto fix = [](double lon, double alt) { return DecodedPosition{lon, 49.6, alt, "120000", "", "", false}; };
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
  EXPECT_NEAR(drops[0].Longitude, 6.15, 1e-3);  // the path carried on down to the ground
  EXPECT_NEAR(drops[2].Longitude, 6.12, 1e-3);
  EXPECT_EQ(std::vector<bool>({crossShown(drops[0]), crossShown(drops[1]), crossShown(drops[2])}),
            std::vector<bool>({false, false, true}));
  EXPECT_EQ(traces.TraceTable[0].size(), 4u);
  EXPECT_DOUBLE_EQ(PredictDropPoint({6.0, 49.5}, 800, {6.1, 49.6}, 800).Longitude, 6.0);  // level: no descent
}

// Following the mobile moves the centre of a vector map; over a scanned map,
// whose picture is tied to the centre, it scrolls the view instead.
TEST(HandlePosition, FollowingTheMobileKeepsAScannedMapInPlace) {
  testing::TempDir dir;
  Canvas canvas(400, 300);
  ReceiveState receive;
  receive.CentrerSurMobile = true;
  Traces traces;
  ResetTraces(traces, 1);
  AprsStationTable stations;
  RedrawState redraw;
  PlaceTables tables;
  for (const bool scanned : {false, true}) {
    ProjectionState p = testing::View(1000, 6.1, 49.6, 400, 300);
    p.BackgroundActive = scanned;
    int redraws = 0;
    std::vector<GeoPosition> scrolls;
    PositionContext context{receive,   traces,     stations, canvas, p, redraw, tables, 6.0, 49.5, kTrameNmea,
                            dir.path(), [&] { ++redraws; }, 0,
                            [&](double lon, double lat) { scrolls.push_back({lon, lat}); }};
    HandlePosition(context, DecodedPosition{6.2, 49.7, 500, "120000", "", "", false});
    EXPECT_EQ(std::tuple(p.CentreLongitude, p.CentreLatitude, redraws, scrolls.size()),
              scanned ? std::tuple(6.1, 49.6, 0, std::size_t{1}) : std::tuple(6.2, 49.7, 1, std::size_t{0}))
        << scanned;
  }
}

}  // namespace
}  // namespace orvex
