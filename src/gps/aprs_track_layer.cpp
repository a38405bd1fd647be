#include "gps/aprs_track_layer.h"

#include "mapview/layers.h"

namespace orvex {
namespace {

constexpr CouleurBgr kTrackOverBlack = 0x808000;       // teal
constexpr CouleurBgr kTrackOverBackground = 0x800000;  // navy

using FixedPoint = std::pair<FixedDegree, FixedDegree>;

bool BothOffOneSide(const GeoBounds& view, const FixedPoint& a, const FixedPoint& b) {
  return (a.first < view.FixedWest && b.first < view.FixedWest) ||
         (a.first > view.FixedEast && b.first > view.FixedEast) ||
         (a.second < view.FixedSouth && b.second < view.FixedSouth) ||
         (a.second > view.FixedNorth && b.second > view.FixedNorth);
}

}  // namespace

void DrawAprsTracks(Canvas& canvas, const ProjectionState& p, const AprsStationTable& table) {
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenColor(p.BackgroundActive ? kTrackOverBackground : kTrackOverBlack);
  for (const auto& group : table.Groups) {
    for (const AprsStation& station : group) {
      for (std::size_t i = 1; i < station.Points.size(); ++i) {
        const FixedPoint& from = station.Points[i - 1];
        const FixedPoint& to = station.Points[i];
        if (!BothOffOneSide(p.ViewBounds, from, to)) {
          GeoMoveTo(canvas, p, FromFixed(from.first), FromFixed(from.second), 0);
          GeoLineTo(canvas, p, FromFixed(to.first), FromFixed(to.second), 0);
        }
      }
    }
  }
}

}  // namespace orvex
