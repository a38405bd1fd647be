#include "mapview/marks.h"

namespace orvex {

void UprightCross(Canvas& canvas, int x, int y, int half) {
  canvas.MoveTo(x - half, y);
  canvas.LineTo(x + half, y);
  canvas.MoveTo(x, y - half);
  canvas.LineTo(x, y + half);
}

void DiagonalCross(Canvas& canvas, int x, int y, int half) {
  canvas.MoveTo(x - half, y - half);
  canvas.LineTo(x + half, y + half);
  canvas.MoveTo(x + half, y - half);
  canvas.LineTo(x - half, y + half);
}

}  // namespace orvex
