#include "mapview/layers.h"
#include "mapview/marks.h"

namespace orvex {
namespace {

constexpr int kCrossHalf = 10;
constexpr int kLargestCircle = 1000;  // larger circles would only cover the picture
constexpr CouleurBgr kGeoTextColour = 0x00FF00;

}  // namespace

void GeoLine(Canvas& canvas, const ProjectionState& p, CouleurBgr colour, double lon1, double lat1, double lon2,
             double lat2) {
  const ScreenPoint from = GeoToScreen(p, lon1, lat1, 0);
  const ScreenPoint to = GeoToScreen(p, lon2, lat2, 0);
  canvas.SetPenColor(colour);
  canvas.MoveTo(from.x, from.y);
  canvas.LineTo(to.x, to.y);
}

void GeoMoveTo(Canvas& canvas, const ProjectionState& p, double lon, double lat, double alt) {
  const ScreenPoint point = GeoToScreen(p, lon, lat, alt);
  canvas.MoveTo(point.x, point.y);
}

void GeoLineTo(Canvas& canvas, const ProjectionState& p, double lon, double lat, double alt) {
  const ScreenPoint point = GeoToScreen(p, lon, lat, alt);
  canvas.LineTo(point.x, point.y);
}

void GeoCross(Canvas& canvas, const ProjectionState& p, double lon, double lat, double alt) {
  const ScreenPoint point = GeoToScreen(p, lon, lat, alt);
  UprightCross(canvas, point.x, point.y, kCrossHalf);
}

void GeoText(Canvas& canvas, const ProjectionState& p, double lon, double lat, std::string_view text) {
  const ScreenPoint point = RotatePoint(p, {LonToX(p, lon), LatToY(p, lat)}, 0);
  canvas.SetFontColor(kGeoTextColour);
  canvas.SetPenMode(PenMode::Copy);
  canvas.TextOut(point.x + 1, point.y + 1, text);
}

void Circle(Canvas& canvas, int x, int y, int r) {
  if (r < kLargestCircle) {
    canvas.Ellipse(x - r, y - r, x + r, y + r);
  }
}

}  // namespace orvex
