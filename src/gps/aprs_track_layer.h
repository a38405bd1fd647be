#pragma once
// The tracks of the APRS stations heard, drawn under their names.
#include "geo/projection.h"
#include "gps/aprs_station_table.h"
#include "mapview/canvas.h"

namespace orvex {

// Each station's points joined in order, in teal (navy over a background
// image); segments wholly off one side of the view are skipped.
void DrawAprsTracks(Canvas& canvas, const ProjectionState& p, const AprsStationTable& table);

}  // namespace orvex
