#include <algorithm>
#include <cstdlib>
#include <string>

#include "mapview/globe_graticule.h"
#include "mapview/layers.h"

namespace orvex {
namespace {

constexpr std::int32_t kBrightZoom = 200;  // above it, with the locator grid on, the lines brighten
constexpr CouleurBgr kBrightColour = 0x00FF00;
constexpr CouleurBgr kDimColour = 0x008000;
constexpr double kParallelLabelInset = 0.7;  // degrees west of the east bound
constexpr double kMeridianLabelRise = 0.4;   // degrees north of the south bound

// Wider spacing when zoomed out, so that labels do not run together.
int ParallelStep(std::int32_t zoom) {
  if (zoom < 10) {
    return 11;
  }
  if (zoom < 30) {
    return 6;
  }
  return zoom < 50 ? 2 : 1;
}

int MeridianStep(std::int32_t zoom) {
  if (zoom < 10) {
    return 11;
  }
  if (zoom < 30) {
    return 6;
  }
  return zoom < 60 ? 2 : 1;
}

std::string DegreeLabel(int degrees, bool positive, const char* positiveLetter, const char* negativeLetter) {
  return std::to_string(std::abs(degrees)) + "\xB0" + (positive ? positiveLetter : negativeLetter);
}

void DrawPlaneGraticule(Canvas& canvas, const ProjectionState& p, bool gridShown) {
  const CouleurBgr colour = p.Zoom > kBrightZoom && gridShown ? kBrightColour : kDimColour;
  const GeoBounds& b = p.ViewBounds;
  canvas.SetPenWidth(1);
  const int parallelStep = ParallelStep(p.Zoom);
  for (int lat = std::max(NearestInt(b.South) - 2, -90); lat < b.North && lat <= 90; lat += parallelStep) {
    GeoLine(canvas, p, colour, b.West, lat, b.East, lat);
    GeoText(canvas, p, b.East - kParallelLabelInset, lat, DegreeLabel(lat, lat >= 1, "N", "S"));
  }
  const int meridianStep = MeridianStep(p.Zoom);
  for (int lon = std::max(NearestInt(b.West) - 3, -180); lon <= b.East + 1 && lon <= 180; lon += meridianStep) {
    GeoLine(canvas, p, colour, lon, b.South - 1, lon, b.North + 1);
    GeoText(canvas, p, lon, b.South + kMeridianLabelRise, DegreeLabel(lon, lon >= 1, "E", "W"));
  }
}

}  // namespace

void DrawGraticule(Canvas& canvas, const ProjectionState& p, bool gridShown, bool globeDemo) {
  if (p.Spherical) {
    DrawGlobeGraticule(canvas, p, globeDemo);
  } else {
    DrawPlaneGraticule(canvas, p, gridShown);
  }
}

}  // namespace orvex
