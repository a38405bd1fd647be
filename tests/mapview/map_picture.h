#pragma once
// Helpers for tests that read the map picture back: a projection set up for a
// canvas, colours of pixels, ink counts in an area.
#include <QRect>

#include <cstdint>

#include "geo/projection.h"
#include "mapview/canvas.h"

namespace orvex::testing {

// Plane view of `canvas` centred on (lon, lat) at `zoom`, viewport computed.
ProjectionState ViewOf(const Canvas& canvas, std::int32_t zoom, double lon, double lat);

CouleurBgr PixelAt(const Canvas& canvas, int x, int y);
// Pixels of exactly `colour` inside `area` (clipped to the picture).
int CountColour(const Canvas& canvas, CouleurBgr colour, const QRect& area);
int CountColour(const Canvas& canvas, CouleurBgr colour);
// Pixels other than `background` inside `area`.
int CountInk(const Canvas& canvas, const QRect& area, CouleurBgr background = 0x000000);

}  // namespace orvex::testing
