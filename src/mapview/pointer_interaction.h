#pragma once
// What the pointer is doing over the map picture (its position, the
// two-point measurement, the zoom rectangle, navigation at the border) and
// the window-free steps of the pointer and keyboard handlers: label texts,
// zoom steps, recentring, and the xor figures drawn between redraws.
#include <QString>

#include <cstdint>
#include <optional>

#include "geo/fixed_degree.h"
#include "geo/geo_position.h"
#include "geo/projection.h"
#include "mapview/canvas.h"
#include "mapview/redraw.h"

namespace orvex {

// An xor figure on the picture, in picture pixels, with the pen it was drawn
// with: drawing the same figure again erases it exactly.
struct RubberBand {
  enum class Shape { Line, Rectangle };
  Shape shape = Shape::Line;
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  CouleurBgr colour = 0;
  int width = 1;
};

struct PointerInteraction {
  std::int32_t PointerX = 0;  // last pointer pixel
  std::int32_t PointerY = 0;
  // Position under the pointer, taken only in plane view without rotation.
  double PointerLongitude = 0;
  double PointerLatitude = 0;
  FixedDegree PointerFixedLongitude = 0;
  FixedDegree PointerFixedLatitude = 0;
  std::int32_t AnchorX = 0;  // first click of a measurement or zoom rectangle
  std::int32_t AnchorY = 0;
  GeoPosition MeasureOrigin;  // first point of the current segment
  GeoPosition MeasureEnd;     // end of the last finished segment
  bool MeasureActive = false;
  bool ZoomMode = false;  // the next two clicks define a zoom rectangle
  double SegmentDistance = 0;  // km
  double CumulativeDistance = 0;  // km, finished segments
  bool NavigateMode = false;
  std::int32_t TiePointStep = 0;  // 0..3, tie points of a background image
  int RubberBandWidth = 1;  // pen width of the measurement line
  RubberBand Band;  // the xor figure last drawn, while RubberBandShown says it is there
};

// Everything one pointer step reads and writes.
struct PointerScene {
  Canvas& canvas;
  ProjectionState& projection;
  RedrawState& redraw;
  PointerInteraction& pointer;
  bool cityEntry = false;  // city entry is ticked: no measurement line follows the pointer
};

inline constexpr CouleurBgr kRubberBandColour = 0xFFFF00;
inline constexpr CouleurBgr kRubberBandColourOverBackground = 0xFFFFFF;
inline constexpr int kRubberBandWidthOverBackground = 2;
inline constexpr CouleurBgr kZoomRectangleBrush = 0x880000;

struct PointerLabelTexts {
  QString Longitude;  // degrees, minutes, seconds
  QString Latitude;
  QString Locator;
  QString Altitude;  // "?" until the pointer rests
  QString DecimalLongitude;
  QString DecimalLatitude;
};

struct MeasureTexts {
  QString DestinationLongitude;
  QString DestinationLatitude;
  QString Azimuth;
  QString Distance;
  QString CumulativeDistance;
};

// Plane view with the three plane angles all exactly 0: the only view in
// which a pixel names a position.
bool PointerPositionKnown(const ProjectionState& p);

// The pointer panel for a position; all texts empty when `position` is none.
PointerLabelTexts PointerLabelTextsFor(std::optional<GeoPosition> position);

QString LongitudeLabel(double longitude);
QString LatitudeLabel(double latitude);
// Kilometres with 5 significant digits and 2 decimals, then " km".
QString DistanceText(double kilometres);
// Whole degrees followed by "°".
QString AzimuthText(int degrees);

// Erases the figure the previous pointer step left, when one is due.
void EraseRubberBand(PointerScene& scene);
// Stores the pixel and, where the view allows it, the position under it;
// returns the pointer panel texts (empty when the position is not known).
PointerLabelTexts TrackPointer(PointerScene& scene, int x, int y);
// Draws the zoom rectangle or the measurement line to the pointer; for a
// measurement, updates SegmentDistance and returns the panel texts.
std::optional<MeasureTexts> DrawRubberBand(PointerScene& scene);
// The measurement line's colour and width: brighter and wider over a
// background image.
RubberBand MeasureLine(const ProjectionState& p, const PointerInteraction& s);
RubberBand ZoomRectangle(const PointerInteraction& s);
// Draws `band` in xor mode and leaves the pen in copy mode.
void DrawXorBand(Canvas& canvas, const RubberBand& band);

// The first click of a measurement or a zoom rectangle, at the pointer.
void StartMeasure(PointerInteraction& s);
// A finished segment joins the total; its end is the pointer position.
void AddSegment(PointerInteraction& s);
// No measurement, zoom rectangle nor xor figure in progress any more; a
// figure already drawn stays on the picture until the next redraw.
void StopMeasure(PointerInteraction& s, RedrawState& redraw);
// The second corner of a zoom rectangle: centre on the middle and, unless
// both corners share a longitude, fit the longitudes into the picture width.
void ApplyZoomRectangle(ProjectionState& p, GeoPosition corner1, GeoPosition corner2);

// The "+" and "-" key steps on Zoom: one, then 5 more above 200, 10 more
// above 400 and 50 more above 1000, each test made on the running value.
std::int32_t ZoomStepUp(std::int32_t zoom);
std::int32_t ZoomStepDown(std::int32_t zoom);
// The keys themselves; true when the map must be redrawn.
bool PlusKey(ProjectionState& p);
bool MinusKey(ProjectionState& p);
// Zoom five times in (while that stays below the largest zoom) or twice out
// (while that stays above 1), centred on the pointer position.
void ZoomPointe(ProjectionState& p, const PointerInteraction& s);
void DeZoomPointe(ProjectionState& p, const PointerInteraction& s);

// Degrees the centre moves when the pointer rests near the border.
double NavigationStep(std::int32_t zoom);
// Moves the centre when (x, y) lies within 50 pixels of a border; true when it moved.
bool NavigateAtBorder(ProjectionState& p, int x, int y);

struct ScrollPosition {
  int x = 0;
  int y = 0;
};
// Scroll bar positions that bring picture pixel (x, y) to the middle of a
// viewport; none when the pixel is not strictly inside the picture.
std::optional<ScrollPosition> ScrollToPointPosition(int x, int y, int pictureWidth, int pictureHeight,
                                                    int viewportWidth, int viewportHeight);

}  // namespace orvex
