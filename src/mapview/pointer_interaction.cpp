#include "mapview/pointer_interaction.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "geo/coordinate_text.h"
#include "geo/distance.h"
#include "geo/locator.h"
#include "mapview/locale_number.h"
#include "platform/cp1252.h"

namespace orvex {
namespace {

constexpr int kDecimalDegreeDigits = 6;
constexpr int kDecimalDegreeDecimals = 5;
constexpr int kDistanceDigits = 5;
constexpr int kDistanceDecimals = 2;
constexpr std::int32_t kZoomPointeFactor = 5;
constexpr std::int32_t kNavigationMargin = 50;

QString FromCp1252(const std::string& bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }

// Zoom thresholds above which each further step of the zoom keys applies.
constexpr std::int32_t kZoomStepThresholds[] = {200, 400, 1000};
constexpr std::int32_t kZoomStepSizes[] = {5, 10, 50};

struct NavigationLevel {
  std::int32_t above;  // zoom strictly above which the step applies
  double step;
};
// Finest first: the first level the zoom exceeds gives the step.
constexpr NavigationLevel kNavigationLevels[] = {{6000, 0.0005}, {4000, 0.001}, {3000, 0.003}, {1000, 0.01},
                                                 {500, 0.02},    {200, 0.05},   {30, 0.2}};
constexpr double kCoarsestNavigationStep = 0.3;

}  // namespace

bool PointerPositionKnown(const ProjectionState& p) {
  return !p.Spherical && p.Alpha.Radians == 0 && p.Beta.Radians == 0 && p.Gamma.Radians == 0;
}

QString LongitudeLabel(double longitude) { return FromCp1252(LongitudeToText(longitude)); }

QString LatitudeLabel(double latitude) { return FromCp1252(LatitudeToText(latitude)); }

QString DistanceText(double kilometres) {
  return FixedNotation(kilometres, kDistanceDigits, kDistanceDecimals) + QStringLiteral(" km");
}

QString AzimuthText(int degrees) { return QString::number(degrees) + QChar(0x00B0); }

PointerLabelTexts PointerLabelTextsFor(std::optional<GeoPosition> position) {
  if (!position) {
    return {};
  }
  return {LongitudeLabel(position->Longitude),
          LatitudeLabel(position->Latitude),
          QString::fromStdString(CoordinateToLocator(position->Longitude, position->Latitude)),
          QStringLiteral("?"),
          FixedNotation(position->Longitude, kDecimalDegreeDigits, kDecimalDegreeDecimals),
          FixedNotation(position->Latitude, kDecimalDegreeDigits, kDecimalDegreeDecimals)};
}

RubberBand MeasureLine(const ProjectionState& p, const PointerInteraction& s) {
  const ScreenPoint from = GeoToScreen(p, s.MeasureOrigin.Longitude, s.MeasureOrigin.Latitude, 0);
  const ScreenPoint to = GeoToScreen(p, s.PointerLongitude, s.PointerLatitude, 0);
  RubberBand band{RubberBand::Shape::Line, from.x, from.y, to.x, to.y, kRubberBandColour, s.RubberBandWidth};
  if (p.BackgroundActive) {
    band.colour = kRubberBandColourOverBackground;
    band.width = kRubberBandWidthOverBackground;
  }
  return band;
}

RubberBand ZoomRectangle(const PointerInteraction& s) {
  return {RubberBand::Shape::Rectangle, s.AnchorX, s.AnchorY, s.PointerX, s.PointerY, kRubberBandColour, 1};
}

void DrawXorBand(Canvas& canvas, const RubberBand& band) {
  canvas.SetPenMode(PenMode::Xor);
  canvas.SetPenColor(band.colour);
  canvas.SetPenWidth(band.width);
  if (band.shape == RubberBand::Shape::Line) {
    canvas.MoveTo(band.x1, band.y1);
    canvas.LineTo(band.x2, band.y2);
  } else {
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(kZoomRectangleBrush);
    canvas.Rectangle(band.x1, band.y1, band.x2, band.y2);
  }
  canvas.SetPenMode(PenMode::Copy);
}

void EraseRubberBand(PointerScene& scene) {
  const PointerInteraction& s = scene.pointer;
  const bool lineShown = !s.ZoomMode && !scene.cityEntry;
  if (s.MeasureActive && scene.redraw.RubberBandShown && (s.ZoomMode || lineShown)) {
    DrawXorBand(scene.canvas, s.Band);
    scene.redraw.RubberBandShown = false;
  }
}

PointerLabelTexts TrackPointer(PointerScene& scene, int x, int y) {
  PointerInteraction& s = scene.pointer;
  const ProjectionState& p = scene.projection;
  s.PointerX = x;
  s.PointerY = y;
  if (!PointerPositionKnown(p)) {
    return PointerLabelTextsFor(std::nullopt);
  }
  s.PointerLongitude = XToLon(p, x);
  s.PointerLatitude = YToLat(p, y);
  s.PointerFixedLongitude = XToFixedLon(p, x);
  s.PointerFixedLatitude = YToFixedLat(p, y);
  return PointerLabelTextsFor(GeoPosition{s.PointerLongitude, s.PointerLatitude});
}

std::optional<MeasureTexts> DrawRubberBand(PointerScene& scene) {
  PointerInteraction& s = scene.pointer;
  if (!s.MeasureActive || (!s.ZoomMode && scene.cityEntry)) {
    return std::nullopt;
  }
  s.Band = s.ZoomMode ? ZoomRectangle(s) : MeasureLine(scene.projection, s);
  DrawXorBand(scene.canvas, s.Band);
  scene.redraw.RubberBandShown = true;
  if (s.ZoomMode) {
    return std::nullopt;
  }
  const GeoPosition& o = s.MeasureOrigin;
  s.SegmentDistance = Distance(o.Longitude, o.Latitude, s.PointerLongitude, s.PointerLatitude);
  return MeasureTexts{LongitudeLabel(s.PointerLongitude), LatitudeLabel(s.PointerLatitude),
                      AzimuthText(ScreenBearing(o.Longitude, o.Latitude, s.PointerLongitude, s.PointerLatitude)),
                      DistanceText(s.SegmentDistance), DistanceText(s.CumulativeDistance + s.SegmentDistance)};
}

void StartMeasure(PointerInteraction& s) {
  s.AnchorX = s.PointerX;
  s.AnchorY = s.PointerY;
  s.MeasureOrigin = {s.PointerLongitude, s.PointerLatitude};
  s.MeasureActive = true;
  s.RubberBandWidth = 1;
}

void AddSegment(PointerInteraction& s) {
  s.CumulativeDistance += s.SegmentDistance;
  s.MeasureEnd = {s.PointerLongitude, s.PointerLatitude};
}

void StopMeasure(PointerInteraction& s, RedrawState& redraw) {
  redraw.RubberBandShown = false;
  s.ZoomMode = false;
  s.MeasureActive = false;
}

void ApplyZoomRectangle(ProjectionState& p, GeoPosition corner1, GeoPosition corner2) {
  p.CentreLongitude = (corner1.Longitude + corner2.Longitude) / 2;
  p.CentreLatitude = (corner1.Latitude + corner2.Latitude) / 2;
  const double width = std::fabs(corner1.Longitude - corner2.Longitude);
  if (width != 0) {
    const double fitted = std::nearbyint(p.ImageWidth / width);
    p.Zoom = static_cast<std::int32_t>(std::clamp(fitted, double{kMinZoom}, double{kMaxZoom}));
  }
}

std::int32_t ZoomStepUp(std::int32_t zoom) {
  zoom += 1;
  for (std::size_t i = 0; i < std::size(kZoomStepThresholds); ++i) {
    if (zoom > kZoomStepThresholds[i]) {
      zoom += kZoomStepSizes[i];
    }
  }
  return zoom;
}

std::int32_t ZoomStepDown(std::int32_t zoom) {
  zoom -= 1;
  for (std::size_t i = 0; i < std::size(kZoomStepThresholds); ++i) {
    if (zoom > kZoomStepThresholds[i]) {
      zoom -= kZoomStepSizes[i];
    }
  }
  return zoom;
}

bool PlusKey(ProjectionState& p) {
  if (p.Zoom >= kMaxZoom) {
    return false;
  }
  if (!p.BackgroundActive) {
    p.Zoom = ZoomStepUp(p.Zoom);
  }
  return true;
}

bool MinusKey(ProjectionState& p) {
  if (p.Zoom < 2 || p.BackgroundActive) {
    return false;
  }
  p.Zoom = ZoomStepDown(p.Zoom);
  return true;
}

void ZoomPointe(ProjectionState& p, const PointerInteraction& s) {
  if (std::int64_t{p.Zoom} * kZoomPointeFactor < kMaxZoom) {
    p.Zoom *= kZoomPointeFactor;
  }
  p.CentreLongitude = s.PointerLongitude;
  p.CentreLatitude = s.PointerLatitude;
}

void DeZoomPointe(ProjectionState& p, const PointerInteraction& s) {
  if (p.Zoom / 2 > 1) {
    p.Zoom /= 2;
  }
  p.CentreLongitude = s.PointerLongitude;
  p.CentreLatitude = s.PointerLatitude;
}

double NavigationStep(std::int32_t zoom) {
  for (const NavigationLevel& level : kNavigationLevels) {
    if (zoom > level.above) {
      return level.step;
    }
  }
  return kCoarsestNavigationStep;
}

bool NavigateAtBorder(ProjectionState& p, int x, int y) {
  const double step = NavigationStep(p.Zoom);
  const double startLongitude = p.CentreLongitude;
  const double startLatitude = p.CentreLatitude;
  if (x < kNavigationMargin) {
    p.CentreLongitude -= step;
  }
  if (x > p.ImageWidth - kNavigationMargin) {
    p.CentreLongitude += step;
  }
  if (y < kNavigationMargin) {
    p.CentreLatitude += step;
  }
  if (y > p.ImageHeight - kNavigationMargin) {
    p.CentreLatitude -= step;
  }
  return p.CentreLongitude != startLongitude || p.CentreLatitude != startLatitude;
}

std::optional<ScrollPosition> ScrollToPointPosition(int x, int y, int pictureWidth, int pictureHeight,
                                                    int viewportWidth, int viewportHeight) {
  if (x <= 0 || x >= pictureWidth || y <= 0 || y >= pictureHeight) {
    return std::nullopt;
  }
  return ScrollPosition{std::max(0, x - viewportWidth / 2), std::max(0, y - viewportHeight / 2)};
}

}  // namespace orvex
