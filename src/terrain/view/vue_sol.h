#pragma once
// The ground view: what an observer standing at A, some metres above the
// ground, sees towards B. Level curves and stations are projected on a
// vertical picture plane through B, perpendicular to the sight, across a
// field of 2·atan(0.3) (about 33°). Positions are degrees of longitude and
// latitude taken as a plane, heights metres.
#include <QPoint>
#include <array>
#include <cstdint>
#include <optional>

#include "database/tables.h"
#include "geo/geo_position.h"
#include "geo/projection.h"
#include "mapview/canvas.h"
#include "mapview/display_options.h"
#include "mapview/redraw.h"

namespace orvex {

inline constexpr double kDemiChampVueSol = 0.3;  // half the picture width over the sight length

struct VueSol {
  GeoPosition observateur;  // A
  GeoPosition visee;        // B, also the middle of the picture plane
  double hauteur = 0;       // eye height, metres
  GeoPosition limite1;      // L1: left end of the picture line
  GeoPosition limite2;      // L2: right end, where the picture's horizontal axis starts
};

VueSol PrepareVueSol(GeoPosition a, GeoPosition b, double hauteur);

// The picture position of a point at `altitude` metres: none when it lies
// outside the field, on the near side of the picture plane, or exactly on
// its left edge or eye level. x = 400 - round(u·10000) with u the distance
// from L2 along the plane in degrees; y = round(v·2) + 40 with v the metres
// below eye level where the sight line crosses the plane.
std::optional<QPoint> ProjetteVueSol(const VueSol& vue, double longitude, double latitude, double altitude);

// The view cone as drawn on the map: from five times L2's distance in to
// L2, across to L1, and out again to five times L1's distance.
std::array<GeoPosition, 4> ConeVueSol(const VueSol& vue);
// Draws (or, drawn again, erases) the cone in yellow xor at the eye height.
void DessineCone(Canvas& canvas, const ProjectionState& p, const VueSol& vue);

// The cone last drawn on the map, so that the next one can erase it while
// the picture still holds it (no redraw cleared it since).
struct ConeSurCarte {
  std::optional<VueSol> vue;
  std::uint64_t effacements = 0;  // RedrawState::ClearCount when it was drawn
};
void RemplaceCone(ConeSurCarte& cone, Canvas& canvas, const ProjectionState& p, const RedrawState& redraw,
                  const VueSol& nouvelle);

// Altitude colours of the ground view over the curves' range, lowest curve
// first; a single altitude takes the highest colour. Green curves when
// neither colour nor grey is chosen.
struct EchelleVueSol {
  enum class Mode { Couleur, Gris, Vert } mode = Mode::Vert;
  double k = 0;
  double c = 0;
  CouleurBgr Couleur(std::int32_t altitude) const;
};
// Lowest and highest curve altitude (lowest searched from 99999, highest from 0).
struct PlageNiveaux {
  std::int32_t mini = 99999;
  std::int32_t maxi = 0;
};
PlageNiveaux PlageDesNiveaux(const TTableNiveaux& niveaux);
EchelleVueSol EchellePourVueSol(const DisplayOptions& display, PlageNiveaux plage);

// The curves as lines and the stations as crosses with their call signs,
// heights divided by `correction`, on a black picture.
void DessineVueSol(Canvas& canvas, const VueSol& vue, const TTableNiveaux& niveaux, const TTableOM& om,
                   const DisplayOptions& display, double correction);
// "photographie": the curves filled from the lowest up, 5 m apart.
void PhotographieVueSol(Canvas& canvas, const VueSol& vue, const TTableNiveaux& niveaux, const DisplayOptions& display,
                        double correction);

enum class PasObservateur { Avant, Arriere, Gauche, Droite };
// A step of 0.01° of the observer and the target together, along or across the sight.
void DeplaceObservateur(GeoPosition& a, GeoPosition& b, PasObservateur pas);
// The target after the sight turned to compass bearing `degres`, kept at
// `distanceVisee` degrees from A.
GeoPosition ViseeVersCap(GeoPosition a, double distanceVisee, int degres);

}  // namespace orvex
