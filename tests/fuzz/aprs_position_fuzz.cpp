// Compressed and Mic-E positions over arbitrary bytes: alone, and behind the
// data types, time stamps and object and item names that lead to them.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "gps/aprs_packet.h"
#include "gps/aprs_position.h"
#include "position_checks.h"

namespace {

constexpr std::size_t kDestinationLength = 9;

void RequireOnGlobe(const std::optional<orvex::AprsPosition>& position) {
  if (position) {
    orvex::DecodedPosition decoded;
    decoded.Longitude = position->Longitude;
    decoded.Latitude = position->Latitude;
    orvex::fuzz::RequireSoundPosition(decoded);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string destination = input.ConsumeRandomLengthString(kDestinationLength);
  const std::string info = input.ConsumeRemainingBytesAsString();
  RequireOnGlobe(orvex::DecodeCompressedPosition(info));
  RequireOnGlobe(orvex::DecodeMicEPosition(destination, info));
  for (const char* lead : {"!", "/092345z", ";OBJECT   *092345z", ")ITEM!", "`", "'"}) {
    orvex::fuzz::RequireSoundPosition(orvex::DecodeAprsLine("F1ABC-9>" + destination + ":" + lead + info));
  }
  return 0;
}
