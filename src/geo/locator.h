#pragma once
// Maidenhead (QRA) locators of six characters, such as JO10XG: field (A..R),
// square (0..9) and sub-square (A..X), longitude before latitude in each pair.
#include <string>
#include <string_view>

namespace orvex {

// x - trunc(x / m) * m: the remainder keeps the sign of x.
double FloatModulo(double x, double m);

// The locator of the sub-square holding the position, or "?" when the
// position lies outside the grid (longitude -180 up to but excluding 180,
// latitude -90 up to but excluding 90).
std::string CoordinateToLocator(double longitude, double latitude);

// The centre of the sub-square named by the first six characters of `text`
// (either case); 0, 0 when those are not a locator. The square digits are
// read without being checked: callers taking a locator from the user
// validate it first.
void LocatorToCoordinate(std::string_view text, double& longitude, double& latitude);

}  // namespace orvex
