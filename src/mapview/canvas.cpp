#include "mapview/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>

#include <algorithm>

#include "mapview/thin_line.h"
#include "platform/cp1252.h"

namespace orvex {

namespace {

// Font sizes in points mean the same number of pixels on every machine.
constexpr int kDotsPerMeter = 3780;  // 96 dots per inch
constexpr int kDefaultFontPoints = 8;

QPainter::CompositionMode CompositionFor(PenMode mode) {
  switch (mode) {
    case PenMode::Xor:
      return QPainter::RasterOp_SourceXorDestination;
    case PenMode::Merge:
      return QPainter::RasterOp_SourceOrDestination;
    case PenMode::Copy:
      break;
  }
  return QPainter::CompositionMode_Source;
}

// The rectangle x1..x2-1 by y1..y2-1 with its corners in any order; empty
// when the corners share a row or a column.
QRect CoveredRect(int x1, int y1, int x2, int y2) {
  const int left = std::min(x1, x2);
  const int top = std::min(y1, y2);
  return QRect(left, top, std::max(x1, x2) - left, std::max(y1, y2) - top);
}

QImage BlackImage(int width, int height) {
  QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  image.fill(Qt::black);
  return image;
}

}  // namespace

QColor ToQColor(CouleurBgr color) {
  const auto bits = static_cast<std::uint32_t>(color);
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

CouleurBgr FromQColor(const QColor& color) {
  return static_cast<CouleurBgr>(static_cast<std::uint32_t>(color.red()) |
                                 (static_cast<std::uint32_t>(color.green()) << 8) |
                                 (static_cast<std::uint32_t>(color.blue()) << 16));
}

Canvas::Canvas() : Canvas(0, 0) {}

Canvas::Canvas(int width, int height) : image_(BlackImage(width, height)) {
  font_.setStyleHint(QFont::SansSerif);
  font_.setStyleStrategy(QFont::NoAntialias);
  font_.setPointSize(kDefaultFontPoints);
}

Canvas::~Canvas() { EndPainting(); }

void Canvas::EndPainting() const {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

QPainter* Canvas::Painter() {
  if (image_.isNull()) {
    return nullptr;  // nothing to draw on before the first size is set
  }
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    shapeStateApplied_ = false;
  }
  return painter_.get();
}

QPainter* Canvas::ShapePainter() {
  QPainter* painter = Painter();
  if (painter == nullptr || shapeStateApplied_) {
    return painter;
  }
  painter->setCompositionMode(CompositionFor(penMode_));
  painter->setPen(QPen(ToQColor(penColor_), penWidth_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  if (brushStyle_ == BrushStyle::Solid) {
    painter->setBrush(ToQColor(brushColor_));
  } else {
    painter->setBrush(Qt::NoBrush);
  }
  shapeStateApplied_ = true;
  return painter;
}

// Brush fills that ignore the pen mode; none for an empty area or a clear brush.
QPainter* Canvas::CopyPainter(const QRect& rect) {
  QPainter* painter = rect.isEmpty() || brushStyle_ == BrushStyle::Clear ? nullptr : Painter();
  if (painter != nullptr) {
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    shapeStateApplied_ = false;
  }
  return painter;
}

void Canvas::SetSize(int width, int height) {
  EndPainting();
  image_ = BlackImage(width, height);
}

const QImage& Canvas::Image() const {
  EndPainting();
  return image_;
}

void Canvas::DrawImage(int x, int y, const QImage& image) {
  QPainter* painter = Painter();
  if (painter == nullptr) {
    return;
  }
  painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter->drawImage(x, y, image);
  shapeStateApplied_ = false;
}

void Canvas::SetPenColor(CouleurBgr color) {
  penColor_ = color;
  shapeStateApplied_ = false;
}

void Canvas::SetPenWidth(int width) {
  penWidth_ = std::max(width, 0);
  shapeStateApplied_ = false;
}

void Canvas::SetPenMode(PenMode mode) {
  penMode_ = mode;
  shapeStateApplied_ = false;
}

void Canvas::SetBrushColor(CouleurBgr color) {
  brushColor_ = color;
  shapeStateApplied_ = false;
}

void Canvas::SetBrushStyle(BrushStyle style) {
  brushStyle_ = style;
  shapeStateApplied_ = false;
}

void Canvas::SetFontColor(CouleurBgr color) { fontColor_ = color; }

void Canvas::SetFontSize(int points) { font_.setPointSize(std::max(points, 1)); }

void Canvas::SetFontHeight(int pixels) { font_.setPixelSize(std::max(pixels, 1)); }

void Canvas::SetFontBold(bool bold) { font_.setBold(bold); }

void Canvas::SetTextTransparent(bool transparent) { textTransparent_ = transparent; }

void Canvas::MoveTo(int x, int y) { penPos_ = QPoint(x, y); }

bool Canvas::ThinLines() const {
  return penWidth_ <= 1 &&
         (image_.format() == QImage::Format_RGB32 || image_.format() == QImage::Format_ARGB32);
}

PixelOp Canvas::ThinLineOp() const {
  switch (penMode_) {
    case PenMode::Xor:
      return PixelOp::Xor;
    case PenMode::Merge:
      return PixelOp::Or;
    case PenMode::Copy:
      break;
  }
  return PixelOp::Copy;
}

void Canvas::LineTo(int x, int y) {
  const QPoint to(x, y);
  if (ThinLines()) {
    DrawThinSegment(ThinLineTarget(image_), penPos_, to, ToQColor(penColor_).rgb(), ThinLineOp());
  } else if (QPainter* painter = ShapePainter()) {
    painter->drawLine(penPos_, to);
  }
  penPos_ = to;
}

// Each segment stops short of its end point, as LineTo does.
void Canvas::Polyline(std::span<const QPoint> points) {
  if (points.empty()) {
    return;
  }
  if (ThinLines()) {
    const std::uint32_t rgb = ToQColor(penColor_).rgb();
    const PixelOp op = ThinLineOp();
    const ThinLineTarget target(image_);
    for (std::size_t i = 1; i < points.size(); ++i) {
      DrawThinSegment(target, points[i - 1], points[i], rgb, op);
    }
  } else if (QPainter* painter = ShapePainter()) {
    painter->drawPolyline(points.data(), static_cast<int>(points.size()));
  }
  penPos_ = points.back();
}

void Canvas::Polygon(std::span<const QPoint> points) {
  QPainter* painter = points.empty() ? nullptr : ShapePainter();
  if (painter != nullptr) {
    painter->drawPolygon(points.data(), static_cast<int>(points.size()), Qt::OddEvenFill);
  }
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
  const QRect rect = CoveredRect(x1, y1, x2, y2);
  QPainter* painter = rect.isEmpty() ? nullptr : ShapePainter();
  if (painter != nullptr) {
    // A one-pixel outline of QRect(l, t, w, h) covers l..l+w: one column more.
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
  }
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
  const QRect rect = CoveredRect(x1, y1, x2, y2);
  QPainter* painter = rect.isEmpty() ? nullptr : ShapePainter();
  if (painter != nullptr) {
    painter->drawEllipse(rect.adjusted(0, 0, -1, -1));
  }
}

void Canvas::FrameRect(int x1, int y1, int x2, int y2) {
  const QRect rect = CoveredRect(x1, y1, x2, y2);
  QPainter* painter = CopyPainter(rect);
  if (painter == nullptr) {
    return;
  }
  const QColor color = ToQColor(brushColor_);
  painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
  painter->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
  painter->fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), color);
  painter->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
}

void Canvas::FillRect(int x1, int y1, int x2, int y2) {
  const QRect rect = CoveredRect(x1, y1, x2, y2);
  if (QPainter* painter = CopyPainter(rect)) {
    painter->fillRect(rect, ToQColor(brushColor_));
  }
}

void Canvas::TextOut(int x, int y, std::string_view text) {
  QPainter* painter = Painter();
  if (painter == nullptr) {
    return;
  }
  const QString unicode = QString::fromStdString(Cp1252ToUtf8(text));
  painter->setFont(font_);
  const QFontMetrics metrics = painter->fontMetrics();
  painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (!textTransparent_ && brushStyle_ == BrushStyle::Solid) {
    painter->fillRect(QRect(x, y, metrics.horizontalAdvance(unicode), metrics.height()), ToQColor(brushColor_));
  }
  painter->setPen(ToQColor(fontColor_));
  painter->drawText(QPoint(x, y + metrics.ascent()), unicode);
  shapeStateApplied_ = false;
}

}  // namespace orvex
