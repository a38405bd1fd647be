#include "images/background_geometry.h"

#include <cmath>
#include <cstdlib>

namespace orvex {
namespace {

std::int32_t Scale(int pixels, double degrees) { return NearestInt(pixels / std::fabs(degrees)); }

}  // namespace

void AppliqueCorrespondance(ProjectionState& p, const Correspondance& c) {
  GeoBounds& b = p.ViewBounds;
  b.West = c.LgNW;
  b.East = c.LgSE;
  b.North = c.LtNW;
  b.South = c.LtSE;
  b.FixedWest = ToFixed(b.West);
  b.FixedEast = ToFixed(b.East);
  b.FixedNorth = ToFixed(b.North);
  b.FixedSouth = ToFixed(b.South);
  p.Zoom = Scale(p.ImageWidth, c.LgNW - c.LgSE);
  p.ScaleY = Scale(p.ImageHeight, c.LtNW - c.LtSE);
  p.CentreLongitude = (c.LgNW + c.LgSE) / 2;
  p.CentreLatitude = (c.LtNW + c.LtSE) / 2;
  p.OffsetX = NearestInt(p.Zoom * p.CentreLongitude - p.ImageWidth / 2);
  p.OffsetY = NearestInt(p.ScaleY * p.CentreLatitude - p.ImageHeight / 2);
  p.BottomY = p.ImageHeight + p.OffsetY;
}

bool CorrespondanceUtilisable(const Correspondance& c, int width, int height) {
  if (VerifieCoins(c) != CoinRefuse::None || width < 1 || height < 1) {
    return false;
  }
  const std::int32_t zoom = Scale(width, c.LgNW - c.LgSE);
  const std::int32_t scaleY = Scale(height, c.LtNW - c.LtSE);
  return zoom >= kMinZoom && zoom <= kMaxZoom && scaleY >= kMinZoom && scaleY <= kMaxZoom;
}

std::optional<Correspondance> CoinsDesPointsCalage(const PointCalage& a, const PointCalage& b, int width, int height) {
  const bool eastToTheRight = (b.x - a.x) * (b.Longitude - a.Longitude) > 0;
  const bool northAbove = (b.y - a.y) * (b.Latitude - a.Latitude) < 0;
  if (!eastToTheRight || !northAbove) {
    return std::nullopt;
  }
  const int dx = std::abs(b.x - a.x) + 1;
  const int dy = std::abs(b.y - a.y) + 1;
  const double kx = dx / std::fabs(a.Longitude - b.Longitude);
  const double ky = dy / std::fabs(a.Latitude - b.Latitude);
  ProjectionState q;
  q.ImageWidth = width;
  q.ImageHeight = height;
  q.OffsetX = NearestInt(kx * (a.Longitude + b.Longitude) / 2) - dx / 2;
  q.OffsetY = NearestInt(ky * (a.Latitude + b.Latitude) / 2) - height + dy / 2;
  q.Zoom = NearestInt(kx);
  q.ScaleY = NearestInt(ky);
  if (q.Zoom < kMinZoom || q.ScaleY < kMinZoom) {
    return std::nullopt;
  }
  const int westX = std::min(a.x, b.x);
  const int northY = std::min(a.y, b.y);
  return Correspondance{XToLon(q, -westX), YToLat(q, -northY), XToLon(q, width - westX), YToLat(q, height - northY)};
}

}  // namespace orvex
