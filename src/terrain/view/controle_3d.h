#pragma once
// The 3D controller's window-free part: the slider positions that show the
// state, the state that a slider sets, and the redraw that follows a move.
#include <cstdint>

#include "geo/projection.h"
#include "mapview/display_options.h"
#include "mapview/redraw.h"

namespace orvex {

struct PlageCurseur {
  int mini = -90;
  int maxi = 90;
  friend bool operator==(const PlageCurseur&, const PlageCurseur&) = default;
};

// Ranges and positions of the controller's sliders, in degrees (zoom as is).
struct PositionsControleur {
  PlageCurseur plageAlpha;
  PlageCurseur plageGamma;
  int alpha = 0;
  int beta = 0;
  int gamma = 0;
  int zoom = 1;
  int correctionZ = 50;  // ZFactor in hundredths; left where it was in globe view
  bool avecCorrectionZ = true;
  friend bool operator==(const PositionsControleur&, const PositionsControleur&) = default;
};

// The globe angles in globe view (alpha 90..270, gamma -180..180), the plane
// angles otherwise (both -90..90).
PositionsControleur PositionsDepuisEtat(const ProjectionState& p);

enum class AxeRotation { Alpha, Beta, Gamma };

// A rotation slider at `degres`: the angle of the current view set to it.
void RegleAngle(ProjectionState& p, AxeRotation axe, int degres);

// The three angles of the current view in degrees, as the sliders would set
// them (fractions kept).
void RegleAngles(ProjectionState& p, double alpha, double beta, double gamma);

// After a rotation or zoom slider: a full redraw when the map is drawn
// continuously and no tiles are shown (they take too long to follow a
// slider); otherwise PrepareDiffere.
bool RedessinCompletApresCurseur(const DisplayOptions& display);
// Only the graticule at once; the layers come at the next timer tick.
void PrepareDiffere(MapScene& scene);

enum class DirectionCentre { Haut, Bas, Droite, Gauche };
// A tenth of the visible area in that direction.
void DeplaceCentre(ProjectionState& p, DirectionCentre direction);

}  // namespace orvex
