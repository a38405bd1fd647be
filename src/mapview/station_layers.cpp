#include "mapview/layers.h"
#include "mapview/marks.h"

namespace orvex {
namespace {

constexpr CouleurBgr kAprsOverBlack = 0xFFFF00;
constexpr CouleurBgr kAprsOverBackground = 0x000000;
constexpr int kAprsNameShiftX = 10;
constexpr int kAprsNameShiftY = -7;

constexpr CouleurBgr kWaypointOverBackground = 0xFF0000;
constexpr CouleurBgr kWaypointOverBlack = 0xFFA0A0;
constexpr int kWaypointPenWidth = 3;
constexpr int kWaypointCrossHalf = 5;
constexpr int kWaypointNameShiftX = 7;
constexpr int kWaypointNameShiftY = -7;

}  // namespace

void DrawAprsStations(Canvas& canvas, const ProjectionState& p, std::span<const LabelledPoint> stations) {
  const CouleurBgr ink = p.BackgroundActive ? kAprsOverBackground : kAprsOverBlack;
  canvas.SetPenColor(ink);
  canvas.SetFontColor(ink);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(p.BackgroundActive ? 0xFFFFFF : 0x000000);
  canvas.SetPenMode(PenMode::Copy);
  for (const LabelledPoint& station : stations) {
    GeoCross(canvas, p, station.longitude, station.latitude, 0);
    const ScreenPoint s = GeoToScreen(p, station.longitude, station.latitude, 0);
    canvas.TextOut(s.x + kAprsNameShiftX, s.y + kAprsNameShiftY, station.name);
  }
}

void DrawWaypoints(Canvas& canvas, const ProjectionState& p, std::span<const LabelledPoint> waypoints) {
  const CouleurBgr ink = p.BackgroundActive ? kWaypointOverBackground : kWaypointOverBlack;
  canvas.SetPenColor(ink);
  canvas.SetFontColor(ink);
  canvas.SetPenWidth(kWaypointPenWidth);
  canvas.SetPenMode(PenMode::Copy);
  for (const LabelledPoint& waypoint : waypoints) {
    const ScreenPoint s = GeoToScreen(p, waypoint.longitude, waypoint.latitude, 0);
    DiagonalCross(canvas, s.x, s.y, kWaypointCrossHalf);
    canvas.TextOut(s.x + kWaypointNameShiftX, s.y + kWaypointNameShiftY, waypoint.name);
  }
}

}  // namespace orvex
