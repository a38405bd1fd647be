#pragma once
// The level-curve point nearest to a position, within the search radius of
// the tile fabrication: a squared distance in 1/16384 degree units below
// 2 000 000, no cosine correction, the first point in table order (set,
// curve, point) winning ties, the curve's altitude as the answer and 0 when
// no point lies within the radius.
//
// The plain scan visits every point for every question; the index (a k-d
// tree over the points, leaves of a few points, each subtree with its
// bounding box) gives exactly the same answer, ties included, while visiting
// only the subtrees that can hold a point at least as near as the best so far.
#include <cstdint>
#include <vector>

#include "database/tables.h"

namespace orvex {

inline constexpr std::int64_t kRayonRecherche2 = 2000000;

// The plain scan over the table.
std::int32_t AltitudeCourbeLaPlusProche(const TTableNiveaux& niveaux, FixedDegree lg, FixedDegree lt);

class IndexCourbes {
 public:
  explicit IndexCourbes(const TTableNiveaux& niveaux);
  std::int32_t AltitudeCourbeLaPlusProche(FixedDegree lg, FixedDegree lt) const;
  std::size_t NbPoints() const { return points_.size(); }

 private:
  struct Point {
    FixedDegree lg;
    FixedDegree lt;
    std::int32_t altitude;
    std::uint32_t ordre;  // position in table order
  };
  struct Noeud {
    FixedDegree lgMin, lgMax, ltMin, ltMax;
    std::uint32_t debut, fin;             // its points
    std::uint32_t gauche = 0, droit = 0;  // children; 0 for a leaf
  };
  std::uint32_t Construit(std::uint32_t debut, std::uint32_t fin);

  std::vector<Point> points_;
  std::vector<Noeud> noeuds_;
};

}  // namespace orvex
