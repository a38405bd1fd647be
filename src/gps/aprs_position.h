#pragma once
// The two binary-ish APRS position forms, kept to the whole arc-second like
// every position the program reads.
// Compressed: symbol table, latitude and longitude as four base-91 characters
// each ("!" = 0 .. "{" = 90), symbol code, course/speed or range, type: 13
// bytes. Mic-E: the latitude digits, hemisphere, longitude offset and
// east/west in the six characters of the destination callsign, the longitude
// in the three bytes after the data type of the information field.
#include <optional>
#include <string_view>

namespace orvex {

struct AprsPosition {
  double Longitude = 0;  // degrees, east positive
  double Latitude = 0;   // degrees, north positive
};

// True when `c` may start a compressed position: a symbol table ("/", "\")
// or an overlay (upper-case letter, or "a".."j" for the digits).
bool IsCompressedSymbolTable(char c);

// `text` starts at the symbol table. Nothing when it is shorter than 13
// bytes, a latitude or longitude character is outside the base-91 range or
// the value lies off the globe.
std::optional<AprsPosition> DecodeCompressedPosition(std::string_view text);

// `destination` is the destination callsign (its SSID is ignored), `info` the
// information field from its data type on. Nothing when either is too short,
// a destination character is not a Mic-E one, or a longitude byte lies
// outside the range the encoding uses (such bytes would otherwise place the
// station thousands of kilometres away).
std::optional<AprsPosition> DecodeMicEPosition(std::string_view destination, std::string_view info);

}  // namespace orvex
