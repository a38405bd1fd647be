#include "mapview/layers.h"

namespace orvex {
namespace {

constexpr CouleurBgr kGridColour = 0x008000;
// Locator sub-square width and height in degrees, at the precision the
// locator conversions use.
constexpr double kSubSquareWidth = 0.0833333;
constexpr double kSubSquareHeight = 0.041666666;

}  // namespace

void DrawLocatorGrid(Canvas& canvas, const ProjectionState& p) {
  const GeoBounds& b = p.ViewBounds;
  for (double lon = NearestInt(b.West) - 1; lon <= b.East + 1; lon += kSubSquareWidth) {
    GeoLine(canvas, p, kGridColour, lon, b.South - 1, lon, b.North + 1);
  }
  for (double lat = NearestInt(b.South) - 1; lat <= b.North + 1; lat += kSubSquareHeight) {
    GeoLine(canvas, p, kGridColour, b.West - 1, lat, b.East + 1, lat);
  }
}

}  // namespace orvex
