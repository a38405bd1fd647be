// One AX.25 frame of any bytes: a frame taken as UI gives a monitor line
// whose header the APRS decoder accepts, and which decodes without fault.
#include <cstdint>
#include <string>

#include "gps/aprs_packet.h"
#include "gps/ax25_frame.h"
#include "position_checks.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto line = orvex::Ax25UiFrameToText(orvex::fuzz::AsText(data, size));
  if (line) {
    orvex::fuzz::Require(orvex::IsAprsHeader(*line) && line->find(':') != std::string::npos);
    orvex::fuzz::RequireSoundPosition(orvex::DecodeAprsLine(*line));
  }
  return 0;
}
