#pragma once
// The frame types of the serial line (configuration key Trame) and the names
// the configuration shows for them: one list for the file reader, the
// configuration dialog and the receive handler.
#include <array>

namespace orvex {

inline constexpr int kTrameNmea = 1;         // "Nmea V2.0": GGA sentences
inline constexpr int kTrameAprs = 2;         // "APRS": TNC monitor packets
inline constexpr int kTrameNmeaIndexed = 3;  // "Nmea indexée": buffered, never decoded
inline constexpr int kTrameAprsKiss = 4;     // "APRS KISS": AX.25 UI frames from a KISS TNC

// Value v is named NomsTrames[v - 1] (UTF-8 captions).
inline constexpr std::array<const char*, 4> NomsTrames = {"Nmea V2.0", "APRS", "Nmea indexée", "APRS KISS"};
inline constexpr int kTrameMax = static_cast<int>(NomsTrames.size());

// Both APRS frame types end in the same decoder, station table and log.
inline constexpr bool IsAprsTrame(int trame) { return trame == kTrameAprs || trame == kTrameAprsKiss; }

}  // namespace orvex
