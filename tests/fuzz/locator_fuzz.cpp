// Locator text over arbitrary bytes: a text read as a locator names the
// sub-square its centre falls in, and any position's locator reads back to a
// centre with that same locator.
#include <cstdint>
#include <cstring>
#include <string>

#include "geo/coordinate_text.h"
#include "geo/locator.h"
#include "place_lines.h"
#include "scratch_file.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void CheckText(std::string_view text) {
  double lon = 0;
  double lat = 0;
  orvex::LocatorToCoordinate(text, lon, lat);
  if (lon == 0 && lat == 0) {
    return;
  }
  // Square characters are taken unchecked; only real digits name a square.
  if (IsDigit(text[2]) && IsDigit(text[3])) {
    orvex::fuzz::Require(orvex::CoordinateToLocator(lon, lat) == orvex::UpperText(text.substr(0, 6)));
  }
}

void CheckPosition(const std::uint8_t* data, std::size_t size) {
  double position[2] = {};
  if (size < sizeof(position)) {
    return;
  }
  std::memcpy(position, data, sizeof(position));
  const std::string locator = orvex::CoordinateToLocator(position[0], position[1]);
  if (locator == "?") {
    return;
  }
  orvex::fuzz::Require(locator.size() == 6);
  double lon = 0;
  double lat = 0;
  orvex::LocatorToCoordinate(locator, lon, lat);
  orvex::fuzz::Require(orvex::CoordinateToLocator(lon, lat) == locator);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckText(orvex::fuzz::AsText(data, size));
  CheckPosition(data, size);
  return 0;
}
