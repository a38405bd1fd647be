#pragma once
// Map pictures in tests: a view set up for a picture, pixel colours, counts of
// pixels in an area, a busy background. Header only: the programs that use it
// link the canvas and the projection themselves.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "geo/projection.h"
#include "mapview/canvas.h"

namespace orvex::testing {

// Plane view of a width x height picture centred on (lon, lat) at `zoom`,
// viewport computed.
inline ProjectionState View(std::int32_t zoom, double lon, double lat, int width, int height) {
  ProjectionState p;
  p.Zoom = zoom;
  p.CentreLongitude = lon;
  p.CentreLatitude = lat;
  p.ImageWidth = width;
  p.ImageHeight = height;
  ComputeViewport(p);
  return p;
}

inline ProjectionState ViewOf(const Canvas& canvas, std::int32_t zoom, double lon, double lat) {
  return View(zoom, lon, lat, canvas.Width(), canvas.Height());
}

inline CouleurBgr PixelAt(const Canvas& canvas, int x, int y) { return FromQColor(QColor(canvas.Image().pixel(x, y))); }

struct PixelIs {
  int x;
  int y;
  CouleurBgr colour;
};

// Each listed pixel has its colour; `what` names the case in failures.
inline void ExpectPixels(const Canvas& canvas, const std::vector<PixelIs>& pixels, const std::string& what = {}) {
  for (const PixelIs& p : pixels) {
    EXPECT_EQ(PixelAt(canvas, p.x, p.y), p.colour) << what << " at " << p.x << "," << p.y;
  }
}

// Pixels of `area` (clipped to the picture) that are `colour`, or that are not
// when `other` is set.
inline int CountColour(const Canvas& canvas, CouleurBgr colour, const QRect& area, bool other = false) {
  const QImage& image = canvas.Image();
  const QRect clipped = area.intersected(image.rect());
  int count = 0;
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
      count += (FromQColor(QColor(image.pixel(x, y))) == colour) != other ? 1 : 0;
    }
  }
  return count;
}

inline int CountColour(const Canvas& canvas, CouleurBgr colour) {
  return CountColour(canvas, colour, canvas.Image().rect());
}

// Pixels other than `background` inside `area`.
inline int CountInk(const Canvas& canvas, const QRect& area, CouleurBgr background = 0x000000) {
  return CountColour(canvas, background, area, true);
}

// Every pixel different, so that a figure restoring black by luck fails.
inline QImage Noise(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  std::mt19937 random(1234);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
    }
  }
  return image;
}

}  // namespace orvex::testing
