// Bytes from a KISS TNC arriving in reads of any size: the deframer never
// holds more than one frame, never hands out a frame longer than AX.25
// allows, and every UI frame it passes on decodes without fault.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "gps/aprs_packet.h"
#include "gps/receive_buffer.h"
#include "position_checks.h"

namespace {

constexpr std::size_t kLongestRead = 600;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  orvex::KissDeframer frames;
  orvex::KissDeframer packets;
  while (input.remaining_bytes() > 0) {
    const std::string bytes = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, kLongestRead));
    for (const std::string& frame : frames.Push(bytes)) {
      orvex::fuzz::Require(!frame.empty() && frame.size() <= orvex::kAx25MaxFrame);
    }
    orvex::fuzz::Require(frames.Pending() <= orvex::kAx25MaxFrame + 1);
    for (const std::string& line : orvex::ReceiveKissPackets(packets, bytes)) {
      orvex::fuzz::Require(orvex::IsAprsHeader(line));
      orvex::fuzz::RequireSoundPosition(orvex::DecodeAprsLine(line));
    }
  }
  return 0;
}
