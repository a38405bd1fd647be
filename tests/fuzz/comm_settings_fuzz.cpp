// The serial settings text of ORVEX.INI over arbitrary bytes: whatever is
// accepted is a setting the port can take.
#include <cstdint>
#include <string_view>

#include "gps/comm_settings.h"
#include "place_lines.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto settings = orvex::ParseCommSettings(orvex::fuzz::AsText(data, size));
  if (settings) {
    orvex::fuzz::Require(settings->BaudRate > 0 && settings->DataBits >= 5 && settings->DataBits <= 8);
    orvex::fuzz::Require(std::string_view("NEOMS").find(settings->Parity) != std::string_view::npos);
  }
  return 0;
}
