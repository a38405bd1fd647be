#pragma once
// TextToCoordinate and DecimalToDegrees with a short cut for the plain
// decimal numbers that make up nearly all of a data file. The results are the
// very same doubles: anything the short cut cannot prove exact goes the long way.
#include <string_view>

namespace orvex {

double CoordonneeTexte(std::string_view text);  // as TextToCoordinate
double DecimalTexte(std::string_view text);     // as DecimalToDegrees

}  // namespace orvex
