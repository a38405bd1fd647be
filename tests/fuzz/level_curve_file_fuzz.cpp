// Level-curve files over arbitrary bytes: whatever the counts claim, every
// curve kept has at least two points and an altitude of at least 2 m, and
// no file yields more points than it has lines.
#include <cstdint>

#include "database/level_curve_file.h"
#include "place_lines.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("niveaux");
  orvex::TTableNiveaux table;
  const int status = orvex::CompileNiveaux(scratch.Hold(data, size), "COURBES.DAT", table);
  orvex::fuzz::Require(status == 0 && table.NbFichiers() == 1);
  std::size_t points = 0;
  for (const orvex::TCourbeNiveau& courbe : table.Fichiers[0].Elements) {
    orvex::fuzz::Require(courbe.NbPoints() >= 2 && courbe.Altitude >= 2);
    points += courbe.Points.size();
  }
  orvex::fuzz::Require(points <= orvex::fuzz::LineCount(orvex::fuzz::AsText(data, size)));
  return 0;
}
