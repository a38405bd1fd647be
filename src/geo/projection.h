#pragma once
// Positions to pixels of the map picture and back: a plane (equirectangular)
// mapping, optionally turned by three angles with the altitude as depth, or an
// orthographic view of the globe. The mapping functions are inline because
// every layer calls them for each of its points on every redraw.
#include <cmath>
#include <cstdint>
#include <optional>

#include "geo/fixed_degree.h"

namespace orvex {

inline constexpr std::int32_t kMinZoom = 1;
inline constexpr std::int32_t kMaxZoom = 50000;
// Screen coordinates saturate here rather than wrap: far inside int32, so the
// sum or difference of two of them still fits.
inline constexpr std::int32_t kScreenLimit = 1 << 30;

struct ScreenPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// An angle in radians with its cosine and sine kept alongside.
struct RotationAngle {
  double Radians = 0;
  double Cos = 1;
  double Sin = 0;
  void Set(double radians) {
    Radians = radians;
    Cos = std::cos(radians);
    Sin = std::sin(radians);
  }
};

// Limits of the visible area, for skipping records that cannot show.
struct GeoBounds {
  double West = -180;
  double East = 180;
  double North = 90;
  double South = -90;
  FixedDegree FixedWest = -kFixedLon180;
  FixedDegree FixedEast = kFixedLon180;
  FixedDegree FixedNorth = kFixedLat90;
  FixedDegree FixedSouth = -kFixedLat90;
};

struct ProjectionState {
  std::int32_t Zoom = kMinZoom;  // pixels per degree of longitude
  std::int32_t ScaleY = kMinZoom;  // pixels per degree of latitude
  double ScaleRatio = 1;  // ScaleY / Zoom
  std::int32_t ImageWidth = 0;
  std::int32_t ImageHeight = 0;
  double CentreLongitude = 0;
  double CentreLatitude = 0;
  std::int32_t OffsetX = 0;
  std::int32_t OffsetY = 0;
  std::int32_t BottomY = 0;  // ImageHeight + OffsetY
  std::int32_t PivotX = 0;  // centre of the rotations and of the globe
  std::int32_t PivotY = 0;
  RotationAngle Alpha;  // about the screen X axis
  RotationAngle Beta;  // about the screen Y axis
  RotationAngle Gamma;  // in the screen plane
  RotationAngle SphereAlpha;
  RotationAngle SphereBeta;
  RotationAngle SphereGamma;
  bool NoRotation = true;  // Alpha, Beta and Gamma all exactly 0: the plane rotation is skipped
  bool Spherical = false;  // globe view instead of plane view
  bool GroundView = false;  // Alpha turns about the bottom edge instead of the middle
  double ZFactor = 0.5;  // altitude exaggeration, 0..1
  double GlobeRadius = 80;  // pixels
  bool BackgroundActive = false;  // a background image fixes Zoom, ScaleY and the centre
  GeoBounds ViewBounds;
};

// value brought into -kScreenLimit..kScreenLimit.
inline std::int32_t SaturateInt(std::int64_t value) {
  const std::int64_t low = value > -kScreenLimit ? value : -kScreenLimit;
  return static_cast<std::int32_t>(low < kScreenLimit ? low : kScreenLimit);
}

// Rounded to the nearest integer, ties to even, and brought into
// -kScreenLimit..kScreenLimit; NaN gives the lower limit.
inline std::int32_t NearestInt(double value) {
  const double low = value > -kScreenLimit ? value : -kScreenLimit;
  return static_cast<std::int32_t>(std::nearbyint(low < kScreenLimit ? low : kScreenLimit));
}

// value within -limit..limit; NaN gives -limit.
template <typename T>
inline T ClampSymmetric(T value, T limit) {
  const T low = value > -limit ? value : -limit;
  return low < limit ? low : limit;
}

// Plane mapping without rotation.
inline std::int32_t LonToX(const ProjectionState& p, double lon) {
  const double scaled = std::nearbyint(p.Zoom * ClampSymmetric(lon, 180.0));
  return SaturateInt(static_cast<std::int64_t>(scaled) - p.OffsetX);
}

inline std::int32_t LatToY(const ProjectionState& p, double lat) {
  const double scaled = std::nearbyint(p.ScaleY * ClampSymmetric(lat, 90.0));
  return SaturateInt(std::int64_t{p.OffsetY} + p.ImageHeight - static_cast<std::int64_t>(scaled));
}

inline std::int32_t FixedLonToX(const ProjectionState& p, FixedDegree lon) {
  const std::int64_t scaled = (std::int64_t{ClampSymmetric(lon, kFixedLon180)} * p.Zoom) >> 14;
  return SaturateInt(scaled - p.OffsetX);
}

inline std::int32_t FixedLatToY(const ProjectionState& p, FixedDegree lat) {
  const std::int64_t scaled = (std::int64_t{ClampSymmetric(lat, kFixedLat90)} * p.ScaleY) >> 14;
  return SaturateInt(p.BottomY - scaled);
}

inline double XToLon(const ProjectionState& p, std::int32_t x) {
  return ClampSymmetric(static_cast<double>(std::int64_t{x} + p.OffsetX) / p.Zoom, 180.0);
}

inline double YToLat(const ProjectionState& p, std::int32_t y) {
  return ClampSymmetric(static_cast<double>(std::int64_t{p.ImageHeight} - y + p.OffsetY) / p.ScaleY, 90.0);
}

inline FixedDegree XToFixedLon(const ProjectionState& p, std::int32_t x) {
  const double fixed = static_cast<double>(std::int64_t{x} + p.OffsetX) / p.Zoom * kFixedOne;
  return static_cast<FixedDegree>(std::nearbyint(ClampSymmetric(fixed, double{kFixedLon180})));
}

inline FixedDegree YToFixedLat(const ProjectionState& p, std::int32_t y) {
  const double fixed = static_cast<double>(std::int64_t{p.ImageHeight} - y + p.OffsetY) / p.ScaleY * kFixedOne;
  return static_cast<FixedDegree>(std::nearbyint(ClampSymmetric(fixed, double{kFixedLat90})));
}

// Depth in pixels of an altitude in metres.
inline std::int32_t AltitudeToZ(const ProjectionState& p, std::int32_t altitude) {
  const auto pixelsPerKilometre = static_cast<std::int64_t>(std::nearbyint(p.Zoom * p.ZFactor));
  return SaturateInt(std::int64_t{altitude} * pixelsPerKilometre / 1000);
}

// Plane view: turns a mapped point by Gamma, Alpha and Beta about the pivot,
// z shifting rows and columns; an angle of exactly 0 is skipped.
ScreenPoint RotatePoint(const ProjectionState& p, ScreenPoint point, std::int32_t z);

// Offsets from the pivot, in unrounded pixels, of the orthographic view of a
// globe of `radius` at longitude `lambda` and latitude `phi` (radians);
// nothing on the far side.
struct GlobeOffset {
  double x = 0;
  double y = 0;
};
std::optional<GlobeOffset> GlobeOffsetOf(const ProjectionState& p, double lambda, double phi, double radius);

// Globe view: orthographic projection on a globe of GlobeRadius about the
// pivot. Points on the far side, or far off the picture, come out as 0.
ScreenPoint SphereProject(const ProjectionState& p, double lon, double lat);

// Full mapping used by every layer; altitude in metres (ignored on the globe).
inline ScreenPoint GeoToScreen(const ProjectionState& p, double lon, double lat, double altitude) {
  if (p.Spherical) {
    return SphereProject(p, lon, lat);
  }
  const ScreenPoint point{LonToX(p, lon), LatToY(p, lat)};
  if (p.NoRotation) {
    return point;
  }
  return RotatePoint(p, point, AltitudeToZ(p, NearestInt(altitude)));
}

inline ScreenPoint FixedToScreen(const ProjectionState& p, FixedDegree lon, FixedDegree lat, std::int32_t altitude) {
  if (p.Spherical) {
    return SphereProject(p, FromFixed(lon), FromFixed(lat));
  }
  const ScreenPoint point{FixedLonToX(p, lon), FixedLatToY(p, lat)};
  if (p.NoRotation) {
    return point;
  }
  return RotatePoint(p, point, AltitudeToZ(p, altitude));
}

// Add d radians to the globe angle in globe view, else to the plane angle
// (which then counts as rotated even if it comes back to 0).
void StepAlpha(ProjectionState& p, double d);
void StepBeta(ProjectionState& p, double d);
void StepGamma(ProjectionState& p, double d);
// Recomputes every cosine and sine, and NoRotation from the plane angles.
void RefreshRotation(ProjectionState& p);
// Plane angles to 0; the globe faces the centre with north up.
void ResetAngles(ProjectionState& p);
// The projection button: plane view to globe view and back; the globe
// enters facing the centre, keeping its Beta angle.
void ToggleProjection(ProjectionState& p);

// Derives scales, offsets, pivots, globe radius and visible bounds from Zoom,
// the centre and the picture size; run first in every redraw, which then
// clears the picture and shows Zoom itself (no window is touched here).
// Zoom is brought into kMinZoom..kMaxZoom and ScaleY kept at 1 or more.
void ComputeViewport(ProjectionState& p);
void ComputeViewBounds(ProjectionState& p);

}  // namespace orvex
