#include "geo/plane_geometry.h"

#include <algorithm>

namespace orvex {
namespace {

bool IsVertical(const Segment& s) { return s.x1 == s.x2; }
bool IsHorizontal(const Segment& s) { return s.y1 == s.y2; }

LineForm LineOf(const Segment& s) { return LineThroughPoints(s.x1, s.y1, s.x2, s.y2); }

// The point where a vertical segment meets the (non-vertical) line of another.
Crossing OnVertical(const Segment& vertical, const Segment& other) {
  const LineForm line = LineOf(other);
  return {vertical.x1, line.LineSlope * vertical.x1 + line.LineIntercept};
}

// The point where a horizontal segment meets the sloped line of another. Its
// height is the segment's own: a height recomputed from the other line would
// differ from it by a rounding and fail the box test of a segment that has no
// height at all.
Crossing OnHorizontal(const Segment& horizontal, const Segment& other) {
  const LineForm line = LineOf(other);
  return {(horizontal.y1 - line.LineIntercept) / line.LineSlope, horizontal.y1};
}

bool InsideBox(const Segment& s, const Crossing& c) {
  return c.CrossX >= std::min(s.x1, s.x2) && c.CrossX <= std::max(s.x1, s.x2) && c.CrossY >= std::min(s.y1, s.y2) &&
         c.CrossY <= std::max(s.y1, s.y2);
}

}  // namespace

LineForm LineThroughPoints(double x1, double y1, double x2, double y2) {
  const double slope = x1 != x2 ? (y1 - y2) / (x1 - x2) : 0;
  return {slope, y1 - slope * x1};
}

std::optional<Crossing> IntersectLines(double slope1, double intercept1, double slope2, double intercept2) {
  if (slope1 == slope2) {
    return std::nullopt;
  }
  const double x = (intercept2 - intercept1) / (slope1 - slope2);
  return Crossing{x, slope1 * x + intercept1};
}

std::optional<Crossing> IntersectSegments(const Segment& a, const Segment& b) {
  std::optional<Crossing> crossing;
  if (IsVertical(a) && IsVertical(b)) {
    return std::nullopt;
  }
  if (IsVertical(a)) {
    crossing = OnVertical(a, b);
  } else if (IsVertical(b)) {
    crossing = OnVertical(b, a);
  } else if (IsHorizontal(a) != IsHorizontal(b)) {
    crossing = IsHorizontal(a) ? OnHorizontal(a, b) : OnHorizontal(b, a);
  } else {
    const LineForm lineA = LineOf(a);
    const LineForm lineB = LineOf(b);
    crossing = IntersectLines(lineA.LineSlope, lineA.LineIntercept, lineB.LineSlope, lineB.LineIntercept);
  }
  if (!crossing || !InsideBox(a, *crossing) || !InsideBox(b, *crossing)) {
    return std::nullopt;
  }
  return crossing;
}

Ray SetRay(double originX, double originY, double originZ, double targetX, double targetY, double targetZ) {
  return {{originX, originY, originZ}, {targetX - originX, targetY - originY, targetZ - originZ}};
}

}  // namespace orvex
