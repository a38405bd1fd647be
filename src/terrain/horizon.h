#pragma once
// The visibility horizon: from the map centre, 315 rays over a circle that
// reaches 10 pixels short of the picture's right edge, each ending at the
// highest level curve it crosses.
#include <functional>
#include <optional>

#include "geo/geo_position.h"
#include "geo/projection.h"
#include "terrain/profil.h"

namespace orvex {

// Degrees from the centre to 10 pixels inside the right edge.
double RayonHorizon(const ProjectionState& p);

// 0, 0.02, 0.04 ... radians while the running sum stays within 2 pi: 315 angles.
std::vector<double> AnglesHorizon();

// The end of the ray at `angle`: a circle on screen, the longitude stretched
// by ScaleY / Zoom.
GeoPosition FinRayonHorizon(const ProjectionState& p, double rayon, double angle);

// The highest crossing above 0 m among those of rank 2 onwards (the first two
// found never count), the first found winning ties; none with fewer than 3.
std::optional<TPointProfil> PointHorizon(const TPointsProfil& points);

struct DirectionHorizon {
  double Angle = 0;
  GeoPosition Fin;
  std::optional<TPointProfil> Point;
};

// The crossings of AB with the curves of the view, in table order.
using ChercheCroisements = std::function<void(double lgA, double ltA, double lgB, double ltB, TPointsProfil&)>;

// Runs the directions in order; `apres` gets each one and returns false to
// stop after it. Returns the number of directions run.
int ParcourtHorizon(const ProjectionState& p, const ChercheCroisements& cherche,
                    const std::function<bool(const DirectionHorizon&)>& apres);

}  // namespace orvex
