#pragma once
// Meridians and parallels of the globe view, sampled along each line.
#include "geo/projection.h"
#include "mapview/canvas.h"

namespace orvex {

// `demo`: the 3D demonstration runs, with a globe of Zoom pixels and wider
// line spacing.
void DrawGlobeGraticule(Canvas& canvas, const ProjectionState& p, bool demo);

}  // namespace orvex
