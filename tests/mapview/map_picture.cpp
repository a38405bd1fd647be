#include "map_picture.h"

#include <QColor>
#include <QImage>

namespace orvex::testing {
namespace {

template <typename Test>
int CountPixels(const Canvas& canvas, const QRect& area, Test test) {
  const QImage& image = canvas.Image();
  const QRect clipped = area.intersected(image.rect());
  int count = 0;
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
      count += test(FromQColor(QColor(image.pixel(x, y)))) ? 1 : 0;
    }
  }
  return count;
}

}  // namespace

ProjectionState ViewOf(const Canvas& canvas, std::int32_t zoom, double lon, double lat) {
  ProjectionState p;
  p.Zoom = zoom;
  p.CentreLongitude = lon;
  p.CentreLatitude = lat;
  p.ImageWidth = canvas.Width();
  p.ImageHeight = canvas.Height();
  ComputeViewport(p);
  return p;
}

CouleurBgr PixelAt(const Canvas& canvas, int x, int y) { return FromQColor(QColor(canvas.Image().pixel(x, y))); }

int CountColour(const Canvas& canvas, CouleurBgr colour, const QRect& area) {
  return CountPixels(canvas, area, [colour](CouleurBgr c) { return c == colour; });
}

int CountColour(const Canvas& canvas, CouleurBgr colour) {
  return CountColour(canvas, colour, QRect(0, 0, canvas.Width(), canvas.Height()));
}

int CountInk(const Canvas& canvas, const QRect& area, CouleurBgr background) {
  return CountPixels(canvas, area, [background](CouleurBgr c) { return c != background; });
}

}  // namespace orvex::testing
