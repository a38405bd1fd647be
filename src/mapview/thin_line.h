#pragma once
// One-pixel lines written straight into a 32-bit picture: the map draws
// millions of short segments per redraw, and a general-purpose painter spends
// far more on each segment's set-up than on its few pixels.
#include <QImage>
#include <QPoint>

#include <cstdint>

namespace orvex {

enum class PixelOp {
  Copy,  // pixel = colour
  Xor,   // pixel ^= colour
  Or,    // pixel |= colour
};

// The pixels of a Format_RGB32 or Format_ARGB32 picture, taken once for a
// run of segments (taking them detaches a shared picture).
struct ThinLineTarget {
  explicit ThinLineTarget(QImage& image);

  uchar* bits;
  qsizetype stride;
  int width;
  int height;
};

// Sets the pixels of the segment from `from` up to but excluding `to`
// (nothing when they coincide), clipped to the picture. `rgb` is 0x00RRGGBB.
void DrawThinSegment(const ThinLineTarget& target, QPoint from, QPoint to, std::uint32_t rgb, PixelOp op);

}  // namespace orvex
