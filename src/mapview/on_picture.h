#pragma once
// The test the point layers apply before drawing a symbol: left column and
// top row excluded, as the layers have always done.
#include "geo/projection.h"

namespace orvex {

inline bool OnPicture(const ProjectionState& p, const ScreenPoint& s) {
  return s.x > 0 && s.x < p.ImageWidth && s.y >= 1 && s.y < p.ImageHeight;
}

}  // namespace orvex
