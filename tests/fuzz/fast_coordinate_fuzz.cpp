// The data files' short cut for numbers must give the very doubles of the
// general coordinate reader, for any text (NaN compared as NaN).
#include <cmath>
#include <cstdint>
#include <cstring>

#include "database/fast_coordinate.h"
#include "geo/coordinate_text.h"
#include "place_lines.h"
#include "scratch_file.h"

namespace {

bool Identical(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = orvex::fuzz::AsText(data, size);
  orvex::fuzz::Require(Identical(orvex::CoordonneeTexte(text), orvex::TextToCoordinate(text)));
  orvex::fuzz::Require(Identical(orvex::DecimalTexte(text), orvex::DecimalToDegrees(text)));
  return 0;
}
