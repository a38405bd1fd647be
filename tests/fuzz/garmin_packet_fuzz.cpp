// The Garmin packet receiver over any byte stream cut into reads at any
// places: every packet it gives is whole with a correct checksum, and each
// answer other than "incomplete" consumes bytes, so a receive loop always
// ends.
#include <cstdint>
#include <numeric>

#include "garmin/garmin_packet.h"
#include "place_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  // The first byte sets the read size, as a serial line delivers bytes.
  const std::size_t chunk = data[0] % 32 + 1;
  orvex::PacketReceiver receiver;
  for (std::size_t at = 1; at < size; at += chunk) {
    receiver.Append(std::span(data + at, std::min(chunk, size - at)));
    for (;;) {
      const std::size_t before = receiver.Held().size();
      orvex::GarminBytes packet;
      const auto status = receiver.Take(packet);
      if (status == orvex::PacketReceiver::Status::Incomplete) {
        orvex::fuzz::Require(receiver.Held().size() == before);
        break;
      }
      orvex::fuzz::Require(receiver.Held().size() < before);
      if (status == orvex::PacketReceiver::Status::Packet) {
        const auto body = orvex::PacketData(packet);
        orvex::fuzz::Require(packet.size() == body.size() + 6 && packet[2] == body.size());
        orvex::fuzz::Require(orvex::PacketChecksum(packet[1], body) == packet[packet.size() - 3]);
        orvex::fuzz::Require(orvex::StuffPacket(packet).size() >= packet.size());
      }
    }
  }
  return 0;
}
