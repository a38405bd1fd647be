#pragma once
// The vector layers of the map and the small drawing operations they share.
// Each layer reads its table and the projection and draws on the canvas; the
// redraw pipeline decides which run.
#include <span>
#include <string>
#include <string_view>

#include "database/tables.h"
#include "geo/projection.h"
#include "mapview/canvas.h"
#include "mapview/display_options.h"
#include "mapview/labelled_point.h"

namespace orvex {

// Positions in degrees, altitudes in metres, mapped through GeoToScreen.
// GeoLine sets the pen colour; the others draw in the canvas's current pen.
void GeoLine(Canvas& canvas, const ProjectionState& p, CouleurBgr colour, double lon1, double lat1, double lon2,
             double lat2);
void GeoMoveTo(Canvas& canvas, const ProjectionState& p, double lon, double lat, double alt);
void GeoLineTo(Canvas& canvas, const ProjectionState& p, double lon, double lat, double alt);
// Upright cross of +-10 pixels.
void GeoCross(Canvas& canvas, const ProjectionState& p, double lon, double lat, double alt);
// Green text (copy mode) just below and right of the plane-mapped point.
void GeoText(Canvas& canvas, const ProjectionState& p, double lon, double lat, std::string_view text);
// Only below a radius of 1000 pixels.
void Circle(Canvas& canvas, int x, int y, int r);

// The layers check no zoom threshold, display flag or background of their
// own: the redraw pipeline decides which run.

// Plane view: labelled parallels and meridians at a spacing set by the zoom.
// Globe view: the globe's rim and sampled lines every 20 degrees.
// `gridShown`: the locator grid toggle; `globeDemo`: the 3D demonstration
// runs (globe of Zoom pixels, lines every 30 degrees).
void DrawGraticule(Canvas& canvas, const ProjectionState& p, bool gridShown, bool globeDemo);
void DrawLocatorGrid(Canvas& canvas, const ProjectionState& p);
void DrawCountryOutlines(Canvas& canvas, const ProjectionState& p, const TTableContours& contours,
                         const DisplayOptions& display);
void DrawStructures(Canvas& canvas, const ProjectionState& p, const TTableStructures& structures);
void DrawCities(Canvas& canvas, const ProjectionState& p, const TTableVilles& villes, const DisplayOptions& display);
void DrawRadioAmateurs(Canvas& canvas, const ProjectionState& p, const TTableOM& om);
void DrawAprsStations(Canvas& canvas, const ProjectionState& p, std::span<const LabelledPoint> stations);
void DrawRepeaters(Canvas& canvas, const ProjectionState& p, const PlaceTables& tables);
void DrawWaypoints(Canvas& canvas, const ProjectionState& p, std::span<const LabelledPoint> waypoints);
void DrawScaleBar(Canvas& canvas, const ProjectionState& p);
// The scale bar's text for a length in kilometres, in the user's regional
// number format: "523,5 m" or "12,35 km" under French settings.
std::string ScaleBarLabel(double kilometres);

}  // namespace orvex
