#pragma once
// Distances on a slightly flattened Earth and bearings as seen on the flat map.
namespace orvex {

// Arc cosine in radians, 0..pi; arguments pushed past +-1 by rounding count as +-1.
double ArcCosine(double x);
// Tangent of an angle in radians.
double Tangent(double x);

// Kilometres between two positions in degrees, along the great circle of a
// sphere whose radius follows the latitude of the pair.
double Distance(double lon1, double lat1, double lon2, double lat2);

// Degrees 0..359 clockwise from north, from point 1 towards point 2, measured
// in the plane of the map (no convergence of the meridians). Due east is 90,
// due west 270, due north 0, due south 180; coinciding points give 0.
int ScreenBearing(double lon1, double lat1, double lon2, double lat2);

}  // namespace orvex
