#pragma once
// The two trace layers of the map: the live trace of the current channel
// with the predicted landing cross, and the trace drawn with the mouse.
#include "geo/geo_position.h"
#include "geo/projection.h"
#include "gps/trace_table.h"
#include "mapview/canvas.h"

namespace orvex {

// Each pair of consecutive points of the current channel: the path in yellow
// (purple, two pixels wide, over a background image), its ground track and
// verticals in maroon; nothing with fewer than two points. Then the cross at
// `dropPoint`, whose position goes to `pendingDropCross` so that the next fix
// can erase it; `pendingDropCross` is cleared when no cross is drawn.
void DrawLiveTrace(Canvas& canvas, const ProjectionState& p, const Traces& traces, const GeoPosition& dropPoint,
                   bool backgroundActive, GeoPosition& pendingDropCross);

// The drawn trace as one aqua polyline (three pixels wide over a background
// image).
void DrawDrawnTrace(Canvas& canvas, const ProjectionState& p, const Traces& traces, bool backgroundActive);

}  // namespace orvex
