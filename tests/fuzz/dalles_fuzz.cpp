// dalles.dat over arbitrary bytes: the grid read is well formed, its
// altitude lookup stays inside it, and writing it out and reading that back
// gives the same grid.
#include <cstdint>

#include "place_lines.h"
#include "scratch_file.h"
#include "terrain/dalles.h"

namespace {

bool SameGrid(const orvex::TDalle& a, const orvex::TDalle& b) {
  return a.NbX == b.NbX && a.NbY == b.NbY && a.AltMin == b.AltMin && a.AltMax == b.AltMax && a.LgNO == b.LgNO &&
         a.LtNO == b.LtNO && a.DLg == b.DLg && a.DLt == b.DLt && a.Alt == b.Alt;
}

void RequireWellFormed(const orvex::TDalle& dalle) {
  orvex::fuzz::Require(dalle.NbX >= 0 && dalle.NbY >= 0 && dalle.NbX <= orvex::kDallesMaxCotes &&
                       dalle.NbY <= orvex::kDallesMaxCotes);
  orvex::fuzz::Require(dalle.Alt.size() == static_cast<std::size_t>(dalle.NbY));
  for (const auto& row : dalle.Alt) {
    orvex::fuzz::Require(row.size() == static_cast<std::size_t>(dalle.NbX));
  }
}

// Corners, the far edge and just past it.
void LookUpAround(const orvex::TDalle& dalle) {
  const double west = orvex::FromFixed(dalle.LgNO);
  const double north = orvex::FromFixed(dalle.LtNO);
  const double east = west + orvex::FromFixed(dalle.DLg) * dalle.NbX;
  const double south = north - orvex::FromFixed(dalle.DLt) * dalle.NbY;
  for (const double lg : {west, east, (west + east) / 2, east + 1}) {
    for (const double lt : {north, south, (north + south) / 2, south - 1}) {
      orvex::AltitudeDuPoint(dalle, lg, lt);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("dalles");
  static const orvex::fuzz::ScratchFile copy("dalles-copy");
  orvex::TDalle dalle;
  orvex::fuzz::Require(orvex::LitDalles(scratch.Hold(data, size), dalle) == 0);
  RequireWellFormed(dalle);
  LookUpAround(dalle);

  orvex::fuzz::Require(orvex::EcritDalles(copy.path(), dalle) == 0);
  orvex::TDalle again;
  orvex::fuzz::Require(orvex::LitDalles(copy.path(), again) == 0);
  orvex::fuzz::Require(SameGrid(dalle, again));
  return 0;
}
