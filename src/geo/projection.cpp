#include "geo/projection.h"

#include <algorithm>
#include <limits>

#include "geo/angle_constants.h"

namespace orvex {
namespace {

constexpr double kGlobeRadiusPerZoom = 80;
// Globe points projected beyond these columns or rows are dropped to 0.
constexpr std::int32_t kGlobeLowestPixel = -100;
constexpr std::int32_t kGlobeHighestPixel = 20000;

// Offsets may use the whole int32 range: the mapping adds them in 64 bits and
// only then saturates, so a far centre still places the picture's own
// points exactly.
std::int32_t NearestInt32(double value) {
  constexpr double kLow = std::numeric_limits<std::int32_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
  const double low = value > kLow ? value : kLow;
  return static_cast<std::int32_t>(std::nearbyint(low < kHigh ? low : kHigh));
}

std::int32_t AddPivot(std::int32_t offset, std::int32_t pivot) { return SaturateInt(std::int64_t{offset} + pivot); }

std::int32_t OnGlobePicture(std::int32_t pixel) {
  return pixel < kGlobeLowestPixel || pixel > kGlobeHighestPixel ? 0 : pixel;
}

void FaceGlobeToCentre(ProjectionState& p) {
  p.SphereAlpha.Radians = p.CentreLatitude * kDegreesToRadians + kPi;
  p.SphereGamma.Radians = p.CentreLongitude * kDegreesToRadians;
}

void StepAngle(ProjectionState& p, RotationAngle& planeAngle, RotationAngle& globeAngle, double d) {
  if (p.Spherical) {
    globeAngle.Set(globeAngle.Radians + d);
    return;
  }
  planeAngle.Set(planeAngle.Radians + d);
  p.NoRotation = false;
}

}  // namespace

ScreenPoint RotatePoint(const ProjectionState& p, ScreenPoint point, std::int32_t z) {
  if (p.Gamma.Radians != 0) {
    const double u = static_cast<double>(point.x) - p.PivotX;
    const double v = static_cast<double>(point.y) - p.PivotY;
    point.x = AddPivot(NearestInt(u * p.Gamma.Cos - v * p.Gamma.Sin), p.PivotX);
    point.y = AddPivot(NearestInt(u * p.Gamma.Sin + v * p.Gamma.Cos), p.PivotY);
  }
  if (p.Alpha.Radians != 0) {
    const std::int32_t pivotRow = p.GroundView ? p.ImageHeight : p.PivotY;
    const double v = static_cast<double>(point.y) - pivotRow;
    point.y = AddPivot(NearestInt(v * p.Alpha.Cos - z * p.Alpha.Sin), pivotRow);
  }
  if (p.Beta.Radians != 0) {
    const double u = static_cast<double>(point.x) - p.PivotX;
    point.x = AddPivot(NearestInt(u * p.Beta.Cos + z * p.Beta.Sin), p.PivotX);
  }
  return point;
}

std::optional<GlobeOffset> GlobeOffsetOf(const ProjectionState& p, double lambda, double phi, double radius) {
  const double l = lambda - p.SphereGamma.Radians;
  const double sinPhi = std::sin(phi);
  const double cosPhi = std::cos(phi);
  const double cosL = std::cos(l);
  const double a = sinPhi * p.SphereAlpha.Sin;
  const double east = cosPhi * std::sin(l);
  const double q = cosPhi * cosL * p.SphereAlpha.Cos;
  const double cosB = p.SphereBeta.Cos;
  const double sinB = p.SphereBeta.Sin;
  if ((a * cosB - east * sinB + q * cosB) * radius > 0) {
    return std::nullopt;  // far side
  }
  return GlobeOffset{(east * cosB + a * sinB + q * sinB) * radius,
                     (sinPhi * p.SphereAlpha.Cos - cosPhi * cosL * p.SphereAlpha.Sin) * radius};
}

ScreenPoint SphereProject(const ProjectionState& p, double lon, double lat) {
  const auto offset = GlobeOffsetOf(p, lon * kDegreesToRadians, lat * kDegreesToRadians, p.GlobeRadius);
  if (!offset) {
    return {};
  }
  return {OnGlobePicture(AddPivot(NearestInt(offset->x), p.PivotX)),
          OnGlobePicture(AddPivot(NearestInt(offset->y), p.PivotY))};
}

void StepAlpha(ProjectionState& p, double d) { StepAngle(p, p.Alpha, p.SphereAlpha, d); }

void StepBeta(ProjectionState& p, double d) { StepAngle(p, p.Beta, p.SphereBeta, d); }

void StepGamma(ProjectionState& p, double d) { StepAngle(p, p.Gamma, p.SphereGamma, d); }

void RefreshRotation(ProjectionState& p) {
  for (RotationAngle* angle : {&p.Alpha, &p.Beta, &p.Gamma, &p.SphereAlpha, &p.SphereBeta, &p.SphereGamma}) {
    angle->Set(angle->Radians);
  }
  p.NoRotation = p.Alpha.Radians == 0 && p.Beta.Radians == 0 && p.Gamma.Radians == 0;
}

void ResetAngles(ProjectionState& p) {
  for (RotationAngle* angle : {&p.Alpha, &p.Beta, &p.Gamma, &p.SphereAlpha, &p.SphereBeta, &p.SphereGamma}) {
    angle->Radians = 0;
  }
  FaceGlobeToCentre(p);
  RefreshRotation(p);
}

void ToggleProjection(ProjectionState& p) {
  p.Spherical = !p.Spherical;
  if (p.Spherical) {
    FaceGlobeToCentre(p);
  }
  RefreshRotation(p);
}

// Only the numbers: clearing the picture and showing Zoom in its label are
// steps of the redraw itself, which calls this first.
void ComputeViewport(ProjectionState& p) {
  p.Zoom = std::clamp(p.Zoom, kMinZoom, kMaxZoom);
  if (!p.BackgroundActive) {
    // The vertical scale follows the picture's aspect ratio, not the latitude.
    p.ScaleY = p.ImageHeight > 0
                   ? NearestInt(static_cast<double>(p.Zoom) * p.ImageWidth / p.ImageHeight)
                   : p.Zoom;
  }
  p.ScaleY = std::max(p.ScaleY, 1);
  p.ScaleRatio = static_cast<double>(p.ScaleY) / p.Zoom;
  p.PivotX = p.ImageWidth / 2;
  p.PivotY = p.ImageHeight / 2;
  p.OffsetX = NearestInt32(p.Zoom * p.CentreLongitude - p.PivotX);
  p.OffsetY = NearestInt32(p.ScaleY * p.CentreLatitude - p.PivotY);
  p.BottomY = NearestInt32(static_cast<double>(p.ImageHeight) + p.OffsetY);
  p.GlobeRadius = p.Zoom * kGlobeRadiusPerZoom;
  ComputeViewBounds(p);
}

void ComputeViewBounds(ProjectionState& p) {
  GeoBounds& b = p.ViewBounds;
  if (p.Spherical) {
    b = GeoBounds{};
    return;
  }
  b.North = YToLat(p, 0);
  b.South = YToLat(p, p.ImageHeight);
  b.West = XToLon(p, 0);
  b.East = XToLon(p, p.ImageWidth);
  b.FixedNorth = ToFixed(b.North);
  b.FixedSouth = ToFixed(b.South);
  b.FixedWest = ToFixed(b.West);
  b.FixedEast = ToFixed(b.East);
}

}  // namespace orvex
