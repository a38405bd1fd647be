// FIL grids over arbitrary bytes.
#include <cstdint>

#include "grid_checks.h"
#include "scratch_file.h"
#include "terrain/fil_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvex::TDalle dalle = orvex::fuzz::Sentinel();
  const std::string erreur = orvex::ImporteFIL(orvex::fuzz::AsText(data, size), dalle);
  orvex::fuzz::RequireOutcome(erreur, dalle);
  return 0;
}
