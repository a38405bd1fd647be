#pragma once
// NMEA 0183 GGA sentences from a GPS receiver, e.g.
// "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47".
// Any two-letter talker is taken ($GPGGA, $GNGGA, $GLGGA, ...).
#include <cstddef>
#include <string_view>

#include "gps/decoded_position.h"

namespace orvex {

inline constexpr std::size_t kGgaHeaderLength = 6;  // "$GPGGA"

// Where the first "$xxGGA" header (letters in either case) starts at or after
// `from`; npos when there is none.
std::size_t FindGgaHeader(std::string_view text, std::size_t from = 0);

// Decodes one sentence that ends with its two checksum characters; one
// leading line feed or carriage return is allowed. A wrong checksum, a missing
// field, a missing "M" unit, a time that is not digits with an optional
// decimal part, an altitude beyond 100 km or not finite, or no "*" gives an
// all-zero result. Latitude and
// longitude are resolved to whole arc-seconds; an unreadable coordinate reads 0.
DecodedPosition DecodeSentence(std::string_view sentence);

}  // namespace orvex
