#pragma once
// What every grid reader promises, whatever the bytes: a grid read is well
// formed and within the tile format, and a refused one leaves the old grid.
#include <string>

#include "place_lines.h"
#include "terrain/dalles.h"

namespace orvex::fuzz {

inline TDalle Sentinel() {
  TDalle d;
  d.NbX = d.NbY = 1;
  d.DLg = d.DLt = 3;
  d.Alt = {{42}};
  return d;
}

inline void RequireOutcome(const std::string& erreur, const TDalle& d) {
  if (!erreur.empty()) {
    Require(d.NbX == 1 && d.NbY == 1 && d.DLg == 3 && d.Alt == std::vector<std::vector<std::int32_t>>{{42}});
    return;
  }
  Require(d.NbX >= 1 && d.NbY >= 1 && d.NbX <= kDallesMaxCotes && d.NbY <= kDallesMaxCotes);
  Require(d.DLg >= 1 && d.DLt >= 1 && d.DLg <= 65535 && d.DLt <= 65535);
  Require(d.Alt.size() == static_cast<std::size_t>(d.NbY));
  for (const auto& row : d.Alt) {
    Require(row.size() == static_cast<std::size_t>(d.NbX));
    for (const std::int32_t v : row) {
      Require(v >= 0 && (d.AltMax < d.AltMin || (v == 0 || (v >= d.AltMin && v <= d.AltMax))));
    }
  }
}

}  // namespace orvex::fuzz
