#include "terrain/horizon.h"

#include <cmath>

namespace orvex {
namespace {

constexpr double kPasAngle = 0.02;
constexpr double kDeuxPi = 6.283185307179586;
constexpr int kMargeDroite = 10;  // pixels
constexpr std::size_t kPremierRangRetenu = 2;

}  // namespace

double RayonHorizon(const ProjectionState& p) {
  return std::fabs(p.CentreLongitude - XToLon(p, p.ImageWidth - kMargeDroite));
}

std::vector<double> AnglesHorizon() {
  std::vector<double> angles;
  for (double angle = 0; angle <= kDeuxPi; angle += kPasAngle) {
    angles.push_back(angle);
  }
  return angles;
}

GeoPosition FinRayonHorizon(const ProjectionState& p, double rayon, double angle) {
  return {p.CentreLongitude + std::cos(angle) * p.ScaleRatio * rayon, p.CentreLatitude + std::sin(angle) * rayon};
}

std::optional<TPointProfil> PointHorizon(const TPointsProfil& points) {
  std::optional<TPointProfil> plusHaut;
  for (std::size_t k = kPremierRangRetenu; k < points.size(); ++k) {
    if (points[k].Altitude > 0 && (!plusHaut || points[k].Altitude > plusHaut->Altitude)) {
      plusHaut = points[k];
    }
  }
  return plusHaut;
}

int ParcourtHorizon(const ProjectionState& p, const ChercheCroisements& cherche,
                    const std::function<bool(const DirectionHorizon&)>& apres) {
  const double rayon = RayonHorizon(p);
  TPointsProfil points;
  int faites = 0;
  for (const double angle : AnglesHorizon()) {
    DirectionHorizon direction{angle, FinRayonHorizon(p, rayon, angle), std::nullopt};
    cherche(p.CentreLongitude, p.CentreLatitude, direction.Fin.Longitude, direction.Fin.Latitude, points);
    direction.Point = PointHorizon(points);
    points.clear();
    ++faites;
    if (!apres(direction)) {
      break;
    }
  }
  return faites;
}

}  // namespace orvex
