// One-pixel lines written straight into the picture: one pixel per step of
// the major axis on the nearest row (or column) of the exact line, the end
// point left out, and the same pixels whatever part of the line lies off the
// picture.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <vector>

#include "mapview/thin_line.h"
#include "support/map_picture.h"

namespace orvex {
namespace {

bool Lit(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFFu) != 0; }

// Whole, clipped, far off the picture, and of no length (nothing drawn).
const std::vector<std::pair<QPoint, QPoint>> kSegments = {
    {{2, 3}, {37, 3}},     {{37, 20}, {2, 20}},    {{5, 1}, {5, 28}},         {{30, 28}, {30, 1}},
    {{1, 1}, {29, 29}},    {{38, 2}, {3, 17}},     {{3, 27}, {36, 5}},        {{20, 2}, {24, 28}},
    {{-50, 10}, {90, 12}}, {{-1000, -700}, {1000, 740}}, {{20, -5000}, {22, 5000}}, {{-70, 80}, {80, -70}},
    {{-(1 << 30), 13}, {1 << 30, 17}}, {{7, -(1 << 30)}, {9, 1 << 30}},
    {{-(1 << 30), -(1 << 30)}, {1 << 30, 1 << 30}}, {{4, 4}, {4, 4}},
};

TEST(ThinLine, OnePixelPerStepOnTheNearestRowOrColumn) {
  constexpr int kWidth = 40;
  constexpr int kHeight = 30;
  for (const auto& [from, to] : kSegments) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    DrawThinSegment(ThinLineTarget(image), from, to, 0xFFFFFFu, PixelOp::Copy);
    const double dx = static_cast<double>(to.x()) - from.x();
    const double dy = static_cast<double>(to.y()) - from.y();
    const bool xMajor = std::fabs(dx) >= std::fabs(dy);
    const int majorLimit = xMajor ? kWidth : kHeight;
    const int minorLimit = xMajor ? kHeight : kWidth;
    const double major0 = xMajor ? from.x() : from.y();
    const double minor0 = xMajor ? from.y() : from.x();
    const double majorEnd = xMajor ? to.x() : to.y();
    const double slope = xMajor ? dy / dx : dx / dy;  // NaN for no length: nothing visible
    for (int major = 0; major < majorLimit; ++major) {
      const double ideal = minor0 + (major - major0) * slope;
      const bool onSegment = (major - major0) * (majorEnd - major) > 0 || major == major0;
      int lit = 0;
      int litMinor = -1;
      for (int minor = 0; minor < minorLimit; ++minor) {
        if (xMajor ? Lit(image, major, minor) : Lit(image, minor, major)) {
          ++lit;
          litMinor = minor;
        }
      }
      const bool visible = onSegment && ideal > -0.5 && ideal < minorLimit - 0.5;
      ASSERT_EQ(lit, visible ? 1 : 0) << "segment (" << from.x() << "," << from.y() << ")-(" << to.x() << ","
                                      << to.y() << ") at " << major;
      if (visible) {
        ASSERT_LE(std::fabs(litMinor - ideal), 0.5 + 1e-9) << "at " << major;
      }
    }
  }
}

// Pixel operations are covered through the canvas pen modes; here the clipped
// parts must xor exactly the same pixels on both passes.
TEST(ThinLine, XorTwiceRestoresEvenWhenClipped) {
  const QImage original = testing::Noise(50, 50);
  QImage image = original.copy();
  for (int pass = 0; pass < 2; ++pass) {
    for (const auto& [from, to] : kSegments) {
      DrawThinSegment(ThinLineTarget(image), from, to, 0x5A5A5Au, PixelOp::Xor);
    }
    if (pass == 0) {
      EXPECT_NE(image, original);
    }
  }
  EXPECT_EQ(image, original);
}

}  // namespace
}  // namespace orvex
