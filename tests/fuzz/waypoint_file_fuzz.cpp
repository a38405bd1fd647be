// Waypoint files over arbitrary bytes: at most one waypoint per line, names
// and comments within their lengths, and every line, sent as an upload,
// gives a waypoint packet of the fixed size.
#include <cstdint>
#include <string>

#include "garmin/waypoint_table.h"
#include "place_lines.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("waypoints");
  orvex::WaypointTable table;
  orvex::fuzz::Require(orvex::ReadWaypointFile(table, scratch.Hold(data, size)) == 0);
  const std::string_view text = orvex::fuzz::AsText(data, size);
  orvex::fuzz::Require(table.size() <= orvex::fuzz::LineCount(text));
  for (const orvex::Waypoint& w : table) {
    orvex::fuzz::Require(w.Name.size() <= orvex::kWaypointNameLength);
    orvex::fuzz::Require(w.Comment.size() <= orvex::kWaypointCommentLength);
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const orvex::GarminBytes packet = orvex::WaypointPacket(text.substr(start, end - start));
    orvex::fuzz::Require(packet.size() == 3 + 58 + 3 && orvex::PacketData(packet).size() == 58);
    start = end + 1;
  }
  return 0;
}
