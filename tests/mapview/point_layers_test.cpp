// Radio amateurs, APRS stations, waypoints and structures: marks, colours
// and the mast of a station drawn on a tilted map.
#include <gtest/gtest.h>

#include "mapview/layers.h"
#include "support/map_picture.h"

namespace orvex {
namespace {

using testing::CountColour;
using testing::ExpectPixels;
using testing::ViewOf;

constexpr double kLon = 6.0;
constexpr double kLat = 49.5;

void DrawOneStation(Canvas& canvas, const ProjectionState& p, std::int32_t altitude) {
  DrawRadioAmateurs(canvas, p, TTableOM{{{"OM.DAT", {TOM{ToFixed(kLon), ToFixed(kLat), altitude, "F6XYZ"}}}}});
}

TEST(RadioAmateurLayer, MastOnlyForARaisedStationOnATiltedMap) {
  struct Case { std::int32_t altitude; bool tilted; bool mast; };
  for (const Case& c : {Case{0, true, false}, {1000, true, true}, {1000, false, false}}) {
    Canvas canvas(300, 300);
    ProjectionState p = ViewOf(canvas, 300, kLon, kLat);
    if (c.tilted) {
      StepAlpha(p, 0.5);
    }
    DrawOneStation(canvas, p, c.altitude);
    const ScreenPoint top = FixedToScreen(p, ToFixed(kLon), ToFixed(kLat), c.altitude);
    const std::string what = std::to_string(c.altitude) + (c.tilted ? " tilted" : " flat");
    ExpectPixels(canvas, {{top.x - 5, top.y, 0xFFFFFF}, {top.x, top.y - 5, 0xFFFFFF}}, what + ": cross at the top");
    // 1000 m at zoom 300 is 150 pixels of depth: the foot is 72 rows lower.
    const int mast = CountColour(canvas, 0x0000FF);
    EXPECT_TRUE(c.mast ? mast > 60 : mast == 0) << what << ": " << mast;
  }
}

TEST(RadioAmateurLayer, BlackBoldMarksOverABackground) {
  Canvas canvas(300, 300);
  canvas.SetBrushColor(0xFFFFFF);
  canvas.FillRect(0, 0, 300, 300);
  ProjectionState p = ViewOf(canvas, 300, kLon, kLat);
  p.BackgroundActive = true;
  DrawOneStation(canvas, p, 0);
  const ScreenPoint s = FixedToScreen(p, ToFixed(kLon), ToFixed(kLat), 0);
  EXPECT_EQ(testing::PixelAt(canvas, s.x - 5, s.y), 0x000000);
  EXPECT_EQ(CountColour(canvas, 0x000000, QRect(s.x - 5, s.y - 1, 1, 3)), 2);  // pen width 2
  EXPECT_TRUE(canvas.Font().bold());
}

TEST(StationLayers, AprsCrossAndWaypointX) {
  struct Case { bool background; CouleurBgr paper; CouleurBgr aprs; CouleurBgr waypoint; };
  for (const Case& c : {Case{false, 0x000000, 0xFFFF00, 0xFFA0A0}, {true, 0xFFFFFF, 0x000000, 0xFF0000}}) {
    Canvas canvas(300, 300);
    canvas.SetBrushColor(c.paper);
    canvas.FillRect(0, 0, 300, 300);
    ProjectionState p = ViewOf(canvas, 300, kLon, kLat);
    p.BackgroundActive = c.background;
    const LabelledPoint station{kLon - 0.2, kLat, "F1AAA-9"};
    const LabelledPoint waypoint{kLon + 0.2, kLat, "WPT001"};
    DrawAprsStations(canvas, p, std::span(&station, 1));
    DrawWaypoints(canvas, p, std::span(&waypoint, 1));
    const ScreenPoint a = GeoToScreen(p, station.longitude, station.latitude, 0);
    const ScreenPoint w = GeoToScreen(p, waypoint.longitude, waypoint.latitude, 0);
    const std::string what = c.background ? "over a background" : "plain";
    ExpectPixels(canvas, {{a.x - 8, a.y, c.aprs}, {a.x, a.y + 8, c.aprs}, {a.x + 5, a.y + 5, c.paper}}, what + " aprs");
    ExpectPixels(canvas, {{w.x + 3, w.y + 3, c.waypoint}, {w.x - 3, w.y + 3, c.waypoint}, {w.x + 4, w.y, c.paper}},
                 what + " waypoint");
    EXPECT_GT(CountColour(canvas, c.aprs, QRect(a.x + 10, a.y - 7, 50, 12)), 10) << what << ": station name";
    EXPECT_GT(CountColour(canvas, c.waypoint, QRect(w.x + 7, w.y - 7, 50, 12)), 10) << what << ": waypoint name";
  }
}

TStructure Square(std::int32_t code, double lon) {
  TStructure structure{code, "Bassin", {}};
  for (const auto& [dlon, dlat] : {std::pair{-0.03, -0.03}, {0.03, -0.03}, {0.03, 0.03}, {-0.03, 0.03}}) {
    structure.Points.push_back({ToFixed(kLat + dlat), ToFixed(lon + dlon)});
  }
  return structure;
}

TEST(StructureLayer, ColourOfTheCodeMergedOverThePicture) {
  struct Case { const char* name; std::vector<std::int32_t> codes; std::vector<CouleurBgr> colours; };
  // Squares drawn left to right, each colour merged over 0x404040.
  const Case cases[] = {
      {"coded colours", {0, 1, 2, 3}, {0x404040, 0xFF4040, 0x40C040, 0xC04040}},
      {"more coded colours", {4, 5, 6, 7}, {0x4040FF, 0xC040C0, 0x4040C0, 0xC0C0C0}},
      {"8, 14, 15", {8, 14, 15}, {0xC0C0C0, 0x40FFFF, 0xFFFFFF}},
      {"a code without colour keeps the one before", {1, 9, 13, 16}, {0xFF4040, 0xFF4040, 0xFF4040, 0xFF4040}},
      {"a code without colour drawn first is grey", {12, 4}, {0xC0C0C0, 0x4040FF}},
  };
  for (const Case& c : cases) {
    Canvas canvas(400, 200);
    canvas.SetBrushColor(0x404040);
    canvas.FillRect(0, 0, 400, 200);
    const ProjectionState p = ViewOf(canvas, 1000, kLon, kLat);
    TTableStructures table{{{"STRUCT.DAT", {}}}};
    for (std::size_t i = 0; i < c.codes.size(); ++i) {
      table.Fichiers[0].Elements.push_back(Square(c.codes[i], kLon - 0.15 + 0.1 * static_cast<double>(i)));
    }
    DrawStructures(canvas, p, table);
    for (std::size_t i = 0; i < c.codes.size(); ++i) {
      const ScreenPoint s = GeoToScreen(p, kLon - 0.15 + 0.1 * static_cast<double>(i), kLat, 0);
      EXPECT_EQ(testing::PixelAt(canvas, s.x, s.y), c.colours[i]) << c.name << " #" << i;
    }
  }
}

TEST(StructureLayer, NameAboveZoom1500AndNoPolygonEndingFarOff) {
  struct Case { std::int32_t zoom; double lastLon; bool polygon; bool name; };  // last point moved to lastLon
  for (const Case& c : {Case{1500, kLon - 0.03, true, false}, {1501, kLon - 0.03, true, true},
                        {1501, kLon + 4.0, false, false}}) {
    Canvas canvas(400, 300);
    canvas.SetFontColor(0x00FF00);
    canvas.SetBrushColor(0x000000);
    const ProjectionState p = ViewOf(canvas, c.zoom, kLon, kLat);
    TStructure structure = Square(14, kLon);
    structure.Points.back().Lg = ToFixed(c.lastLon);
    DrawStructures(canvas, p, TTableStructures{{{"STRUCT.DAT", {structure}}}});
    const ScreenPoint centre = GeoToScreen(p, kLon + 0.01, kLat - 0.01, 0);
    EXPECT_EQ(testing::PixelAt(canvas, centre.x, centre.y) == 0x00FFFF, c.polygon) << c.zoom << " " << c.lastLon;
    const ScreenPoint last = FixedToScreen(p, structure.Points.back().Lg, structure.Points.back().Lt, 0);
    EXPECT_EQ(CountColour(canvas, 0x00FF00, QRect(last.x + 10, last.y - 10, 50, 12)) > 0, c.name) << c.zoom;
  }
}

}  // namespace
}  // namespace orvex
