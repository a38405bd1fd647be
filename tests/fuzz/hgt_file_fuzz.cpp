// SRTM tiles: the first line of the input is the file name, the rest the
// bytes. A rest starting with '*' is repeated to the size of a 3" tile, so
// that the sample path is reached from small inputs.
#include <cstdint>
#include <string>

#include "grid_checks.h"
#include "scratch_file.h"
#include "terrain/hgt_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = orvex::fuzz::AsText(data, size);
  const std::size_t newline = std::min(input.find('\n'), input.size());
  const std::string_view name = input.substr(0, newline);
  std::string bytes(input.substr(std::min(newline + 1, input.size())));
  if (bytes.size() > 1 && bytes[0] == '*') {
    const std::string pattern = bytes.substr(1);
    bytes.clear();
    while (bytes.size() < 2u * 1201 * 1201) {
      bytes += pattern;
    }
    bytes.resize(2u * 1201 * 1201);
  }
  orvex::TDalle dalle = orvex::fuzz::Sentinel();
  const std::string erreur = orvex::ImporteHgt(name, bytes, dalle);
  orvex::fuzz::RequireOutcome(erreur, dalle);
  return 0;
}
