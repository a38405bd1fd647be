#pragma once
// The level curves of the terrain layer, coloured by altitude, thinned out
// and filtered by the level thresholds.
#include <cstdint>

#include "database/tables.h"
#include "geo/projection.h"
#include "mapview/canvas.h"
#include "mapview/display_options.h"
#include "terrain/view/table_couleurs.h"

namespace orvex {

inline constexpr std::int32_t kZoomCourbes = 1000;        // curves only above this zoom
inline constexpr std::int32_t kZoomToutesCourbes = 3000;  // every curve above it, else multiples of 10 m

struct PreparationCourbes {
  EchelleAltitude echelle;  // green curves when neither colour mode is chosen
  bool toutesCourbes = false;
};

// Sets the canvas up for the curves and derives the colour scale from the
// lowest and highest curve of the whole table.
PreparationCourbes PrepareCourbes(Canvas& canvas, const ProjectionState& p, const TTableNiveaux& niveaux,
                                  const DisplayOptions& display);

// Whether a curve at `altitude` is drawn: strictly between the filter bounds
// and, outside all-curves mode, on a multiple of 10 m.
bool CourbeRetenue(std::int32_t altitude, const DisplayOptions& display, bool toutesCourbes);

// Draws the retained curves that reach the view (with a margin of 1000
// FixedDegree units). `marquePoints`: a small cross on each drawn point, for
// curve editing.
void DessineCourbes(Canvas& canvas, const ProjectionState& p, const TTableNiveaux& niveaux,
                    const DisplayOptions& display, const PreparationCourbes& preparation, bool marquePoints);

}  // namespace orvex
