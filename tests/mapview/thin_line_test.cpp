// One-pixel lines written straight into the picture: one pixel per step of
// the major axis on the nearest row (or column) of the exact line, the end
// point left out, and the same pixels whatever part of the line lies off the
// picture.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <cstdint>
#include <vector>

#include "mapview/thin_line.h"

namespace orvex {
namespace {

constexpr std::uint32_t kInk = 0x00FFFFFF;

QImage Black(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(0xFF000000u);
  return image;
}

bool Lit(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFFu) != 0; }

struct Segment {
  QPoint from;
  QPoint to;
};

// Every segment checked against the exact line, whole or clipped.
const std::vector<Segment>& Segments() {
  static const std::vector<Segment> segments = {
      {{2, 3}, {37, 3}},           {{37, 20}, {2, 20}},         {{5, 1}, {5, 28}},
      {{30, 28}, {30, 1}},         {{1, 1}, {29, 29}},          {{38, 2}, {3, 17}},
      {{3, 27}, {36, 5}},          {{20, 2}, {24, 28}},         {{-50, 10}, {90, 12}},
      {{-1000, -700}, {1000, 740}}, {{20, -5000}, {22, 5000}},   {{-(1 << 30), 13}, {1 << 30, 17}},
      {{7, -(1 << 30)}, {9, 1 << 30}}, {{-(1 << 30), -(1 << 30)}, {1 << 30, 1 << 30}}, {{-70, 80}, {80, -70}},
  };
  return segments;
}

TEST(ThinLine, OnePixelPerStepOnTheNearestRowOrColumn) {
  constexpr int kWidth = 40;
  constexpr int kHeight = 30;
  for (const Segment& s : Segments()) {
    QImage image = Black(kWidth, kHeight);
    DrawThinSegment(ThinLineTarget(image), s.from, s.to, kInk, PixelOp::Copy);
    const double dx = static_cast<double>(s.to.x()) - s.from.x();
    const double dy = static_cast<double>(s.to.y()) - s.from.y();
    const bool xMajor = std::fabs(dx) >= std::fabs(dy);
    const int majorLimit = xMajor ? kWidth : kHeight;
    const int minorLimit = xMajor ? kHeight : kWidth;
    const double major0 = xMajor ? s.from.x() : s.from.y();
    const double minor0 = xMajor ? s.from.y() : s.from.x();
    const double majorEnd = xMajor ? s.to.x() : s.to.y();
    const double slope = xMajor ? dy / dx : dx / dy;
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
      ASSERT_EQ(lit, visible ? 1 : 0) << "segment (" << s.from.x() << "," << s.from.y() << ")-(" << s.to.x() << ","
                                      << s.to.y() << ") at " << major;
      if (visible) {
        ASSERT_LE(std::fabs(litMinor - ideal), 0.5 + 1e-9) << "at " << major;
      }
    }
  }
}

TEST(ThinLine, EndPointLeftOutAndNothingForNoLength) {
  QImage image = Black(10, 10);
  DrawThinSegment(ThinLineTarget(image), {2, 2}, {6, 2}, kInk, PixelOp::Copy);
  EXPECT_TRUE(Lit(image, 2, 2));
  EXPECT_TRUE(Lit(image, 5, 2));
  EXPECT_FALSE(Lit(image, 6, 2));
  QImage empty = Black(10, 10);
  DrawThinSegment(ThinLineTarget(empty), {4, 4}, {4, 4}, kInk, PixelOp::Copy);
  EXPECT_EQ(empty, Black(10, 10));
}

TEST(ThinLine, PixelOperations) {
  struct Case {
    PixelOp op;
    QRgb expected;
  };
  for (const Case& c : {Case{PixelOp::Copy, 0xFF00F0F0u}, {PixelOp::Or, 0xFF12F4F6u}, {PixelOp::Xor, 0xFF12C4A6u}}) {
    QImage image(4, 1, QImage::Format_RGB32);
    image.fill(0xFF123456u);
    DrawThinSegment(ThinLineTarget(image), {0, 0}, {4, 0}, 0x00F0F0u, c.op);
    EXPECT_EQ(image.pixel(1, 0), c.expected) << static_cast<int>(c.op);
  }
}

TEST(ThinLine, XorTwiceRestoresEvenWhenClipped) {
  QImage image(50, 50, QImage::Format_RGB32);
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 50; ++x) {
      image.setPixel(x, y, 0xFF000000u | static_cast<QRgb>((x * 7919 + y * 104729) & 0xFFFFFF));
    }
  }
  const QImage original = image.copy();
  for (int pass = 0; pass < 2; ++pass) {
    const ThinLineTarget target(image);
    for (const Segment& s : Segments()) {
      DrawThinSegment(target, s.from, s.to, 0x5A5A5Au, PixelOp::Xor);
    }
    if (pass == 0) {
      EXPECT_NE(image, original);
    }
  }
  EXPECT_EQ(image, original);
}

}  // namespace
}  // namespace orvex
