#pragma once
// The integer at the start of a text, the way the data files' counts,
// altitudes, zooms and diameters are read.
#include <cstdint>
#include <string_view>

namespace orvex {

// Leading blanks and a sign are allowed; "$" or "0x" selects hexadecimal
// digits. An empty or non-numeric start, or a value outside the signed 32-bit
// range, gives 0.
// When anything follows the digits the value is that of the digits alone,
// without their sign. `complet` tells whether the whole text was the integer.
std::int32_t EntierEnTete(std::string_view text, bool& complet);
std::int32_t EntierEnTete(std::string_view text);

}  // namespace orvex
