#pragma once
// Small plane geometry for the terrain views: straight lines in the form
// y = slope x + intercept, crossings of lines and segments, and a 3D sight line.
#include <array>
#include <optional>

namespace orvex {

struct LineForm {
  double LineSlope = 0;
  double LineIntercept = 0;
};

struct Crossing {
  double CrossX = 0;
  double CrossY = 0;
};

struct Segment {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
};

struct Ray {
  std::array<double, 3> RayOrigin{};
  std::array<double, 3> RayDirection{};  // target minus origin
};

// The line through both points. The form cannot hold a vertical line: two
// points with the same x give slope 0, the horizontal line through the first.
LineForm LineThroughPoints(double x1, double y1, double x2, double y2);

// Where two lines cross; none when they are parallel.
std::optional<Crossing> IntersectLines(double slope1, double intercept1, double slope2, double intercept2);

// Where two segments cross, ends included; none when they miss each other or
// are parallel. Vertical and horizontal segments are handled as such: the
// crossing keeps their x, or their y, exactly.
std::optional<Crossing> IntersectSegments(const Segment& a, const Segment& b);

Ray SetRay(double originX, double originY, double originZ, double targetX, double targetY, double targetZ);

}  // namespace orvex
