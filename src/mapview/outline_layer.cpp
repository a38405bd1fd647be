#include <QPoint>

#include <string>
#include <vector>

#include "mapview/layers.h"
#include "mapview/marks.h"

namespace orvex {
namespace {

constexpr CouleurBgr kOutlineColour = 0xFFFFFF;
constexpr std::size_t kMaxPolylinePoints = 50000;
constexpr std::int32_t kIndexZoom = 10;  // point indexes only above this zoom
constexpr int kIndexCrossHalf = 10;
constexpr int kIndexLabelShift = 10;

// The view widened by one degree, so that a line leaving the picture still
// reaches its edge.
struct CullingBox {
  FixedDegree west;
  FixedDegree east;
  FixedDegree south;
  FixedDegree north;

  explicit CullingBox(const GeoBounds& b)
      : west(b.FixedWest - kFixedOne),
        east(b.FixedEast + kFixedOne),
        south(b.FixedSouth - kFixedOne),
        north(b.FixedNorth + kFixedOne) {}

  bool StrictlyInside(const TPointLgLt& point) const {
    return point.Lg > west && point.Lg < east && point.Lt > south && point.Lt < north;
  }
};

bool IsSeparator(const TPointLgLt& point) { return point.Lg == 0 && point.Lt == 0; }

void DrawIndexMark(Canvas& canvas, const ScreenPoint& s, const std::string& fileName, std::size_t index) {
  UprightCross(canvas, s.x, s.y, kIndexCrossHalf);
  canvas.TextOut(s.x + kIndexLabelShift, s.y + kIndexLabelShift, fileName + ";" + std::to_string(index));
}

void DrawWorldFrame(Canvas& canvas, const ProjectionState& p) {
  const auto corner = [&p](double lon, double lat) {
    const ScreenPoint s = GeoToScreen(p, lon, lat, 0);
    return QPoint(s.x, s.y);
  };
  const QPoint frame[] = {corner(-180, 90), corner(180, 90), corner(180, -90), corner(-180, -90), corner(-180, 90)};
  canvas.Polyline(frame);
}

}  // namespace

// All files form one stream of points in which 0, 0 closes the outline in
// progress: an outline still open when the data ends is not drawn. A point
// landing on the pixel of the one before adds nothing to the line and is not
// passed on: zoomed out, most of a detailed outline collapses that way.
void DrawCountryOutlines(Canvas& canvas, const ProjectionState& projection, const TTableContours& contours,
                         const DisplayOptions& display) {
  // A private copy: the compiler then knows that drawing cannot change it and
  // keeps its fields in registers across the million points.
  const ProjectionState p = projection;
  canvas.SetPenColor(kOutlineColour);
  canvas.SetPenWidth(1);
  canvas.SetPenMode(PenMode::Copy);
  const CullingBox box(p.ViewBounds);
  const bool indexed = display.IndexerPays && p.Zoom > kIndexZoom;
  std::vector<QPoint> line;
  std::size_t appended = 0;  // points taken into the outline, repeated pixels included
  for (const TFichierLieux<TPointLgLt>& file : contours.Fichiers) {
    for (std::size_t i = 0; i < file.Elements.size(); ++i) {
      const TPointLgLt& point = file.Elements[i];
      if (IsSeparator(point)) {
        canvas.Polyline(line);
        line.clear();
        appended = 0;
        continue;
      }
      if (!box.StrictlyInside(point) || appended >= kMaxPolylinePoints) {
        continue;
      }
      const ScreenPoint s = FixedToScreen(p, point.Lg, point.Lt, 0);
      if (s.x == 0 || s.y == 0) {
        continue;  // far side of the globe
      }
      ++appended;
      if (line.empty() || line.back() != QPoint(s.x, s.y)) {
        line.emplace_back(s.x, s.y);
      }
      if (indexed) {
        DrawIndexMark(canvas, s, file.NomFichier, i);
      }
    }
  }
  if (!p.Spherical) {
    DrawWorldFrame(canvas, p);
  }
}

}  // namespace orvex
