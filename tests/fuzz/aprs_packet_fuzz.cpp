// APRS decoding over arbitrary bytes, as received and behind a valid header
// line, so that the information field is reached too.
#include <cstdint>
#include <string>

#include "gps/aprs_packet.h"
#include "position_checks.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = orvex::fuzz::AsText(data, size);
  orvex::fuzz::RequireSoundPosition(orvex::DecodePacket(text));
  orvex::fuzz::RequireSoundPosition(orvex::DecodePacket("F1ABC-9>APRS,WIDE1-1:\r\n" + std::string(text)));
  return 0;
}
