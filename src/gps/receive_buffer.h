#pragma once
// Gathers the bytes of the serial line and cuts complete position messages
// out of them, by the protocol chosen in the configuration (key Trame).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

inline constexpr int kTrameNmea = 1;         // "Nmea V2.0": GGA sentences
inline constexpr int kTrameAprs = 2;         // "APRS": TNC monitor packets
inline constexpr int kTrameNmeaIndexed = 3;  // "Nmea indexée": buffered, never decoded

// The buffer never keeps more than this between two reads: garbage without a
// frame cannot make it grow.
inline constexpr std::size_t kReceiveBufferLimit = 255;
// NMEA: a buffer longer than this with no GGA header in it is noise.
inline constexpr std::size_t kHeaderSearchLimit = 200;

// Appends `bytes` to `receiveBuffer` and returns every message completed by
// them, in order; what follows the last one stays in the buffer for the next
// read. NMEA: from a "$xxGGA" header through the two checksum characters after
// "*". APRS: a header line and the information line after it, each ended by a
// carriage return (a following line feed is dropped); lines before a header
// are dropped. Other protocols only fill (and bound) the buffer.
std::vector<std::string> ReceiveMessages(std::string& receiveBuffer, int protocol, std::string_view bytes);

}  // namespace orvex
