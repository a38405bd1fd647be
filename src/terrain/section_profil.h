#pragma once
// Where the section of a level profile puts its crossings: the crossings run
// west to east along the width, the highest at the top, and an altitude is
// written wherever the point stands more than 15 pixels right of the last
// one written.
#include <cstdint>
#include <vector>

#include "terrain/profil.h"

namespace orvex {

inline constexpr int kLargeurSection = 585;
inline constexpr int kHauteurSection = 113;

struct PointSection {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool Etiquete = false;  // its altitude is written above it
  friend bool operator==(const PointSection&, const PointSection&) = default;
};

struct SectionProfil {
  std::vector<PointSection> Points;  // one per crossing, in the order given
  std::int32_t LigneDeBase = 0;      // the section's floor, H - 20
  double LongueurKm = 0;             // straight from the first crossing to the last
  std::vector<double> DistancesKm;   // from the first crossing, one per crossing
};

// `points` sorted west to east (TriProfil), at least one. The first crossing
// stands at x = 10, the others at 15 + their running distance scaled to the
// width. Its altitude is always written and it is the reference of the first
// 15-pixel test. All crossings at one altitude lie on the middle line of the
// band the highest and lowest would span (y = 20 to H - 35); all crossings on
// one spot stand at x = 15.
SectionProfil CalculeSection(const TPointsProfil& points, int largeur, int hauteur);

}  // namespace orvex
