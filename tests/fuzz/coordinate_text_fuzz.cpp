// Coordinate text and the text helpers over arbitrary bytes: no crash, and
// whatever is read back as a finite value prints and reads back within a second.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "geo/coordinate_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = orvex::TextToCoordinate(text);
  orvex::OemToWindowsText(text);
  if (std::isfinite(value) && std::fabs(value) < 1e6) {
    const double back = orvex::TextToCoordinate(orvex::LongitudeToText(value));
    if (std::fabs(std::fabs(back) - std::fabs(value)) > 1.0 / 3600 + 1e-9) {
      std::abort();
    }
  }
  return 0;
}
