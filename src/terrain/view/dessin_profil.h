#pragma once
// The level profile and the visibility horizon on pictures: the section of
// the profile dialog, the crosses and the "A" / "B" marks on the map, the
// horizon's white rays.
#include <functional>

#include "geo/projection.h"
#include "mapview/canvas.h"
#include "terrain/horizon.h"
#include "terrain/profil.h"
#include "terrain/section_profil.h"

namespace orvex {

// The section of `tries` (sorted west to east, at least two) over the whole
// canvas: white ground, red outline of the area under the profile, the
// altitudes written and ticked in blue, "A" and "B" under the ends.
void DessineSection(Canvas& canvas, const TPointsProfil& tries, const SectionProfil& section);

// A white cross, 10 pixels each way, on every crossing.
void TraceCroixProfil(Canvas& canvas, const ProjectionState& p, const TPointsProfil& points);

// "A" beside the first crossing of `tries`, "B" beside the last, white on green.
void MarqueExtremites(Canvas& canvas, const ProjectionState& p, const TPointsProfil& tries);

// The horizon on the map: a white line from the centre to each direction's
// highest crossing. `continuer` runs after each direction (the window shows
// the picture and takes pending events there) and returns false to stop.
// Returns the number of directions run.
int DessineHorizon(Canvas& canvas, const ProjectionState& p, const ChercheCroisements& cherche,
                   const std::function<bool()>& continuer);

}  // namespace orvex
