// ESRI ASCII grids over arbitrary bytes.
#include <cstdint>

#include "grid_checks.h"
#include "scratch_file.h"
#include "terrain/esri_grid_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvex::TDalle dalle = orvex::fuzz::Sentinel();
  const std::string erreur = orvex::ImporteEsri(orvex::fuzz::AsText(data, size), dalle);
  orvex::fuzz::RequireOutcome(erreur, dalle);
  return 0;
}
