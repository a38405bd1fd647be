// The channel file over arbitrary bytes: names and frequencies stay within
// their length, and looking a relay's text up never fails.
#include <cstdint>
#include <string_view>

#include "database/channel_file.h"
#include "place_lines.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("canaux");
  orvex::TTableCanaux table;
  orvex::fuzz::Require(orvex::LitCanaux(scratch.Hold(data, size), table) == 0);
  for (const orvex::TCanal& canal : table) {
    orvex::fuzz::Require(canal.Nom.size() <= orvex::kLongueurCanal && canal.Frequence.size() <= orvex::kLongueurCanal);
  }
  const std::string_view text = orvex::fuzz::AsText(data, size);
  orvex::FrequenceDuCanal(table, text.substr(0, text.find('\n')));
  return 0;
}
