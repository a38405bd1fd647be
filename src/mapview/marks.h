#pragma once
// Point marks shared by the layers, in the canvas's current pen.
#include "mapview/canvas.h"

namespace orvex {

// "+" reaching `half` pixels each side of (x, y).
void UprightCross(Canvas& canvas, int x, int y, int half);
// "x" reaching `half` pixels each side of (x, y).
void DiagonalCross(Canvas& canvas, int x, int y, int half);

}  // namespace orvex
