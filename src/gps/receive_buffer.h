#pragma once
// Gathers the bytes of the serial line and cuts complete position messages
// out of them, by the protocol chosen in the configuration (key Trame).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "gps/frame_types.h"
#include "gps/kiss_frame.h"

namespace orvex {

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

// KISS: every AX.25 UI frame completed by `bytes`, as one monitor line
// "SOURCE>DEST,PATH:INFO"; other frames are dropped.
std::vector<std::string> ReceiveKissPackets(KissDeframer& kiss, std::string_view bytes);

}  // namespace orvex
