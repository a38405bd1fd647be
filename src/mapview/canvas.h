#pragma once
// The retained off-screen picture the map and the terrain dialogs draw on,
// with the pen, brush and font model of a classic GDI canvas: the state
// persists between calls and every layer sets what it needs before drawing.
// Colours are 0x00BBGGRR (red in the low byte). Antialiasing is always off, so
// that xor figures drawn twice restore the picture exactly.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

class QPainter;

namespace orvex {

enum class PixelOp;

using CouleurBgr = std::int32_t;

enum class PenMode {
  Copy,
  Xor,    // pen XOR destination: drawing a figure twice erases it
  Merge,  // pen OR destination
};

enum class BrushStyle {
  Solid,
  Clear,  // shapes are outlined only; text gets no background box
};

class Canvas {
 public:
  Canvas();
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // A new size gives a black picture.
  void SetSize(int width, int height);
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  // Finishes pending drawing first; the reference stays valid until the next
  // size change.
  const QImage& Image() const;
  // Copies `image` with its top-left corner at (x, y), ignoring the pen mode.
  void DrawImage(int x, int y, const QImage& image);

  // The pen is always solid. Width 0 draws as 1.
  void SetPenColor(CouleurBgr color);
  void SetPenWidth(int width);
  void SetPenMode(PenMode mode);
  CouleurBgr PenColor() const { return penColor_; }
  int PenWidth() const { return penWidth_; }
  PenMode Mode() const { return penMode_; }

  void SetBrushColor(CouleurBgr color);
  void SetBrushStyle(BrushStyle style);
  CouleurBgr BrushColor() const { return brushColor_; }
  BrushStyle Brush() const { return brushStyle_; }

  // Size in points (at 96 dots per inch) and height in pixels set the same
  // thing: the last one set wins.
  void SetFontColor(CouleurBgr color);
  void SetFontSize(int points);
  void SetFontHeight(int pixels);
  void SetFontBold(bool bold);
  // Text normally sits on a box of the brush colour (none with a clear
  // brush); a transparent text background leaves the picture around the
  // glyphs untouched whatever the brush.
  void SetTextTransparent(bool transparent);
  CouleurBgr FontColor() const { return fontColor_; }
  const QFont& Font() const { return font_; }
  bool TextTransparent() const { return textTransparent_; }

  // Lines stop one pixel short of their end point, so that consecutive
  // segments never draw their shared vertex twice (which would erase it in
  // xor mode); a line to the pen position draws nothing.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  QPoint PenPos() const { return penPos_; }
  void Polyline(std::span<const QPoint> points);

  // Outlined with the pen and filled with the brush, both in the pen mode.
  // Rectangles and ellipses cover x1..x2-1 by y1..y2-1 (corners in any order).
  void Polygon(std::span<const QPoint> points);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Ellipse(int x1, int y1, int x2, int y2);
  // One-pixel border and plain fill in the brush colour, in copy mode
  // whatever the pen mode; nothing with a clear brush.
  void FrameRect(int x1, int y1, int x2, int y2);
  void FillRect(int x1, int y1, int x2, int y2);

  // (x, y) is the top-left corner of the text; Windows-1252 bytes, drawn in
  // copy mode with the font colour.
  void TextOut(int x, int y, std::string_view text);

 private:
  // Each returns null while the picture has no size.
  QPainter* Painter();
  QPainter* ShapePainter();
  QPainter* CopyPainter(const QRect& rect);
  void EndPainting() const;
  // Lines one pixel wide are written straight into the picture.
  bool ThinLines() const;
  PixelOp ThinLineOp() const;

  QImage image_;
  mutable std::unique_ptr<QPainter> painter_;
  bool shapeStateApplied_ = false;

  CouleurBgr penColor_ = 0;
  int penWidth_ = 1;
  PenMode penMode_ = PenMode::Copy;
  CouleurBgr brushColor_ = 0xFFFFFF;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  CouleurBgr fontColor_ = 0;
  QFont font_;
  bool textTransparent_ = false;
  QPoint penPos_;
};

// 0x00BBGGRR to an opaque Qt colour and back.
QColor ToQColor(CouleurBgr color);
CouleurBgr FromQColor(const QColor& color);

}  // namespace orvex
