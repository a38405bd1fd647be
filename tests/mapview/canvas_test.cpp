// The drawing surface: xor figures that erase themselves, pen modes and the
// colour byte order, the pixels lines and shapes cover, fills, state, text.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>

#include <functional>
#include <utility>
#include <vector>

#include "support/map_picture.h"

namespace orvex {
namespace {

using testing::ExpectPixels;
using testing::PixelAt;

TEST(Canvas, XorDrawnTwiceRestoresEveryPixel) {
  static const std::vector<QPoint> crossing = {{5, 5}, {50, 40}, {50, 5}, {5, 40}, {30, 60}};
  const std::pair<const char*, std::function<void(Canvas&)>> figures[] = {
      {"line-to chain", [](Canvas& c) { c.MoveTo(3, 3); c.LineTo(60, 20); c.LineTo(10, 55); c.LineTo(3, 3); }},
      {"polyline", [](Canvas& c) { c.Polyline(crossing); }},
      {"polygon", [](Canvas& c) { c.Polygon(crossing); }},
      {"rectangle", [](Canvas& c) { c.Rectangle(10, 12, 50, 40); }},
      {"rectangle from its far corner", [](Canvas& c) { c.Rectangle(50, 40, 10, 12); }},
      {"thin rectangles", [](Canvas& c) { c.Rectangle(5, 5, 6, 30); c.Rectangle(8, 5, 10, 30); }},
      {"ellipse", [](Canvas& c) { c.Ellipse(4, 8, 60, 50); }},
      {"circle", [](Canvas& c) { c.Ellipse(20, 20, 41, 41); }},
  };
  const QImage background = testing::Noise(64, 64);
  for (const int width : {1, 2, 3}) {
    for (const BrushStyle brush : {BrushStyle::Solid, BrushStyle::Clear}) {
      for (const auto& [name, draw] : figures) {
        Canvas canvas(64, 64);
        canvas.DrawImage(0, 0, background);
        canvas.SetPenMode(PenMode::Xor);
        canvas.SetPenColor(0xFFFF00);
        canvas.SetPenWidth(width);
        canvas.SetBrushColor(0x3080C0);
        canvas.SetBrushStyle(brush);
        draw(canvas);
        EXPECT_NE(canvas.Image(), background) << name << " width " << width << " drew nothing";
        draw(canvas);
        EXPECT_EQ(canvas.Image(), background) << name << " width " << width;
      }
    }
  }
}

// A line over 0x123456 (RGB) in the picture's own byte order: merge is OR,
// whether written straight into the picture (width 1) or painted.
TEST(Canvas, PenModesAndColourByteOrder) {
  struct Case { PenMode mode; CouleurBgr pen; QRgb rgb; };
  const Case cases[] = {{PenMode::Copy, 0x0000FF, 0xFF0000},  {PenMode::Copy, 0x00FF00, 0x00FF00},
                        {PenMode::Copy, 0xFF0000, 0x0000FF},  {PenMode::Copy, 0xFFFF00, 0x00FFFF},
                        {PenMode::Copy, 0x123456, 0x563412},  {PenMode::Merge, 0x0000FF, 0xFF3456},
                        {PenMode::Xor, 0x0000FF, 0xED3456}};
  for (const int width : {1, 2}) {
    for (const Case& c : cases) {
      Canvas canvas(8, 8);
      canvas.SetBrushColor(0x563412);
      canvas.FillRect(0, 0, 8, 8);
      canvas.SetPenMode(c.mode);
      canvas.SetPenColor(c.pen);
      canvas.SetPenWidth(width);
      canvas.MoveTo(0, 3);
      canvas.LineTo(8, 3);
      EXPECT_EQ(canvas.Image().pixel(4, 3) & 0xFFFFFFu, c.rgb) << static_cast<int>(c.mode) << " width " << width;
      EXPECT_EQ(canvas.Image().pixel(4, 0) & 0xFFFFFFu, 0x123456u);
      EXPECT_EQ(FromQColor(ToQColor(c.pen)), c.pen);
    }
  }
}

// Lines stop short of their end point so that a shared vertex is drawn once
// (xor would erase it); rectangles and ellipses cover x1..x2-1 by y1..y2-1;
// frames and fills paint the brush in copy mode and leave the pen as it was;
// text, fills and reading the picture leave the pen alone.
TEST(Canvas, PixelsOfLinesShapesAndFills) {
  struct Case { const char* what; std::function<void(Canvas&)> draw; std::vector<testing::PixelIs> pixels; };
  const Case cases[] = {
      {"xor segments", [](Canvas& c) { c.SetPenColor(0xFFFFFF); c.SetPenMode(PenMode::Xor); c.MoveTo(1, 1);
                                       c.LineTo(6, 1); c.LineTo(6, 6); },
       {{1, 1, 0xFFFFFF}, {5, 1, 0xFFFFFF}, {6, 1, 0xFFFFFF}, {6, 5, 0xFFFFFF}, {6, 6, 0}}},
      {"rectangle", [](Canvas& c) { c.SetPenColor(0x0000FF); c.SetBrushColor(0x00FF00); c.Rectangle(2, 2, 8, 8); },
       {{2, 2, 0x0000FF}, {7, 7, 0x0000FF}, {8, 5, 0}, {5, 8, 0}, {5, 5, 0x00FF00}}},
      {"ellipse with a clear brush", [](Canvas& c) { c.SetBrushColor(0x00FF00); c.FillRect(2, 2, 8, 8);
                                                     c.SetBrushStyle(BrushStyle::Clear); c.SetPenColor(0xFFFFFF);
                                                     c.Ellipse(0, 0, 12, 12); },
       {{5, 5, 0x00FF00}, {0, 6, 0xFFFFFF}, {11, 6, 0xFFFFFF}}},
      {"frame and fill under a xor pen", [](Canvas& c) { c.SetBrushColor(0x808080); c.FillRect(0, 0, 10, 10);
                                                         c.SetPenMode(PenMode::Xor); c.SetPenColor(0x0000FF);
                                                         c.SetBrushColor(0xFF0000); c.FrameRect(1, 1, 9, 9);
                                                         c.SetBrushColor(0x00FF00); c.FillRect(3, 3, 6, 6);
                                                         c.MoveTo(0, 5); c.LineTo(10, 5); },
       {{1, 1, 0xFF0000}, {8, 8, 0xFF0000}, {2, 2, 0x808080}, {4, 4, 0x00FF00}, {6, 6, 0x808080}, {9, 9, 0x808080},
        {4, 5, 0x00FFFF}}},
      // Red, three pixels wide, not the font's white.
      {"pen kept through text, fill and reads", [](Canvas& c) { c.SetPenColor(0x0000FF); c.SetPenWidth(3);
                                                                c.SetPenMode(PenMode::Merge); c.SetFontColor(0xFFFFFF);
                                                                c.SetFontHeight(20); c.SetTextTransparent(true);
                                                                c.TextOut(0, 0, "W"); c.FillRect(0, 30, 40, 40);
                                                                static_cast<void>(c.Image()); c.MoveTo(0, 25);
                                                                c.LineTo(40, 25); },
       {{20, 24, 0x0000FF}, {20, 26, 0x0000FF}, {20, 22, 0}}},
  };
  for (const Case& c : cases) {
    Canvas canvas(40, 40);
    c.draw(canvas);
    ExpectPixels(canvas, c.pixels, c.what);
  }
}

TEST(Canvas, TextBackground) {
  struct Case { const char* what; bool transparent; BrushStyle brush; bool boxed; };
  const Case cases[] = {{"solid brush", false, BrushStyle::Solid, true},
                        {"clear brush", false, BrushStyle::Clear, false},
                        {"transparent text", true, BrushStyle::Solid, false}};
  for (const Case& c : cases) {
    Canvas canvas(60, 40);
    canvas.SetFontColor(0xFFFFFF);
    canvas.SetFontHeight(16);
    canvas.SetBrushColor(0x00FF00);
    canvas.SetBrushStyle(c.brush);
    canvas.SetTextTransparent(c.transparent);
    canvas.TextOut(5, 5, "i");
    // Just right of the text origin, beside the narrow glyph, inside its box.
    EXPECT_EQ(PixelAt(canvas, 5, 6) == 0x00FF00, c.boxed) << c.what;
    EXPECT_EQ(PixelAt(canvas, 4, 6), 0) << c.what;
  }
}

// The bytes are Windows-1252, drawn from the text's top-left corner.
TEST(Canvas, TextIsWindows1252) {
  Canvas canvas(60, 40);
  canvas.SetFontColor(0xFFFFFF);
  canvas.SetFontHeight(20);
  canvas.SetTextTransparent(true);
  const QFontInfo info(canvas.Font());  // without fonts Qt draws boxes, equal or not
  ASSERT_TRUE(QFontDatabase::families().contains(info.family())) << info.family().toStdString();
  canvas.TextOut(2, 2, "\xE9t\xE9");

  QImage expected(60, 40, QImage::Format_RGB32);
  expected.setDotsPerMeterX(canvas.Image().dotsPerMeterX());
  expected.setDotsPerMeterY(canvas.Image().dotsPerMeterY());
  expected.fill(Qt::black);
  QPainter painter(&expected);
  painter.setFont(canvas.Font());
  painter.setPen(Qt::white);
  painter.drawText(QPoint(2, 2 + painter.fontMetrics().ascent()), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
  painter.end();
  EXPECT_EQ(canvas.Image(), expected);
}

// Without a size nothing is drawn; the painter then follows the picture
// through reads and size changes.
TEST(Canvas, DrawingFollowsThePictureSize) {
  Canvas canvas;
  canvas.SetPenColor(0xFFFFFF);
  canvas.MoveTo(0, 0);
  canvas.LineTo(5, 5);
  canvas.Rectangle(0, 0, 5, 5);
  canvas.TextOut(0, 0, "x");
  EXPECT_TRUE(canvas.Image().isNull());
  EXPECT_EQ(canvas.PenPos(), QPoint(5, 5));
  canvas.SetSize(10, 10);
  canvas.MoveTo(0, 0);
  canvas.LineTo(9, 0);
  EXPECT_EQ(PixelAt(canvas, 3, 0), 0xFFFFFF);
  canvas.LineTo(9, 10);
  EXPECT_EQ(PixelAt(canvas, 9, 3), 0xFFFFFF);
  canvas.SetSize(20, 5);
  EXPECT_EQ(canvas.Image().size(), QSize(20, 5));
  EXPECT_EQ(testing::CountInk(canvas, QRect(0, 0, 20, 5)), 0);
  canvas.MoveTo(0, 2);
  canvas.LineTo(20, 2);
  EXPECT_EQ(PixelAt(canvas, 19, 2), 0xFFFFFF);
}

}  // namespace
}  // namespace orvex
