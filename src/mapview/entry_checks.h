#pragma once
// Checks of the values typed into the small entry dialogs of the map: a
// locator to centre on, a zoom, an altitude. Texts are Windows-1252 bytes.
#include <cstdint>
#include <string_view>

namespace orvex {

// Six characters once upper-cased, field letters A..R in the first two
// places and sub-square letters A..X in the last two; the square digits in
// the middle are not looked at.
bool LocatorEntryValid(std::string_view text);

// One to five decimal digits and nothing else, with a value from 1 to 50000.
bool ZoomEntryValid(std::string_view text);

// The signed decimal integer the text begins with (optional leading blanks,
// an optional sign, digits), read up to the first character that does not
// belong to it. No digits, or a value beyond 32 bits, reads as 0.
std::int32_t LeadingSignedInteger(std::string_view text);

}  // namespace orvex
