#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>

#include <functional>
#include <random>
#include <vector>

#include "mapview/canvas.h"

namespace orvex {
namespace {

constexpr int kSize = 64;

// Every pixel different, so that a figure restoring "black" by luck fails.
QImage Noise() {
  QImage image(kSize, kSize, QImage::Format_RGB32);
  std::mt19937 random(1234);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      image.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
    }
  }
  return image;
}

QRgb Pixel(const Canvas& canvas, int x, int y) { return canvas.Image().pixel(x, y) & 0xFFFFFFu; }

int InkCount(const QImage& image, QRgb background) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += (image.pixel(x, y) & 0xFFFFFFu) != background ? 1 : 0;
    }
  }
  return count;
}

struct Figure {
  const char* name;
  std::function<void(Canvas&)> draw;
};

std::vector<Figure> Figures() {
  static const std::vector<QPoint> crossing = {{5, 5}, {50, 40}, {50, 5}, {5, 40}, {30, 60}};
  return {
      {"line-to chain", [](Canvas& c) { c.MoveTo(3, 3); c.LineTo(60, 20); c.LineTo(10, 55); c.LineTo(3, 3); }},
      {"polyline", [](Canvas& c) { c.Polyline(crossing); }},
      {"polygon", [](Canvas& c) { c.Polygon(crossing); }},
      {"rectangle", [](Canvas& c) { c.Rectangle(10, 12, 50, 40); }},
      {"rectangle from its far corner", [](Canvas& c) { c.Rectangle(50, 40, 10, 12); }},
      {"thin rectangles", [](Canvas& c) { c.Rectangle(5, 5, 6, 30); c.Rectangle(8, 5, 10, 30); }},
      {"ellipse", [](Canvas& c) { c.Ellipse(4, 8, 60, 50); }},
      {"circle", [](Canvas& c) { c.Ellipse(20, 20, 41, 41); }},
  };
}

TEST(Canvas, XorDrawnTwiceRestoresEveryPixel) {
  const QImage background = Noise();
  for (const int width : {1, 2, 3}) {
    for (const BrushStyle brush : {BrushStyle::Solid, BrushStyle::Clear}) {
      for (const Figure& figure : Figures()) {
        Canvas canvas(kSize, kSize);
        canvas.DrawImage(0, 0, background);
        canvas.SetPenMode(PenMode::Xor);
        canvas.SetPenColor(0xFFFF00);
        canvas.SetPenWidth(width);
        canvas.SetBrushColor(0x3080C0);
        canvas.SetBrushStyle(brush);
        figure.draw(canvas);
        const QImage once = canvas.Image();
        figure.draw(canvas);
        EXPECT_NE(once, background) << figure.name << " width " << width << " drew nothing";
        EXPECT_EQ(canvas.Image(), background) << figure.name << " width " << width;
      }
    }
  }
}

TEST(Canvas, PenModes) {
  struct Case {
    PenMode mode;
    QRgb expected;
  };
  // Background 0x123456 (RGB), pen red 0x0000FF (BGR).
  const Case cases[] = {
      {PenMode::Copy, 0xFF0000},
      {PenMode::Merge, 0xFF3456},
      {PenMode::Xor, 0xED3456},
  };
  for (const Case& c : cases) {
    Canvas canvas(8, 8);
    canvas.SetBrushColor(0x563412);
    canvas.FillRect(0, 0, 8, 8);
    canvas.SetPenMode(c.mode);
    canvas.SetPenColor(0x0000FF);
    canvas.MoveTo(0, 3);
    canvas.LineTo(8, 3);
    EXPECT_EQ(Pixel(canvas, 4, 3), c.expected) << static_cast<int>(c.mode);
    EXPECT_EQ(Pixel(canvas, 4, 2), 0x123456u);
  }
}

TEST(Canvas, ColourByteOrderIsBlueGreenRed) {
  struct Case {
    CouleurBgr color;
    QRgb rgb;
  };
  const Case cases[] = {
      {0x0000FF, 0xFF0000}, {0x00FF00, 0x00FF00}, {0xFF0000, 0x0000FF}, {0xFFFF00, 0x00FFFF}, {0x123456, 0x563412},
  };
  for (const Case& c : cases) {
    Canvas canvas(4, 4);
    canvas.SetPenColor(c.color);
    canvas.MoveTo(0, 1);
    canvas.LineTo(4, 1);
    canvas.SetBrushColor(c.color);
    canvas.FillRect(0, 2, 4, 4);
    EXPECT_EQ(Pixel(canvas, 1, 1), c.rgb) << std::hex << c.color;
    EXPECT_EQ(Pixel(canvas, 1, 3), c.rgb) << std::hex << c.color;
    EXPECT_EQ(FromQColor(ToQColor(c.color)), c.color);
  }
}

TEST(Canvas, LinesStopShortOfTheirEndPoint) {
  Canvas canvas(10, 10);
  canvas.SetPenColor(0xFFFFFF);
  canvas.SetPenMode(PenMode::Xor);
  canvas.MoveTo(1, 1);
  canvas.LineTo(6, 1);
  canvas.LineTo(6, 6);
  EXPECT_EQ(Pixel(canvas, 1, 1), 0xFFFFFFu);
  EXPECT_EQ(Pixel(canvas, 5, 1), 0xFFFFFFu);
  EXPECT_EQ(Pixel(canvas, 6, 1), 0xFFFFFFu) << "the shared vertex must be drawn once, not twice";
  EXPECT_EQ(Pixel(canvas, 6, 5), 0xFFFFFFu);
  EXPECT_EQ(Pixel(canvas, 6, 6), 0u);
  EXPECT_EQ(canvas.PenPos(), QPoint(6, 6));
}

TEST(Canvas, ShapesCoverTheirBoxWithoutTheFarEdges) {
  Canvas canvas(12, 12);
  canvas.SetPenColor(0x0000FF);
  canvas.SetBrushColor(0x00FF00);
  canvas.Rectangle(2, 2, 8, 8);
  EXPECT_EQ(Pixel(canvas, 2, 2), 0xFF0000u);
  EXPECT_EQ(Pixel(canvas, 7, 7), 0xFF0000u);
  EXPECT_EQ(Pixel(canvas, 8, 5), 0u);
  EXPECT_EQ(Pixel(canvas, 5, 8), 0u);
  EXPECT_EQ(Pixel(canvas, 5, 5), 0x00FF00u);

  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenColor(0xFFFFFF);
  canvas.Ellipse(0, 0, 12, 12);
  EXPECT_EQ(Pixel(canvas, 5, 5), 0x00FF00u) << "a clear brush leaves the inside alone";
  EXPECT_EQ(Pixel(canvas, 0, 6), 0xFFFFFFu);
  EXPECT_EQ(Pixel(canvas, 11, 6), 0xFFFFFFu);
}

TEST(Canvas, FrameAndFillUseTheBrushInCopyMode) {
  Canvas canvas(10, 10);
  canvas.SetBrushColor(0x808080);
  canvas.FillRect(0, 0, 10, 10);
  canvas.SetPenMode(PenMode::Xor);
  canvas.SetPenColor(0x0000FF);
  canvas.SetBrushColor(0xFF0000);
  canvas.FrameRect(1, 1, 9, 9);
  canvas.SetBrushColor(0x00FF00);
  canvas.FillRect(3, 3, 6, 6);
  EXPECT_EQ(Pixel(canvas, 1, 1), 0x0000FFu);
  EXPECT_EQ(Pixel(canvas, 8, 8), 0x0000FFu);
  EXPECT_EQ(Pixel(canvas, 2, 2), 0x808080u);
  EXPECT_EQ(Pixel(canvas, 4, 4), 0x00FF00u);
  EXPECT_EQ(Pixel(canvas, 6, 6), 0x808080u);
  EXPECT_EQ(Pixel(canvas, 9, 9), 0x808080u);

  canvas.MoveTo(0, 5);
  canvas.LineTo(10, 5);
  EXPECT_EQ(Pixel(canvas, 4, 5), 0xFFFF00u) << "the pen still xors after brush fills";
}

TEST(Canvas, StatePersistsAcrossOtherOperations) {
  Canvas canvas(40, 40);
  canvas.SetPenColor(0x0000FF);
  canvas.SetPenWidth(3);
  canvas.SetPenMode(PenMode::Merge);
  canvas.SetBrushColor(0x00FF00);
  canvas.SetFontColor(0xFFFFFF);
  canvas.SetFontHeight(20);
  canvas.SetFontBold(true);
  canvas.SetTextTransparent(true);

  canvas.TextOut(0, 0, "W");
  canvas.FillRect(0, 30, 40, 40);
  static_cast<void>(canvas.Image());
  canvas.MoveTo(0, 25);
  canvas.LineTo(40, 25);

  EXPECT_EQ(canvas.PenColor(), 0x0000FF);
  EXPECT_EQ(canvas.PenWidth(), 3);
  EXPECT_EQ(canvas.Mode(), PenMode::Merge);
  EXPECT_EQ(canvas.BrushColor(), 0x00FF00);
  EXPECT_EQ(canvas.FontColor(), 0xFFFFFF);
  EXPECT_TRUE(canvas.Font().bold());
  EXPECT_EQ(canvas.Font().pixelSize(), 20);
  EXPECT_TRUE(canvas.TextTransparent());
  // Red, three pixels wide, not the font's white, still merged.
  EXPECT_EQ(Pixel(canvas, 20, 24), 0xFF0000u);
  EXPECT_EQ(Pixel(canvas, 20, 26), 0xFF0000u);
  EXPECT_EQ(Pixel(canvas, 20, 22), 0u);
}

TEST(Canvas, FontSizeAndHeightSetTheSameThing) {
  Canvas canvas(10, 10);
  canvas.SetFontHeight(30);
  EXPECT_EQ(QFontInfo(canvas.Font()).pixelSize(), 30);
  canvas.SetFontSize(12);
  EXPECT_EQ(canvas.Font().pointSize(), 12);
  EXPECT_EQ(canvas.Font().pixelSize(), -1);
}

TEST(Canvas, TextDrawsWithARealFontFromItsTopLeftCorner) {
  Canvas canvas(120, 60);
  canvas.SetFontColor(0xFFFFFF);
  canvas.SetFontHeight(24);
  canvas.SetTextTransparent(true);
  const QFontInfo info(canvas.Font());
  ASSERT_FALSE(info.family().isEmpty());
  ASSERT_TRUE(QFontDatabase::families().contains(info.family())) << info.family().toStdString();

  canvas.TextOut(10, 20, "Hg");
  const QImage image = canvas.Image();
  EXPECT_GT(InkCount(image, 0), 30);
  EXPECT_EQ(InkCount(image.copy(0, 0, 120, 20), 0), 0) << "ink above the top edge";
  EXPECT_EQ(InkCount(image.copy(0, 0, 10, 60), 0), 0) << "ink left of the left edge";
  EXPECT_GT(InkCount(image.copy(0, 20, 120, 6), 0), 0) << "no ink near the top edge";
}

TEST(Canvas, TextBackground) {
  struct Case {
    const char* what;
    bool transparent;
    BrushStyle brush;
    bool boxed;
  };
  const Case cases[] = {
      {"solid brush", false, BrushStyle::Solid, true},
      {"clear brush", false, BrushStyle::Clear, false},
      {"transparent text", true, BrushStyle::Solid, false},
  };
  for (const Case& c : cases) {
    Canvas canvas(60, 40);
    canvas.SetFontColor(0xFFFFFF);
    canvas.SetFontHeight(16);
    canvas.SetBrushColor(0x00FF00);
    canvas.SetBrushStyle(c.brush);
    canvas.SetTextTransparent(c.transparent);
    canvas.TextOut(5, 5, "i");
    // Just right of the text origin, beside the narrow glyph, inside its box.
    EXPECT_EQ(Pixel(canvas, 5, 6) == 0x00FF00u, c.boxed) << c.what;
    EXPECT_EQ(Pixel(canvas, 4, 6), 0u) << c.what;
  }
}

TEST(Canvas, TextIsWindows1252) {
  Canvas canvas(60, 40);
  canvas.SetFontColor(0xFFFFFF);
  canvas.SetFontHeight(20);
  canvas.SetTextTransparent(true);
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

TEST(Canvas, DrawingGoesOnAfterTheImageIsReadAndResized) {
  Canvas canvas(10, 10);
  canvas.SetPenColor(0xFFFFFF);
  canvas.MoveTo(0, 0);
  canvas.LineTo(9, 0);
  EXPECT_EQ(Pixel(canvas, 3, 0), 0xFFFFFFu);
  canvas.LineTo(9, 10);
  EXPECT_EQ(Pixel(canvas, 9, 3), 0xFFFFFFu);

  canvas.SetSize(20, 5);
  EXPECT_EQ(canvas.Width(), 20);
  EXPECT_EQ(canvas.Height(), 5);
  EXPECT_EQ(InkCount(canvas.Image(), 0), 0);
  canvas.MoveTo(0, 2);
  canvas.LineTo(20, 2);
  EXPECT_EQ(Pixel(canvas, 19, 2), 0xFFFFFFu);
}

TEST(Canvas, NothingHappensWithoutASize) {
  Canvas canvas;
  canvas.MoveTo(0, 0);
  canvas.LineTo(5, 5);
  canvas.Rectangle(0, 0, 5, 5);
  canvas.TextOut(0, 0, "x");
  EXPECT_TRUE(canvas.Image().isNull());
  EXPECT_EQ(canvas.PenPos(), QPoint(5, 5));
}

}  // namespace
}  // namespace orvex
