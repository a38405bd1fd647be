// Structure files over arbitrary bytes, colour warnings included.
#include <cstdint>
#include <string>

#include "database/structure_file.h"
#include "place_lines.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("struct");
  orvex::TTableStructures table;
  std::size_t warnings = 0;
  const orvex::ProgressSink count = [&warnings](const std::string&) { ++warnings; };
  const int status = orvex::CompileStructures(scratch.Hold(data, size), "ROUTES.DAT", table, count);
  orvex::fuzz::Require(status == 0 && table.NbFichiers() == 1);
  const std::size_t lines = orvex::fuzz::LineCount(orvex::fuzz::AsText(data, size));
  std::size_t points = 0;
  for (const orvex::TStructure& structure : table.Fichiers[0].Elements) {
    points += structure.Points.size();
  }
  // A structure takes a colour line and a name line before its points.
  orvex::fuzz::Require(points + 2 * table.Fichiers[0].Elements.size() <= lines + 1);
  orvex::fuzz::Require(warnings <= table.Fichiers[0].Elements.size());
  return 0;
}
