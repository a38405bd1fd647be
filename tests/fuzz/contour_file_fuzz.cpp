// Country contour files over arbitrary bytes.
#include <cstdint>

#include "database/contour_file.h"
#include "place_lines.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("contours");
  orvex::TTableContours table;
  const int status = orvex::CompileContours(scratch.Hold(data, size), "FRANCE.DAT", table);
  orvex::fuzz::Require(status == 0 && table.NbFichiers() == 1 && table.Fichiers[0].NomFichier == "FRANCE.DAT");
  orvex::fuzz::Require(table.Fichiers[0].Elements.size() <= orvex::fuzz::LineCount(orvex::fuzz::AsText(data, size)));
  return 0;
}
