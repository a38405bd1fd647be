#pragma once
// Both position feeds send angles as degrees, whole minutes and a fraction of
// a minute ("4807.038" in NMEA, "4903.50" in APRS). The program keeps them to
// the whole arc-second, through the same degree-minute-second text that the
// rest of the program reads.
#include <cstddef>
#include <string>
#include <string_view>

namespace orvex {

// Signed degrees from degree digits, two minute digits, the fraction of a
// minute (0 <= fraction < 1) and the hemisphere letter (S, W or O give a
// negative value). 0 when the digits are not digits, the minutes reach 60 or
// the angle exceeds `maxDegrees`.
double DegreeMinutesToDegrees(std::string_view degrees, std::string_view minutes, double fraction, char hemisphere,
                              int maxDegrees);

bool IsDigitText(std::string_view text);

// APRS position ambiguity: trailing digits of "mmhh" (minutes and hundredths)
// sent as blanks. A blanked digit stands for the whole range it could hold:
// the first blank takes the middle of that range, the ones after it 0.
// `ambiguity` is the number of blanks; false when a blank is not trailing or
// another character is not a digit.
bool ResolveBlankedMinutes(std::string& minuteDigits, std::size_t& ambiguity);

}  // namespace orvex
