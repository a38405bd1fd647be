#pragma once
// APRS packets as a terminal node controller prints them in monitor mode: a
// header line "SOURCE>DEST,PATH:" ended by a carriage return (a line feed may
// follow), then the information line ended the same way.
#include <string_view>

#include "gps/decoded_position.h"

namespace orvex {

// True when `line` starts with a source callsign (letters and digits, an
// optional "-SSID") directly followed by ">".
bool IsAprsHeader(std::string_view line);

// Decodes one message (header line, then information line). Only the
// uncompressed "ddmm.hhN/dddmm.hhE" form gives a position (with its position
// ambiguity resolved to the centre of the box); compressed and Mic-E packets,
// statuses and messages give none. The name is the source callsign without
// its SSID, or the name of an object (";"). Altitude is always 0.
DecodedPosition DecodePacket(std::string_view message);

}  // namespace orvex
