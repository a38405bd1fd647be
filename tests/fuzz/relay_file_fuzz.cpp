// Relay files over arbitrary bytes, read into an empty table and into one
// a few entries short of its cap, which no file may push past.
#include <cstdint>
#include <vector>

#include "database/relay_file.h"
#include "place_lines.h"
#include "scratch_file.h"

namespace {

constexpr std::size_t kRoomLeft = 3;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("relais");
  const auto& file = scratch.Hold(data, size);
  std::vector<orvex::TRelais> table;
  orvex::fuzz::Require(orvex::CompileRelais(file, table) == 0);
  orvex::fuzz::Require(table.size() <= orvex::fuzz::LineCount(orvex::fuzz::AsText(data, size)));

  static std::vector<orvex::TRelais> nearlyFull;
  nearlyFull.resize(static_cast<std::size_t>(orvex::kMaxRelais) - kRoomLeft);
  orvex::fuzz::Require(orvex::CompileRelais(file, nearlyFull) == 0);
  orvex::fuzz::Require(nearlyFull.size() <= static_cast<std::size_t>(orvex::kMaxRelais));
  return 0;
}
