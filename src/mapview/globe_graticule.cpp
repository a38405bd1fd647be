#include "mapview/globe_graticule.h"

#include <QPoint>

#include <cmath>
#include <optional>
#include <vector>

#include "geo/angle_constants.h"
#include "mapview/layers.h"

namespace orvex {
namespace {

constexpr CouleurBgr kGlobeColour = 0x00FF00;
constexpr int kLineSpacing = 20;      // degrees
constexpr int kDemoLineSpacing = 30;  // degrees
constexpr double kHalfPi = kPi / 2;
constexpr double kFullTurn = 2 * kPi;
// A sample is kept only within these pixel coordinates.
constexpr double kLowestPixel = -4999;
constexpr double kHighestPixel = 5999;

// Finer sampling on a bigger globe keeps the lines smooth.
double SamplingStep(double radius) {
  if (radius > 500) {
    return 0.05;
  }
  if (radius > 200) {
    return 0.1;
  }
  return radius > 100 ? 0.2 : 0.3;
}

// The globe mapping with the line's own radius, before the picture limits of
// the shared mapping apply: the graticule keeps its own pixel window.
struct GlobeSampler {
  const ProjectionState& p;
  double radius;

  std::optional<QPoint> operator()(double lambda, double phi) const {
    const auto offset = GlobeOffsetOf(p, lambda, phi, radius);
    if (!offset) {
      return std::nullopt;
    }
    const double x = NearestInt(offset->x) + static_cast<double>(p.PivotX);
    const double y = NearestInt(offset->y) + static_cast<double>(p.PivotY);
    if (x < kLowestPixel || x > kHighestPixel || y < kLowestPixel || y > kHighestPixel) {
      return std::nullopt;
    }
    return QPoint(static_cast<int>(x), static_cast<int>(y));
  }
};

void DrawMeridian(Canvas& canvas, const GlobeSampler& sample, double lambda, double step, std::vector<QPoint>& line) {
  line.clear();
  const auto keep = [&](double phi) {
    if (const std::optional<QPoint> point = sample(lambda, phi)) {
      line.push_back(*point);
    }
  };
  for (double phi = -kHalfPi; phi < kHalfPi; phi += step) {
    keep(phi);
  }
  keep(kHalfPi);
  canvas.Polyline(line);
}

// A hidden stretch splits the parallel, so that no chord crosses the globe.
void DrawParallel(Canvas& canvas, const GlobeSampler& sample, double phi, double step, std::vector<QPoint>& line) {
  line.clear();
  double lambda = 0;
  while (true) {
    if (const std::optional<QPoint> point = sample(lambda, phi)) {
      line.push_back(*point);
    } else {
      canvas.Polyline(line);
      line.clear();
    }
    if (lambda >= kFullTurn) {
      break;
    }
    lambda += step;
  }
  canvas.Polyline(line);
}

}  // namespace

void DrawGlobeGraticule(Canvas& canvas, const ProjectionState& p, bool demo) {
  const double radius = demo ? p.Zoom : p.GlobeRadius;
  const int spacing = demo ? kDemoLineSpacing : kLineSpacing;
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kGlobeColour);
  canvas.SetBrushStyle(BrushStyle::Clear);
  Circle(canvas, p.PivotX, p.PivotY, NearestInt(radius));
  const GlobeSampler sample{p, radius};
  const double step = SamplingStep(radius);
  std::vector<QPoint> line;
  for (int lon = 0; lon < 360; lon += spacing) {
    DrawMeridian(canvas, sample, lon * kDegreesToRadians, step, line);
  }
  for (int lat = -90; lat < 90; lat += spacing) {
    DrawParallel(canvas, sample, lat * kDegreesToRadians, step, line);
  }
}

}  // namespace orvex
