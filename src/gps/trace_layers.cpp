#include "gps/trace_layers.h"

#include <vector>

#include "mapview/layers.h"
#include "mapview/marks.h"

namespace orvex {
namespace {

constexpr CouleurBgr kGroundColour = 0x000080;      // maroon
constexpr CouleurBgr kPathColour = 0x00FFFF;        // yellow
constexpr CouleurBgr kBackgroundPath = 0x800080;    // purple
constexpr CouleurBgr kDrawnTraceColour = 0xFFFF00;  // aqua
constexpr int kDropCrossHalf = 20;
constexpr int kBackgroundTraceWidth = 2;
constexpr int kBackgroundDrawnWidth = 3;

bool StrictlyInView(const GeoBounds& view, const TracePoint& point) {
  return point.Lon > view.FixedWest && point.Lon < view.FixedEast && point.Lat > view.FixedSouth &&
         point.Lat < view.FixedNorth;
}

void DrawSegment(Canvas& canvas, const ProjectionState& p, const TracePoint& previous, const TracePoint& current,
                 CouleurBgr pathColour) {
  const double currentLon = FromFixed(current.Lon);
  const double currentLat = FromFixed(current.Lat);
  const double previousLon = FromFixed(previous.Lon);
  const double previousLat = FromFixed(previous.Lat);
  canvas.SetPenColor(kGroundColour);
  GeoMoveTo(canvas, p, currentLon, currentLat, current.Alt);
  GeoLineTo(canvas, p, currentLon, currentLat, 0);
  GeoLineTo(canvas, p, previousLon, previousLat, 0);
  GeoLineTo(canvas, p, previousLon, previousLat, previous.Alt);
  canvas.SetPenColor(pathColour);
  GeoLineTo(canvas, p, currentLon, currentLat, current.Alt);
}

bool HasPosition(const GeoPosition& position) { return position.Longitude != 0 && position.Latitude != 0; }

}  // namespace

void DrawLiveTrace(Canvas& canvas, const ProjectionState& p, const Traces& traces, const GeoPosition& dropPoint,
                   bool backgroundActive, GeoPosition& pendingDropCross) {
  pendingDropCross = {};
  if (!IsValidChannel(traces, traces.CurrentChannel)) {
    return;
  }
  const std::vector<TracePoint>& points = traces.TraceTable[traces.CurrentChannel];
  if (points.size() < 2) {
    return;
  }
  const CouleurBgr pathColour = backgroundActive ? kBackgroundPath : kPathColour;
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenWidth(backgroundActive ? kBackgroundTraceWidth : 1);
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (StrictlyInView(p.ViewBounds, points[i - 1])) {
      DrawSegment(canvas, p, points[i - 1], points[i], pathColour);
    }
  }
  // The cross goes on top of the whole path; with no landing point predicted
  // there is nothing to mark (and nothing for the next fix to erase).
  if (HasPosition(dropPoint)) {
    canvas.SetPenColor(pathColour);
    const ScreenPoint cross = GeoToScreen(p, dropPoint.Longitude, dropPoint.Latitude, 0);
    UprightCross(canvas, cross.x, cross.y, kDropCrossHalf);
    pendingDropCross = dropPoint;
  }
  canvas.SetPenWidth(1);
}

void DrawDrawnTrace(Canvas& canvas, const ProjectionState& p, const Traces& traces, bool backgroundActive) {
  if (traces.DrawnTrace.empty()) {
    return;
  }
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenColor(kDrawnTraceColour);
  canvas.SetPenWidth(backgroundActive ? kBackgroundDrawnWidth : 1);
  const DrawnPoint& first = traces.DrawnTrace.front();
  GeoMoveTo(canvas, p, FromFixed(first.Lon), FromFixed(first.Lat), 0);
  for (std::size_t i = 1; i < traces.DrawnTrace.size(); ++i) {
    GeoLineTo(canvas, p, FromFixed(traces.DrawnTrace[i].Lon), FromFixed(traces.DrawnTrace[i].Lat), 0);
  }
  canvas.SetPenWidth(1);
}

}  // namespace orvex
