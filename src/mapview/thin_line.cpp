#include "mapview/thin_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvex {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// Floor division for a positive divisor.
template <typename T>
std::int64_t FloorDiv(T numerator, std::int64_t divisor) {
  T q = numerator / divisor;
  if (numerator % divisor < 0) {
    --q;
  }
  return static_cast<std::int64_t>(q);
}

constexpr std::int64_t kSafeProduct = std::int64_t{1} << 61;

// floor((2 k dMinor + n) / 2n) and its remainder; k is 0 for every segment
// that starts on the picture, and only segments from far off need 128 bits.
void StartOffset(std::int64_t k, std::int64_t dMinor, std::int64_t n, std::int64_t& q, std::int64_t& r) {
  const std::int64_t twoN = 2 * n;
  if (k == 0) {
    q = 0;
    r = n;
  } else if (k < kSafeProduct / (std::llabs(dMinor) + 1)) {
    const std::int64_t start = 2 * k * dMinor + n;
    q = FloorDiv(start, twoN);
    r = start - q * twoN;
  } else {
    const __int128 start = static_cast<__int128>(2 * k) * dMinor + n;
    q = FloorDiv(start, twoN);
    r = static_cast<std::int64_t>(start - static_cast<__int128>(q) * twoN);
  }
}

// The segment walked along its major axis: step k (0 <= k < n) lights the
// pixel major0 + step * k across, minor0 + round(k * dMinor / n) down.
struct Walk {
  std::int64_t major0;
  std::int64_t minor0;
  std::int64_t step;
  std::int64_t dMinor;
  std::int64_t n;
};

// Steps whose major coordinate lies in 0..limit-1.
void ClipMajor(const Walk& w, std::int64_t limit, std::int64_t& first, std::int64_t& last) {
  const std::int64_t lo = w.step > 0 ? -w.major0 : w.major0 - (limit - 1);
  const std::int64_t hi = w.step > 0 ? limit - 1 - w.major0 : w.major0;
  first = std::max(first, lo);
  last = std::min(last, hi);
}

// Steps whose minor coordinate may lie in 0..limit-1, widened by a step each
// side; the walk still tests every pixel.
void ClipMinor(const Walk& w, std::int64_t limit, std::int64_t& first, std::int64_t& last) {
  if (w.dMinor == 0) {
    if (w.minor0 < 0 || w.minor0 >= limit) {
      last = first - 1;
    }
    return;
  }
  const double perStep = static_cast<double>(w.dMinor) / static_cast<double>(w.n);
  double a = (-0.5 - static_cast<double>(w.minor0)) / perStep;
  double b = (static_cast<double>(limit) - 0.5 - static_cast<double>(w.minor0)) / perStep;
  if (a > b) {
    std::swap(a, b);
  }
  constexpr double kRange = 9.0e18;
  first = std::max(first, static_cast<std::int64_t>(std::floor(std::max(a, -kRange))) - 1);
  last = std::min(last, static_cast<std::int64_t>(std::ceil(std::min(b, kRange))) + 1);
}

template <PixelOp Op>
inline void Apply(std::uint32_t& pixel, std::uint32_t rgb) {
  if constexpr (Op == PixelOp::Copy) {
    pixel = rgb | kOpaque;
  } else if constexpr (Op == PixelOp::Xor) {
    pixel = (pixel ^ rgb) | kOpaque;
  } else {
    pixel |= rgb | kOpaque;
  }
}

// Walks steps first..last; with `checked`, pixels whose minor coordinate
// falls off the picture are skipped (the major range is already clipped).
template <PixelOp Op, bool checked>
void Run(const ThinLineTarget& target, const Walk& w, bool xMajor, std::int64_t first, std::int64_t last,
         std::uint32_t rgb) {
  uchar* const bits = target.bits;
  const qsizetype stride = target.stride;
  const std::int64_t minorLimit = xMajor ? target.height : target.width;
  const std::int64_t twoN = 2 * w.n;
  // minor offset = floor((2 k dMinor + n) / 2n), kept as quotient and remainder.
  std::int64_t q = 0;
  std::int64_t r = 0;
  StartOffset(first, w.dMinor, w.n, q, r);
  const std::int64_t twoD = 2 * w.dMinor;
  std::int64_t major = w.major0 + w.step * first;
  for (std::int64_t k = first; k <= last; ++k) {
    const std::int64_t minor = w.minor0 + q;
    if (!checked || (minor >= 0 && minor < minorLimit)) {
      const std::int64_t x = xMajor ? major : minor;
      const std::int64_t y = xMajor ? minor : major;
      Apply<Op>(reinterpret_cast<std::uint32_t*>(bits + y * stride)[x], rgb);
    }
    major += w.step;
    r += twoD;
    if (r >= twoN) {
      r -= twoN;
      ++q;
    } else if (r < 0) {
      r += twoN;
      --q;
    }
  }
}

bool Inside(const ThinLineTarget& target, QPoint p) {
  return p.x() >= 0 && p.x() < target.width && p.y() >= 0 && p.y() < target.height;
}

template <PixelOp Op>
void Draw(const ThinLineTarget& target, QPoint from, QPoint to, const Walk& w, bool xMajor, std::uint32_t rgb) {
  // Both ends on the picture: so is every pixel between them.
  if (Inside(target, from) && Inside(target, to)) {
    Run<Op, false>(target, w, xMajor, 0, w.n - 1, rgb);
    return;
  }
  std::int64_t first = 0;
  std::int64_t last = w.n - 1;
  ClipMajor(w, xMajor ? target.width : target.height, first, last);
  ClipMinor(w, xMajor ? target.height : target.width, first, last);
  if (first <= last) {
    Run<Op, true>(target, w, xMajor, first, last, rgb);
  }
}

}  // namespace

ThinLineTarget::ThinLineTarget(QImage& image)
    : bits(image.bits()), stride(image.bytesPerLine()), width(image.width()), height(image.height()) {}

void DrawThinSegment(const ThinLineTarget& target, QPoint from, QPoint to, std::uint32_t rgb, PixelOp op) {
  const std::int64_t dx = std::int64_t{to.x()} - from.x();
  const std::int64_t dy = std::int64_t{to.y()} - from.y();
  if ((dx == 0 && dy == 0) || target.bits == nullptr) {
    return;
  }
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const Walk w = xMajor ? Walk{from.x(), from.y(), dx > 0 ? 1 : -1, dy, std::llabs(dx)}
                        : Walk{from.y(), from.x(), dy > 0 ? 1 : -1, dx, std::llabs(dy)};
  rgb &= 0x00FFFFFFu;
  switch (op) {
    case PixelOp::Copy:
      Draw<PixelOp::Copy>(target, from, to, w, xMajor, rgb);
      break;
    case PixelOp::Xor:
      Draw<PixelOp::Xor>(target, from, to, w, xMajor, rgb);
      break;
    case PixelOp::Or:
      Draw<PixelOp::Or>(target, from, to, w, xMajor, rgb);
      break;
  }
}

}  // namespace orvex
