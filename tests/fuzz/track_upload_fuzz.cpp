// The lines of a trace file sent as a track upload, over arbitrary bytes:
// each gives a track-point packet of the fixed size whatever it holds, and a
// date header, when read, is a date the 32-bit time can carry.
#include <cstdint>
#include <string_view>

#include "garmin/track_record.h"
#include "place_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = {reinterpret_cast<const char*>(data), size};
  std::optional<orvex::GarminDateTime> date;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    if (const auto found = orvex::TrackFileDate(line)) {
      orvex::fuzz::Require(orvex::DateTimeToGarminTime(*found).has_value());
      date = found;
    }
    const orvex::GarminBytes packet = orvex::TrackPointPacket(line, date, start == 0);
    orvex::fuzz::Require(orvex::PacketData(packet).size() == 13);
    start = end + 1;
  }
  return 0;
}
