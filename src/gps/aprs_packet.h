#pragma once
// APRS packets, in the two forms they arrive in: as a terminal node
// controller prints them in monitor mode (a header line "SOURCE>DEST,PATH:"
// ended by a carriage return, a line feed may follow, then the information
// line ended the same way), and as one line "SOURCE>DEST,PATH:INFO" (what the
// AX.25 frames of a KISS TNC are turned into).
#include <string_view>

#include "gps/decoded_position.h"

namespace orvex {

// True when `line` starts with a source callsign (letters and digits, an
// optional "-SSID") directly followed by ">".
bool IsAprsHeader(std::string_view line);

// Decodes one message in monitor form. Positions are read in the uncompressed
// "ddmm.hhN/dddmm.hhE" form (its position ambiguity resolved to the centre of
// the box), in the compressed form after "!", "=", "/", "@" and in objects and
// items, and in Mic-E packets; statuses, messages and the rest give none. The
// name is the source callsign with its SSID, or the name of an object (";")
// or item (")"); a killed object or item gives no position and sets Killed.
// Altitude is always 0.
DecodedPosition DecodePacket(std::string_view message);

// The same for one line "SOURCE>DEST,PATH:INFO".
DecodedPosition DecodeAprsLine(std::string_view line);

}  // namespace orvex
