// Radio amateur files over arbitrary bytes.
#include <cstdint>

#include "database/om_file.h"
#include "place_lines.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("om");
  orvex::TTableOM table;
  const int status = orvex::CompileOM(scratch.Hold(data, size), "OM.DAT", table);
  orvex::fuzz::Require(status == 0 && table.NbFichiers() == 1);
  orvex::fuzz::Require(table.Fichiers[0].Elements.size() <= orvex::fuzz::LineCount(orvex::fuzz::AsText(data, size)));
  return 0;
}
